// The annual update of a company of N employees (2020 into 2021) against the bare engine. "Work" is
// the program's update; "Floor" runs the same reads, updates and inserts through the sqlite3 C API
// in one transaction over the same attached files (the same slices of employees, the same copy of
// the template, the same rename), in the same run. The ratios are printed last.

#include "RatioReporter.h"
#include "SyntheticCompany.h"
#include "data/DataModule.h"
#include "platform/ScriptedDialogs.h"
#include "raise/AnnualUpdate.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstring>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr int kYear = 2020;
constexpr int kNext = 2021;
constexpr int kSlice = 2000;

void exec(sqlite3* db, const std::string& sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "bench_rollover: %s: %s\n", err ? err : "?", sql.c_str());
        std::abort();
    }
}

// The synthetic company with what an update needs besides its employees: its registry row and its
// settings row.
struct Company {
    explicit Company(int n) : synthetic(n)
    {
        sqlite3* db = nullptr;
        sqlite3_open(synthetic.controlDatabase().toUtf8().constData(), &db);
        exec(db, "INSERT INTO MKIGYOU1 VALUES(1,2020,'ベンチ工業','',20200401,0,20090401,1,8,20,160,1013)");
        sqlite3_close(db);
        sqlite3_open(synthetic.yearDatabase().toUtf8().constData(), &db);
        exec(db, "INSERT INTO MKIGYOU2 VALUES (1, 2020, 'ベンチ工業', 20200401, 0, '', '基本給', '', '', '手当', '', '', '', '', "
                 "0, 0, '第１等級', '第２等級', '第３等級', '第４等級', '第５等級', '第６等級', '第７等級', '第８等級', "
                 "'第９等級', 3, 1, 0, 3, 0)");
        exec(db, "INSERT INTO SALARYNAME (KCO, NENDO, SALARYID, SALARYNAME) VALUES (1, 2020, 1, '正社員')");
        exec(db, "INSERT INTO MSEIKEI VALUES (1, 2020, 1, 1, 20, 180, 1.0, 1.0, 1.0, 1.0, '統計', '全国', '2020', '')");
        sqlite3_close(db);
    }
    QString dir() const { return synthetic.programDir(); }
    QString nextYear() const { return dir() + QStringLiteral("DATA/2021/DATA.MDB"); }

    // Undoes the last update: no database of 2021, no registration for it.
    void reset() const
    {
        QDir(dir() + QStringLiteral("DATA/2021")).removeRecursively();
        sqlite3* db = nullptr;
        sqlite3_open(synthetic.controlDatabase().toUtf8().constData(), &db);
        exec(db, "DELETE FROM MKIGYOU1 WHERE NENDO = 2021");
        sqlite3_close(db);
    }

    bench::SyntheticCompany synthetic;
};

std::map<int, std::unique_ptr<Company>>& companies()
{
    static std::map<int, std::unique_ptr<Company>> m;
    return m;
}

Company& company(int n)
{
    auto& c = companies()[n];
    if (!c)
        c = std::make_unique<Company>(n);
    return *c;
}

void rolloverWork(benchmark::State& state)
{
    Company& co = company(int(state.range(0)));
    data::TFDM dm(co.dir());
    dm.state.AgeReferenceDate = 20210401;
    platform::ScriptedDialogs dialogs;   // an error would show here
    for (auto _ : state) {
        state.PauseTiming();
        co.reset();
        state.ResumeTiming();
        const auto r = salary::AnnualUpdate(dm, kYear, 1);
        if (r.outcome != salary::RolloverOutcome::Done || r.employees != state.range(0)) {
            std::fprintf(stderr, "outcome %d, %lld employees %s\n", int(r.outcome), static_cast<long long>(r.employees),
                         dialogs.texts().join(QLatin1Char('|')).toUtf8().constData());
            state.SkipWithError("update failed");
            break;
        }
    }
    co.reset();
}

// ---------------------------------------------------------------- floor

std::vector<std::string> columnsOf(sqlite3* db, const std::string& schema, const std::string& table)
{
    std::vector<std::string> names;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, ("PRAGMA " + schema + ".table_info(" + table + ")").c_str(), -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    return names;
}

std::string placeholders(size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += i ? ",?" : "?";
    return s;
}

// Copies rows of a table from Y0 to Y1 with the new year; every value passed on as read.
void copyTable(sqlite3* db, const std::string& table, const std::string& where, bool keepYear = false)
{
    const auto cols = columnsOf(db, "Y0", table);
    int year = -1;
    for (size_t i = 0; i < cols.size(); ++i)
        if (cols[i] == "NENDO")
            year = int(i);
    sqlite3_stmt* sel = nullptr;
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, ("SELECT * FROM Y0." + table + where).c_str(), -1, &sel, nullptr);
    sqlite3_prepare_v2(db, ("Insert into Y1." + table + " Values(" + placeholders(cols.size()) + ")").c_str(), -1, &ins, nullptr);
    while (sqlite3_step(sel) == SQLITE_ROW) {
        for (int i = 0; i < int(cols.size()); ++i) {
            if (i == year && !keepYear)
                sqlite3_bind_int(ins, i + 1, kNext);
            else
                sqlite3_bind_value(ins, i + 1, sqlite3_column_value(sel, i));
        }
        if (sqlite3_step(ins) != SQLITE_DONE)
            std::abort();
        sqlite3_reset(ins);
    }
    sqlite3_finalize(sel);
    sqlite3_finalize(ins);
}

int yearsBetween(int date, int reference)
{
    if (date <= 0)
        return 0;
    int y = reference / 10000 - date / 10000;
    if (reference % 10000 < date % 10000)
        --y;
    return y;
}

// The employees: each row of the view written back to Y0 with age and service recomputed, then
// inserted into Y1 with the rules of the update applied.
void carryEmployees(sqlite3* db, const std::string& where)
{
    const std::vector<std::string> t1 = columnsOf(db, "Y0", "MSYAIN1");
    const std::vector<std::string> t2 = columnsOf(db, "Y0", "MSYAIN2");
    auto isKey = [](const std::string& c) { return c == "KCO" || c == "SCO" || c == "NENDO"; };
    auto updateSql = [&](const std::string& table, const std::vector<std::string>& cols) {
        std::string s = "update Y0." + table + " set ";
        bool first = true;
        for (const auto& c : cols)
            if (!isKey(c)) {
                s += (first ? "" : ",") + c + " = ?";
                first = false;
            }
        return s + " where KCO = ?  and  SCO = ?  and  NENDO = ?";
    };
    sqlite3_stmt *up1 = nullptr, *up2 = nullptr, *in1 = nullptr, *in2 = nullptr, *sel = nullptr;
    sqlite3_prepare_v2(db, updateSql("MSYAIN1", t1).c_str(), -1, &up1, nullptr);
    sqlite3_prepare_v2(db, updateSql("MSYAIN2", t2).c_str(), -1, &up2, nullptr);
    sqlite3_prepare_v2(db, ("Insert into Y1.MSYAIN1 Values(" + placeholders(t1.size()) + ")").c_str(), -1, &in1, nullptr);
    sqlite3_prepare_v2(db, ("Insert into Y1.MSYAIN2 Values(" + placeholders(t2.size()) + ")").c_str(), -1, &in2, nullptr);

    std::map<std::string, int> at;   // column of the view by name
    std::vector<int> p1, p2;
    sqlite3_int64 after = 0;
    bool firstSlice = true;
    for (;;) {
        const std::string sql = "SELECT * FROM Y0.VSYAIN " + where + (firstSlice ? "" : " AND SCO > " + std::to_string(after))
            + " ORDER BY SCO LIMIT " + std::to_string(kSlice);
        sqlite3_prepare_v2(db, sql.c_str(), -1, &sel, nullptr);
        if (at.empty()) {
            for (int i = 0; i < sqlite3_column_count(sel); ++i)
                at[sqlite3_column_name(sel, i)] = i;
            for (const auto& c : t1)
                p1.push_back(at.at(c));
            for (const auto& c : t2)
                p2.push_back(at.at(c));
        }
        int rows = 0;
        while (sqlite3_step(sel) == SQLITE_ROW) {
            ++rows;
            auto i64 = [&](const char* name) { return sqlite3_column_int64(sel, at.at(name)); };
            after = i64("SCO");
            const int reference = 20210401;
            const sqlite3_int64 age = yearsBetween(int(i64("SEIHI")), reference);
            const sqlite3_int64 service = yearsBetween(int(i64("NYUHI")), reference);
            // Write-back to year Y.
            for (auto [stmt, cols, pos] : {std::tuple{up1, &t1, &p1}, std::tuple{up2, &t2, &p2}}) {
                int k = 1;
                for (size_t i = 0; i < cols->size(); ++i) {
                    const std::string& c = (*cols)[i];
                    if (isKey(c))
                        continue;
                    if (c == "NENREI")
                        sqlite3_bind_int64(stmt, k++, age);
                    else if (c == "KINZOKU")
                        sqlite3_bind_int64(stmt, k++, service);
                    else
                        sqlite3_bind_value(stmt, k++, sqlite3_column_value(sel, (*pos)[i]));
                }
                sqlite3_bind_int64(stmt, k++, i64("KCO"));
                sqlite3_bind_int64(stmt, k++, i64("SCO"));
                sqlite3_bind_int64(stmt, k++, i64("NENDO"));
                if (sqlite3_step(stmt) != SQLITE_DONE)
                    std::abort();
                sqlite3_reset(stmt);
            }
            // The row of the next year.
            const bool saved = i64("NTOUKYU") != 0;
            const sqlite3_int64 before = i64("KKYU1") + i64("KKYU2") + i64("KKYU3") + i64("TEATE1") + i64("TEATE2")
                + i64("TEATE3") + i64("TEATE4") + i64("TEATE5");
            const sqlite3_int64 raised = i64("NKKYU1") + i64("NKKYU2") + i64("NKKYU3") + i64("NTEATE1") + i64("NTEATE2")
                + i64("NTEATE3") + i64("NTEATE4") + i64("NTEATE5");
            auto valueOf = [&](const std::string& c, int column, sqlite3_stmt* stmt, int k) {
                auto take = [&](const char* from) { sqlite3_bind_value(stmt, k, sqlite3_column_value(sel, at.at(from))); };
                auto zero = [&] { sqlite3_bind_int(stmt, k, 0); };
                if (c == "NENDO") sqlite3_bind_int(stmt, k, kNext);
                else if (c == "NENREI") sqlite3_bind_int64(stmt, k, age);
                else if (c == "KINZOKU") sqlite3_bind_int64(stmt, k, service);
                else if (c == "NENSYU") take("NNENSYU");
                else if (c == "TCO") take(saved ? "NTOUKYU" : "TCO");
                else if (c == "GOUHOU") take(saved ? "NGOUHOU" : "GOUHOU");
                else if (c == "UPK" || c == "UPT" || c == "NNENSYU" || c == "SGOUHOU" || c == "FSKCHK" || c == "NSYOTEI") zero();
                else if (c == "SRITSU") sqlite3_bind_double(stmt, k, 0.0);
                else if (c.rfind("KKYU", 0) == 0 || c.rfind("TEATE", 0) == 0) take(("N" + c).c_str());
                else if (c == "HCO3") take("HCO2");
                else if (c == "HNA3") take("HNA2");
                else if (c == "HCO2") take("HCO1");
                else if (c == "HNA2") take("HNA1");
                else if (c == "HCO1") take("HCO");
                else if (c == "HNA1") take("HKIGOU");
                else if (c == "SYOTEIKYU") take("NSYOTEI");
                else if (c == "UPKIN3") take("UPKIN2");
                else if (c == "UPKIN2") take("UPKIN1");
                else if (c == "UPKIN1") sqlite3_bind_int64(stmt, k, raised - before);
                else sqlite3_bind_value(stmt, k, sqlite3_column_value(sel, column));
            };
            for (auto [stmt, cols, pos] : {std::tuple{in1, &t1, &p1}, std::tuple{in2, &t2, &p2}}) {
                for (size_t i = 0; i < cols->size(); ++i)
                    valueOf((*cols)[i], (*pos)[i], stmt, int(i) + 1);
                if (sqlite3_step(stmt) != SQLITE_DONE)
                    std::abort();
                sqlite3_reset(stmt);
            }
        }
        sqlite3_finalize(sel);
        firstSlice = false;
        if (rows < kSlice)
            break;
    }
    for (sqlite3_stmt* s : {up1, up2, in1, in2})
        sqlite3_finalize(s);
}

void rolloverFloor(benchmark::State& state)
{
    Company& co = company(int(state.range(0)));
    const QString control = co.synthetic.controlDatabase();
    const QString templ = co.dir() + QStringLiteral("DATA/DATA.MDB");
    for (auto _ : state) {
        state.PauseTiming();
        co.reset();
        state.ResumeTiming();
        QDir().mkdir(co.dir() + QStringLiteral("DATA/2021"));
        const QString pending = co.nextYear() + QStringLiteral(".new");
        QFile::copy(templ, pending);
        sqlite3* db = nullptr;
        sqlite3_open(control.toUtf8().constData(), &db);
        exec(db, "ATTACH DATABASE '" + co.synthetic.yearDatabase().toStdString() + "' AS Y0");
        exec(db, "ATTACH DATABASE '" + pending.toStdString() + "' AS Y1");
        exec(db, "BEGIN IMMEDIATE");
        const std::string w1 = " WHERE NENDO = 2020   AND KCO   = 1";
        {
            sqlite3_stmt* sel = nullptr;
            sqlite3_stmt* ins = nullptr;
            sqlite3_prepare_v2(db, ("SELECT * FROM main.MKIGYOU1" + w1).c_str(), -1, &sel, nullptr);
            sqlite3_prepare_v2(db, "Insert into main.MKIGYOU1 Values(?,?,?,?,?,?,?,?,?,?,?,?)", -1, &ins, nullptr);
            while (sqlite3_step(sel) == SQLITE_ROW) {
                for (int i = 0; i < 12; ++i)
                    sqlite3_bind_value(ins, i + 1, sqlite3_column_value(sel, i));
                sqlite3_bind_int(ins, 2, kNext);
                sqlite3_bind_int(ins, 5, 20210401);
                sqlite3_step(ins);
                sqlite3_reset(ins);
            }
            sqlite3_finalize(sel);
            sqlite3_finalize(ins);
        }
        for (const char* t : {"MKIGYOU2", "MGRAPH", "MHYOUKA", "MMARK"})
            copyTable(db, t, w1);
        exec(db, "DELETE from Y1.MSEIKEI  ");
        copyTable(db, "MSEIKEI", " ", true);
        for (const char* t : {"MCHART", "DSPDRAW", "MCHINGIN", "DSCALE", "DKSEN2", "DKSEN3"})
            copyTable(db, t, w1);
        carryEmployees(db, w1);
        for (const char* t : {"YHYOUKA", "BANDM", "MATRIXID", "MATRIXCELL", "SALARYNAME", "DCHINGIN2"})
            copyTable(db, t, w1);
        exec(db, "COMMIT");
        exec(db, "DETACH DATABASE Y1; DETACH DATABASE Y0");
        sqlite3_close(db);
        QFile::rename(pending, co.nextYear());
    }
    co.reset();
}

} // namespace

int main(int argc, char** argv)
{
    for (int n : {1000, 10000, 100000}) {
        const int runs = n >= 100000 ? 3 : n >= 10000 ? 5 : 20;
        // Work and floor alternate so that both see the same machine state.
        benchmark::RegisterBenchmark("Rollover/Floor", rolloverFloor)->Arg(n)->Unit(benchmark::kMillisecond)->Iterations(runs)->UseRealTime();
        benchmark::RegisterBenchmark("Rollover/Work", rolloverWork)->Arg(n)->Unit(benchmark::kMillisecond)->Iterations(runs)->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::printRatios(reporter.results);
    companies().clear();
    return 0;
}
