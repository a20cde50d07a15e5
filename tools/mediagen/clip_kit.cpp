#include "clip_kit.h"

#include "canvas.h"

#include <QtMath>

namespace mediagen::clipkit {

using namespace top;

namespace {

void scrollingTrees(QPainter &p, qreal scroll, qreal topY, qreal bottomY) {
    const qreal shift = std::fmod(scroll, 180.0);
    for (int k = -1; k < 5; ++k) {
        treeTop(p, QPointF(k * 180 + 60 - shift, topY), 14);
        treeTop(p, QPointF(k * 180 + 150 - shift, bottomY), 13);
    }
}

} // namespace

void twoWayRoad(QPainter &p, qreal scroll, bool dashedCentre) {
    horizontalRoad(p, kFrame, 30, 190);
    solidLine(p, 34, 0, 496, 3, kLineWhite);
    solidLine(p, 186, 0, 496, 3, kLineWhite);
    if (dashedCentre)
        dashedLine(p, 110, 0, 496, 40, 50, 4, kLineYellow, -scroll);
    else
        solidLine(p, 110, 0, 496, 4, kLineYellow);
    scrollingTrees(p, scroll, 12, 206);
}

void sameWayRoad(QPainter &p, qreal y0, qreal y1, int lanes, qreal scroll) {
    horizontalRoad(p, kFrame, y0, y1);
    solidLine(p, y0 + 4, 0, 496, 3, kLineWhite);
    solidLine(p, y1 - 4, 0, 496, 3, kLineWhite);
    const qreal lane = (y1 - y0) / lanes;
    for (int i = 1; i < lanes; ++i)
        dashedLine(p, y0 + i * lane, 0, 496, 40, 50, 3, kLineWhite, -scroll);
    scrollingTrees(p, scroll, y0 / 2, (y1 + 218) / 2);
}

qreal headingOf(qreal dx, qreal dy) {
    return qRadiansToDegrees(std::atan2(dy, dx));
}

void cone(QPainter &p, QPointF centre) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(centre + QPointF(2, 2), 6, 6);
    p.setBrush(QColor(0xf3, 0x6c, 0x12));
    p.drawEllipse(centre, 6, 6);
    p.setBrush(QColor(0xf4, 0xf4, 0xf0));
    p.drawEllipse(centre, 3.6, 3.6);
    p.setBrush(QColor(0xf3, 0x6c, 0x12));
    p.drawEllipse(centre, 2, 2);
}

void signalHead(QPainter &p, QPointF topLeft, std::initializer_list<SignalLamp> lamps) {
    const qreal cell = 30;
    fillVerticalGradient(p, QRectF(topLeft, QSizeF(cell * lamps.size() + 8, cell + 8)),
                         QColor(0x2a, 0x2e, 0x34), QColor(0x12, 0x14, 0x18), 6);
    qreal x = topLeft.x() + 4 + cell / 2;
    const qreal y = topLeft.y() + 4 + cell / 2;
    for (const SignalLamp &lamp : lamps) {
        const QPointF c(x, y);
        const QColor off = lamp.colour.darker(420);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x08, 0x08, 0x0a));
        p.drawEllipse(c, 12, 12);
        if (lamp.arrow == Arrow::None) {
            p.setBrush(lamp.lit ? lamp.colour : off);
            p.drawEllipse(c, 10, 10);
        } else {
            // An arrow of light on a dark lens; it points where the lane may go.
            QPainterPath arrow;
            arrow.moveTo(0, -9);
            arrow.lineTo(7, -1);
            arrow.lineTo(2.5, -1);
            arrow.lineTo(2.5, 9);
            arrow.lineTo(-2.5, 9);
            arrow.lineTo(-2.5, -1);
            arrow.lineTo(-7, -1);
            arrow.closeSubpath();
            p.save();
            p.translate(c);
            if (lamp.arrow == Arrow::Left)
                p.rotate(-90);
            p.setBrush(lamp.lit ? lamp.colour : off);
            p.drawPath(arrow);
            p.restore();
        }
        if (lamp.lit)
            glow(p, c, 17, QColor(lamp.colour.red(), lamp.colour.green(), lamp.colour.blue(), 110));
        x += cell;
    }
}

void board(QPainter &p, const QRectF &box, const QString &text, const QColor &ground,
           const QColor &ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(box.translated(2, 3), 3, 3);
    p.setBrush(ground);
    p.setPen(QPen(ink, 1.5));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(Qt::NoPen);
    drawCentredText(p, box, text, cjkFont(box.height() * 0.5, true), ink);
}

Pose poseAlong(const QPainterPath &route, qreal along) {
    const qreal f = route.percentAtLength(std::clamp<qreal>(along, 0, route.length()));
    return {route.pointAtPercent(f), -route.angleAtPercent(f)};
}

} // namespace mediagen::clipkit
