// Large bitmaps: strips of 8 MiB, the row-size limit, band-by-band drawing, and a failed load that
// keeps the previous picture.

#include "BmpFixtures.h"
#include "reports/BigBitmap.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace bmpfix;
using reports::TBigBitmap;

namespace {

// A 24-bit picture whose rows are coloured by colorOfTopRow, stored bottom-up as usual.
template <class ColorOf>
QByteArray picture24(int width, int height, ColorOf colorOfTopRow)
{
    const int rowSize = (24 * width + 31) / 32 * 4;
    BmpSpec s;
    s.width = width;
    s.height = height;
    s.pixels = QByteArray(qsizetype(rowSize) * height, '\0');
    for (int k = 0; k < height; ++k) {
        const QRgb c = colorOfTopRow(height - 1 - k);
        char* row = s.pixels.data() + qsizetype(k) * rowSize;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = char(qBlue(c));
            row[3 * x + 1] = char(qGreen(c));
            row[3 * x + 2] = char(qRed(c));
        }
    }
    return buildBmp(s);
}

bool loadBytes(TBigBitmap& bmp, QByteArray bytes, QString& error)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return bmp.LoadFromStream(buffer, error);
}

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// Rows of the 2000 x 3000 picture coloured by the strip they fall into (1398 rows a strip).
QRgb byStrip(int topRow) { return topRow < 1398 ? kRed : topRow < 2796 ? kGreen : kBlue; }

} // namespace

// 2000 pixels of 24 bits make 6000-byte rows; 8 MiB hold 1398 of them.
TEST(BigBitmap, SplitsIntoStripsOfEightMebibytesTopDown)
{
    TBigBitmap bmp;
    QString error;
    ASSERT_TRUE(loadBytes(bmp, picture24(2000, 3000, byStrip), error)) << error.toStdString();
    EXPECT_EQ(bmp.RowSize(), 6000);
    ASSERT_EQ(bmp.Strips().size(), 3u);
    const int firstRows[] = {0, 1398, 2796};
    const int rows[] = {1398, 1398, 204};
    const QRgb colors[] = {kRed, kGreen, kBlue};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& s = bmp.Strips()[i];
        EXPECT_EQ(s.firstRow, firstRows[i]);
        EXPECT_EQ(s.rows, rows[i]);
        // Each strip holds its own rows: first and last row of the strip in its colour.
        const QImage img = bmp.stripImage(i);
        EXPECT_EQ(img.pixel(0, 0) | 0xFF000000u, colors[i]) << "strip " << i;
        EXPECT_EQ(img.pixel(1999, s.rows - 1) | 0xFF000000u, colors[i]) << "strip " << i;
    }
}

TEST(BigBitmap, SmallPictureIsOneStrip)
{
    TBigBitmap bmp;
    QString error;
    ASSERT_TRUE(loadBytes(bmp, picture24(3, 2, [](int) { return kRed; }), error));
    ASSERT_EQ(bmp.Strips().size(), 1u);
    EXPECT_EQ(bmp.Strips()[0].rows, 2);
}

// The row size limit is 65280 bytes: 21758 pixels of 24 bits need 65276, 21759 need 65280.
TEST(BigBitmap, RowsOf65280BytesAreRefused)
{
    TBigBitmap bmp;
    QString error;
    EXPECT_TRUE(loadBytes(bmp, picture24(21758, 1, [](int) { return kRed; }), error)) << error.toStdString();
    EXPECT_EQ(bmp.RowSize(), 65276);
    EXPECT_FALSE(loadBytes(bmp, picture24(21759, 1, [](int) { return kRed; }), error));
    EXPECT_EQ(error, QStringLiteral("TBigBitmap.LoadFromStream: Too Big Width or Too Many Pixel Bits"));
}

TEST(BigBitmap, FailedLoadKeepsThePreviousPicture)
{
    TBigBitmap bmp;
    QString error;
    ASSERT_TRUE(loadBytes(bmp, picture24(4, 3, [](int) { return kGreen; }), error));
    QByteArray broken = picture24(7, 7, [](int) { return kRed; });
    put32(broken, 18, 0);   // width 0
    EXPECT_FALSE(loadBytes(bmp, broken, error));
    EXPECT_EQ(error, QStringLiteral("LoadDIBFromStream: Invalid Width"));
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.Height(), 3);
    EXPECT_EQ(bmp.stripImage(0).pixel(0, 0) | 0xFF000000u, kGreen);
}

TEST(BigBitmap, LoadFromFileNamesAMissingFile)
{
    TBigBitmap bmp;
    QString error;
    EXPECT_FALSE(bmp.LoadFromFile(QStringLiteral("/nonexistent/chart.bmp"), error));
    EXPECT_TRUE(error.contains(QLatin1String("/nonexistent/chart.bmp"))) << error.toStdString();
}

// Strip i goes into the band top + r * h / H .. top + (r + rows) * h / H, integer division: with
// 300 target rows the 3000-row picture's bands end at 139 and 279.
TEST(BigBitmap, StretchDrawPutsEachStripIntoItsBand)
{
    TBigBitmap bmp;
    QString error;
    ASSERT_TRUE(loadBytes(bmp, picture24(2000, 3000, byStrip), error));
    QImage page(60, 320, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        bmp.StretchDraw(p, 5, 10, 55, 310);
    }
    struct Probe {
        int y;
        QRgb color;
    };
    const Probe probes[] = {{9, qRgb(255, 255, 255)}, {10, kRed},   {148, kRed},  {149, kGreen},
                            {288, kGreen},            {289, kBlue}, {309, kBlue}, {310, qRgb(255, 255, 255)}};
    for (const Probe& pr : probes)
        EXPECT_EQ(page.pixel(30, pr.y) | 0xFF000000u, pr.color) << "row " << pr.y;
    EXPECT_EQ(page.pixel(4, 100) | 0xFF000000u, qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(5, 100) | 0xFF000000u, kRed);
    EXPECT_EQ(page.pixel(54, 100) | 0xFF000000u, kRed);
    EXPECT_EQ(page.pixel(55, 100) | 0xFF000000u, qRgb(255, 255, 255));
}

TEST(BigBitmap, StretchDrawIntoAnEmptyRectangleDrawsNothing)
{
    TBigBitmap bmp;
    QString error;
    ASSERT_TRUE(loadBytes(bmp, picture24(4, 4, [](int) { return kRed; }), error));
    QImage page(20, 20, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        bmp.StretchDraw(p, 5, 5, 5, 15);
        bmp.StretchDraw(p, 5, 5, 15, 5);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(page.pixel(x, y) | 0xFF000000u, qRgb(255, 255, 255)) << x << "," << y;
}
