#include "data/SamplePhoto.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace data::sample {

QImage samplePortrait(quint32 seed, bool female)
{
    // Muted backdrops, a figure a few shades darker and a neutral face; backdrop, clothing, hair and
    // face tone vary with the seed.
    static const QRgb backdrops[] = {0xFFDCE6F0, 0xFFE4EDDF, 0xFFF0E6DA, 0xFFE9E2EF, 0xFFDDEBEC};
    static const QRgb figures[] = {0xFF9DAEC2, 0xFFA5B59C, 0xFFB7A593, 0xFFA99DB8, 0xFF94B1B5};
    static const QRgb hairs[] = {0xFF6F6A68, 0xFF7B6F63, 0xFF5F6670, 0xFF857A70};
    static const QRgb faces[] = {0xFFDCCBBB, 0xFFD4C3B2, 0xFFE0D2C4};
    const QColor backdrop = QColor::fromRgb(backdrops[seed % 5]);
    const QColor figure = QColor::fromRgb(figures[(seed / 5) % 5]);
    const QColor hair = QColor::fromRgb(hairs[(seed / 25) % 4]);
    const QColor face = QColor::fromRgb(faces[(seed / 100) % 3]);

    QImage img(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    // The resolution goes into the JPEG header; left alone it would follow the screen, if any.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, kPhotoHeight);
    bg.setColorAt(0, backdrop.lighter(106));
    bg.setColorAt(1, backdrop.darker(104));
    p.fillRect(img.rect(), bg);
    p.setPen(Qt::NoPen);

    if (female) {   // hair falling to the shoulders, behind the head
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(30, 30, 60, 80), 28, 28);
    }
    QPainterPath shoulders;
    shoulders.moveTo(6, kPhotoHeight);
    shoulders.cubicTo(8, 122, 34, 110, 60, 110);
    shoulders.cubicTo(86, 110, 112, 122, 114, kPhotoHeight);
    shoulders.closeSubpath();
    p.setBrush(figure);
    p.drawPath(shoulders);
    p.setBrush(face.darker(108));
    p.drawRoundedRect(QRectF(51, 86, 18, 28), 6, 6);   // neck
    p.setBrush(face);
    p.drawEllipse(QRectF(35, 34, 50, 62));              // head
    p.setBrush(hair);
    QPainterPath top;   // hair line over the forehead
    top.moveTo(35, 62);
    top.cubicTo(33, 36, 52, 28, 60, 29);
    top.cubicTo(70, 28, 88, 36, 85, 62);
    top.cubicTo(78, 48, 66, 44, 60, 44);
    top.cubicTo(52, 44, 41, 49, 35, 62);
    p.drawPath(top);
    p.end();
    return img;
}

} // namespace data::sample
