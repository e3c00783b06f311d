#include "reports/DIBUtils.h"

#include <QIODevice>
#include <limits>
#include <new>

namespace reports {

namespace {

constexpr quint32 kRgb = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitFields = 3;

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kCoreHeaderSize = 12;
constexpr qint64 kInfoHeaderSize = 40;

// Little-endian reads at checked offsets: the caller has made sure that [at, at + n) lies inside.
quint16 u16(const uchar* p, qint64 at) { return quint16(p[at] | (p[at + 1] << 8)); }
quint32 u32(const uchar* p, qint64 at)
{
    return quint32(p[at]) | (quint32(p[at + 1]) << 8) | (quint32(p[at + 2]) << 16) | (quint32(p[at + 3]) << 24);
}
qint32 i32(const uchar* p, qint64 at) { return static_cast<qint32>(u32(p, at)); }

struct Failure {
    QString text;
};

[[noreturn]] void fail(const char* text) { throw Failure{QString::fromLatin1(text)}; }

// The channel value of pixel v under mask: the masked value and the mask are shifted so that the
// mask's highest bit lands in bit 7, then scaled so that a full channel gives 255.
uchar channel(quint32 v, quint32 mask)
{
    int high = 31;
    while (!(mask & (1u << high)))
        --high;
    quint64 value = v & mask;
    quint64 m = mask;
    if (high > 7) {
        value >>= high - 7;
        m >>= high - 7;
    } else {
        value <<= 7 - high;
        m <<= 7 - high;
    }
    return static_cast<uchar>(value * 255 / m);
}

struct Header {
    qint64 width = 0;
    qint64 height = 0;       // rows, positive
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = kRgb;
    quint32 masks[3] = {0, 0, 0};
};

// Expands RLE8 (fourBits false) or RLE4 data into zeroed rows of the output, in the file's row
// order. Column and row are checked before every write; the messages number the failed check.
void expandRle(const uchar* d, qint64 size, const Header& h, qint64 rowSize, std::vector<uchar>& out, bool fourBits)
{
    const char* const bad[4] = {
        fourBits ? "Convert4BitRLETo4BitRGB: Bad RLE Data 5" : "Convert8BitRLETo8BitRGB: Bad RLE Data 1",
        fourBits ? "Convert4BitRLETo4BitRGB: Bad RLE Data 6" : "Convert8BitRLETo8BitRGB: Bad RLE Data 2",
        fourBits ? "Convert4BitRLETo4BitRGB: Bad RLE Data 7" : "Convert8BitRLETo8BitRGB: Bad RLE Data 3",
        fourBits ? "Convert4BitRLETo4BitRGB: Bad RLE Data 8" : "Convert8BitRLETo8BitRGB: Bad RLE Data 4",
    };
    // In RLE4 a byte holds two pixels, so a row may end on half a byte.
    const qint64 widthLimit = fourBits ? (h.width + 1) / 2 * 2 : h.width;
    const qint64 rows = h.height;

    auto put = [&](qint64 x, qint64 y, uchar value) {
        uchar* row = out.data() + y * rowSize;
        if (!fourBits) {
            row[x] = value;
        } else if (x % 2 == 0) {
            row[x / 2] = uchar((row[x / 2] & 0x0F) | (value << 4));
        } else {
            row[x / 2] = uchar((row[x / 2] & 0xF0) | (value & 0x0F));
        }
    };

    qint64 x = 0;
    qint64 y = 0;
    qint64 pos = 0;
    // Data that ends without an end-of-picture code ends the picture there.
    while (pos + 2 <= size) {
        const qint64 count = d[pos];
        const uchar code = d[pos + 1];
        pos += 2;
        if (count > 0) {   // a run of count pixels
            if (x + count > widthLimit || y >= rows)
                fail(bad[3]);
            for (qint64 i = 0; i < count; ++i) {
                // RLE4: the two nibbles alternate, high one first.
                const uchar value = fourBits ? ((i % 2 == 0) ? uchar(code >> 4) : uchar(code & 0x0F)) : code;
                put(x + i, y, value);
            }
            x += count;
            continue;
        }
        if (code == 0) {   // end of line
            x = 0;
            ++y;
            if (y > rows)
                fail(bad[0]);
        } else if (code == 1) {   // end of picture
            break;
        } else if (code == 2) {   // move right dx and up dy
            if (pos + 2 > size)
                fail(bad[1]);
            x += d[pos];
            y += d[pos + 1];
            pos += 2;
            if (x > widthLimit || y > rows)
                fail(bad[1]);
        } else {   // absolute run of code pixels, padded to a whole number of 16-bit words
            const qint64 n = code;
            const qint64 bytes = fourBits ? (n + 1) / 2 : n;
            if (x + n > widthLimit || y >= rows || pos + bytes > size)
                fail(bad[2]);
            for (qint64 i = 0; i < n; ++i) {
                const uchar value = fourBits ? ((i % 2 == 0) ? uchar(d[pos + i / 2] >> 4) : uchar(d[pos + i / 2] & 0x0F))
                                             : d[pos + i];
                put(x + i, y, value);
            }
            x += n;
            pos += (bytes + 1) / 2 * 2;
        }
    }
}

void read(const uchar* p, qint64 length, TDib& dib, const DibLimits& limits)
{
    if (length < 2 || u16(p, 0) != 19778)   // "BM"
        fail("LoadDIBFromStream: File type is invalid");
    if (length < kFileHeaderSize + 4)
        fail("LoadDIBFromStream: Invalid Bitmap Header Size");
    const qint64 fileSize = u32(p, 2);
    const qint64 dataOffset = u32(p, 10);
    const qint64 headerSize = u32(p, 14);
    const bool core = headerSize == kCoreHeaderSize;
    if ((!core && headerSize < kInfoHeaderSize) || kFileHeaderSize + headerSize > length)
        fail("LoadDIBFromStream: Invalid Bitmap Header Size");
    // Everything the file claims must lie inside it, and the file inside the data we really have.
    if (fileSize > length || fileSize < kFileHeaderSize + headerSize)
        fail("LoadDIBFromStream: Invalid File Size");

    Header h;
    qint64 colorsUsed = 0;
    if (core) {
        h.width = u16(p, 18);
        h.height = u16(p, 20);
        h.bitCount = u16(p, 24);
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24)
            fail("TBigBitmap.LoadFromStream: Invalid BitCount");
    } else {
        h.width = i32(p, 18);
        const qint64 height = i32(p, 22);
        h.bitCount = u16(p, 28);
        h.compression = u32(p, 30);
        colorsUsed = u32(p, 46);
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 && h.bitCount != 24
            && h.bitCount != 32)
            fail("LoadDIBFromStream: Invalid BitCout");
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
    }
    if (h.width <= 0)
        fail("LoadDIBFromStream: Invalid Width");
    if (h.height <= 0 || h.height > std::numeric_limits<qint32>::max())
        fail("LoadDIBFromStream: Invalid Height");

    switch (h.compression) {
    case kRgb:
        break;
    case kRle8:
        if (h.bitCount != 8)
            fail("Convert8BitRLETo8BitRGB: Invalid Bitcount & Compression Combination");
        break;
    case kRle4:
        if (h.bitCount != 4)
            fail("Convert4BitRLETo4BitRGB: Invalid Bitcount & Compression Combination");
        break;
    case kBitFields:
        if (h.bitCount != 16 && h.bitCount != 32)
            fail("LoadDIBFromStream: Invalid Compression");
        break;
    default:
        fail("LoadDIBFromStream: Invalid Compression");
    }

    // The masks follow the 40-byte part of the header (inside it for the longer header versions).
    qint64 paletteStart = kFileHeaderSize + headerSize;
    if (h.compression == kBitFields) {
        const qint64 at = kFileHeaderSize + kInfoHeaderSize;
        if (at + 12 > fileSize)
            fail("TBigBitmap.LoadFromStream: Invalid Masks");
        for (int i = 0; i < 3; ++i)
            h.masks[i] = u32(p, at + 4 * i);
        paletteStart = qMax(paletteStart, at + 12);
    } else if (h.bitCount == 16) {   // 5-5-5
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    } else if (h.bitCount == 32) {
        h.masks[0] = 0xFF0000;
        h.masks[1] = 0xFF00;
        h.masks[2] = 0xFF;
    }
    if ((h.bitCount == 16 || h.bitCount == 32) && (!h.masks[0] || !h.masks[1] || !h.masks[2]))
        fail("TBigBitmap.LoadFromStream: Invalid Masks");

    // The palette: 2^bits entries unless the header gives a count, at most 256, all before the data.
    if (colorsUsed == 0 && h.bitCount <= 8)
        colorsUsed = qint64(1) << h.bitCount;
    const qint64 entries = qMin<qint64>(colorsUsed, 256);
    const qint64 entrySize = core ? 3 : 4;
    const qint64 paletteEnd = paletteStart + entries * entrySize;
    if (dataOffset < paletteStart || dataOffset > fileSize)
        fail("LoadDIBFromStream: Invalid Data Offset");
    if (paletteEnd > dataOffset)
        fail("LoadDIBFromStream: Invalid Color Count");

    const int outBits = (h.bitCount == 16 || h.bitCount == 32) ? 24 : h.bitCount;
    const qint64 inRow = dibRowSize(h.bitCount, h.width);
    const qint64 outRow = dibRowSize(outBits, h.width);
    if (outRow > limits.maxPixelBytes / h.height || inRow > limits.maxPixelBytes / h.height)
        fail("LoadDIBFromStream: Image Too Large");
    const uchar* data = p + dataOffset;
    const qint64 dataSize = fileSize - dataOffset;
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    if (!rle && inRow * h.height > dataSize)
        fail("LoadDIBFromStream: Bitmap Data Too Short");

    TDib out;
    out.width = static_cast<int>(h.width);
    out.height = static_cast<int>(h.height);
    out.topDown = h.topDown;
    out.bitCount = outBits;
    if (outBits <= 8) {
        out.palette.assign(std::size_t(1) << outBits, qRgb(0, 0, 0));
        for (qint64 i = 0; i < qMin<qint64>(entries, qint64(out.palette.size())); ++i) {
            const qint64 at = paletteStart + i * entrySize;   // blue, green, red
            out.palette[std::size_t(i)] = qRgb(p[at + 2], p[at + 1], p[at]);
        }
    }
    out.bits.assign(std::size_t(outRow * h.height), 0);

    if (rle) {
        expandRle(data, dataSize, h, outRow, out.bits, h.compression == kRle4);
    } else if (outBits == h.bitCount) {
        std::copy(data, data + inRow * h.height, out.bits.begin());
    } else {
        const qint64 bytesPerPixel = h.bitCount / 8;
        for (qint64 y = 0; y < h.height; ++y) {
            const uchar* src = data + y * inRow;
            uchar* dst = out.bits.data() + y * outRow;
            for (qint64 x = 0; x < h.width; ++x) {
                const qint64 at = x * bytesPerPixel;
                const quint32 v = bytesPerPixel == 2 ? u16(src, at) : u32(src, at);
                dst[3 * x] = channel(v, h.masks[2]);       // blue
                dst[3 * x + 1] = channel(v, h.masks[1]);   // green
                dst[3 * x + 2] = channel(v, h.masks[0]);   // red
            }
        }
    }
    dib = std::move(out);
}

} // namespace

qint64 dibRowSize(qint64 bitCount, qint64 width)
{
    return (bitCount * width + 31) / 32 * 4;
}

qint64 TDib::rowSize() const
{
    return dibRowSize(bitCount, width);
}

bool LoadDIBFromBytes(const uchar* data, qsizetype size, TDib& dib, QString& error, const DibLimits& limits)
{
    try {
        read(data, size, dib, limits);
        error.clear();
        return true;
    } catch (const Failure& f) {
        error = f.text;
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("LoadDIBFromStream: Out of Memory");
    }
    return false;
}

bool LoadDIBFromStream(QIODevice& stream, TDib& dib, QString& error, const DibLimits& limits)
{
    const QByteArray bytes = stream.readAll();
    return LoadDIBFromBytes(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), dib, error, limits);
}

} // namespace reports
