#include "analysis/AnalysisScreens.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "analysis/WagePlot.h"
#include "app/ComboHelpers.h"
#include "app/TQK0000.h"
#include "data/DataModule.h"

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

// The wage plot of the sample company as a user sets it up: age against base pay, every mark and
// every grade, with a title.
TQK1010* preparedWagePlot(app::ScreenshotSession& s)
{
    if (!s.openSampleCompany("analysis screenshots"))
        return nullptr;
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
    return app::plotWindowPicture(plot, plot->PlotChartNo == chart::WagePlot, "TQK1100-1010.png",
                                  "the wage plot found no employee");
}


} // namespace analysis
