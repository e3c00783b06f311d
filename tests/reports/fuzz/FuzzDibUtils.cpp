// Mutation fuzzing of the bitmap reader, built with the address and undefined-behaviour
// sanitizers. The corpus is one small valid file of every supported kind; each round takes one,
// damages it in a few random ways (bits, header fields set to edge values, cuts, inserted RLE
// codes) and loads the result. The generator is seeded with a constant, so every run tries the
// same files and a failure can be replayed by its round number.
//
// Besides the sanitizers' own checks, each round checks that a refused file gives one of the
// reader's messages and that a loaded picture is consistent: its buffers are exactly as large as
// its size says, and it can be drawn.
//
// Usage: fuzz_dibutils [rounds] [first-round]

#include "BmpFixtures.h"
#include "reports/BigBitmap.h"
#include "reports/DIBUtils.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

namespace {

using reports::DibLimits;
using reports::TBigBitmap;
using reports::TDib;

// Sizes the mutations like to write into header fields.
const std::uint32_t kEdgeValues[] = {0,          1,          2,          3,          4,          8,
                                     12,         14,         15,         16,         24,         32,
                                     40,         54,         0x7F,       0x80,       0xFF,       0x100,
                                     0x7FFF,     0x8000,     0xFF00,     0xFFFF,     0x10000,    0x7FFFFFFF,
                                     0x80000000, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF, 21758,      21759};
// Offsets of the header fields: file size, data offset, header size, width, height, bit count,
// compression, colour count, masks.
const int kFieldOffsets[] = {2, 10, 14, 18, 20, 22, 24, 28, 30, 34, 46, 54, 58, 62};

const char* const kMessages[] = {
    "LoadDIBFromStream: File type is invalid",
    "LoadDIBFromStream: Invalid Bitmap Header Size",
    "LoadDIBFromStream: Invalid File Size",
    "TBigBitmap.LoadFromStream: Invalid BitCount",
    "LoadDIBFromStream: Invalid BitCout",
    "LoadDIBFromStream: Invalid Width",
    "LoadDIBFromStream: Invalid Height",
    "LoadDIBFromStream: Invalid Compression",
    "Convert8BitRLETo8BitRGB: Invalid Bitcount & Compression Combination",
    "Convert4BitRLETo4BitRGB: Invalid Bitcount & Compression Combination",
    "TBigBitmap.LoadFromStream: Invalid Masks",
    "LoadDIBFromStream: Invalid Color Count",
    "LoadDIBFromStream: Invalid Data Offset",
    "LoadDIBFromStream: Image Too Large",
    "LoadDIBFromStream: Bitmap Data Too Short",
    "Convert8BitRLETo8BitRGB: Bad RLE Data 1",
    "Convert8BitRLETo8BitRGB: Bad RLE Data 2",
    "Convert8BitRLETo8BitRGB: Bad RLE Data 3",
    "Convert8BitRLETo8BitRGB: Bad RLE Data 4",
    "Convert4BitRLETo4BitRGB: Bad RLE Data 5",
    "Convert4BitRLETo4BitRGB: Bad RLE Data 6",
    "Convert4BitRLETo4BitRGB: Bad RLE Data 7",
    "Convert4BitRLETo4BitRGB: Bad RLE Data 8",
    "TBigBitmap.LoadFromStream: Too Big Width or Too Many Pixel Bits",
};

[[noreturn]] void die(long round, const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "round %ld: %s %s\n", round, what, detail.c_str());
    std::abort();
}

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : rng_(seed) {}

    std::uint32_t below(std::uint32_t n) { return n ? std::uint32_t(rng_() % n) : 0; }

    void mutate(QByteArray& b)
    {
        const int steps = 1 + int(below(6));
        for (int i = 0; i < steps; ++i) {
            switch (below(8)) {
            case 0:   // flip one bit
                if (!b.isEmpty()) {
                    const int at = int(below(std::uint32_t(b.size())));
                    b[at] = char(b[at] ^ (1 << below(8)));
                }
                break;
            case 1:   // one random byte
                if (!b.isEmpty())
                    b[int(below(std::uint32_t(b.size())))] = char(below(256));
                break;
            case 2:
            case 3: {   // a header field set to an edge value, 16 or 32 bits wide
                const int at = kFieldOffsets[below(std::size(kFieldOffsets))];
                std::uint32_t v = kEdgeValues[below(std::size(kEdgeValues))];
                if (below(4) == 0)
                    v = std::uint32_t(b.size()) + below(5) - 2;   // near the real length
                const int width = below(2) ? 4 : 2;
                if (at + width <= b.size())
                    for (int k = 0; k < width; ++k)
                        b[at + k] = char((v >> (8 * k)) & 0xFF);
                break;
            }
            case 4:   // cut the file short
                if (!b.isEmpty())
                    b.truncate(int(below(std::uint32_t(b.size()))));
                break;
            case 5: {   // RLE codes somewhere behind the headers: escapes, runs, absolute runs
                static const char* const codes[] = {"0000", "0001", "0002", "00FF", "FF00", "0102", "00020505"};
                QByteArray code;
                switch (below(3)) {
                case 0:
                    code = QByteArray::fromHex(codes[below(std::size(codes))]);
                    break;
                case 1:   // a run of random length
                    code.append(char(below(256))).append(char(below(256)));
                    break;
                default: {   // an absolute run with its pixels
                    const int n = 3 + int(below(253));
                    code.append('\0').append(char(n));
                    for (int k = 0; k < n; ++k)
                        code.append(char(below(256)));
                    break;
                }
                }
                const int from = qMin<int>(54, int(b.size()));
                b.insert(from + int(below(std::uint32_t(b.size() - from + 1))), code);
                break;
            }
            case 6: {   // random bytes appended
                const int n = int(below(64));
                for (int k = 0; k < n; ++k)
                    b.append(char(below(256)));
                break;
            }
            default: {   // a chunk of the file repeated
                if (b.size() > 2) {
                    const int from = int(below(std::uint32_t(b.size())));
                    const int len = int(below(std::uint32_t(b.size() - from)));
                    b.insert(int(below(std::uint32_t(b.size()))), b.mid(from, len));
                }
                break;
            }
            }
        }
    }

private:
    std::mt19937 rng_;
};

bool knownMessage(const QString& error)
{
    for (const char* m : kMessages)
        if (error == QLatin1String(m))
            return true;
    return false;
}

void checkDib(long round, const TDib& dib)
{
    if (dib.width <= 0 || dib.height <= 0)
        die(round, "loaded picture without size");
    if (dib.bitCount != 1 && dib.bitCount != 4 && dib.bitCount != 8 && dib.bitCount != 24)
        die(round, "loaded picture with an unexpected bit count");
    if (qint64(dib.bits.size()) != dib.rowSize() * dib.height)
        die(round, "pixel buffer size differs from width x height");
    const std::size_t colors = dib.bitCount <= 8 ? (std::size_t(1) << dib.bitCount) : 0;
    if (dib.palette.size() != colors)
        die(round, "palette size differs from the bit count");
}

void checkBitmap(long round, const TBigBitmap& bmp)
{
    qint64 rows = 0;
    for (const auto& s : bmp.Strips()) {
        if (s.firstRow != rows || s.rows <= 0)
            die(round, "strips are not contiguous");
        if (qint64(s.bits.size()) != s.rows * bmp.RowSize())
            die(round, "strip buffer size differs from its rows");
        rows += s.rows;
    }
    if (rows != bmp.Height())
        die(round, "strips do not cover the picture");
    // Drawing reads every strip through an image of the strip's size.
    QImage target(24, 24, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    bmp.StretchDraw(painter, 0, 0, 24, 24);
}

} // namespace

int main(int argc, char** argv)
{
    const long rounds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    const long first = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 0;

    std::vector<QByteArray> corpus;
    for (const auto& f : bmpfix::validFixtures())
        corpus.push_back(f.bytes);

    // Pictures larger than this are refused, which keeps every round small and fast.
    DibLimits limits;
    limits.maxPixelBytes = 4 << 20;

    std::map<QString, long> outcomes;
    for (long round = first; round < first + rounds; ++round) {
        // Each round has its own generator, so a round can be replayed alone.
        Mutator m(std::uint32_t(0x5EED0000u + std::uint32_t(round)));
        QByteArray bytes = corpus[m.below(std::uint32_t(corpus.size()))];
        if (round >= first + std::ssize(corpus))   // the untouched corpus first
            m.mutate(bytes);

        TDib dib;
        QString error;
        const bool ok = reports::LoadDIBFromBytes(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(),
                                                  dib, error, limits);
        if (ok)
            checkDib(round, dib);
        else if (!knownMessage(error))
            die(round, "unknown message", error.toStdString());

        TBigBitmap bmp;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QString bmpError;
        const bool loaded = bmp.LoadFromStream(buffer, bmpError, limits);
        if (loaded != ok && !(ok && bmpError.startsWith(QLatin1String("TBigBitmap.LoadFromStream: Too Big"))))
            die(round, "the bitmap and the reader disagree", bmpError.toStdString());
        if (loaded)
            checkBitmap(round, bmp);
        else if (!knownMessage(bmpError))
            die(round, "unknown message", bmpError.toStdString());
        ++outcomes[loaded ? QStringLiteral("loaded") : bmpError];
    }

    std::printf("%ld rounds from %ld\n", rounds, first);
    for (const auto& [what, count] : outcomes)
        std::printf("%8ld  %s\n", count, what.toUtf8().constData());
    if (outcomes[QStringLiteral("loaded")] == 0 || outcomes.size() < 10) {
        std::fprintf(stderr, "the mutations no longer reach the reader's checks\n");
        return 1;
    }
    return 0;
}
