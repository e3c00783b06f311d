#pragma once
// A picture of any size kept as horizontal strips, for printing a chart bitmap stretched onto a
// page: no single image ever holds more than 8 MiB of pixel data, so a printer-sized picture can
// be drawn band by band.
//
// The strips share the picture's width, pixel format (1, 4, 8 or 24 bits per pixel) and palette;
// they run top-down, and so do the rows inside each strip, whatever the file's row order.

#include "reports/DIBUtils.h"

#include <QImage>
#include <QString>
#include <vector>

class QIODevice;
class QPainter;

namespace reports {

class TBigBitmap {
public:
    struct Strip {
        int firstRow = 0;          // picture row of the strip's top row
        int rows = 0;
        std::vector<uchar> bits;   // rows x RowSize() bytes, top row first
    };

    // Reads a BMP file (DIBUtils) and splits it into strips. On failure the previous picture stays
    // and error holds the message.
    bool LoadFromStream(QIODevice& stream, QString& error, const DibLimits& limits = {});
    bool LoadFromFile(const QString& path, QString& error);

    // Draws the picture stretched into the rectangle left..right x top..bottom; nothing when its
    // width or height is zero. Strip i (first row r, h rows) goes into the band from
    // top + r * height / Height() to top + (r + h) * height / Height().
    void StretchDraw(QPainter& painter, int left, int top, int right, int bottom) const;

    bool isEmpty() const { return strips_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitCount() const { return bitCount_; }
    qint64 RowSize() const { return dibRowSize(bitCount_, width_); }
    const std::vector<QRgb>& Palette() const { return palette_; }
    const std::vector<Strip>& Strips() const { return strips_; }
    // One strip as an image (4-bit strips are widened to 8 bits); it may share the strip's memory,
    // so it must not outlive the picture.
    QImage stripImage(std::size_t index) const;

    int DrawMode = 0;   // only mode 0 (stretch band by band) exists

    // Row size from which a picture is refused (0xFF00 bytes) and pixel bytes per strip (8 MiB).
    static constexpr qint64 kMaxRowSize = 0xFF00;
    static constexpr qint64 kStripBytes = 8388608;

private:
    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 0;
    std::vector<QRgb> palette_;
    std::vector<Strip> strips_;
};

} // namespace reports
