// The report writer: what a report's calls put on which page (recorded and in the PDF), where the
// text lands in its rectangle, the document file, and the messages for a missing or broken layout.

#include "ReportsTestSupport.h"
#include "reports/ReportWriter.h"
#include "support/TestHome.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using reports::Align;
using reports::LayoutRect;
using reports::ReportOp;
using reports::ReportWriter;

namespace {

class ReportWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        reportDir = home.path() + QStringLiteral("Report/");
        ASSERT_TRUE(QDir().mkpath(reportDir));
        layout = reportDir + QStringLiteral("Small.json");
        ASSERT_TRUE(writeText(layout, smallLayoutJson()));
    }

    bool start(ReportWriter& w)
    {
        w.setFormName(layout);
        w.setImageFileName(reportDir + QStringLiteral("wkSmall.rdf"));
        w.setDocName(QStringLiteral("テスト帳票"));
        return w.startJob();
    }

    // Two pages the way a report writes them, ending with the usual print / new page / end.
    void writeTwoPages(ReportWriter& w)
    {
        w.setFontSize(100);
        w.setFieldText(QStringLiteral("TITLE"), QStringLiteral("社員一覧"));
        w.setFieldText(QStringLiteral("NAME"), QStringLiteral("山田太郎"));
        w.setFieldColor(QStringLiteral("NAME"), Qt::red);
        w.drawText(w.fieldRect(QStringLiteral("AMOUNT")).moved(0, 508), QStringLiteral("1,234"), Align::Right);
        w.setLineStyle(0);
        w.setLineWidth(0);
        w.drawLine(1000, 6000, 20000, 6000);
        w.printPage();
        w.newPage();
        w.setFieldText(QStringLiteral("TITLE"), QStringLiteral("二頁目"));
        w.setFontSize(90);
        w.drawText(w.fieldRect(QStringLiteral("NAME")), QStringLiteral("中央"), Align::Center);
        w.printPage();
        w.newPage();
        ASSERT_TRUE(w.endJob());
    }

    QStringList documentsInReportDir() const
    {
        return QDir(reportDir).entryList({QStringLiteral("wkSmall*")}, QDir::Files);
    }

    TestHome home{false};
    QString reportDir;
    QString layout;
};

std::string describe(const ReportOp& op)
{
    QString s = QString::number(op.page) + u' ';
    switch (op.kind) {
    case ReportOp::Kind::FieldText: s += QStringLiteral("field %1 = %2").arg(op.field, op.text); break;
    case ReportOp::Kind::FieldColor: s += QStringLiteral("colour %1 = %2").arg(op.field, op.color.name()); break;
    case ReportOp::Kind::FieldImage: s += QStringLiteral("image %1 = %2").arg(op.field, op.text); break;
    case ReportOp::Kind::Text:
        s += QStringLiteral("text %1 at %2,%3-%4,%5 align %6 size %7")
                 .arg(op.text)
                 .arg(op.rect.left)
                 .arg(op.rect.top)
                 .arg(op.rect.right)
                 .arg(op.rect.bottom)
                 .arg(int(op.align))
                 .arg(op.fontSize);
        break;
    case ReportOp::Kind::Line:
        s += QStringLiteral("line %1,%2-%3,%4 style %5 width %6")
                 .arg(op.from.x())
                 .arg(op.from.y())
                 .arg(op.to.x())
                 .arg(op.to.y())
                 .arg(op.lineStyle)
                 .arg(op.lineWidth);
        break;
    case ReportOp::Kind::PageBreak: s += QStringLiteral("page printed"); break;
    }
    return s.toStdString();
}

// The text boxes poppler finds on a page, in layout units.
struct Box {
    QString text;
    double left, top, right, bottom;
};

std::vector<Box> boxesOf(const Poppler::Document& doc, int index)
{
    std::vector<Box> out;
    const std::unique_ptr<Poppler::Page> page(doc.page(index));
    for (const auto& tb : page->textList()) {
        const QRectF r = tb->boundingBox();
        const double k = 2540.0 / 72.0;
        out.push_back({tb->text(), r.left() * k, r.top() * k, r.right() * k, r.bottom() * k});
    }
    return out;
}

const Box* findBox(const std::vector<Box>& boxes, const QString& text)
{
    for (const Box& b : boxes)
        if (b.text == text)
            return &b;
    return nullptr;
}

} // namespace

TEST_F(ReportWriterTest, RecordsEveryCallWithThePageItIsOn)
{
    ReportWriter w;
    ASSERT_TRUE(start(w));
    writeTwoPages(w);

    std::vector<std::string> got;
    for (const ReportOp& op : w.operations())
        got.push_back(describe(op));
    const std::vector<std::string> expected = {
        "1 field TITLE = 社員一覧",
        "1 field NAME = 山田太郎",
        "1 colour NAME = #ff0000",
        "1 text 1,234 at 10000,5508-14000,6016 align 1 size 100",
        "1 line 1000,6000-20000,6000 style 0 width 0",
        "1 page printed",
        "2 field TITLE = 二頁目",
        "2 text 中央 at 2000,5000-8000,5508 align 2 size 90",
        "2 page printed",
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(w.pageCount(), 2);
    EXPECT_TRUE(w.unknownFields().isEmpty());
}

TEST_F(ReportWriterTest, FieldRectanglesComeFromTheLayout)
{
    ReportWriter w;
    ASSERT_TRUE(start(w));
    EXPECT_EQ(w.fieldRect(QStringLiteral("AMOUNT")), (LayoutRect{10000, 5000, 14000, 5508}));
    EXPECT_EQ(w.fieldRect(QStringLiteral("PHOTO")), (LayoutRect{15000, 3000, 18000, 7000}));
    EXPECT_EQ(w.fieldRect(QStringLiteral("NOSUCH")), LayoutRect{});
    EXPECT_FALSE(w.hasField(QStringLiteral("NOSUCH")));

    // A name the layout lacks is noted once and printed nowhere.
    w.setFieldText(QStringLiteral("NOSUCH"), QStringLiteral("迷子"));
    w.setFieldColor(QStringLiteral("NOSUCH"), Qt::blue);
    w.printPage();
    ASSERT_TRUE(w.endJob());
    EXPECT_EQ(w.unknownFields(), QStringList{QStringLiteral("NOSUCH")});
    const auto doc = openPdf(w.imageFileName());
    ASSERT_TRUE(doc);
    EXPECT_FALSE(pageText(*doc, 0).contains(QStringLiteral("迷子")));
}

TEST_F(ReportWriterTest, PdfHoldsThePrintedPagesWithTheirOwnFields)
{
    ReportWriter w;
    ASSERT_TRUE(start(w));
    writeTwoPages(w);

    const auto doc = openPdf(w.imageFileName());
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->numPages(), 2);   // the page started before the end is not in the document
    EXPECT_EQ(doc->info(QStringLiteral("Title")), QStringLiteral("テスト帳票"));

    const QString first = pageText(*doc, 0);
    for (const char* t : {"社員一覧", "山田太郎", "1,234", "頁1"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(t))) << t << " in " << first.toStdString();
    const QString second = pageText(*doc, 1);
    for (const char* t : {"二頁目", "中央", "頁2"})
        EXPECT_TRUE(second.contains(QString::fromUtf8(t))) << t << " in " << second.toStdString();
    // A new page starts without the fields of the one before.
    EXPECT_FALSE(second.contains(QStringLiteral("山田太郎")));
    EXPECT_FALSE(second.contains(QStringLiteral("社員一覧")));

    const std::unique_ptr<Poppler::Page> page(doc->page(0));
    EXPECT_NEAR(page->pageSizeF().width(), 595.3, 1.0);    // A4 portrait
    EXPECT_NEAR(page->pageSizeF().height(), 841.9, 1.0);
    bool embedded = false;
    for (const Poppler::FontInfo& f : doc->fonts())
        embedded = embedded || (f.name().contains(QLatin1String("IPAPGothic")) && f.isEmbedded());
    EXPECT_TRUE(embedded);
}

// Left text starts at the rectangle's left edge, right text ends at its right edge, centred text
// is centred; text drawn into a rectangle hangs from its top. Tolerance: one point of side bearing.
TEST_F(ReportWriterTest, TextLandsWhereItsAlignmentSays)
{
    ReportWriter w;
    ASSERT_TRUE(start(w));
    writeTwoPages(w);
    const auto doc = openPdf(w.imageFileName());
    ASSERT_TRUE(doc);
    const double tolerance = 36;   // units, about one point

    const auto page1 = boxesOf(*doc, 0);
    const Box* name = findBox(page1, QStringLiteral("山田太郎"));
    ASSERT_TRUE(name);
    EXPECT_NEAR(name->left, 2000, tolerance);
    EXPECT_NEAR((name->top + name->bottom) / 2, 5254, 60);   // a field is centred vertically
    const Box* amount = findBox(page1, QStringLiteral("1,234"));
    ASSERT_TRUE(amount);
    EXPECT_NEAR(amount->right, 14000, tolerance);
    EXPECT_GE(amount->top, 5508 - tolerance);
    EXPECT_LT(amount->bottom, 5508 + 508);
    const Box* title = findBox(page1, QStringLiteral("社員一覧"));
    ASSERT_TRUE(title);
    EXPECT_NEAR((title->left + title->right) / 2, 10500, tolerance);

    const Box* centre = findBox(boxesOf(*doc, 1), QStringLiteral("中央"));
    ASSERT_TRUE(centre);
    EXPECT_NEAR((centre->left + centre->right) / 2, 5000, tolerance);
}

TEST_F(ReportWriterTest, LongTextIsNarrowedIntoItsRectangleWhileCharOverflowIsOn)
{
    const QString longName = QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚の水行末雲来末風来末");
    for (bool fit : {true, false}) {
        SCOPED_TRACE(fit ? "fit" : "run over");
        ReportWriter w;
        w.setCharOverflow(fit);
        ASSERT_TRUE(start(w));
        w.setFieldText(QStringLiteral("NAME"), longName);
        w.printPage();
        ASSERT_TRUE(w.endJob());
        const auto doc = openPdf(w.imageFileName());
        ASSERT_TRUE(doc);
        double left = 1e9, right = 0;
        for (const Box& b : boxesOf(*doc, 0)) {
            if (b.top > 4900 && b.bottom < 5600) {
                left = qMin(left, b.left);
                right = qMax(right, b.right);
            }
        }
        EXPECT_NEAR(left, 2000, 36);
        if (fit) {
            EXPECT_LE(right, 8000 + 36);
        } else {
            EXPECT_GT(right, 9000);
        }
    }
}

TEST_F(ReportWriterTest, EachBuildGetsAFileOfItsOwn)
{
    ReportWriter a;
    ReportWriter b;
    ASSERT_TRUE(start(a));
    ASSERT_TRUE(start(b));
    EXPECT_NE(a.imageFileName(), b.imageFileName());
    for (const ReportWriter* w : {&a, &b}) {
        const QFileInfo fi(w->imageFileName());
        EXPECT_EQ(fi.absolutePath() + u'/', reportDir);
        EXPECT_TRUE(fi.fileName().startsWith(QLatin1String("wkSmall-"))) << fi.fileName().toStdString();
        EXPECT_EQ(fi.suffix(), QStringLiteral("pdf"));
    }
    a.printPage();
    b.printPage();
    ASSERT_TRUE(a.endJob());
    ASSERT_TRUE(b.endJob());
    EXPECT_TRUE(QFileInfo::exists(a.imageFileName()));
    EXPECT_TRUE(QFileInfo::exists(b.imageFileName()));
    EXPECT_FALSE(QFileInfo::exists(reportDir + QStringLiteral("wkSmall.rdf")));
}

TEST_F(ReportWriterTest, TheDocumentOutlivesTheWriterOnlyWhenTheJobEnded)
{
    QString ended;
    {
        ReportWriter w;
        ASSERT_TRUE(start(w));
        w.printPage();
        ASSERT_TRUE(w.endJob());
        ended = w.imageFileName();
    }
    QString abandoned;
    {
        ReportWriter w;
        ASSERT_TRUE(start(w));
        w.printPage();
        abandoned = w.imageFileName();
        EXPECT_TRUE(QFileInfo::exists(abandoned));
    }
    EXPECT_TRUE(QFileInfo::exists(ended));
    EXPECT_FALSE(QFileInfo::exists(abandoned));
}

TEST_F(ReportWriterTest, MissingLayoutIsReportedAndNothingIsWritten)
{
    const QString missing = reportDir + QStringLiteral("PrintSyainSalaryList.json");
    {
        ReportWriter w;
        w.setFormName(missing);
        w.setImageFileName(reportDir + QStringLiteral("wkSmall.rdf"));
        EXPECT_FALSE(w.startJob());
        w.setFieldText(QStringLiteral("TITLE"), QStringLiteral("x"));
        w.printPage();
        EXPECT_FALSE(w.endJob());
        EXPECT_TRUE(w.operations().empty());
    }
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, QStringLiteral("帳票レイアウトファイルが見つかりません。") + missing);
    EXPECT_EQ(home.dialogs.log[0].caption, platform::appTitle());
    EXPECT_TRUE(documentsInReportDir().isEmpty()) << documentsInReportDir().join(u' ').toStdString();
}

TEST_F(ReportWriterTest, BrokenLayoutIsReportedWithItsFault)
{
    QByteArray json = smallLayoutJson();
    json.replace(R"("align": "right")", R"("align": "rigth")");
    ASSERT_TRUE(writeText(layout, json));
    ReportWriter w;
    EXPECT_FALSE(start(w));
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    const QString text = home.dialogs.log[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("帳票レイアウトファイルの形式に誤りがあります。") + layout)) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("AMOUNT")) && text.contains(QLatin1String("align"))) << text.toStdString();
}

TEST_F(ReportWriterTest, ImagesAreLookedUpInsideTheImagePathAndDrawnIntoTheirField)
{
    const QString pictures = home.path() + QStringLiteral("Picture/");
    ASSERT_TRUE(QDir().mkpath(pictures));
    QImage photo(30, 40, QImage::Format_RGB32);
    photo.fill(qRgb(200, 0, 0));
    ASSERT_TRUE(photo.save(pictures + QStringLiteral("0001.jpg")));

    ReportWriter w;
    ASSERT_TRUE(start(w));
    w.setImagePath(pictures);
    w.setImageField(QStringLiteral("PHOTO"), QStringLiteral("../Report/Small.json"));   // outside: refused
    EXPECT_EQ(w.operations().back().file, QString());
    w.setImageField(QStringLiteral("PHOTO"), QStringLiteral("missing.jpg"));
    EXPECT_EQ(w.operations().back().file, QString());
    w.setImageField(QStringLiteral("PHOTO"), QStringLiteral("0001.jpg"));
    EXPECT_EQ(w.operations().back().file, QFileInfo(pictures + QStringLiteral("0001.jpg")).canonicalFilePath());
    w.printPage();
    w.newPage();
    w.printPage();   // the image belongs to its page only
    ASSERT_TRUE(w.endJob());

    const auto doc = openPdf(w.imageFileName());
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->numPages(), 2);
    // The 3:4 photo fills the 30 x 40 mm field; rendered at 2540 / 100 dpi one pixel is 1 mm.
    for (int index : {0, 1}) {
        const std::unique_ptr<Poppler::Page> page(doc->page(index));
        const QImage img = page->renderToImage(25.4, 25.4);
        const QColor centre = img.pixelColor(165, 50);
        if (index == 0)
            EXPECT_TRUE(centre.red() > 150 && centre.green() < 60) << centre.name().toStdString();
        else
            EXPECT_EQ(centre, QColor(Qt::white)) << centre.name().toStdString();
    }
}
