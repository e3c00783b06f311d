#include "app/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace app {

namespace {

const QColor ink(0x2c, 0x3e, 0x50);
const QColor paper(0xfb, 0xfb, 0xf8);
const QColor projectBlue(0x2e, 0x6d, 0xa4);
const QColor settingGreen(0x3a, 0x8f, 0x5c);
const QColor plotOrange(0xd9, 0x82, 0x2b);
const QColor raisePurple(0x7b, 0x5a, 0xa6);
const QColor helpTeal(0x2a, 0x8c, 0x8c);
const QColor exitRed(0xc0, 0x39, 0x2b);
const QColor reportIndigo(0x4a, 0x5f, 0xa8);
const QColor adminSlate(0x5d, 0x6d, 0x7e);

QPen outline(qreal w = 1.6) { return QPen(ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A sheet of paper with a folded corner, in the 32-unit square.
void sheet(QPainter& p, const QRectF& r)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(outline());
    p.setBrush(paper);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(Qt::NoBrush);
    p.drawPath(corner);
}

void textLines(QPainter& p, const QRectF& r, int lines)
{
    p.setPen(QPen(ink.lighter(170), 1.4, Qt::SolidLine, Qt::RoundCap));
    const qreal step = r.height() / (lines + 1);
    for (int i = 1; i <= lines; ++i)
        p.drawLine(QPointF(r.left(), r.top() + step * i), QPointF(r.right(), r.top() + step * i));
}

// A round badge with a sign in it, bottom right.
void badge(QPainter& p, const QColor& c, QPointF centre, qreal radius)
{
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(c);
    p.drawEllipse(centre, radius, radius);
}

void plus(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
}

void cross(QPainter& p, QPointF c, qreal r, const QColor& colour = Qt::white)
{
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
}

void arrowUp(QPainter& p, QPointF base, qreal length, const QColor& colour)
{
    p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tip(base.x(), base.y() - length);
    p.drawLine(base, tip);
    p.drawLine(tip, QPointF(tip.x() - 4, tip.y() + 4));
    p.drawLine(tip, QPointF(tip.x() + 4, tip.y() + 4));
}

void folder(QPainter& p, const QColor& c)
{
    QPainterPath back;
    back.moveTo(3, 9);
    back.lineTo(12, 9);
    back.lineTo(14, 12);
    back.lineTo(28, 12);
    back.lineTo(28, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setPen(outline());
    p.setBrush(c.lighter(150));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(7, 15);
    front.lineTo(30, 15);
    front.lineTo(27, 26);
    front.closeSubpath();
    p.setBrush(c);
    p.drawPath(front);
}

void person(QPainter& p, QPointF headCentre, qreal scale, const QColor& c)
{
    p.setPen(outline(1.4));
    p.setBrush(c);
    p.drawEllipse(headCentre, 4.2 * scale, 4.2 * scale);
    QPainterPath body;
    const qreal top = headCentre.y() + 5.5 * scale;
    body.moveTo(headCentre.x() - 8 * scale, top + 9 * scale);
    body.cubicTo(headCentre.x() - 8 * scale, top, headCentre.x() + 8 * scale, top, headCentre.x() + 8 * scale,
                 top + 9 * scale);
    body.closeSubpath();
    p.drawPath(body);
}

void axes(QPainter& p)
{
    p.setPen(outline(1.6));
    p.drawLine(QPointF(5, 4), QPointF(5, 27));
    p.drawLine(QPointF(5, 27), QPointF(29, 27));
}

void dots(QPainter& p, const QColor& c, std::initializer_list<QPointF> points)
{
    p.setPen(QPen(ink, 0.8));
    p.setBrush(c);
    for (const QPointF& pt : points)
        p.drawEllipse(pt, 2.0, 2.0);
}

void curve(QPainter& p, const QColor& c, QPointF a, QPointF c1, QPointF c2, QPointF b, qreal width = 2.2,
           Qt::PenStyle style = Qt::SolidLine)
{
    QPainterPath path;
    path.moveTo(a);
    path.cubicTo(c1, c2, b);
    p.setPen(QPen(c, width, style, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void pencil(QPainter& p, QPointF tip, const QColor& c)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(outline(1.2));
    p.setBrush(c);
    p.drawRect(QRectF(3, -2.5, 13, 5));
    QPainterPath point;
    point.moveTo(0, 0);
    point.lineTo(3, -2.5);
    point.lineTo(3, 2.5);
    point.closeSubpath();
    p.setBrush(paper);
    p.drawPath(point);
    p.restore();
}

void yen(QPainter& p, const QRectF& r, const QColor& c)
{
    QFont f = p.font();
    f.setPixelSize(int(r.height()));
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("¥"));
}

void draw(QPainter& p, Glyph g)
{
    switch (g) {
    case Glyph::New:
        sheet(p, QRectF(6, 3, 18, 24));
        textLines(p, QRectF(9, 10, 10, 12), 3);
        badge(p, projectBlue, QPointF(23, 23), 6.5);
        plus(p, QPointF(23, 23), 3.2);
        break;
    case Glyph::Open:
        folder(p, projectBlue);
        break;
    case Glyph::Close:
        folder(p, projectBlue.lighter(120));
        badge(p, adminSlate, QPointF(24, 23), 6.5);
        cross(p, QPointF(24, 23), 2.6);
        break;
    case Glyph::Change:
        sheet(p, QRectF(5, 3, 18, 24));
        textLines(p, QRectF(8, 10, 10, 12), 3);
        pencil(p, QPointF(14, 27), projectBlue);
        break;
    case Glyph::Delete: {
        p.setPen(outline());
        p.setBrush(paper);
        p.drawRect(QRectF(9, 10, 14, 18));
        p.drawLine(QPointF(6, 9), QPointF(26, 9));
        p.drawRect(QRectF(13, 5, 6, 4));
        p.setPen(QPen(exitRed, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {13.0, 16.0, 19.0})
            p.drawLine(QPointF(x, 13), QPointF(x, 25));
        break;
    }
    case Glyph::Basic: {
        // A gear.
        p.setPen(outline(1.4));
        p.setBrush(settingGreen);
        QPainterPath gear;
        const QPointF c(16, 16);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45);
            p.drawRect(QRectF(-2.5, -13, 5, 6));
            p.restore();
        }
        p.drawEllipse(c, 9.5, 9.5);
        p.setBrush(paper);
        p.drawEllipse(c, 3.8, 3.8);
        break;
    }
    case Glyph::WorkForm: {
        // A briefcase.
        p.setPen(outline());
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(11, 5, 10, 6), 2, 2);
        p.setBrush(settingGreen);
        p.drawRoundedRect(QRectF(4, 9, 24, 17), 2.5, 2.5);
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.setBrush(paper);
        p.drawRect(QRectF(14, 14, 4, 4));
        break;
    }
    case Glyph::Evaluation: {
        // A star.
        QPainterPath star;
        const QPointF c(16, 16.5);
        for (int i = 0; i < 10; ++i) {
            const qreal r = (i % 2 == 0) ? 12.5 : 5.2;
            const qreal a = (-90 + i * 36) * M_PI / 180.0;
            const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(outline(1.4));
        p.setBrush(settingGreen.lighter(115));
        p.drawPath(star);
        break;
    }
    case Glyph::Employee:
        person(p, QPointF(11, 9), 0.85, settingGreen.lighter(140));
        person(p, QPointF(19, 10), 1.0, settingGreen);
        break;
    case Glyph::Plot:
        axes(p);
        dots(p, plotOrange, {{9, 22}, {12, 19}, {14, 21}, {17, 15}, {19, 17}, {22, 11}, {25, 12}, {26, 7}});
        break;
    case Glyph::Regression:
        axes(p);
        dots(p, plotOrange.lighter(130), {{9, 21}, {12, 22}, {15, 16}, {18, 17}, {21, 11}, {25, 10}});
        curve(p, plotOrange.darker(130), QPointF(7, 24), QPointF(14, 20), QPointF(20, 12), QPointF(28, 6));
        break;
    case Glyph::LivingCost: {
        axes(p);
        // A small house beside the curve.
        p.setPen(outline(1.2));
        p.setBrush(plotOrange.lighter(150));
        QPainterPath house;
        house.moveTo(9, 13);
        house.lineTo(14, 8);
        house.lineTo(19, 13);
        house.lineTo(19, 20);
        house.lineTo(9, 20);
        house.closeSubpath();
        p.drawPath(house);
        curve(p, plotOrange.darker(120), QPointF(8, 25), QPointF(16, 24), QPointF(22, 16), QPointF(29, 6));
        break;
    }
    case Glyph::ModelWage:
        axes(p);
        curve(p, plotOrange.darker(120), QPointF(7, 24), QPointF(14, 22), QPointF(20, 12), QPointF(28, 5));
        curve(p, reportIndigo, QPointF(7, 25), QPointF(15, 25), QPointF(21, 18), QPointF(28, 12), 2.0, Qt::DashLine);
        break;
    case Glyph::CurveDesign:
        axes(p);
        curve(p, plotOrange, QPointF(7, 24), QPointF(12, 23), QPointF(16, 16), QPointF(22, 10));
        pencil(p, QPointF(22, 10), plotOrange.darker(120));
        break;
    case Glyph::Optimal: {
        // A target.
        const QPointF c(16, 16);
        p.setPen(outline(1.4));
        p.setBrush(paper);
        p.drawEllipse(c, 12.5, 12.5);
        p.setBrush(plotOrange);
        p.drawEllipse(c, 8.5, 8.5);
        p.setBrush(paper);
        p.drawEllipse(c, 4.5, 4.5);
        p.setBrush(plotOrange.darker(130));
        p.drawEllipse(c, 1.8, 1.8);
        break;
    }
    case Glyph::Raise:
        yen(p, QRectF(3, 6, 18, 22), raisePurple);
        arrowUp(p, QPointF(25, 27), 20, raisePurple.darker(120));
        break;
    case Glyph::YearUpdate: {
        // A calendar page with an arrow to the next year.
        p.setPen(outline());
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(4, 6, 20, 20), 2, 2);
        p.setBrush(raisePurple);
        p.drawRect(QRectF(4, 6, 20, 5));
        p.setPen(QPen(ink.lighter(170), 1.2));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawPoint(QPointF(8 + c * 4, 15 + r * 4));
        p.setPen(QPen(raisePurple.darker(120), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 22), QPointF(29, 22));
        p.drawLine(QPointF(29, 22), QPointF(25, 18));
        p.drawLine(QPointF(29, 22), QPointF(25, 26));
        break;
    }
    case Glyph::Help: {
        const QPointF c(16, 16);
        p.setPen(outline(1.4));
        p.setBrush(helpTeal);
        p.drawEllipse(c, 12.5, 12.5);
        QFont f = p.font();
        f.setPixelSize(19);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 4, 24, 25), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Exit: {
        // A power sign.
        p.setPen(QPen(exitRed, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 6, 22, 22), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 3.5), QPointF(16, 15));
        break;
    }
    case Glyph::ListBefore:
    case Glyph::ListAfter: {
        sheet(p, QRectF(5, 3, 20, 26));
        p.setPen(QPen(reportIndigo, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 10 + i * 4.5;
            p.drawLine(QPointF(8, y), QPointF(10, y));
            p.drawLine(QPointF(12, y), QPointF(g == Glyph::ListAfter ? 17 : 21, y));
        }
        if (g == Glyph::ListAfter) {
            badge(p, raisePurple, QPointF(24, 23), 6.5);
            arrowUp(p, QPointF(24, 27), 8, Qt::white);
        }
        break;
    }
    case Glyph::PersonalReport:
        sheet(p, QRectF(5, 3, 22, 26));
        person(p, QPointF(12, 11), 0.65, reportIndigo);
        textLines(p, QRectF(8, 19, 15, 8), 2);
        p.setPen(QPen(ink.lighter(170), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 10), QPointF(23, 10));
        p.drawLine(QPointF(18, 14), QPointF(23, 14));
        break;
    case Glyph::WageReport:
        sheet(p, QRectF(5, 3, 22, 26));
        yen(p, QRectF(8, 8, 16, 18), reportIndigo);
        break;
    case Glyph::Compact: {
        // A database drum pressed between two arrows.
        p.setPen(outline(1.4));
        p.setBrush(adminSlate.lighter(160));
        p.drawRect(QRectF(7, 9, 18, 14));
        p.drawEllipse(QRectF(7, 19, 18, 6));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(7.7, 12, 16.6, 10));
        p.setPen(outline(1.4));
        p.drawLine(QPointF(7, 12), QPointF(7, 22));
        p.drawLine(QPointF(25, 12), QPointF(25, 22));
        p.setBrush(adminSlate.lighter(130));
        p.drawEllipse(QRectF(7, 9, 18, 6));
        p.setPen(QPen(adminSlate.darker(140), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(16, 1.5), QPointF(16, 7));
        p.drawLine(QPointF(13, 4.5), QPointF(16, 7));
        p.drawLine(QPointF(19, 4.5), QPointF(16, 7));
        p.drawLine(QPointF(16, 30.5), QPointF(16, 26.5));
        p.drawLine(QPointF(13, 29), QPointF(16, 26.5));
        p.drawLine(QPointF(19, 29), QPointF(16, 26.5));
        break;
    }
    }
}

QPixmap render(Glyph g, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p, g);
    return pm;
}

} // namespace

QIcon glyphIcon(Glyph g)
{
    QIcon icon;
    for (int size : {32, 64})
        icon.addPixmap(render(g, size));
    return icon;
}

} // namespace app
