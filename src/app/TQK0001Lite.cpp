#include "app/TQK0001Lite.h"

#include "platform/Dialogs.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

namespace app {

TQK0001Lite::TQK0001Lite(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , picture_(picture())
{
    setObjectName(QStringLiteral("TQK0001Lite"));
    setFixedSize(364, 364);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TQK0001Lite::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_);
}

QPixmap TQK0001Lite::picture()
{
    const int size = 364;
    QPixmap pm(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A quiet sky: pale blue-green, lighter towards the top left.
    QLinearGradient sky(0, 0, size, size);
    sky.setColorAt(0.0, QColor(0xf4, 0xf8, 0xf7));
    sky.setColorAt(0.55, QColor(0xd7, 0xe9, 0xe6));
    sky.setColorAt(1.0, QColor(0xa9, 0xcc, 0xcb));
    p.fillRect(pm.rect(), sky);
    QRadialGradient glow(QPointF(90, 80), 200);
    glow.setColorAt(0.0, QColor(255, 255, 255, 150));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(pm.rect(), glow);

    // A faint grid and a rising curve with a few points: what the program draws.
    p.setPen(QPen(QColor(0x5a, 0x8c, 0x8a, 50), 1));
    for (int x = 40; x < size; x += 36)
        p.drawLine(x, 200, x, 330);
    for (int y = 200; y <= 330; y += 26)
        p.drawLine(30, y, size - 30, y);
    QPainterPath curve;
    curve.moveTo(36, 318);
    curve.cubicTo(120, 310, 200, 262, 330, 206);
    p.setPen(QPen(QColor(0x2f, 0x6f, 0x73), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(0xe0, 0x8a, 0x3c));
    for (const QPointF& pt : {QPointF(70, 322), QPointF(104, 300), QPointF(138, 306), QPointF(172, 284),
                              QPointF(206, 268), QPointF(238, 262), QPointF(270, 238), QPointF(302, 230)})
        p.drawEllipse(pt, 5.5, 5.5);

    // The name.
    QFont title = p.font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x1f, 0x3f, 0x4a));
    p.drawText(QRect(0, 70, size, 60), Qt::AlignCenter, platform::appTitle());
    QFont sub = p.font();
    sub.setPixelSize(15);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0x3c, 0x62, 0x6a));
    p.drawText(QRect(0, 128, size, 30), Qt::AlignCenter, QStringLiteral("賃金分析・賃金設計"));

    // A thin frame, since the window has no border of its own.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5a, 0x8c, 0x8a), 2));
    p.drawRect(QRectF(1, 1, size - 2, size - 2));
    return pm;
}

} // namespace app
