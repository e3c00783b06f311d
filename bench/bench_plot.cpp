// The wage plot from the run button to a drawn chart, for synthetic companies of 1,000, 10,000 and
// 100,000 employees: select the employees from the employee view, write the plot rows (DCHART) in
// one transaction, save the chart settings, load the plot window's data (settings, marks, plot rows,
// series, fits, pens, scale) and paint the chart into an offscreen image of a maximised window.
//
// "Pipeline/Work" is all of that; "Pipeline/Floor" is the same SQL through the sqlite3 C API with no
// layer around it (values taken out in the program's own forms), in the same run; "Paint/Work" is the
// painting alone. Target at 100,000: the pipeline without its painting within 2x of the floor, and
// the painting under 100 ms.

#include "RatioReporter.h"
#include "SyntheticCompany.h"
#include "analysis/ChartPainter.h"
#include "analysis/PlotData.h"
#include "analysis/WagePlot.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <variant>
#include <memory>
#include <sqlite3.h>

namespace {

const QSize kWindow(1920, 1040);
constexpr int kPanel = 73;

// The company of n employees, with the nine plot marks and four chart pens a real company has.
bench::SyntheticCompany& company(int n)
{
    return bench::sharedCompany(n, [](sqlite3* db) {
        const char* symbols[] = {"●", "■", "▲", "◆", "★", "○", "□", "△", "◇"};
        const char* colors[] = {"clRed", "clBlue", "clGreen", "clPurple", "clOlive", "clTeal", "clMaroon", "clNavy",
                                "clFuchsia"};
        for (int i = 0; i < 9; ++i) {
            const QByteArray sql = QStringLiteral("INSERT INTO MMARK VALUES(1,2020,%1,'%2','部門%1','%3',10,'%3',0,2)")
                                       .arg(i + 1)
                                       .arg(QString::fromUtf8(symbols[i]), QString::fromLatin1(colors[i]))
                                       .toUtf8();
            sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db,
                     "INSERT INTO MGRAPH VALUES(1,2020,1,'clBlack',0,2),(1,2020,2,'clBlack',0,1),"
                     "(1,2020,3,'clSilver',2,1),(1,2020,4,'clGray',1,1)",
                     nullptr, nullptr, nullptr);
    });
}

// The data module of a user who opened the company and set the wage plot to everyone, age against
// base pay, employee codes as labels.
struct OpenCompany {
    explicit OpenCompany(bench::SyntheticCompany& co) : dm(co.programDir())
    {
        bench::openCompany(dm, co);
        options.plotMarks.assign(9, true);
        options.grades.assign(9, true);
        options.xItem = 0;
        options.yItem = 2;
        data::TChart_ row;
        analysis::loadChartSettings(dm, analysis::chart::WagePlot, row);
    }
    data::TFDM dm;
    analysis::WagePlotOptions options;
};

void pipelineWork(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    OpenCompany open(co);
    for (auto _ : state) {
        const analysis::PlotRowsResult rows = analysis::buildWagePlotRows(open.dm, open.options);
        analysis::saveWagePlotSettings(open.dm, open.options);
        const analysis::PlotData d = analysis::loadPlotData(open.dm, analysis::chart::WagePlot);
        const QImage chart = analysis::renderChart(d.chart, kWindow, kPanel);
        if (rows.employees != co.employees() || int(d.chart.points.size()) != co.employees())
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(chart.constBits());
    }
}

void pipelineFloor(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    OpenCompany open(co);   // the same chart row as the work starts from
    const QByteArray select = (QStringLiteral("SELECT * FROM VSYAIN")
                               + analysis::wagePlotWhere(open.options, QStringLiteral("1"), QStringLiteral("2020")))
                                  .toUtf8();
    // The settings update as the layer words it: every column, then the chart's condition.
    const auto& chartTable = data::TChart_::table();
    const data::TChart_ chartRow = analysis::wagePlotChartRow(open.options, QStringLiteral("1"), QStringLiteral("2020"));
    QString updateText = QStringLiteral("update MCHART set ");
    for (size_t i = 0; i < chartTable.names.size(); ++i)
        updateText += (i ? QStringLiteral(",") : QString()) + chartTable.names[i] + QStringLiteral(" = ?");
    updateText += QStringLiteral(" WHERE KNO = 1 AND NENDO = 2020 AND KCO   = 1 AND CHCO  = 1010");
    const QByteArray update = updateText.toUtf8();
    sqlite3* db = nullptr;
    sqlite3_open(co.yearDatabase().toUtf8().constData(), &db);
    sqlite3* control = nullptr;
    sqlite3_open(co.controlDatabase().toUtf8().constData(), &control);
    const int n = co.employees();
    for (auto _ : state) {
        // The employees, with the columns the points are made of.
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, select.constData(), -1, &st, nullptr);
        struct Point {
            QString sco, sna;
            qint64 seihi, mco, pay;
        };
        std::vector<Point> points;
        const int cols = sqlite3_column_count(st);
        int iSco = 0, iSna = 0, iSeihi = 0, iMco = 0, iK1 = 0, iK2 = 0, iK3 = 0;
        for (int i = 0; i < cols; ++i) {
            const QByteArray c = sqlite3_column_name(st, i);
            if (c == "SCO") iSco = i;
            else if (c == "SNA") iSna = i;
            else if (c == "SEIHI") iSeihi = i;
            else if (c == "MCO") iMco = i;
            else if (c == "KKYU1") iK1 = i;
            else if (c == "KKYU2") iK2 = i;
            else if (c == "KKYU3") iK3 = i;
        }
        std::vector<QString> texts;
        std::vector<double> numbers;
        while (sqlite3_step(st) == SQLITE_ROW) {
            // Every value of the row is taken out in the program's own form, as the layer does.
            texts.clear();
            numbers.clear();
            for (int i = 0; i < cols; ++i) {
                switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER: numbers.push_back(double(sqlite3_column_int64(st, i))); break;
                case SQLITE_FLOAT: numbers.push_back(sqlite3_column_double(st, i)); break;
                case SQLITE_TEXT:
                    texts.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                                      sqlite3_column_bytes(st, i)));
                    break;
                default: numbers.push_back(0); break;
                }
            }
            benchmark::DoNotOptimize(numbers.data());
            points.push_back({QString::number(sqlite3_column_int64(st, iSco)),
                              QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, iSna))),
                              sqlite3_column_int64(st, iSeihi), sqlite3_column_int64(st, iMco),
                              sqlite3_column_int64(st, iK1) + sqlite3_column_int64(st, iK2)
                                  + sqlite3_column_int64(st, iK3)});
        }
        sqlite3_finalize(st);
        if (int(points.size()) != n)
            state.SkipWithError("wrong row count");

        // The plot rows in one transaction.
        sqlite3_exec(db, "BEGIN IMMEDIATE; DELETE from DCHART  ;", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, "Insert into DCHART Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &st, nullptr);
        qint64 no = 0;
        for (const Point& p : points) {
            const QByteArray sco = p.sco.toUtf8();
            const QByteArray name = p.sna.toUtf8();
            sqlite3_bind_int64(st, 1, p.sco.toLongLong());
            sqlite3_bind_text(st, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 3, "", 0, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 4, sco.constData(), int(sco.size()), SQLITE_TRANSIENT);
            for (int k = 5; k <= 9; ++k)
                sqlite3_bind_int64(st, k, 0);
            sqlite3_bind_double(st, 10, double(2020 - p.seihi / 10000));
            sqlite3_bind_double(st, 11, double(p.pay) / 10000);
            sqlite3_bind_int64(st, 12, ++no);
            sqlite3_bind_int64(st, 13, p.mco);
            sqlite3_bind_int64(st, 14, 0);
            sqlite3_bind_int64(st, 15, 0);
            if (sqlite3_step(st) != SQLITE_DONE)
                state.SkipWithError("insert failed");
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

        // The chart settings, in their own transaction.
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, update.constData(), -1, &st, nullptr);
        int pos = 1;
        for (const auto& column : chartTable.columns) {
            if (auto m = std::get_if<QString data::TChart_::*>(&column.field)) {
                const QByteArray v = (chartRow.*(*m)).toUtf8();
                if (column.type == data::ColType::Text)
                    sqlite3_bind_text(st, pos++, v.constData(), int(v.size()), SQLITE_TRANSIENT);
                else
                    sqlite3_bind_int64(st, pos++, v.toLongLong());
            } else if (auto m = std::get_if<qint64 data::TChart_::*>(&column.field)) {
                sqlite3_bind_int64(st, pos++, chartRow.*(*m));
            } else {
                sqlite3_bind_double(st, pos++, chartRow.*(std::get<double data::TChart_::*>(column.field)));
            }
        }
        if (sqlite3_step(st) != SQLITE_DONE || sqlite3_changes(db) != 1)
            state.SkipWithError("update failed");
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

        // What the plot window reads: the company's settings, its chart row, the marks, the plot
        // rows, the pens.
        bench::readAllFloor(control, "SELECT * FROM MKIGYOU1 WHERE NENDO = 2020 AND   KCO   = 1");
        bench::readAllFloor(control, "SELECT * FROM MDEL WHERE MDCO = 0");
        bench::readAllFloor(db, "SELECT * FROM MCHART WHERE NENDO = 2020   AND KCO   = 1   AND CHCO  = 1010   AND KNO   =  1");
        bench::readAllFloor(db, "SELECT * FROM MMARK WHERE NENDO = 2020 AND KCO = 1");
        if (bench::readAllFloor(db, "SELECT * FROM DCHART order by SCO") != n)
            state.SkipWithError("wrong plot row count");
        bench::readAllFloor(db, "SELECT * FROM MGRAPH WHERE NENDO = 2020   AND KCO   = 1 ORDER BY KCO,NENDO,GSCO");
    }
    sqlite3_close(db);
    sqlite3_close(control);
}

void paintWork(benchmark::State& state)
{
    auto& co = company(int(state.range(0)));
    OpenCompany open(co);
    analysis::buildWagePlotRows(open.dm, open.options);
    analysis::saveWagePlotSettings(open.dm, open.options);
    const analysis::PlotData d = analysis::loadPlotData(open.dm, analysis::chart::WagePlot);
    QImage image(kWindow, QImage::Format_ARGB32_Premultiplied);
    int labels = 0;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        analysis::ChartPainter painter(d.chart, kWindow, kPanel);
        painter.paint(p);
        labels = painter.labelsWritten();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["labels"] = labels;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);   // fonts for the painting
    const std::vector<int> sizes = {1000, 10000, 100000};
    for (int n : sizes) {
        // Work and floor alternate so that both see the same machine state.
        benchmark::RegisterBenchmark("Pipeline/Floor", pipelineFloor)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("Pipeline/Work", pipelineWork)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
        benchmark::RegisterBenchmark("Paint/Work", paintWork)->Arg(n)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    }
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::printRatios(reporter.results);

    // The target: the pipeline less its painting against the floor, and the painting itself.
    std::map<std::string, double> t(reporter.results.begin(), reporter.results.end());
    // Real time first; CPU time beside it, which a busy machine disturbs less.
    std::printf("\n%-10s %12s %10s %9s %19s %22s\n", "employees", "pipeline ms", "floor ms", "paint ms",
                "(work-paint)/floor", "cpu: (work-paint)/floor");
    for (int n : sizes) {
        const std::string suffix = "/" + std::to_string(n) + "/min_time:0.500";
        const auto w = t.find("Pipeline/Work" + suffix), f = t.find("Pipeline/Floor" + suffix),
                   p = t.find("Paint/Work" + suffix);
        if (w == t.end() || f == t.end() || p == t.end() || f->second <= 0)
            continue;
        const double cw = reporter.cpu[w->first], cf = reporter.cpu[f->first], cp = reporter.cpu[p->first];
        std::printf("%-10d %12.2f %10.2f %9.2f %19.2f %22.2f\n", n, w->second / 1e6, f->second / 1e6,
                    p->second / 1e6, (w->second - p->second) / f->second, cf > 0 ? (cw - cp) / cf : 0.0);
    }
    return 0;
}
