#include "reports/ReportScreens.h"

#include "analysis/AnalysisScreens.h"
#include "analysis/TQK1100.h"
#include "app/ComboHelpers.h"
#include "app/MenuState.h"
#include "app/SharedRoutines.h"
#include "app/TQK0000.h"
#include "data/DataModule.h"
#include "reports/ChartPrinting.h"
#include "reports/PersonalReport.h"
#include "reports/PrintMain.h"
#include "reports/ReportJobs.h"
#include "reports/TQK0090.h"
#include "reports/TQK5000.h"
#include "reports/TQK5010.h"

#include <QComboBox>
#include <QFile>
#include <QTextStream>

namespace reports {

TfrmPrintPreview* printPreview(app::TQK0000& main)
{
    auto* preview = main.findChild<TfrmPrintPreview*>(QString(), Qt::FindDirectChildrenOnly);
    if (!preview)
        preview = new TfrmPrintPreview(&main);
    return preview;
}

void installReportScreens(app::TQK0000& main)
{
    TfrmPrintPreview* preview = printPreview(main);
    const auto group = [&main, preview] {
        // The kind was set by the menu handler before it came here.
        TQK0090 screen(main.dm(), preview, &main);
        screen.exec();
    };
    main.setScreenOpener(app::MenuItem::SalaryReport, group);
    main.setScreenOpener(app::MenuItem::SalaryUpReport, group);
    main.setScreenOpener(app::MenuItem::List5000, [&main, preview] {
        TQK5000 screen(main.dm(), preview, &main);
        screen.exec();
    });
    main.setScreenOpener(app::MenuItem::List5010, [&main, preview] {
        TQK5010 screen(main.dm(), preview, &main);
        screen.exec();
    });
    // The plot window's 印刷 button and menu item.
    installChartPrinting(*analysis::installAnalysisScreens(main).plotWindow);
}

namespace {

// Marks 1..3 of the sample company, every grade and work form.
void chooseFirstMarks(RangeDialog* screen)
{
    app::SelectComboCode(screen->cmbMarkSTart, 1);
    app::SelectComboCode(screen->cmbMarkEnd, 3);
}


template <class Screen>
Screen* reportScreen(app::ScreenshotSession& s, const char* fileName)
{
    if (!s.openSampleCompany(fileName))
        return nullptr;
    auto* screen = new Screen(s.dm, nullptr, &s.main);
    chooseFirstMarks(screen);
    return screen;
}

} // namespace

QWidget* previewPicture(app::ScreenshotSession& s, const char* fileName)
{
    const QString file = s.dm.state.PreviewFile;
    if (file.isEmpty()) {
        app::screenshotLog() << fileName << " skipped: no report was written" << Qt::endl;
        return nullptr;
    }
    auto* preview = new TfrmPrintPreview(&s.main);
    QObject::connect(preview, &QObject::destroyed, [file] { QFile::remove(file); });
    preview->setWindowState(Qt::WindowNoState);
    preview->resize(900, 1220);
    return preview;
}

QWidget* groupReportScreenshot(app::ScreenshotSession& s)
{
    s.dm.state.GroupReportKind = 2;
    return reportScreen<TQK0090>(s, "TQK0090-sample.png");
}

QWidget* groupReportPreviewScreenshot(app::ScreenshotSession& s)
{
    const char* name = "TfrmPrintPreview-0090.png";
    if (!s.openSampleCompany(name))
        return nullptr;
    s.dm.state.GroupReportKind = 2;
    TQK0090 screen(s.dm, nullptr, &s.main);
    ReportWriter w;
    app::LoadBandTable();
    app::LoadMatrixTable();
    app::LoadEvaluationSymbols();
    if (!printGroupReport(s.dm, w, GroupReportKind::Wage, screen.selection()))
        s.dm.state.PreviewFile.clear();
    return previewPicture(s, name);
}

QWidget* personalReportScreenshot(app::ScreenshotSession& s)
{
    return reportScreen<TQK5000>(s, "TQK5000-sample.png");
}

QWidget* wageReportScreenshot(app::ScreenshotSession& s)
{
    return reportScreen<TQK5010>(s, "TQK5010-sample.png");
}

namespace {

QWidget* personalPreview(app::ScreenshotSession& s, PersonalReportKind kind, const char* name)
{
    if (!s.openSampleCompany(name))
        return nullptr;
    app::LoadWageForms();
    app::LoadBandTable();
    app::LoadMatrixTable();
    app::LoadEvaluationSymbols();
    // Group 6 of the sample company: five employees on two pages, one with a photo on the first.
    SelectionRange r;
    r.markStart = r.markEnd = 6;
    r.markStartText = r.markEndText = app::itemName(app::MarkItemText(6));
    ReportWriter w;
    if (!printPersonalReport(s.dm, w, kind, r))
        s.dm.state.PreviewFile.clear();
    return previewPicture(s, name);
}

} // namespace

QWidget* personalReportPreviewScreenshot(app::ScreenshotSession& s)
{
    return personalPreview(s, PersonalReportKind::Personal, "TfrmPrintPreview-5000.png");
}

QWidget* wageReportPreviewScreenshot(app::ScreenshotSession& s)
{
    return personalPreview(s, PersonalReportKind::Wage, "TfrmPrintPreview-5010.png");
}


} // namespace reports
