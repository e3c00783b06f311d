#pragma once
// The bitmap file reader: reads a Windows BMP file into an uncompressed device-independent bitmap
// of 1, 4, 8 or 24 bits per pixel. 16- and 32-bit pictures (plain or with bit-field masks) are
// converted to 24 bits, RLE8 and RLE4 pictures are expanded.
//
// Every file is treated as hostile: each header field is checked against the real length of the
// data before anything is read through it, every size is computed without overflow, and the
// decoders never write outside their buffer. A refused file gives a false result and a message
// naming the step ("LoadDIBFromStream: Invalid Width").

#include <QRgb>
#include <QString>
#include <QtGlobal>
#include <vector>

class QIODevice;

namespace reports {

struct TDib {
    int width = 0;                 // pixels, > 0
    int height = 0;                // rows, > 0
    bool topDown = false;          // true: the first row of bits is the top row (negative height in the file)
    int bitCount = 0;              // 1, 4, 8 or 24
    std::vector<QRgb> palette;     // 2^bitCount entries for 1, 4 and 8 bits (missing ones black); empty for 24
    std::vector<uchar> bits;       // height rows of rowSize() bytes each, in the file's row order

    qint64 rowSize() const;
};

// Bytes of one row: ((bits per pixel x width + 31) div 32) x 4.
qint64 dibRowSize(qint64 bitCount, qint64 width);

struct DibLimits {
    // The largest pixel data the reader will produce. A small RLE file can describe a huge picture;
    // anything above this is refused with "LoadDIBFromStream: Image Too Large".
    qint64 maxPixelBytes = qint64(256) << 20;
};

// Reads the rest of the stream as a BMP file. On failure dib is left as it was and error holds the
// message.
bool LoadDIBFromStream(QIODevice& stream, TDib& dib, QString& error, const DibLimits& limits = {});
// The same for a file already in memory.
bool LoadDIBFromBytes(const uchar* data, qsizetype size, TDib& dib, QString& error, const DibLimits& limits = {});

} // namespace reports
