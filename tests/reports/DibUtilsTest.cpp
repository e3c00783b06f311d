// The bitmap reader: every supported kind of file to the right pixels, and every malformed file
// refused with its message.

#include "BmpFixtures.h"
#include "reports/BigBitmap.h"
#include "reports/DIBUtils.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

using namespace bmpfix;
using reports::TBigBitmap;
using reports::TDib;

namespace {

QString load(const QByteArray& bytes, TDib& dib)
{
    QString error;
    reports::LoadDIBFromBytes(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), dib, error);
    return error;
}

// The picture's colours through Qt's own reading of the strip images.
std::vector<std::vector<QRgb>> pixelsOf(const TBigBitmap& bmp)
{
    std::vector<std::vector<QRgb>> rows;
    for (std::size_t i = 0; i < bmp.Strips().size(); ++i) {
        const QImage img = bmp.stripImage(i);
        for (int y = 0; y < img.height(); ++y) {
            rows.emplace_back();
            for (int x = 0; x < img.width(); ++x)
                rows.back().push_back(img.pixel(x, y) | 0xFF000000u);
        }
    }
    return rows;
}

QString hex(QRgb c) { return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')); }

} // namespace

TEST(DibUtils, EveryKindLoadsToThePictureTopRowFirst)
{
    for (const Fixture& f : validFixtures()) {
        SCOPED_TRACE(f.name.toStdString());
        QBuffer buffer;
        buffer.setData(f.bytes);
        buffer.open(QIODevice::ReadOnly);
        TBigBitmap bmp;
        QString error;
        ASSERT_TRUE(bmp.LoadFromStream(buffer, error)) << error.toStdString();
        EXPECT_EQ(bmp.Width(), 5);
        EXPECT_EQ(bmp.Height(), 3);
        const auto got = pixelsOf(bmp);
        ASSERT_EQ(got.size(), f.expected.size());
        for (std::size_t y = 0; y < got.size(); ++y)
            for (std::size_t x = 0; x < got[y].size(); ++x)
                EXPECT_EQ(hex(got[y][x]), hex(f.expected[y][x] | 0xFF000000u)) << "pixel " << x << "," << y;
    }
}

// A mask channel is (value & mask) scaled so that the full mask gives 255, after both are moved so
// that the mask's top bit is bit 7.
TEST(DibUtils, MaskedChannelsScaleToTheirFullRange)
{
    struct Case {
        const char* name;
        int bits;
        std::vector<std::uint32_t> masks;
        std::uint32_t pixel;
        QRgb expected;
    };
    const Case cases[] = {
        {"555 half values", 16, {}, (16u << 10) | (8u << 5) | 1u, qRgb(16 * 8 * 255 / 248, 8 * 8 * 255 / 248, 8 * 255 / 248)},
        {"565 full green", 16, {0xF800, 0x07E0, 0x001F}, 0x07E0, qRgb(0, 255, 0)},
        {"one-bit masks", 16, {0x4, 0x2, 0x1}, 0x5, qRgb(255, 0, 255)},
        {"32-bit low red", 32, {}, 0x00010000, qRgb(1, 0, 0)},
        {"12-bit channel cut to 8", 32, {0xFFF00000, 0x000FFF00, 0x000000FF}, 0x80000000u, qRgb(0x80 * 255 / 0xFF, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpSpec s;
        s.width = 1;
        s.height = 1;
        s.bitCount = c.bits;
        s.compression = c.masks.empty() ? 0 : 3;
        s.masks = c.masks;
        s.pixels = QByteArray(4, '\0');
        for (int i = 0; i < c.bits / 8; ++i)
            s.pixels[i] = char((c.pixel >> (8 * i)) & 0xFF);
        TDib dib;
        ASSERT_EQ(load(buildBmp(s), dib), QString());
        EXPECT_EQ(hex(qRgb(dib.bits[2], dib.bits[1], dib.bits[0])), hex(c.expected));
    }
}

TEST(DibUtils, MalformedFilesAreRefusedWithTheirMessage)
{
    auto spec24 = [] {
        BmpSpec s;
        s.pixels = QByteArray(3 * 16, '\x40');
        return s;
    };
    auto spec8 = [] {
        BmpSpec s;
        s.bitCount = 8;
        s.palette = testPalette(256);
        s.pixels = QByteArray(3 * 8, '\x01');
        return s;
    };
    auto rle = [](int bits, const char* codes, int width = 5, int height = 3) {
        BmpSpec s;
        s.bitCount = bits;
        s.compression = bits == 8 ? 1 : 2;
        s.width = width;
        s.height = height;
        s.palette = testPalette(1 << bits);
        s.pixels = QByteArray::fromHex(codes);
        return buildBmp(s);
    };
    auto with = [](BmpSpec s, auto change) {
        change(s);
        return buildBmp(s);
    };
    auto patched = [](QByteArray b, int at, std::uint32_t v) {
        put32(b, at, v);
        return b;
    };
    const QByteArray good24 = buildBmp(spec24());

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), "LoadDIBFromStream: File type is invalid"},
        {"not BM", QByteArray("BA") + good24.mid(2), "LoadDIBFromStream: File type is invalid"},
        {"ends inside the file header", good24.left(16), "LoadDIBFromStream: Invalid Bitmap Header Size"},
        {"header size 20", patched(good24, 14, 20), "LoadDIBFromStream: Invalid Bitmap Header Size"},
        {"header runs past the end", good24.left(40), "LoadDIBFromStream: Invalid Bitmap Header Size"},
        {"header size beyond 4 GiB arithmetic", patched(good24, 14, 0xFFFFFFF0u), "LoadDIBFromStream: Invalid Bitmap Header Size"},
        {"file size beyond the data", patched(good24, 2, std::uint32_t(good24.size() + 1)), "LoadDIBFromStream: Invalid File Size"},
        {"file size inside the header", patched(good24, 2, 30), "LoadDIBFromStream: Invalid File Size"},
        {"core header with 16 bits", with(spec24(), [](BmpSpec& s) { s.headerSize = 12; s.bitCount = 16; }),
         "TBigBitmap.LoadFromStream: Invalid BitCount"},
        {"2 bits", with(spec24(), [](BmpSpec& s) { s.bitCount = 2; }), "LoadDIBFromStream: Invalid BitCout"},
        {"width 0", with(spec24(), [](BmpSpec& s) { s.width = 0; }), "LoadDIBFromStream: Invalid Width"},
        {"width -5", with(spec24(), [](BmpSpec& s) { s.width = -5; }), "LoadDIBFromStream: Invalid Width"},
        {"core width 0", with(spec24(), [](BmpSpec& s) { s.headerSize = 12; s.width = 0; }), "LoadDIBFromStream: Invalid Width"},
        {"height 0", with(spec24(), [](BmpSpec& s) { s.height = 0; }), "LoadDIBFromStream: Invalid Height"},
        {"height -2^31", with(spec24(), [](BmpSpec& s) { s.height = INT32_MIN; }), "LoadDIBFromStream: Invalid Height"},
        {"JPEG compression", with(spec24(), [](BmpSpec& s) { s.compression = 4; }), "LoadDIBFromStream: Invalid Compression"},
        {"bit fields on 24 bits", with(spec24(), [](BmpSpec& s) { s.compression = 3; s.masks = {0xFF0000, 0xFF00, 0xFF}; }),
         "LoadDIBFromStream: Invalid Compression"},
        {"RLE8 on 4 bits", with(spec24(), [](BmpSpec& s) { s.bitCount = 4; s.compression = 1; }),
         "Convert8BitRLETo8BitRGB: Invalid Bitcount & Compression Combination"},
        {"RLE4 on 8 bits", with(spec8(), [](BmpSpec& s) { s.compression = 2; }),
         "Convert4BitRLETo4BitRGB: Invalid Bitcount & Compression Combination"},
        {"zero blue mask", with(spec24(), [](BmpSpec& s) { s.bitCount = 16; s.compression = 3; s.masks = {0xF800, 0x07E0, 0}; }),
         "TBigBitmap.LoadFromStream: Invalid Masks"},
        {"masks cut off", with(spec24(), [](BmpSpec& s) { s.bitCount = 32; s.compression = 3; s.masks = {0xFF0000}; s.pixels.clear(); }),
         "TBigBitmap.LoadFromStream: Invalid Masks"},
        {"data offset past the file", with(spec24(), [](BmpSpec& s) { s.dataOffset = 10000; }), "LoadDIBFromStream: Invalid Data Offset"},
        {"data offset inside the header", with(spec24(), [](BmpSpec& s) { s.dataOffset = 20; }), "LoadDIBFromStream: Invalid Data Offset"},
        {"palette overlaps the data", with(spec8(), [](BmpSpec& s) { s.palette.resize(16); }), "LoadDIBFromStream: Invalid Color Count"},
        {"colour count beyond the file", with(spec8(), [](BmpSpec& s) { s.colorsUsed = 0xFFFFFFFFu; s.palette.resize(16); }),
         "LoadDIBFromStream: Invalid Color Count"},
        {"rows missing", with(spec24(), [](BmpSpec& s) { s.height = 4; }), "LoadDIBFromStream: Bitmap Data Too Short"},
        {"huge width, little data", with(spec24(), [](BmpSpec& s) { s.width = 0x7FFFFFFF; }), "LoadDIBFromStream: Image Too Large"},
        {"tiny RLE file, huge picture", rle(8, "0001", 60000, 100000), "LoadDIBFromStream: Image Too Large"},
        {"width x height beyond 64 bits", with(spec24(), [](BmpSpec& s) { s.bitCount = 32; s.width = 0x7FFFFFFF; s.height = 0x7FFFFFFF; }),
         "LoadDIBFromStream: Image Too Large"},
        // RLE codes, each checked before anything is written.
        {"RLE8 end of line below the last row", rle(8, "0000" "0000", 5, 1), "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},
        {"RLE8 move past the width", rle(8, "00020600"), "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},
        {"RLE8 move past the height", rle(8, "00020004"), "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},
        {"RLE8 move cut off", rle(8, "000201"), "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},
        {"RLE8 absolute run past the width", rle(8, "0301" "0003010203"), "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},
        {"RLE8 absolute run past the data", rle(8, "00040102"), "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},
        {"RLE8 absolute run below the last row", rle(8, "00020003" "0003010203"), "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},
        {"RLE8 run past the width", rle(8, "0601"), "Convert8BitRLETo8BitRGB: Bad RLE Data 4"},
        {"RLE8 run below the last row", rle(8, "0000" "0101", 5, 1), "Convert8BitRLETo8BitRGB: Bad RLE Data 4"},
        {"RLE4 end of line below the last row", rle(4, "0000" "0000", 5, 1), "Convert4BitRLETo4BitRGB: Bad RLE Data 5"},
        {"RLE4 move past the even width", rle(4, "00020700"), "Convert4BitRLETo4BitRGB: Bad RLE Data 6"},
        {"RLE4 absolute run past the even width", rle(4, "0411" "00031230"), "Convert4BitRLETo4BitRGB: Bad RLE Data 7"},
        {"RLE4 absolute run past the data", rle(4, "000512"), "Convert4BitRLETo4BitRGB: Bad RLE Data 7"},
        {"RLE4 run past the even width", rle(4, "0711"), "Convert4BitRLETo4BitRGB: Bad RLE Data 8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDib dib;
        dib.width = 99;   // a refused file leaves the target alone
        EXPECT_EQ(load(c.bytes, dib).toStdString(), c.message);
        EXPECT_EQ(dib.width, 99);
        EXPECT_TRUE(dib.bits.empty());
    }
}

TEST(DibUtils, RleEdgesThatStillLoad)
{
    struct Case {
        const char* name;
        int bits;
        const char* codes;
        int width;
        std::vector<int> bottomRow;   // first row of the file
    };
    const Case cases[] = {
        // RLE4 columns run to the width rounded up to even; the pixel past the width is dropped.
        {"RLE4 run of six in a width of five", 4, "0612" "0001", 5, {1, 2, 1, 2, 1}},
        {"RLE8 run exactly to the width", 8, "0503" "0001", 5, {3, 3, 3, 3, 3}},
        {"data without end of picture", 8, "0207", 5, {7, 7, 0, 0, 0}},
        {"move to the end of the last line", 8, "0102" "00020402" "0001", 5, {2, 0, 0, 0, 0}},
        {"end of line after the last row", 8, "0501" "0000" "0000" "0000", 5, {1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpSpec s;
        s.bitCount = c.bits;
        s.compression = c.bits == 8 ? 1 : 2;
        s.width = c.width;
        s.palette = testPalette(1 << c.bits);
        s.pixels = QByteArray::fromHex(c.codes);
        TDib dib;
        ASSERT_EQ(load(buildBmp(s), dib), QString());
        std::vector<int> row;
        for (int x = 0; x < c.width; ++x)
            row.push_back(c.bits == 8 ? dib.bits[std::size_t(x)]
                                      : (x % 2 ? dib.bits[std::size_t(x / 2)] & 0x0F : dib.bits[std::size_t(x / 2)] >> 4));
        EXPECT_EQ(row, c.bottomRow);
    }
}

// The plot window prints a chart it saved through Qt; the reader must take Qt's files.
TEST(DibUtils, ReadsBitmapsWrittenByQt)
{
    QImage src(7, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            src.setPixel(x, y, qRgb(x * 36, y * 80, 255 - x * 30));
    for (QImage image : {src, src.convertToFormat(QImage::Format_Indexed8)}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "BMP"));
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        TBigBitmap bmp;
        QString error;
        ASSERT_TRUE(bmp.LoadFromStream(buffer, error)) << error.toStdString();
        const QImage back = bmp.stripImage(0).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(hex(back.pixel(x, y)), hex(image.pixel(x, y))) << x << "," << y;
    }
}
