#include "analysis/AnalysisScreens.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "analysis/WagePlot.h"
#include "app/ComboHelpers.h"
#include "app/TQK0000.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

namespace analysis {

AnalysisScreens installAnalysisScreens(app::TQK0000& main)
{
    AnalysisScreens s;
    s.plotWindow = main.findChild<TQK1100*>();
    s.wagePlot = main.findChild<TQK1010*>();
    if (s.plotWindow && s.wagePlot)
        return s;
    s.plotWindow = new TQK1100(main.dm(), &main);
    s.wagePlot = new TQK1010(main.dm(), s.plotWindow, &main);
    TQK1010* wagePlot = s.wagePlot;
    auto open = [wagePlot] {
        wagePlot->Prepare();
        wagePlot->exec();
    };
    main.setScreenOpener(app::MenuItem::SalaryPlot, open);
    s.plotWindow->setCallingScreen(chart::WagePlot, {open, [wagePlot] { wagePlot->reject(); }});
    return s;
}

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The wage plot of the sample company as a user sets it up: age against base pay, every mark and
// every grade, with a title.
TQK1010* preparedWagePlot(app::ScreenshotSession& s)
{
    if (!s.openSampleCompany()) {
        err() << "analysis screenshots skipped: no company in fiscal year 2020" << Qt::endl;
        return nullptr;
    }
    AnalysisScreens screens = installAnalysisScreens(s.main);
    TQK1010* w = screens.wagePlot;
    w->Prepare();
    w->optX[0]->setChecked(true);
    w->optY[2]->setChecked(true);
    w->optSalary[4]->setChecked(true);
    w->optSex[2]->setChecked(true);
    w->btnPlotAll->click();
    w->btnTokyuAll->click();
    w->txtTitle->setText(QStringLiteral("年齢別 基本給の分布"));
    return w;
}

// The plot window at a size that suits a review picture.
QWidget* plotWindowPicture(TQK1100* plot)
{
    plot->showNormal();
    plot->resize(1200, 760);
    settle();
    return plot;
}

} // namespace

QWidget* wagePlotScreenshot(app::ScreenshotSession& s)
{
    return preparedWagePlot(s);
}

QWidget* plotWindow1010Screenshot(app::ScreenshotSession& s)
{
    TQK1010* w = preparedWagePlot(s);
    if (!w)
        return nullptr;
    w->btnAnalizeClick();
    TQK1100* plot = installAnalysisScreens(s.main).plotWindow;
    if (plot->PlotChartNo != chart::WagePlot) {
        err() << "TQK1100-1010.png skipped: the wage plot found no employee" << Qt::endl;
        return nullptr;
    }
    return plotWindowPicture(plot);
}

// A chart 1020 as the raise curve analysis leaves it: the wage plot's rows of the first three marks
// with one quadratic curve per group and a band of ±10 % around each.
QWidget* plotWindow1020Screenshot(app::ScreenshotSession& s)
{
    TQK1010* w = preparedWagePlot(s);
    if (!w)
        return nullptr;
    WagePlotOptions o = w->options();
    o.xItem = 0;
    o.yItem = 2;
    o.markLabel = 3;
    o.plotMarks = {true, true, true, false, false, false, false, false, false};
    data::TFDM& dm = s.dm;
    if (buildWagePlotRows(dm, o).employees == 0) {
        err() << "TQK1100-1020.png skipped: no employee to plot" << Qt::endl;
        return nullptr;
    }
    const CompanyKeys company = companyKeys(dm);
    data::TChart_ row = wagePlotChartRow(o, company.kco, company.nendo);
    row.CHCO = QString::number(chart::RaiseCurve);
    row.TITLE = QStringLiteral("昇給カーブ分析（二次曲線 ±10％）");
    row.FKINJI = 0;
    row.CGRAPH = 1;
    row.SJYUN1 = 10;
    row.SJYUN2 = -10;
    const QString where = QStringLiteral(" WHERE KNO = 1 AND NENDO = ") + company.nendo + QStringLiteral(" AND KCO = ")
        + company.kco + QStringLiteral(" AND CHCO = ") + row.CHCO;
    if (!data::Save(dm.ACN2, dm.Query21, true, where, row))
        return nullptr;
    TQK1100* plot = installAnalysisScreens(s.main).plotWindow;
    plot->CurrentChartNo = chart::RaiseCurve;
    plot->openChart(chart::RaiseCurve, row.TITLE);
    return plotWindowPicture(plot);
}

const std::vector<app::Screenshot>& analysisScreenshots()
{
    static const std::vector<app::Screenshot> list = {
        {"TQK1010-sample.png", wagePlotScreenshot},
        {"TQK1100-1010.png", plotWindow1010Screenshot},
        {"TQK1100-1020.png", plotWindow1020Screenshot},
    };
    return list;
}

} // namespace analysis
