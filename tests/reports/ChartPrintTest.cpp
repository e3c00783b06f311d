// The printed chart page: which texts go where by chart kind, the explanation lines, and the page
// itself written through QPrinter into a PDF file offscreen, with the picture through the bitmap
// file of the data folder.

#include "ReportsTestSupport.h"
#include "analysis/TQK1100.h"
#include "reports/BigBitmap.h"
#include "reports/ChartPrint.h"
#include "reports/ChartPrinting.h"
#include "support/TestHome.h"

#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reports;

namespace {

ChartPrintData sampleData(int chartNo)
{
    ChartPrintData d;
    d.chartNo = chartNo;
    d.today = QDate(2020, 6, 5);
    d.yearLabel = QStringLiteral("2020");
    d.companyName = QStringLiteral("テスト工業");
    d.title = QStringLiteral("年齢別基本給");
    d.explanation = QStringLiteral("abc");
    for (size_t i = 0; i < d.results.size(); ++i)
        d.results[i] = QStringLiteral("[%1]").arg(i);
    return d;
}

// The text written at (x, y), or "<none>".
QString textAt(const std::vector<ChartPrintText>& texts, int x, int y)
{
    for (const ChartPrintText& t : texts)
        if (t.x == x && t.y == y)
            return t.text;
    return QStringLiteral("<none>");
}

TEST(ChartPrintPage, ExplanationIsUpperCasedAndCutIntoFortyCharacters)
{
    const QString text = QStringLiteral("abcdefghij").repeated(8) + QStringLiteral("あいうえお");   // 85
    const QStringList lines = explanationLines(text);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 40);
    EXPECT_EQ(lines[1].size(), 40);
    EXPECT_EQ(lines[2], QStringLiteral("あいうえお"));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ABCDEFGHIJ")));
    EXPECT_EQ(explanationLines(QStringLiteral("ｂ幅 and Ä")), QStringList({QStringLiteral("ｂ幅 AND Ä")}));
    EXPECT_TRUE(explanationLines(QString()).isEmpty());
}

TEST(ChartPrintPage, TextsByChartKind)
{
    ChartPrintData d = sampleData(1010);
    auto t = chartPrintTexts(d);
    EXPECT_EQ(textAt(t, 3550, 280), QStringLiteral("2020 年  6 月  5 日"));
    EXPECT_EQ(textAt(t, 550, 400), QStringLiteral("2020 年度  :  テスト工業　　様"));
    EXPECT_EQ(textAt(t, 450, 1200), QStringLiteral("Ｘ平均値"));
    EXPECT_EQ(textAt(t, 850, 1200), QStringLiteral("[11][12][13]"));
    EXPECT_EQ(textAt(t, 850, 1500), QStringLiteral("[5]"));
    EXPECT_EQ(textAt(t, 450, 4850), QStringLiteral("【解説】"));
    EXPECT_EQ(textAt(t, 600, 5100), QStringLiteral("ABC"));

    // Chart 1020 shows the residual averages for x item 5, the pay averages otherwise.
    const struct {
        int xItem;
        const char* caption1400;
        const char* value1400;
    } raise[] = {{5, "残差平均", "[23][24]"}, {1, "平均賃金", "[17][18]"}};
    for (const auto& c : raise) {
        d = sampleData(1020);
        d.xItem = c.xItem;
        t = chartPrintTexts(d);
        EXPECT_EQ(textAt(t, 450, 1400), QString::fromUtf8(c.caption1400)) << c.xItem;
        EXPECT_EQ(textAt(t, 850, 1400), QString::fromUtf8(c.value1400)) << c.xItem;
        EXPECT_EQ(textAt(t, 850, 1200), QStringLiteral("[2][3]"));
    }

    // Chart 1040 names its model data set only when it has one.
    d = sampleData(1040);
    t = chartPrintTexts(d);
    EXPECT_EQ(textAt(t, 2700, 1600), QStringLiteral("規　　　模："));
    EXPECT_EQ(textAt(t, 1300, 1500), QStringLiteral("<none>"));
    data::TMODEL_ model;
    model.JSU = QStringLiteral("120");
    model.KIBO = QStringLiteral("100人以上");
    d.model = model;
    t = chartPrintTexts(d);
    EXPECT_EQ(textAt(t, 1300, 1500), QStringLiteral("回答あった 120 社"));
    EXPECT_EQ(textAt(t, 3150, 1600), QStringLiteral("100人以上"));
    EXPECT_EQ(chartImageRect(1040).top(), 1820);
    EXPECT_EQ(chartImageRect(1020).top(), 1720);

    // Chart 1050: the curve labels always, a drawing's legend and explanation only when it exists;
    // the explanation heading moves down.
    d = sampleData(1050);
    d.drawings[3] = ChartPrintData::Drawing{QStringLiteral("案Ｄ"), QStringLiteral("四番目の案")};
    t = chartPrintTexts(d);
    EXPECT_EQ(textAt(t, 850, 1500), QStringLiteral("(3)"));
    EXPECT_EQ(textAt(t, 2850, 1300), QStringLiteral("案Ｄ"));
    EXPECT_EQ(textAt(t, 650, 4850 + 450), QStringLiteral("四番目の案"));
    EXPECT_EQ(textAt(t, 1000, 1300), QStringLiteral("<none>"));
    EXPECT_EQ(textAt(t, 450, 5600), QStringLiteral("【解説】"));
    EXPECT_EQ(textAt(t, 600, 5850), QStringLiteral("ABC"));
}

class ChartPrintToPdf : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(tmp.isValid());
        pdf = tmp.path() + QStringLiteral("/chart.pdf");
        bmp = tmp.path() + QStringLiteral("/PrintChart.bmp");
    }

    QTemporaryDir tmp;
    QString pdf;
    QString bmp;
};

TEST_F(ChartPrintToPdf, QPrinterWritesThePageWithItsTextsAndPicture)
{
    QImage chart(400, 300, QImage::Format_RGB32);
    chart.fill(Qt::white);
    for (int y = 148; y < 153; ++y)
        for (int x = 50; x < 350; ++x)
            chart.setPixel(x, y, qRgb(255, 0, 0));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QString error;
    ChartPrintData d = sampleData(1020);
    d.explanation = QStringLiteral("x").repeated(45);
    d.results[17] = QStringLiteral("全体:295,878円").repeated(12);   // far wider than the page
    ASSERT_TRUE(printChartPage(printer, d, chart, bmp, &error)) << error.toStdString();

    // The picture went through the bitmap file, which stays for the next print to replace.
    TBigBitmap back;
    ASSERT_TRUE(back.LoadFromFile(bmp, error)) << error.toStdString();
    EXPECT_EQ(back.Width(), 400);
    EXPECT_EQ(back.Height(), 300);

    const auto doc = openPdf(pdf);
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->numPages(), 1);
    const std::unique_ptr<Poppler::Page> page(doc->page(0));
    EXPECT_NEAR(page->pageSizeF().width(), 595.3, 1.0);   // A4 portrait, in points
    EXPECT_NEAR(page->pageSizeF().height(), 841.9, 1.0);
    const QString text = pageText(*doc, 0);
    for (const char* s : {"年齢別基本給", "テスト工業", "2020 年度", "データ数", "平均賃金", "【解説】", "XXXXX"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;

    // The title is centred on x = 2500 / 600 inch (the middle of the frame).
    const auto boxes = page->textList();
    bool titleFound = false;
    for (const auto& box : boxes) {
        if (box->text() == QStringLiteral("年齢別基本給")) {
            titleFound = true;
            EXPECT_NEAR(box->boundingBox().center().x(), 2500 * 72.0 / 600, 6.0);
        }
    }
    EXPECT_TRUE(titleFound);
    // A long result is narrowed to end at the boxes' right edge (4500 / 600 inch) instead of running
    // off the sheet.
    bool longFound = false;
    for (const auto& box : boxes) {
        EXPECT_LE(box->boundingBox().right(), 4500 * 72.0 / 600 + 1) << box->text().toStdString();
        longFound = longFound || box->text().contains(QStringLiteral("295,878"));
    }
    EXPECT_TRUE(longFound);

    // The chart picture lies in its box: a red line across the middle of the image rectangle.
    const QImage rendered = page->renderToImage(150, 150);
    const QRect image = chartImageRect(1020);
    const int y = int((image.top() + image.height() / 2.0) * 150 / 600);
    int red = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int x = 0; x < rendered.width(); ++x) {
            const QColor c = rendered.pixelColor(x, y + dy);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                ++red;
        }
    // 300 of the picture's 400 pixels, stretched to 4010 / 600 inch.
    EXPECT_GT(red, 600);
}

TEST_F(ChartPrintToPdf, AnUnwritableBitmapFileStopsThePrint)
{
    QImage chart(10, 10, QImage::Format_RGB32);
    chart.fill(Qt::blue);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QString error;
    EXPECT_FALSE(printChartPage(printer, sampleData(1010), chart, tmp.path() + QStringLiteral("/no/such/dir/x.bmp"),
                                &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("印刷用の画像ファイルを作成できません。")));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ChartPrintToPdf, ThePlotWindowPrintsAfterTheDialogAndNotWhenCancelled)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    analysis::TQK1100 plot(home.dm());
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    installChartPrinting(plot, printer);
    ASSERT_TRUE(plot.printChart);

    home.dialogs.answerPrint(false);
    plot.btnPrint->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));

    home.dialogs.answerPrint(true);
    plot.btnPrint->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << home.dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(printer->docName(), QStringLiteral("ﾌﾟﾛｯﾄ"));
    const auto doc = openPdf(pdf);
    ASSERT_TRUE(doc);
    EXPECT_TRUE(pageText(*doc, 0).contains(QStringLiteral("【解説】")));
    EXPECT_TRUE(QFile::exists(chartBitmapPath(home.dm().state.DataDir)));
    home.expectNoUnexpected();
}

} // namespace
