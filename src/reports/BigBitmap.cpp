#include "reports/BigBitmap.h"

#include <QFile>
#include <QPainter>
#include <new>

namespace reports {

bool TBigBitmap::LoadFromStream(QIODevice& stream, QString& error, const DibLimits& limits)
{
    TDib dib;
    if (!LoadDIBFromStream(stream, dib, error, limits))
        return false;
    const qint64 rowSize = dib.rowSize();
    if (rowSize >= kMaxRowSize) {
        error = QStringLiteral("TBigBitmap.LoadFromStream: Too Big Width or Too Many Pixel Bits");
        return false;
    }

    const qint64 stripHeight = qMin<qint64>(kStripBytes / rowSize, dib.height);
    std::vector<Strip> strips;
    try {
        strips.reserve(std::size_t((dib.height + stripHeight - 1) / stripHeight));
        for (qint64 first = 0; first < dib.height; first += stripHeight) {
            Strip s;
            s.firstRow = static_cast<int>(first);
            s.rows = static_cast<int>(qMin(stripHeight, dib.height - first));
            s.bits.resize(std::size_t(s.rows * rowSize));
            for (qint64 r = 0; r < s.rows; ++r) {
                const qint64 top = first + r;   // picture row counted from the top
                const qint64 source = dib.topDown ? top : dib.height - 1 - top;
                const auto from = dib.bits.begin() + source * rowSize;
                std::copy(from, from + rowSize, s.bits.begin() + r * rowSize);
            }
            strips.push_back(std::move(s));
        }
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("TBigBitmap.LoadFromStream: Out of Memory");
        return false;   // the strips made so far go with the local list
    }

    width_ = dib.width;
    height_ = dib.height;
    bitCount_ = dib.bitCount;
    palette_ = std::move(dib.palette);
    strips_ = std::move(strips);
    error.clear();
    return true;
}

bool TBigBitmap::LoadFromFile(const QString& path, QString& error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = f.errorString() + QStringLiteral(": ") + path;
        return false;
    }
    return LoadFromStream(f, error);
}

QImage TBigBitmap::stripImage(std::size_t index) const
{
    const Strip& s = strips_.at(index);
    const qsizetype rowSize = RowSize();
    const QList<QRgb> colors(palette_.begin(), palette_.end());
    QImage img;
    switch (bitCount_) {
    case 1:
        img = QImage(s.bits.data(), width_, s.rows, rowSize, QImage::Format_Mono);
        img.setColorTable(colors);
        break;
    case 4: {
        img = QImage(width_, s.rows, QImage::Format_Indexed8);
        img.setColorTable(colors);
        for (int y = 0; y < s.rows; ++y) {
            const uchar* src = s.bits.data() + y * rowSize;
            uchar* dst = img.scanLine(y);
            for (int x = 0; x < width_; ++x)
                dst[x] = (x % 2 == 0) ? uchar(src[x / 2] >> 4) : uchar(src[x / 2] & 0x0F);
        }
        break;
    }
    case 8:
        img = QImage(s.bits.data(), width_, s.rows, rowSize, QImage::Format_Indexed8);
        img.setColorTable(colors);
        break;
    default:   // 24 bits, stored blue, green, red
        img = QImage(s.bits.data(), width_, s.rows, rowSize, QImage::Format_BGR888);
        break;
    }
    return img;
}

void TBigBitmap::StretchDraw(QPainter& painter, int left, int top, int right, int bottom) const
{
    const qint64 w = qint64(right) - left;
    const qint64 h = qint64(bottom) - top;
    if (w == 0 || h == 0 || strips_.empty())
        return;
    for (std::size_t i = 0; i < strips_.size(); ++i) {
        const Strip& s = strips_[i];
        const qint64 bandTop = top + qint64(s.firstRow) * h / height_;
        const qint64 bandBottom = top + (qint64(s.firstRow) + s.rows) * h / height_;
        painter.drawImage(QRectF(left, bandTop, w, bandBottom - bandTop), stripImage(i));
    }
}

} // namespace reports
