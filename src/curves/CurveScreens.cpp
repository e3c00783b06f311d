#include "curves/CurveScreens.h"

#include "analysis/ChartScale.h"
#include "analysis/TQK1100.h"
#include "analysis/TentativeCurves.h"
#include "app/SharedRoutines.h"
#include "app/TQK0000.h"
#include "curves/TQK1020.h"
#include "curves/TQK1050.h"
#include "curves/TQK1051.h"
#include "curves/WageTableOutput.h"
#include "data/DataModule.h"
#include "reports/ReportScreens.h"
#include "reports/ReportWriter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextStream>

namespace curves {

CurveScreens installCurveScreens(app::TQK0000& main, analysis::TQK1100& plot)
{
    CurveScreens s;
    s.analysis = main.findChild<TQK1020*>();
    s.design = main.findChild<TQK1050*>();
    if (s.analysis && s.design)
        return s;
    s.analysis = new TQK1020(main.dm(), &plot, &main);
    s.design = new TQK1050(main.dm(), &plot, &main);
    TQK1020* analysisScreen = s.analysis;
    TQK1050* designScreen = s.design;
    auto openAnalysis = [analysisScreen] {
        analysisScreen->Prepare();
        analysisScreen->exec();
    };
    auto openDesign = [designScreen] {
        designScreen->Prepare();
        designScreen->exec();
    };
    main.setScreenOpener(app::MenuItem::SalaryUpCurve, openAnalysis);
    main.setScreenOpener(app::MenuItem::SalaryUpSetting, openDesign);
    plot.setCallingScreen(analysis::chart::RaiseCurve, {openAnalysis, [analysisScreen] { analysisScreen->reject(); }});
    plot.setCallingScreen(analysis::chart::RaiseDesign, {openDesign, [designScreen] { designScreen->reject(); }});
    data::TFDM* dm = &main.dm();
    plot.designCurveImported = [designScreen, dm] {
        designScreen->reloadGrid();
        dm->state.DataChanged = 1;
    };
    return s;
}

namespace {

analysis::TQK1100* plotWindow(app::ScreenshotSession& s)
{
    return s.main.findChild<analysis::TQK1100*>();
}

CurveScreens screens(app::ScreenshotSession& s, const char* fileName)
{
    analysis::TQK1100* plot = plotWindow(s);
    if (!plot || !s.openSampleCompany()) {
        app::screenshotLog() << fileName << " skipped: no plot window or no company in fiscal year 2020" << Qt::endl;
        return {};
    }
    return installCurveScreens(s.main, *plot);
}

// The plot window after screen handed over chart chartNo, at a size that suits a review picture.
QWidget* handedOver(app::ScreenshotSession& s, QWidget* screen, int chartNo, const char* fileName)
{
    if (!screen)
        return nullptr;
    analysis::TQK1100* plot = plotWindow(s);
    return app::plotWindowPicture(plot, plot->PlotChartNo == chartNo, fileName, "no employee to plot");
}

// Every work form, both sexes, every grade and the first three marks: a chart that can be read.
void chooseFirstMarks(SelectionControls& selection)
{
    selection.optSalary[4]->setChecked(true);
    selection.optSex[2]->setChecked(true);
    selection.btnPlotNothing->click();
    for (int i = 0; i < 3; ++i)
        selection.optPlot[i]->setChecked(true);
    selection.btnTokyuAll->click();
}

// The raise curve analysis as a user sets it up: age against base pay, the first three marks and
// every grade, one quadratic curve per group with companions at +10 % and -10 %.
TQK1020* preparedAnalysis(app::ScreenshotSession& s, const char* fileName)
{
    TQK1020* w = screens(s, fileName).analysis;
    if (!w)
        return nullptr;
    w->Prepare();
    w->optX[0]->setChecked(true);
    w->optY[2]->setChecked(true);
    w->optMark[3]->setChecked(true);
    w->optDegree[0]->setChecked(true);
    w->optGraph->setChecked(true);
    chooseFirstMarks(*w->selection);
    w->txtLevel[0]->setText(QStringLiteral("10"));
    w->txtLevel[1]->setText(QStringLiteral("-10"));
    w->txtLevel[2]->setText(QStringLiteral("0"));
    w->txtLevel[3]->setText(QStringLiteral("0"));
    w->txtTitle->setText(QStringLiteral("年齢別 基本給の昇給カーブ"));
    w->txtBikou->setPlainText(QStringLiteral("マーク別に二次曲線を当てはめ、±10％の水準を点線で示す。"));
    return w;
}

// The design with two curves of age against item II, registered, and the employees' points shown.
TQK1050* preparedDesign(app::ScreenshotSession& s, const char* fileName)
{
    TQK1050* w = screens(s, fileName).design;
    if (!w)
        return nullptr;
    w->Prepare();
    w->optX[0]->click();
    w->optY[1]->click();
    w->optLabelTrue->setChecked(true);
    chooseFirstMarks(*w->selection);
    w->txtTitle->setText(QStringLiteral("職能給の昇給カーブ設計"));
    struct Point {
        int x;
        int amount;
    };
    const Point designs[2][6] = {
        {{18, 60000}, {22, 70000}, {30, 100000}, {40, 140000}, {50, 165000}, {60, 170000}},
        {{18, 60000}, {25, 80000}, {35, 120000}, {45, 150000}, {55, 160000}, {0, 0}},
    };
    for (int j = 0; j < 2; ++j)
        for (int k = 0; k < 6; ++k) {
            w->txtNenrei[size_t(j)][size_t(k)]->setText(QString::number(designs[j][k].x));
            w->txtSyokunou[size_t(j)][size_t(k)]->setText(
                app::formatNumber(QStringLiteral("#,##0"), designs[j][k].amount));
        }
    w->chk[0]->setChecked(true);
    w->chk[1]->setChecked(true);
    analysis::TSPD& spd = analysis::tentativeCurves();
    const char* legends[2] = {"標準モデル", "抑制モデル"};
    const char* notes[2] = {"現行の職能給に沿った標準的な昇給", "40歳以降の昇給を抑えた案"};
    const QColor colors[2] = {QColor(200, 0, 0), QColor(0, 0, 200)};
    for (int j = 0; j < 2; ++j) {
        analysis::TentativeSlot& slot = spd.slots[size_t(j + 1)];
        slot.HANREI = QString::fromUtf8(legends[j]);
        slot.SETSUMEI = QString::fromUtf8(notes[j]);
        slot.color = colors[j];
        slot.style = j == 0 ? 0 : 1;
        slot.width = j == 0 ? 2 : 1;
    }
    w->txtBikou->setPlainText(QStringLiteral("年齢別の職能給を二案で比較する。"));
    w->btnAddClick();
    w->reloadGrid();
    return w;
}

} // namespace

QWidget* raiseCurveScreenshot(app::ScreenshotSession& s)
{
    return preparedAnalysis(s, "TQK1020-sample.png");
}

QWidget* plotWindow1020Screenshot(app::ScreenshotSession& s)
{
    TQK1020* w = preparedAnalysis(s, "TQK1100-1020.png");
    if (w)
        w->btnAnalizeClick();
    return handedOver(s, w, analysis::chart::RaiseCurve, "TQK1100-1020.png");
}

QWidget* raiseDesignScreenshot(app::ScreenshotSession& s)
{
    return preparedDesign(s, "TQK1050-sample.png");
}

QWidget* legendScreenshot(app::ScreenshotSession& s)
{
    TQK1050* w = preparedDesign(s, "TQK1051-sample.png");
    if (!w)
        return nullptr;
    auto* dialog = new TQK1051(&s.main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->Prepare(1, analysis::tentativeCurves().slots[1]);
    return dialog;
}

QWidget* plotWindow1050Screenshot(app::ScreenshotSession& s)
{
    TQK1050* w = preparedDesign(s, "TQK1100-1050.png");
    if (w)
        w->btnExecClick();
    return handedOver(s, w, analysis::chart::RaiseDesign, "TQK1100-1050.png");
}

QWidget* wageTablePreviewScreenshot(app::ScreenshotSession& s)
{
    TQK1050* w = preparedDesign(s, "TfrmPrintPreview-sekkei.png");
    if (!w)
        return nullptr;
    const std::function<void()> showPreview = w->showPreview;
    w->showPreview = [] {};
    w->btnSalaryListClick();
    w->showPreview = showPreview;
    return reports::previewPicture(s, "TfrmPrintPreview-sekkei.png");
}


} // namespace curves
