#include "SyntheticCompany.h"

#include "data/DataModule.h"
#include "data/Schema.h"

#include <QDir>
#include <cstdio>
#include <map>
#include <random>
#include <sqlite3.h>

namespace bench {

namespace {

void exec(sqlite3* db, const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "synthetic company: %s\n", err ? err : "?");
        sqlite3_free(err);
        std::abort();
    }
}

} // namespace

SyntheticCompany::SyntheticCompany(int employees, unsigned seed) : n_(employees)
{
    const QString data = programDir() + QStringLiteral("DATA/");
    QDir().mkpath(data + QStringLiteral("2020"));
    QString err;
    if (!data::createDatabaseFile(data + QStringLiteral("SEIGYO.MDB"), data::DatabaseKind::Control, &err)
        || !data::createDatabaseFile(data + QStringLiteral("DATA.MDB"), data::DatabaseKind::FiscalYear, &err)
        || !data::createDatabaseFile(yearDatabase(), data::DatabaseKind::FiscalYear, &err)) {
        std::fprintf(stderr, "synthetic company: %s\n", err.toUtf8().constData());
        std::abort();
    }
    sqlite3* db = nullptr;
    sqlite3_open(yearDatabase().toUtf8().constData(), &db);
    exec(db, "BEGIN");
    exec(db, "INSERT INTO MHYOUKA VALUES(1,2020,0,1,'S',6),(1,2020,0,2,'A',5),(1,2020,0,3,'B',4),"
             "(1,2020,0,4,'C',3),(1,2020,0,5,'D',2)");
    for (int step = 1; step <= 60; ++step) {
        std::string sql = "INSERT INTO DCHINGIN2 VALUES(1,2020,1," + std::to_string(step);
        for (int g = 1; g <= 9; ++g)
            sql += "," + std::to_string(150000 + g * 30000 + step * 1500) + ",0";
        sql += ")";
        exec(db, sql.c_str());
    }
    std::mt19937 rng(seed);
    auto uni = [&](int lo, int hi) { return lo + int(rng() % unsigned(hi - lo + 1)); };
    sqlite3_stmt* s1 = nullptr;
    sqlite3_stmt* s2 = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO MSYAIN1 VALUES(1,0,?1,2020,?2,?3,?4,?5,'',?6,?7,0,0,?8,0,?9,95.0,0,0,0,0,0,"
                           "?10,0,?11,'',0,0,0,0,0,0,0,'2020-04-01 09:00:00')",
                       -1, &s1, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO MSYAIN2 VALUES(1,?1,2020,?2,?3,?4,1,'','大学','経済','','',20150401,0,0,?5,"
                           "?6,0,?7,?8,0,?9,?10,0,0,?11,?12,?13,0,?14,?15,0,0,?16,0,?17,0,0,0,0,0,?5,'A',?5,'B',?5,'B',"
                           "?18,?19,'',0,'',0,0,0,0,?20,?21,0)",
                       -1, &s2, nullptr);
    static const char* family[] = {"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤"};
    static const char* given[] = {"太郎", "花子", "一郎", "美咲", "健太", "陽子", "翔", "さくら", "大輔", "由美"};
    for (int i = 1; i <= employees; ++i) {
        const int age = uni(18, 65);
        const int birth = (2020 - age) * 10000 + uni(1, 12) * 100 + uni(1, 28);
        const int hireAge = uni(18, std::min(age, 45));
        const int hire = (2020 - age + hireAge) * 10000 + 401;
        const int grade = std::min(9, 1 + (age - 18) / 6 + uni(0, 1));
        const int step = uni(1, 60);
        const int base = 150000 + grade * 30000 + step * 1500;
        const int job = uni(0, 30) * 1000;
        const int allowance = uni(0, 40) * 500;
        const int bonus1 = base * 2, bonus2 = base * 2 + uni(0, 50) * 1000;
        const int baseAfter = base + base / 50, jobAfter = job;
        const std::string name = std::string(family[uni(0, 9)]) + "　" + given[uni(0, 9)];
        const std::string scot = "E" + std::to_string(100000 + i);
        sqlite3_bind_int(s1, 1, i);
        sqlite3_bind_text(s1, 2, scot.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s1, 3, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s1, 4, birth);
        sqlite3_bind_int(s1, 5, hire);
        sqlite3_bind_int(s1, 6, uni(0, 1));           // SKCO: some on the wage table
        sqlite3_bind_int(s1, 7, grade);
        sqlite3_bind_int(s1, 8, uni(0, 20));
        sqlite3_bind_int(s1, 9, uni(0, 1) * 1);
        sqlite3_bind_int(s1, 10, bonus1);
        sqlite3_bind_int(s1, 11, uni(1, 9));
        sqlite3_bind_int(s2, 1, i);
        sqlite3_bind_int(s2, 2, uni(0, 1));
        sqlite3_bind_int(s2, 3, grade);
        sqlite3_bind_int(s2, 4, step);
        sqlite3_bind_int(s2, 5, uni(1, 5));
        sqlite3_bind_int(s2, 6, baseAfter - base);
        sqlite3_bind_int(s2, 7, base);
        sqlite3_bind_int(s2, 8, job);
        sqlite3_bind_int(s2, 9, allowance);
        sqlite3_bind_int(s2, 10, 12000);
        sqlite3_bind_int(s2, 11, baseAfter);
        sqlite3_bind_int(s2, 12, jobAfter);
        sqlite3_bind_int(s2, 13, allowance);
        sqlite3_bind_int(s2, 14, bonus2);
        sqlite3_bind_int(s2, 15, (baseAfter + jobAfter + allowance + 12000) * 12);
        sqlite3_bind_int(s2, 16, step + 4);
        sqlite3_bind_int(s2, 17, 0);
        sqlite3_bind_int(s2, 18, base + job + allowance + 12000);
        sqlite3_bind_int(s2, 19, baseAfter + jobAfter + allowance + 12000);
        sqlite3_bind_int(s2, 20, 0);
        sqlite3_bind_int(s2, 21, 0);
        if (sqlite3_step(s1) != SQLITE_DONE || sqlite3_step(s2) != SQLITE_DONE) {
            std::fprintf(stderr, "synthetic company: %s\n", sqlite3_errmsg(db));
            std::abort();
        }
        sqlite3_reset(s1);
        sqlite3_reset(s2);
    }
    sqlite3_finalize(s1);
    sqlite3_finalize(s2);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

SyntheticCompany& sharedCompany(int employees, const std::function<void(sqlite3*)>& setUp)
{
    static std::map<int, std::unique_ptr<SyntheticCompany>> made;
    auto& c = made[employees];
    if (!c) {
        c = std::make_unique<SyntheticCompany>(employees);
        if (setUp) {
            sqlite3* db = nullptr;
            sqlite3_open(c->yearDatabase().toUtf8().constData(), &db);
            setUp(db);
            sqlite3_close(db);
        }
    }
    return *c;
}

void openCompany(data::TFDM& dm, const SyntheticCompany& co)
{
    dm.state.AgeReferenceDate = 20200401;
    dm.state.CompanyOpen = 1;
    dm.state.CurrentKco = 1;
    dm.state.CurrentNendo = 2020;
    dm.state.CurrentCompany.KCO = QStringLiteral("1");
    dm.state.CurrentCompany.NENDO = QStringLiteral("2020");
    dm.OpenDatabase(dm.ACN1, co.controlDatabase());
    dm.OpenDatabase(dm.ACN2, co.yearDatabase());
}

int readAllFloor(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    const int cols = sqlite3_column_count(st);
    std::vector<std::vector<QString>> texts;
    std::vector<std::vector<double>> numbers;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<QString> t;
        std::vector<double> n;
        for (int i = 0; i < cols; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER: n.push_back(double(sqlite3_column_int64(st, i))); break;
            case SQLITE_FLOAT: n.push_back(sqlite3_column_double(st, i)); break;
            case SQLITE_TEXT:
                t.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                              sqlite3_column_bytes(st, i)));
                break;
            default: n.push_back(0); break;
            }
        }
        texts.push_back(std::move(t));
        numbers.push_back(std::move(n));
    }
    sqlite3_finalize(st);
    return int(texts.size());
}

void printRatios(const std::vector<std::pair<std::string, double>>& results)
{
    std::map<std::string, double> t(results.begin(), results.end());
    std::printf("\n%-44s %12s %12s %8s\n", "work (vs its floor, same run)", "work ms", "floor ms", "ratio");
    for (const auto& [name, time] : results) {
        const auto pos = name.find("/Work");
        if (pos == std::string::npos)
            continue;
        std::string floorName = name;
        floorName.replace(pos, 5, "/Floor");
        auto f = t.find(floorName);
        if (f == t.end() || f->second <= 0)
            continue;
        std::printf("%-44s %12.2f %12.2f %8.2f\n", name.c_str(), time / 1e6, f->second / 1e6, time / f->second);
    }
}

} // namespace bench
