#pragma once
// Small BMP files written byte by byte, for the bitmap reader's tests and the fuzzing corpus. Each
// valid fixture is a 5 x 3 picture (odd width, so rows need padding and RLE4 ends on half a byte)
// together with the colours the reader must produce, row by row from the top.

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace bmpfix {

// What goes into the headers; the optional fields replace the computed values to make a file lie.
struct BmpSpec {
    int headerSize = 40;             // 12 (core), 40, 108 or 124
    std::int32_t width = 5;
    std::int32_t height = 3;         // negative: rows stored top-down
    int bitCount = 24;
    std::uint32_t compression = 0;   // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> masks;   // written after a 40-byte header, or inside a longer one
    std::vector<QRgb> palette;
    std::uint32_t colorsUsed = 0;
    QByteArray pixels;
    std::optional<std::uint32_t> fileSize;
    std::optional<std::uint32_t> dataOffset;
};

inline void put16(QByteArray& b, int at, std::uint32_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

inline void put32(QByteArray& b, int at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline QByteArray buildBmp(const BmpSpec& s)
{
    const bool core = s.headerSize == 12;
    QByteArray b(14 + s.headerSize, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 14, std::uint32_t(s.headerSize));
    if (core) {
        put16(b, 18, std::uint32_t(s.width));
        put16(b, 20, std::uint32_t(s.height));
        put16(b, 22, 1);
        put16(b, 24, std::uint32_t(s.bitCount));
    } else {
        put32(b, 18, std::uint32_t(s.width));
        put32(b, 22, std::uint32_t(s.height));
        put16(b, 26, 1);
        put16(b, 28, std::uint32_t(s.bitCount));
        put32(b, 30, s.compression);
        put32(b, 34, std::uint32_t(s.pixels.size()));
        put32(b, 46, s.colorsUsed);
        for (std::size_t i = 0; i < s.masks.size(); ++i) {
            const int at = 54 + int(4 * i);
            if (at + 4 > b.size())
                b.resize(at + 4);
            put32(b, at, s.masks[i]);
        }
    }
    for (QRgb c : s.palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        if (!core)
            b.append('\0');
    }
    put32(b, 10, s.dataOffset.value_or(std::uint32_t(b.size())));
    b.append(s.pixels);
    put32(b, 2, s.fileSize.value_or(std::uint32_t(b.size())));
    return b;
}

// The test picture as palette indices, top row first.
inline const std::vector<std::vector<int>>& indexGrid()
{
    static const std::vector<std::vector<int>> g = {{1, 0, 1, 1, 0}, {0, 1, 1, 0, 1}, {1, 1, 0, 0, 1}};
    return g;
}

inline std::vector<QRgb> testPalette(int entries)
{
    std::vector<QRgb> p;
    for (int i = 0; i < entries; ++i)
        p.push_back(qRgb((i * 53) % 256, (255 - i * 29) % 256, (i * 97 + 11) % 256));
    return p;
}

// Packs index rows (top row first) into padded rows, most significant bits first; bottom-up unless
// topDown.
inline QByteArray packIndexed(const std::vector<std::vector<int>>& rows, int bits, bool topDown)
{
    QByteArray out;
    const int n = int(rows.size());
    for (int k = 0; k < n; ++k) {
        const auto& row = rows[topDown ? k : n - 1 - k];
        QByteArray line((int(row.size()) * bits + 31) / 32 * 4, '\0');
        for (int x = 0; x < int(row.size()); ++x) {
            const int bit = x * bits;
            const int shift = 8 - bits - bit % 8;
            line[bit / 8] = char(uchar(line[bit / 8]) | (row[x] << shift));
        }
        out.append(line);
    }
    return out;
}

// Direct-colour rows: each pixel written as bytesPerPixel little-endian bytes of encode(colour).
template <class Encode>
QByteArray packDirect(const std::vector<std::vector<QRgb>>& rows, int bytesPerPixel, bool topDown, Encode encode)
{
    QByteArray out;
    const int n = int(rows.size());
    for (int k = 0; k < n; ++k) {
        const auto& row = rows[topDown ? k : n - 1 - k];
        QByteArray line((int(row.size()) * bytesPerPixel * 8 + 31) / 32 * 4, '\0');
        for (int x = 0; x < int(row.size()); ++x) {
            const std::uint32_t v = encode(row[x]);
            for (int i = 0; i < bytesPerPixel; ++i)
                line[x * bytesPerPixel + i] = char((v >> (8 * i)) & 0xFF);
        }
        out.append(line);
    }
    return out;
}

struct Fixture {
    QString name;
    QByteArray bytes;
    std::vector<std::vector<QRgb>> expected;   // top row first
};

inline std::vector<std::vector<QRgb>> colorsOf(const std::vector<std::vector<int>>& grid, const std::vector<QRgb>& pal)
{
    std::vector<std::vector<QRgb>> out;
    for (const auto& row : grid) {
        out.emplace_back();
        for (int i : row)
            out.back().push_back(pal[std::size_t(i)]);
    }
    return out;
}

// One valid file of every supported kind.
inline std::vector<Fixture> validFixtures()
{
    std::vector<Fixture> f;

    // Indexed: the grid scaled into each format's range.
    for (int bits : {1, 4, 8}) {
        // Distinct indices per column where the format allows, the highest one included.
        std::vector<std::vector<int>> grid = indexGrid();
        const int top = (1 << bits) - 1;
        for (auto& row : grid)
            for (int x = 0; x < int(row.size()); ++x)
                row[x] = bits == 1 ? row[x] : (row[x] ? top - x : x + 1);
        BmpSpec s;
        s.bitCount = bits;
        s.palette = testPalette(1 << bits);
        s.pixels = packIndexed(grid, bits, false);
        f.push_back({QStringLiteral("%1-bit").arg(bits), buildBmp(s), colorsOf(grid, s.palette)});
    }

    // Core header: three-byte palette entries.
    {
        BmpSpec s;
        s.headerSize = 12;
        s.bitCount = 8;
        s.palette = testPalette(256);
        std::vector<std::vector<int>> grid = {{10, 20, 30, 40, 50}, {60, 70, 80, 90, 100}, {255, 0, 128, 7, 200}};
        s.pixels = packIndexed(grid, 8, false);
        f.push_back({QStringLiteral("core 8-bit"), buildBmp(s), colorsOf(grid, s.palette)});
    }

    const std::vector<std::vector<QRgb>> colors = {
        {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)},
        {qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(0, 0, 0), qRgb(255, 255, 255)},
        {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 255, 0)},
    };
    auto bgr = [](QRgb c) { return std::uint32_t(qBlue(c) | (qGreen(c) << 8) | (qRed(c) << 16)); };
    for (bool topDown : {false, true}) {
        BmpSpec s;
        s.bitCount = 24;
        s.height = topDown ? -3 : 3;
        s.pixels = packDirect(colors, 3, topDown, bgr);
        f.push_back({topDown ? QStringLiteral("24-bit top-down") : QStringLiteral("24-bit"), buildBmp(s), colors});
    }
    {
        BmpSpec s;   // 5-5-5 without masks in the file
        s.bitCount = 16;
        s.pixels = packDirect(colors, 2, false, [](QRgb c) {
            return std::uint32_t(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
        });
        f.push_back({QStringLiteral("16-bit 555"), buildBmp(s), colors});
    }
    {
        BmpSpec s;   // 5-6-5 through bit fields
        s.bitCount = 16;
        s.compression = 3;
        s.masks = {0xF800, 0x07E0, 0x001F};
        s.pixels = packDirect(colors, 2, false, [](QRgb c) {
            return std::uint32_t(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3));
        });
        f.push_back({QStringLiteral("16-bit 565 bit fields"), buildBmp(s), colors});
    }
    {
        BmpSpec s;
        s.bitCount = 32;
        s.pixels = packDirect(colors, 4, false, bgr);
        f.push_back({QStringLiteral("32-bit"), buildBmp(s), colors});
    }
    {
        BmpSpec s;   // a longer header with the masks inside it, channels in an unusual order
        s.headerSize = 124;
        s.bitCount = 32;
        s.compression = 3;
        s.masks = {0x0000FF00, 0xFF000000, 0x00FF0000};
        s.height = -3;
        s.pixels = packDirect(colors, 4, true, [](QRgb c) {
            return std::uint32_t((qRed(c) << 8) | (std::uint32_t(qGreen(c)) << 24) | (qBlue(c) << 16));
        });
        f.push_back({QStringLiteral("32-bit bit fields, 124-byte header"), buildBmp(s), colors});
    }

    // RLE8, rows in the file from the bottom: a run and an absolute run; a move right and a run;
    // a run to the end of the top row and the end of the picture.
    {
        BmpSpec s;
        s.bitCount = 8;
        s.compression = 1;
        s.palette = testPalette(256);
        s.pixels = QByteArray::fromHex("0207" "0003010203" "00" "0000"
                                       "00020200" "0309" "0000"
                                       "0504" "0001");
        const std::vector<std::vector<int>> grid = {{4, 4, 4, 4, 4}, {0, 0, 9, 9, 9}, {7, 7, 1, 2, 3}};
        f.push_back({QStringLiteral("RLE8"), buildBmp(s), colorsOf(grid, s.palette)});
    }
    // RLE4: the same codes with two pixels to a byte, high nibble first.
    {
        BmpSpec s;
        s.bitCount = 4;
        s.compression = 2;
        s.palette = testPalette(16);
        s.pixels = QByteArray::fromHex("0277" "00031230" "0000"
                                       "00020200" "0399" "0000"
                                       "0545" "0001");
        const std::vector<std::vector<int>> grid = {{4, 5, 4, 5, 4}, {0, 0, 9, 9, 9}, {7, 7, 1, 2, 3}};
        f.push_back({QStringLiteral("RLE4"), buildBmp(s), colorsOf(grid, s.palette)});
    }
    return f;
}

} // namespace bmpfix
