#include "yardstick/YardstickScreens.h"

#include "analysis/AnalysisScreens.h"
#include "analysis/TQK1100.h"
#include "app/TQK0000.h"
#include "data/DataModule.h"
#include "curves/SelectionControls.h"
#include "yardstick/ComparisonScreen.h"
#include "yardstick/TQK0050.h"
#include "yardstick/TQK0060.h"
#include "yardstick/TQK0080.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

namespace yardstick {

namespace {

template <class Screen>
void showModal(app::TQK0000& main)
{
    Screen screen(main.dm(), &main);
    screen.Prepare();
    screen.exec();
}

} // namespace

YardstickScreens installYardstickScreens(app::TQK0000& main, analysis::TQK1100& plot)
{
    YardstickScreens s;
    s.livingComparison = main.findChild<TQK1030*>();
    s.modelComparison = main.findChild<TQK1040*>();
    if (s.livingComparison && s.modelComparison)
        return s;
    s.livingComparison = new TQK1030(main.dm(), &plot, &main);
    s.modelComparison = new TQK1040(main.dm(), &plot, &main);

    main.setScreenOpener(app::MenuItem::Living, [&main] { showModal<TQK0050>(main); });
    main.setScreenOpener(app::MenuItem::ModelData, [&main] { showModal<TQK0080>(main); });
    main.setScreenOpener(app::MenuItem::ModelSalary, [&main] { showModal<TQK0060>(main); });

    auto connectComparison = [&main, &plot](ComparisonScreen* screen, app::MenuItem item) {
        auto open = [screen] {
            screen->Prepare();
            screen->exec();
        };
        main.setScreenOpener(item, open);
        plot.setCallingScreen(chartNumber(screen->kind()), {open, [screen] { screen->reject(); }});
    };
    connectComparison(s.livingComparison, app::MenuItem::LivingComp);
    connectComparison(s.modelComparison, app::MenuItem::ModelSalaryComp);
    return s;
}

namespace {

analysis::TQK1100& plotWindow(app::ScreenshotSession& s)
{
    return *analysis::installAnalysisScreens(s.main).plotWindow;
}

// A comparison of the sample company as a user sets it up: every mark and grade, everyone, the
// first enabled items, a title.
ComparisonScreen* preparedComparison(app::ScreenshotSession& s, ComparisonKind kind, const char* fileName)
{
    if (!s.openSampleCompany(fileName))
        return nullptr;
    const YardstickScreens screens = installYardstickScreens(s.main, plotWindow(s));
    ComparisonScreen* w = kind == ComparisonKind::CostOfLiving ? static_cast<ComparisonScreen*>(screens.livingComparison)
                                                               : screens.modelComparison;
    w->Prepare();
    w->optX[defaultXItem(kind)]->setChecked(true);
    w->optY[defaultYItem(kind)]->setChecked(true);
    w->selection->optSalary[4]->setChecked(true);
    w->selection->optSex[2]->setChecked(true);
    w->optMark[3]->setChecked(true);
    w->selection->btnPlotAll->click();
    w->selection->btnTokyuAll->click();
    w->txtTitle->setText(kind == ComparisonKind::CostOfLiving ? QStringLiteral("基本給と標準生計費")
                                                              : QStringLiteral("基本給とモデル賃金"));
    return w;
}

QWidget* plotWindowWith(app::ScreenshotSession& s, ComparisonKind kind, const char* fileName)
{
    ComparisonScreen* w = preparedComparison(s, kind, fileName);
    if (!w)
        return nullptr;
    w->btnAnalizeClick();
    analysis::TQK1100& plot = plotWindow(s);
    return app::plotWindowPicture(&plot, plot.PlotChartNo == chartNumber(kind), fileName,
                                  "the comparison found no employee");
}

} // namespace

QWidget* costOfLivingScreenshot(app::ScreenshotSession& s)
{
    if (!s.openSampleCompany("TQK0050-sample.png"))
        return nullptr;
    auto* screen = new TQK0050(s.dm, &s.main);
    screen->Prepare();
    return screen;
}

QWidget* modelDataScreenshot(app::ScreenshotSession& s)
{
    if (!s.openSampleCompany("TQK0080-sample.png"))
        return nullptr;
    auto* screen = new TQK0080(s.dm, &s.main);
    screen->Prepare();
    return screen;
}

QWidget* modelWageScreenshot(app::ScreenshotSession& s)
{
    if (!s.openSampleCompany("TQK0060-sample.png"))
        return nullptr;
    if (s.dm.state.CurrentCompany.MDCO == 0) {
        app::screenshotLog() << "TQK0060-sample.png skipped: the sample company has no model code" << Qt::endl;
        return nullptr;
    }
    auto* screen = new TQK0060(s.dm, &s.main);
    screen->Prepare();
    return screen;
}

QWidget* livingComparisonScreenshot(app::ScreenshotSession& s)
{
    return preparedComparison(s, ComparisonKind::CostOfLiving, "TQK1030-sample.png");
}

QWidget* modelComparisonScreenshot(app::ScreenshotSession& s)
{
    return preparedComparison(s, ComparisonKind::ModelWage, "TQK1040-sample.png");
}

QWidget* plotWindow1030Screenshot(app::ScreenshotSession& s)
{
    return plotWindowWith(s, ComparisonKind::CostOfLiving, "TQK1100-1030.png");
}

QWidget* plotWindow1040Screenshot(app::ScreenshotSession& s)
{
    return plotWindowWith(s, ComparisonKind::ModelWage, "TQK1100-1040.png");
}


} // namespace yardstick
