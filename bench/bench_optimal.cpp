// The optimal wage analysis from the run button to the written results, for synthetic companies of
// 1,000, 10,000 and 100,000 employees with all nine attributes chosen: save the chart settings,
// read the selection from the employee view, fit item I on the nine attributes with its statistics
// and predictions, and write the FIT columns of the company in one transaction.
//
// "Analysis/Work" is all of that through the program's own code; "Analysis/Floor" is the same SQL
// through the sqlite3 C API with no layer around it (the rows taken out in the program's own forms,
// the same updates with the same bound values), in the same run; "Compute/Work" is the part that is
// no database work (fit, statistics, predictions) over the same rows, and "Fit/Work" the fit alone.
// Targets: (work - compute) within 2x of the floor, the fit at 100,000 x 9 under 20 ms.

#include "RatioReporter.h"
#include "SyntheticCompany.h"
#include "analysis/Regression.h"
#include "data/DataModule.h"
#include "optimal/OptimalWage.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace {

// The company of n employees, with every attribute spread over the employees (the synthetic
// company leaves some of them alike for everyone).
bench::SyntheticCompany& company(int n)
{
    return bench::sharedCompany(n, [](sqlite3* db) {
        sqlite3_exec(db,
                     "BEGIN;"
                     "UPDATE MSYAIN1 SET NENSU = (SCO * 31) % 25, TRITSU = 50 + (SCO * 17) % 100;"
                     "UPDATE MSYAIN2 SET THI = 20000401 + ((SCO * 13) % 20) * 10000, TENSU = 100 + (SCO * 29) % 500,"
                     " HCO = 1 + (SCO * 3) % 5;"
                     "COMMIT;",
                     nullptr, nullptr, nullptr);
    });
}

// The data module of a user who opened the company and chose item I on all nine attributes for
// everyone.
struct OpenCompany {
    explicit OpenCompany(bench::SyntheticCompany& co) : dm(co.programDir())
    {
        bench::openCompany(dm, co);
        options.common.plotMarks.assign(9, true);
        options.common.grades.assign(9, true);
        options.common.workForm = 4;
        options.common.sex = 2;
        options.target = 0;
        options.attributes.assign(9, true);
        optimal::saveOptimalSettings(dm, options);
    }
    data::TFDM dm;
    optimal::OptimalOptions options;
};

void analysisWork(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    OpenCompany open(co);
    optimal::OptimalAnalysis result;
    analysis::RegressionWorkArea work;
    for (auto _ : state) {
        const optimal::RunResult run = optimal::runOptimalAnalysis(open.dm, open.options, result, work);
        if (run.status != optimal::RunStatus::Done || int(result.employees.size()) != co.employees())
            state.SkipWithError("the analysis failed");
    }
}

void analysisFloor(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    OpenCompany open(co);   // the same chart row as the work starts from
    const QByteArray select =
        (QStringLiteral("SELECT * FROM VSYAIN")
         + optimal::optimalWhere(open.options, QStringLiteral("1"), QStringLiteral("2020")))
            .toUtf8();
    // The settings as the layer writes them: every column, then the chart's condition.
    const char* settings =
        "update MCHART set CHCO = ?,KCO = 1,NENDO = 2020,KNO = 1,FCHK = '111111111',TOUKYU = '111111111',"
        "TITLE = '',FX = '111111111',FY = '0',MARKR = 0,X1 = 0,X2 = 0,Y1 = 0,Y2 = 0,FKINJI = 0,CGRAPH = 0,"
        "SJYUN1 = 0,SJYUN2 = 0,SJYUN3 = 0,SJYUN4 = 0,TOUKYU1 = 0,KAISETSU = '',MIBUN = 4,SKCO = 0,"
        "XNAME = '最適賃金',YNAME = '項　目　Ⅰ',XUNIT = '万円',YUNIT = '万円',XPITCH = 5,YPITCH = 5,SEX = 2"
        " WHERE KNO = 1 AND NENDO = 2020 AND KCO   = 1 AND CHCO  = 1070";
    sqlite3* db = nullptr;
    sqlite3_open(co.yearDatabase().toUtf8().constData(), &db);
    const int n = co.employees();
    const QByteArray fitName = QStringLiteral("項目Ⅰ").toUtf8();
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, settings, -1, &st, nullptr);
        sqlite3_bind_int64(st, 1, 1070);
        if (sqlite3_step(st) != SQLITE_DONE || sqlite3_changes(db) != 1)
            state.SkipWithError("settings update failed");
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

        // The selection: every value of a row taken out in the program's own form, as the layer
        // does, keeping what the fit needs (the code, nine attribute sources, the target).
        sqlite3_prepare_v2(db, select.constData(), -1, &st, nullptr);
        std::vector<QString> texts;
        std::vector<double> numbers;
        std::vector<std::pair<QString, std::vector<double>>> kept;
        kept.reserve(size_t(n));
        const int cols = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            texts.clear();
            numbers.clear();
            for (int i = 0; i < cols; ++i) {
                const int type = sqlite3_column_type(st, i);
                if (type == SQLITE_TEXT)
                    texts.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                                      sqlite3_column_bytes(st, i)));
                else
                    numbers.push_back(type == SQLITE_FLOAT ? sqlite3_column_double(st, i)
                                                           : double(sqlite3_column_int64(st, i)));
            }
            std::vector<double> row(11);
            for (size_t j = 0; j < row.size(); ++j)
                row[j] = numbers[j * 3 % numbers.size()];
            kept.emplace_back(QString::number(sqlite3_column_int64(st, 2)), std::move(row));
        }
        sqlite3_finalize(st);
        if (int(kept.size()) != n)
            state.SkipWithError("wrong row count");

        // The FIT columns: cleared for the company, then written per employee by its key.
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, "update MSYAIN2 set FITNO = ?,FITKIN = ? where   NENDO = 2020   and   KCO   = 1", -1,
                           &st, nullptr);
        sqlite3_bind_int64(st, 1, 0);
        sqlite3_bind_int64(st, 2, 0);
        sqlite3_step(st);
        sqlite3_finalize(st);
        sqlite3_prepare_v2(db,
                           "update MSYAIN2 set FITNO = ?,FITNAME = ?,FITKIN = ?,FITJITSU = ? where KCO = ?  and  SCO = ?"
                           "  and  NENDO = ?",
                           -1, &st, nullptr);
        for (int sco = 1; sco <= n; ++sco) {
            sqlite3_bind_int64(st, 1, 1);
            sqlite3_bind_text(st, 2, fitName.constData(), int(fitName.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(st, 3, 250000 + sco);
            sqlite3_bind_int64(st, 4, 251000 + sco);
            sqlite3_bind_int64(st, 5, 1);
            sqlite3_bind_int64(st, 6, sco);
            sqlite3_bind_int64(st, 7, 2020);
            if (sqlite3_step(st) != SQLITE_DONE || sqlite3_changes(db) != 1)
                state.SkipWithError("FIT update failed");
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

// The rows of the company as the analysis fits them.
const analysis::RegressionWorkArea& rowsOf(int n)
{
    static std::map<int, analysis::RegressionWorkArea> areas;
    auto found = areas.find(n);
    if (found == areas.end()) {
        OpenCompany open(company(n));
        optimal::OptimalAnalysis result;
        found = areas.emplace(n, analysis::RegressionWorkArea{}).first;
        optimal::runOptimalAnalysis(open.dm, open.options, result, found->second);
    }
    return found->second;
}

void computeWork(benchmark::State& state)
{
    const analysis::RegressionWorkArea& w = rowsOf(int(state.range(0)));
    if (w.n != int(state.range(0))) {
        state.SkipWithError("the analysis failed");
        return;
    }
    analysis::TRegY b;
    analysis::TRegAut stats;
    std::vector<double> fitted(size_t(w.n));
    for (auto _ : state) {
        if (!analysis::regressionFit(w.n, w.k, w.x, w.y, optimal::kTolerance, b))
            state.SkipWithError("the fit failed");
        analysis::regressionStatistics(w.n, w.k, optimal::kTolerance, stats, b, w.y, w.x);
        for (int r = 0; r < w.n; ++r)
            fitted[size_t(r)] = analysis::predict(w.x[size_t(r)], b);
        benchmark::DoNotOptimize(fitted.data());
    }
}

void fitWork(benchmark::State& state)
{
    const analysis::RegressionWorkArea& w = rowsOf(int(state.range(0)));
    if (w.n != int(state.range(0)) || w.k != 9) {
        state.SkipWithError("the analysis failed");
        return;
    }
    analysis::TRegY b;
    for (auto _ : state) {
        if (!analysis::regressionFit(w.n, w.k, w.x, w.y, optimal::kTolerance, b))
            state.SkipWithError("the fit failed");
        benchmark::DoNotOptimize(b.data());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::vector<int> sizes = {1000, 10000, 100000};
    for (int n : sizes) {
        // Work and floor alternate so that both see the same machine state.
        benchmark::RegisterBenchmark("Analysis/Floor", analysisFloor)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("Analysis/Work", analysisWork)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("Compute/Work", computeWork)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    }
    benchmark::RegisterBenchmark("Fit/Work", fitWork)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::printRatios(reporter.results);

    // The target: the analysis less its computation against the floor.
    std::map<std::string, double> t(reporter.results.begin(), reporter.results.end());
    std::printf("\n%-10s %12s %10s %11s %21s %24s\n", "employees", "analysis ms", "floor ms", "compute ms",
                "(work-compute)/floor", "cpu: (work-compute)/floor");
    for (int n : sizes) {
        const std::string suffix = "/" + std::to_string(n) + "/min_time:0.500";
        const auto w = t.find("Analysis/Work" + suffix), f = t.find("Analysis/Floor" + suffix),
                   c = t.find("Compute/Work" + suffix);
        if (w == t.end() || f == t.end() || c == t.end() || f->second <= 0)
            continue;
        const double cw = reporter.cpu[w->first], cf = reporter.cpu[f->first], cc = reporter.cpu[c->first];
        std::printf("%-10d %12.2f %10.2f %11.2f %21.2f %24.2f\n", n, w->second / 1e6, f->second / 1e6,
                    c->second / 1e6, (w->second - c->second) / f->second, cf > 0 ? (cw - cc) / cf : 0.0);
    }
    const auto fit = t.find("Fit/Work/100000/min_time:0.500");
    if (fit != t.end())
        std::printf("\nfit alone, 100,000 x 9: %.2f ms (target under 20 ms)\n", fit->second / 1e6);
    return 0;
}
