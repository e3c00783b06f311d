#include "optimal/OptimalScreens.h"

#include "analysis/AnalysisScreens.h"
#include "analysis/ChartScale.h"
#include "analysis/TQK1100.h"
#include "app/RightEdit.h"
#include "app/TQK0000.h"
#include "data/DataModule.h"
#include "optimal/TFQK1071.h"
#include "optimal/TQK1070.h"
#include "curves/SelectionControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextStream>

namespace optimal {

TQK1070* installOptimalScreens(app::TQK0000& main, analysis::TQK1100& plot)
{
    if (auto* existing = main.findChild<TQK1070*>())
        return existing;
    auto* screen = new TQK1070(main.dm(), &plot, &main);
    auto open = [screen] {
        screen->Prepare();
        screen->exec();
    };
    main.setScreenOpener(app::MenuItem::Fit, open);
    plot.setCallingScreen(analysis::chart::OptimalWage, {open, [screen] { screen->reject(); }});
    return screen;
}

namespace {

// The screen over the sample company as a user sets it up: 項目Ⅰ on age, service and grade,
// everyone, an optimal area of ±10 %.
TQK1070* preparedScreen(app::ScreenshotSession& s, const char* fileName)
{
    if (!s.openSampleCompany(fileName))
        return nullptr;
    analysis::TQK1100* plot = analysis::installAnalysisScreens(s.main).plotWindow;
    TQK1070* w = installOptimalScreens(s.main, *plot);
    w->Prepare();
    w->optY[0]->setChecked(true);
    for (int i = 0; i < w->optX.size(); ++i)
        w->optX[i]->setChecked(i == 0 || i == 1 || i == 4);
    w->selection->optSalary[4]->setChecked(true);
    w->selection->optSex[2]->setChecked(true);
    w->optMark[3]->setChecked(true);
    w->selection->btnPlotAll->click();
    w->selection->btnTokyuAll->click();
    w->optGraph->setChecked(true);
    w->txtLevel1->setText(QStringLiteral("10"));
    w->txtLevel2->setText(QStringLiteral("-10"));
    w->txtTitle->setText(QStringLiteral("項目Ⅰの最適賃金"));
    w->txtBikou->setPlainText(QStringLiteral("年齢・勤続・資格等級による重回帰分析"));
    return w;
}

} // namespace

QWidget* optimalWageScreenshot(app::ScreenshotSession& s)
{
    return preparedScreen(s, "TQK1070-sample.png");
}

QWidget* optimalResultScreenshot(app::ScreenshotSession& s)
{
    TQK1070* w = preparedScreen(s, "TFQK1071-sample.png");
    if (!w)
        return nullptr;
    // The result table is shown by the screenshot run, not modally.
    w->showResult = [](const OptimalAnalysis&) {};
    w->btnKeisanClick();
    w->showResult = nullptr;
    if (w->lastAnalysis().employees.empty()) {
        app::screenshotLog() << "TFQK1071-sample.png skipped: the analysis did not run" << Qt::endl;
        return nullptr;
    }
    // Owned by the main window; it refers to the screen's analysis, which lives as long.
    auto* result = new TFQK1071(s.dm, w->lastAnalysis(), analysis::regressionWorkArea(), &s.main);
    // The end of the table: the last employees, totals, averages, coefficients and statistics.
    result->show();
    app::settleEvents();
    result->Grid->scrollToBottom();
    return result;
}

QWidget* plotWindow1070Screenshot(app::ScreenshotSession& s)
{
    TQK1070* w = preparedScreen(s, "TQK1100-1070.png");
    if (!w)
        return nullptr;
    w->btnAnalizeClick();
    analysis::TQK1100* plot = analysis::installAnalysisScreens(s.main).plotWindow;
    return app::plotWindowPicture(plot, plot->PlotChartNo == analysis::chart::OptimalWage, "TQK1100-1070.png",
                                  "the analysis found no employee");
}


}  // namespace optimal
