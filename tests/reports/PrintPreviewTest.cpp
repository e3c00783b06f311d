// The print preview on a document written by the report writer: pages, zoom, printing through the
// dialogs service, and the document deleted however the preview closes.

#include "ReportsTestSupport.h"
#include "reports/PrintMain.h"
#include "reports/ReportWriter.h"
#include "support/TestHome.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

using reports::TfrmPrintPreview;

namespace {

class PrintPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        reportDir = home.path() + QStringLiteral("Report/");
        ASSERT_TRUE(QDir().mkpath(reportDir));
        ASSERT_TRUE(writeText(reportDir + QStringLiteral("Small.json"), smallLayoutJson()));
    }

    // A three-page document, its name put into PreviewFile as a report does.
    QString makeDocument()
    {
        reports::ReportWriter w;
        w.setFormName(reportDir + QStringLiteral("Small.json"));
        w.setImageFileName(reportDir + QStringLiteral("wkSmall.rdf"));
        w.setDocName(QStringLiteral("プレビュー試験"));
        EXPECT_TRUE(w.startJob());
        int top = 6000;
        for (const char* title : {"第一頁", "第二頁", "第三頁"}) {
            w.setFieldText(QStringLiteral("TITLE"), QString::fromUtf8(title));
            // Large text in a different place on each page, so the pages tell apart at a glance.
            w.setFontSize(600);
            w.drawText({2000, top, 19000, top + 3000}, QString::fromUtf8(title), reports::Align::Left);
            top += 6000;
            w.printPage();
            w.newPage();
        }
        EXPECT_TRUE(w.endJob());
        home.dm().state.PreviewFile = w.imageFileName();
        return w.imageFileName();
    }

    // Shows the preview and lets its activation run.
    static void open(TfrmPrintPreview& p)
    {
        p.show();
        QCoreApplication::processEvents();
    }

    static QImage shown(const TfrmPrintPreview& p)
    {
        return p.pageView->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    QImage rendered(const QString& file, int index, double dpi)
    {
        const auto doc = openPdf(file);
        doc->setRenderHint(Poppler::Document::Antialiasing);
        doc->setRenderHint(Poppler::Document::TextAntialiasing);
        const std::unique_ptr<Poppler::Page> page(doc->page(index));
        return page->renderToImage(dpi, dpi).convertToFormat(QImage::Format_ARGB32);
    }

    // The rectangle holding every dark pixel of a page between its title and its footer.
    static QRect inkBounds(const QImage& img)
    {
        QRect r;
        for (int y = img.height() / 6; y < img.height() * 9 / 10; ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    r |= QRect(x, y, 1, 1);
        return r;
    }

    TestHome home{false};
    QString reportDir;
};

} // namespace

TEST_F(PrintPreviewTest, OpensThePreviewFileOnPageOneAtFullSize)
{
    makeDocument();
    TfrmPrintPreview p;
    open(p);
    ASSERT_TRUE(p.isVisible());
    EXPECT_EQ(p.windowTitle(), QStringLiteral("印刷プレピュー"));
    EXPECT_EQ(p.pageCount(), 3);
    EXPECT_EQ(p.labPage->text(), QStringLiteral("頁 1/3"));
    EXPECT_EQ(p.labZoom->text(), QStringLiteral("拡大率100%"));
    EXPECT_EQ(p.cmdPage->minimum(), 1);
    EXPECT_EQ(p.cmdPage->maximum(), 3);
    EXPECT_EQ(p.cmdPage->value(), 1);
    EXPECT_EQ(p.cmdZoom->value(), 4);
    // A4 is 595 points wide; at 100 % it is shown at the screen's resolution.
    EXPECT_NEAR(p.pageView->pixmap().width(), 595.3 * p.logicalDpiX() / 72.0, 2.0);
    EXPECT_TRUE(home.dialogs.log.empty());
    p.cmdClose->click();
}

TEST_F(PrintPreviewTest, ZoomPositionsGoInQuarterSteps)
{
    makeDocument();
    TfrmPrintPreview p;
    open(p);
    const double fullWidth = 595.3 * p.logicalDpiX() / 72.0;
    for (int position = 1; position <= 6; ++position) {
        SCOPED_TRACE(position);
        p.cmdZoom->setValue(position);
        EXPECT_EQ(p.labZoom->text(), QStringLiteral("拡大率%1%").arg(position * 25));
        EXPECT_NEAR(p.pageView->pixmap().width(), fullWidth * position / 4.0, 2.0);
    }
    p.cmdClose->click();
}

TEST_F(PrintPreviewTest, PagingShowsThatPage)
{
    const QString file = makeDocument();
    TfrmPrintPreview p;
    open(p);
    const double dpi = p.logicalDpiX();
    EXPECT_EQ(shown(p), rendered(file, 0, dpi));
    p.cmdPage->setValue(3);
    EXPECT_EQ(p.labPage->text(), QStringLiteral("頁 3/3"));
    EXPECT_EQ(shown(p), rendered(file, 2, dpi));
    EXPECT_NE(shown(p), rendered(file, 0, dpi));
    p.cmdPage->setValue(2);
    EXPECT_EQ(p.labPage->text(), QStringLiteral("頁 2/3"));
    p.cmdClose->click();
}

TEST_F(PrintPreviewTest, EveryWayOfClosingDeletesTheDocument)
{
    struct Way {
        const char* name;
        void (*close)(TfrmPrintPreview&);
    };
    const Way ways[] = {
        {"close button", [](TfrmPrintPreview& p) { p.cmdClose->click(); }},
        {"Escape key", [](TfrmPrintPreview& p) { QTest::keyClick(&p, Qt::Key_Escape); }},
        {"window frame", [](TfrmPrintPreview& p) { p.close(); }},
    };
    TfrmPrintPreview p;   // one screen for the whole run, as in the program
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        const QString file = makeDocument();
        open(p);
        ASSERT_TRUE(p.isVisible());
        ASSERT_EQ(p.pageCount(), 3);
        way.close(p);
        QCoreApplication::processEvents();
        EXPECT_FALSE(p.isVisible());
        EXPECT_FALSE(QFileInfo::exists(file));
    }
    // The same report shown again needs a new build: its file is gone.
    open(p);
    EXPECT_FALSE(p.isVisible());
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, home.dm().state.PreviewFile + QStringLiteral("が見つかりません"));
}

TEST_F(PrintPreviewTest, MissingDocumentIsReportedAndClosesThePreview)
{
    home.dm().state.PreviewFile = reportDir + QStringLiteral("wkGone-abc123.pdf");
    TfrmPrintPreview p;
    open(p);
    EXPECT_FALSE(p.isVisible());
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, reportDir + QStringLiteral("wkGone-abc123.pdf") + QStringLiteral("が見つかりません"));
    EXPECT_EQ(home.dialogs.log[0].caption, platform::appTitle());
}

TEST_F(PrintPreviewTest, UnreadableDocumentShowsNoPageAndCannotBePrinted)
{
    const QString file = reportDir + QStringLiteral("wkBroken-abc123.pdf");
    ASSERT_TRUE(writeText(file, "this is not a PDF"));
    home.dm().state.PreviewFile = file;
    TfrmPrintPreview p;
    open(p);
    ASSERT_TRUE(p.isVisible());
    EXPECT_EQ(p.labPage->text(), QStringLiteral("頁 0/0"));
    EXPECT_FALSE(p.cmdPrint->isEnabled());
    EXPECT_TRUE(p.pageView->pixmap().isNull());
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, file + QStringLiteral("を開くことができません"));
    p.cmdClose->click();
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(PrintPreviewTest, PrintsEveryPageThroughThePrintDialog)
{
    const QString file = makeDocument();
    TfrmPrintPreview p;
    open(p);
    const QString out = home.path() + QStringLiteral("printed.pdf");
    p.printer().setOutputFormat(QPrinter::PdfFormat);
    p.printer().setOutputFileName(out);
    home.dialogs.answerPrint(true);
    p.cmdPrint->click();
    EXPECT_TRUE(home.dialogs.prints.empty());   // the print dialog was asked
    EXPECT_TRUE(home.dialogs.log.empty());
    EXPECT_EQ(p.printer().docName(), QStringLiteral("プレビュー試験"));

    // The printer gets the pages as drawings (text as outlines): each printed page has the ink of
    // its own page of the document, in the same place.
    const auto printed = openPdf(out);
    ASSERT_TRUE(printed);
    ASSERT_EQ(printed->numPages(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const std::unique_ptr<Poppler::Page> page(printed->page(i));
        EXPECT_NEAR(page->pageSizeF().width(), 595.3, 1.5);
        // At 50 dpi a pixel is half a millimetre.
        const QRect got = inkBounds(rendered(out, i, 50));
        const QRect want = inkBounds(rendered(file, i, 50));
        const QRect other = inkBounds(rendered(file, (i + 1) % 3, 50));
        EXPECT_FALSE(got.isEmpty());
        for (const auto& [a, b] : {std::pair{got.left(), want.left()}, {got.top(), want.top()},
                                   {got.right(), want.right()}, {got.bottom(), want.bottom()}})
            EXPECT_NEAR(a, b, 1);
        EXPECT_GT(qAbs(got.top() - other.top()), 50);
    }
    p.cmdClose->click();
}

TEST_F(PrintPreviewTest, CancelledPrintDialogIsNoError)
{
    makeDocument();
    TfrmPrintPreview p;
    open(p);
    const QString out = home.path() + QStringLiteral("printed.pdf");
    p.printer().setOutputFormat(QPrinter::PdfFormat);
    p.printer().setOutputFileName(out);
    home.dialogs.answerPrint(false);
    p.cmdPrint->click();
    EXPECT_TRUE(home.dialogs.log.empty());
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_TRUE(p.isVisible());
    p.cmdClose->click();
}

TEST_F(PrintPreviewTest, PrinterFailureIsReported)
{
    makeDocument();
    TfrmPrintPreview p;
    open(p);
    p.printer().setOutputFormat(QPrinter::PdfFormat);
    p.printer().setOutputFileName(home.path() + QStringLiteral("no/such/folder/printed.pdf"));
    home.dialogs.answerPrint(true);
    p.cmdPrint->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, QStringLiteral("印刷処理でエラーが発生しました。"));
    p.cmdClose->click();
}
