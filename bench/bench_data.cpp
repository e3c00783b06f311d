// Table access layer against the bare engine: reading every employee-view row, and writing N plot
// rows (DCHART) in one transaction. Each "Work" figure has a "Floor" beside it: the same SQL run
// through the sqlite3 C API with no layer around it, in the same run. The ratios are printed last.

#include "RatioReporter.h"
#include "SyntheticCompany.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <sqlite3.h>

namespace {

const QString kSelect = QStringLiteral("SELECT * FROM VSYAIN");
const QString kWhere = QStringLiteral(" WHERE KCO = 1 AND NENDO = 2020");

std::map<int, std::unique_ptr<bench::SyntheticCompany>>& companies()
{
    static std::map<int, std::unique_ptr<bench::SyntheticCompany>> m;
    return m;
}

bench::SyntheticCompany& company(int n)
{
    auto& c = companies()[n];
    if (!c)
        c = std::make_unique<bench::SyntheticCompany>(n);
    return *c;
}

void readWork(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    data::TFDM dm(co.programDir());
    dm.state.AgeReferenceDate = 20200401;
    dm.OpenDatabase(dm.ACN2, co.yearDatabase());
    for (auto _ : state) {
        data::TSyain_rec set;
        data::Selects(dm.ACN2, dm.Query21, false, kSelect, kWhere, set);
        if (set.rows != co.employees())
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(set.items.data());
    }
}

void readFloor(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    sqlite3* db = nullptr;
    sqlite3_open(co.yearDatabase().toUtf8().constData(), &db);
    const QByteArray sql = (kSelect + kWhere).toUtf8();
    for (auto _ : state) {
        if (bench::readAllFloor(db, sql) != co.employees())
            state.SkipWithError("wrong row count");
    }
    sqlite3_close(db);
}

void writeWork(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    data::TFDM dm(co.programDir());
    dm.OpenDatabase(dm.ACN2, co.yearDatabase());
    const int n = co.employees();
    for (auto _ : state) {
        data::Transaction tx(dm.ACN2);
        data::TDChart_ del;
        data::Delete(dm.ACN2, dm.Query21, false, QStringLiteral(" "), del);
        data::TDChart_ r;
        for (int i = 1; i <= n; ++i) {
            r.SCO = QString::number(i);
            r.SNA = QStringLiteral("佐藤　太郎");
            r.LABELN = r.SCO;
            r.F1 = i % 50;
            r.X = 18 + i % 47;
            r.Y = 20.0 + (i % 300) / 10.0;
            r.NO = i;
            r.MKCO = 1 + i % 9;
            if (!data::Insert(dm.ACN2, dm.Query21, false, r))
                state.SkipWithError("insert failed");
        }
        tx.commit();
    }
}

void writeFloor(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    sqlite3* db = nullptr;
    sqlite3_open(co.yearDatabase().toUtf8().constData(), &db);
    const int n = co.employees();
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN IMMEDIATE; DELETE from DCHART ;", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "Insert into DCHART Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &st, nullptr);
        for (int i = 1; i <= n; ++i) {
            // The same values as the layer binds, converted from the same held forms.
            const QByteArray sco = QString::number(i).toUtf8();
            const QByteArray name = QStringLiteral("佐藤　太郎").toUtf8();
            sqlite3_bind_int64(st, 1, QString::fromUtf8(sco).toLongLong());
            sqlite3_bind_text(st, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 3, sco.constData(), int(sco.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 4, "", 0, SQLITE_TRANSIENT);
            sqlite3_bind_int64(st, 5, i % 50);
            for (int k = 6; k <= 9; ++k)
                sqlite3_bind_int64(st, k, 0);
            sqlite3_bind_double(st, 10, 18 + i % 47);
            sqlite3_bind_double(st, 11, 20.0 + (i % 300) / 10.0);
            sqlite3_bind_int64(st, 12, i);
            sqlite3_bind_int64(st, 13, 1 + i % 9);
            sqlite3_bind_int64(st, 14, 0);
            sqlite3_bind_int64(st, 15, 0);
            if (sqlite3_step(st) != SQLITE_DONE)
                state.SkipWithError("insert failed");
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace

int main(int argc, char** argv)
{
    for (int n : {1000, 10000, 100000}) {
        // Work and floor alternate so that both see the same machine state.
        benchmark::RegisterBenchmark("ReadEmployees/Floor", readFloor)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("ReadEmployees/Work", readWork)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("WritePlotRows/Floor", writeFloor)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("WritePlotRows/Work", writeWork)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    }
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::printRatios(reporter.results);
    companies().clear();
    return 0;
}
