// Lane markings of junctions and busy roads: waiting areas, tidal and variable lanes, diversion
// areas, give-way lines, bus lanes, distance-check lines and the dashed-solid line. Top views
// unless the marking needs depth.
#include "canvas.h"
#include "drawers.h"
#include "roads_ahead.h"
#include "sign_shapes.h"
#include "signal_heads.h"
#include "topview.h"

#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace top;

const QRectF kCanvas(0, 0, 480, 210);

// A white arrow painted on a lane heading right: straight, or turning left (up the picture).
void paintedArrow(QPainter &p, QPointF tail, bool left) {
    QPainterPath arrow(tail);
    if (left) {
        arrow.lineTo(tail + QPointF(26, 0));
        arrow.quadTo(tail + QPointF(44, 0), tail + QPointF(44, -14));
    } else {
        arrow.lineTo(tail + QPointF(50, 0));
    }
    sign::strokeArrow(p, arrow, 5, kLineWhite);
}

// Text painted on the road in one colour, upright in the picture.
void roadText(QPainter &p, const QRectF &box, const QString &text, qreal size,
              const QColor &colour) {
    drawCentredText(p, box, text, cjkFont(size, true), colour);
}

// A dashed line along any path: dash and gap measured along it.
void dashedPath(QPainter &p, const QPainterPath &path, qreal width, const QColor &colour,
                qreal dash = 10, qreal gap = 8) {
    QPen pen(colour, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({dash / width, gap / width});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
}

void leftTurnWaiting(QPainter &p) {
    horizontalRoad(p, kCanvas, 30, 180);
    verticalRoad(p, kCanvas, 300, 420);
    p.fillRect(QRectF(300, 30, 120, 150), kAsphalt);
    solidLine(p, 102.5, 0, 290, 3, kLineYellow);
    solidLine(p, 107.5, 0, 290, 3, kLineYellow);
    solidLine(p, 102.5, 430, 480, 3, kLineYellow);
    solidLine(p, 107.5, 430, 480, 3, kLineYellow);
    dashedLine(p, 143, 0, 200, 30, 30, 3, kLineWhite);
    solidLine(p, 143, 200, 290, 3, kLineWhite);
    dashedLine(p, 68, 430, 480, 30, 30, 3, kLineWhite);
    p.fillRect(QRectF(285, 105, 6, 75), kLineWhite);
    p.fillRect(QRectF(429, 30, 6, 75), kLineWhite);
    p.fillRect(QRectF(351, 0, 3, 24), kLineYellow);
    p.fillRect(QRectF(351, 186, 3, 24), kLineYellow);
    // The waiting area leads from the stop line into the junction along the left turn.
    QPainterPath outer, inner, front;
    outer.moveTo(292, 108);
    outer.cubicTo(320, 108, 345, 104, 368, 92);
    inner.moveTo(292, 141);
    inner.cubicTo(322, 141, 352, 136, 380, 122);
    front.moveTo(368, 92);
    front.lineTo(380, 122);
    for (const auto *line : {&outer, &inner, &front})
        dashedPath(p, *line, 3, kLineWhite);
    p.save();
    p.translate(332, 122);
    p.rotate(-9);
    roadText(p, QRectF(-40, -10, 80, 20), u"左弯待转区"_s, 13, kLineWhite);
    p.restore();
    paintedArrow(p, QPointF(200, 124), true);
    paintedArrow(p, QPointF(200, 162), false);
    car(p, QPointF(255, 124), 0, QColor(0x2e, 0x6d, 0xb4), Lights{Beam::Off, false, true});
    car(p, QPointF(255, 162), 0, QColor(0xee, 0xee, 0xee));
    car(p, QPointF(388, 150), -90, QColor(0x7f, 0x8c, 0x8d));
    car(p, QPointF(150, 124), 0, QColor(0xc0, 0x39, 0x2b));
    treeTop(p, QPointF(60, 14), 13);
    treeTop(p, QPointF(200, 196), 13);
    treeTop(p, QPointF(460, 196), 13);
}

void tidalLane(QPainter &p) {
    // Five lanes; the middle one changes direction, framed by double yellow dashed lines.
    const side::Perspective view{QPointF(240, 104), 210, -330, 560};
    side::townStreet(p, view, 0, 1);
    const QColor white(0xf0, 0xf0, 0xea), yellow(0xf2, 0xc2, 0x1b);
    for (qreal u : {0.2, 0.8})
        side::laneLine(p, view, u, 0.004, true, white);
    for (qreal u : {0.4, 0.6})
        for (qreal offset : {-0.007, 0.007})
            side::laneLine(p, view, u + offset, 0.003, true, yellow);
    side::carFront(p, view.at(0.5, 0.3), 34, QColor(0xee, 0xee, 0xee),
                   side::Lamps{side::Beam::Low});
    side::carFront(p, view.at(0.1, 0.45), 46, QColor(0xc0, 0x39, 0x2b),
                   side::Lamps{side::Beam::Low});
    side::carRear(p, view.at(0.7, 0.42), 44, QColor(0x2e, 0x6d, 0xb4));
    signal::laneGantry(p, view, 0.68, 126,
                       {{0.5, {signal::kRed, signal::Face::Cross, true}},
                        {0.7, {signal::kGreen, signal::Face::DownArrow, true}},
                        {0.9, {signal::kGreen, signal::Face::DownArrow, true}}});
}

// A lane edge of zigzag teeth along y from x0 to x1.
void zigzag(QPainter &p, qreal y, qreal x0, qreal x1) {
    QPolygonF teeth;
    for (qreal x = x0; x <= x1; x += 12)
        teeth << QPointF(x, y + ((int((x - x0) / 12) % 2) ? -5 : 5));
    p.setPen(QPen(kLineWhite, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(teeth);
    p.setPen(Qt::NoPen);
}

void variableLane(QPainter &p) {
    horizontalRoad(p, kCanvas, 26, 170);
    verticalRoad(p, kCanvas, 352, 452);
    p.fillRect(QRectF(352, 26, 100, 144), kAsphalt);
    solidLine(p, 78, 0, 342, 4, kLineYellow);
    dashedLine(p, 52, 0, 342, 30, 30, 3, kLineWhite);
    dashedLine(p, 108, 0, 150, 30, 30, 3, kLineWhite);
    dashedLine(p, 140, 0, 150, 30, 30, 3, kLineWhite);
    solidLine(p, 108, 150, 190, 3, kLineWhite);
    solidLine(p, 140, 150, 190, 3, kLineWhite);
    // The middle lane's edges turn to zigzags: its direction follows the sign.
    zigzag(p, 108, 190, 340);
    zigzag(p, 140, 190, 340);
    p.fillRect(QRectF(338, 80, 6, 90), kLineWhite);
    paintedArrow(p, QPointF(240, 93), true);
    paintedArrow(p, QPointF(240, 155), false);
    car(p, QPointF(290, 124), 0, QColor(0x2e, 0x6d, 0xb4), Lights{Beam::Off, false, true});
    car(p, QPointF(120, 93), 0, QColor(0xc0, 0x39, 0x2b));
    car(p, QPointF(400, 40), 90, QColor(0xee, 0xee, 0xee));
    // The lane sign beside the stop line: the middle lane now turns left.
    const QRectF board(170, 176, 150, 32);
    p.setBrush(QColor(0x14, 0x18, 0x1c));
    p.setPen(QPen(QColor(0x70, 0x74, 0x78), 2));
    p.drawRoundedRect(board, 3, 3);
    p.setPen(Qt::NoPen);
    const QColor lit(0xff, 0xd2, 0x3c);
    for (int lane = 0; lane < 3; ++lane) {
        const QPointF c(board.left() + 25 + lane * 50, board.bottom() - 5);
        QPainterPath arrow(c);
        if (lane < 2) {
            arrow.lineTo(c + QPointF(0, -12));
            arrow.quadTo(c + QPointF(0, -20), c + QPointF(-12, -20));
        } else {
            arrow.lineTo(c + QPointF(0, -22));
        }
        sign::strokeArrow(p, arrow, 3.5, lane == 1 ? lit : Qt::white);
    }
}

void diversion(QPainter &p) {
    horizontalRoad(p, kCanvas, 20, 120);
    p.fillRect(QRectF(0, 0, 480, 20), QColor(0x8a, 0x9a, 0x6a));
    // The exit lane leaves downwards to the right; the gore between is hatched.
    QPainterPath exitLane;
    exitLane.moveTo(150, 138);
    exitLane.cubicTo(260, 138, 360, 160, 500, 212);
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xaa), 44, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(exitLane);
    p.setPen(QPen(kAsphalt, 36, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(exitLane);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 116, 220, 40), kAsphalt);
    solidLine(p, 23, 0, 480, 3, kLineYellow);
    dashedLine(p, 70, 0, 480, 40, 50, 3, kLineWhite);
    dashedLine(p, 118, 0, 190, 12, 12, 4, kLineWhite);
    solidLine(p, 154, 0, 190, 3, kLineWhite);
    QPolygonF gore{{QPointF(190, 119), QPointF(480, 119), QPointF(480, 178)}};
    QPainterPath goreLine;
    goreLine.moveTo(480, 181);
    goreLine.cubicTo(380, 142, 280, 121, 190, 119);
    QPainterPath goreArea = goreLine;
    goreArea.lineTo(480, 119);
    goreArea.closeSubpath();
    p.save();
    p.setClipPath(goreArea);
    p.setPen(QPen(kLineWhite, 3));
    for (qreal x = 210; x < 520; x += 22)
        p.drawPolyline(QPolygonF{{QPointF(x + 26, 110), QPointF(x, 131), QPointF(x + 26, 152)}});
    p.restore();
    p.setPen(QPen(kLineWhite, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(goreLine);
    p.drawLine(QPointF(190, 119), QPointF(480, 119));
    p.setPen(Qt::NoPen);
    car(p, QPointF(300, 162), 18, QColor(0x2e, 0x6d, 0xb4));
    car(p, QPointF(110, 95), 0, QColor(0xc0, 0x39, 0x2b));
    lorry(p, QPointF(330, 45), 0, QColor(0x27, 0xae, 0x60), 96);
    for (qreal x : {60.0, 160.0})
        treeTop(p, QPointF(x, 190), 14);
}

// A minor road from below meets the main road; the approach lane ends in its give-way marking.
void minorRoadJunction(QPainter &p) {
    horizontalRoad(p, kCanvas, 16, 96);
    verticalRoad(p, kCanvas, 180, 300);
    p.fillRect(QRectF(0, 96, 480, 4), QColor(0xb8, 0xb4, 0xaa));
    p.fillRect(QRectF(180, 96, 120, 114), kAsphalt);
    dashedLine(p, 56, 0, 480, 30, 30, 3, kLineYellow);
    p.fillRect(QRectF(238.5, 128, 3, 82), kLineYellow);
    car(p, QPointF(270, 186), -90, QColor(0x2e, 0x6d, 0xb4), Lights{Beam::Off, false, true});
    car(p, QPointF(120, 76), 0, QColor(0xc0, 0x39, 0x2b));
    car(p, QPointF(380, 36), 180, QColor(0xee, 0xee, 0xee));
    for (qreal x : {60.0, 120.0, 380.0, 440.0})
        treeTop(p, QPointF(x, 150 + (int(x) % 3) * 14), 16);
}

void stopYieldLine(QPainter &p) {
    minorRoadJunction(p);
    for (qreal y : {104.0, 113.0})
        p.fillRect(QRectF(241, y, 57, 5), kLineWhite);
    roadText(p, QRectF(242, 124, 56, 36), u"停"_s, 32, kLineWhite);
}

void slowYieldLine(QPainter &p) {
    minorRoadJunction(p);
    for (qreal y : {104.0, 113.0})
        for (qreal x = 242; x < 296; x += 14)
            p.fillRect(QRectF(x, y, 9, 4), kLineWhite);
    // The give-way triangle points at the driver, drawn long along the lane.
    p.setPen(QPen(kLineWhite, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{{QPointF(254, 126), QPointF(286, 126), QPointF(270, 160)}});
    p.setPen(Qt::NoPen);
}

void busLane(QPainter &p) {
    horizontalRoad(p, kCanvas, 24, 186);
    solidLine(p, 80, 0, 480, 4, kLineYellow);
    dashedLine(p, 52, 0, 480, 30, 30, 3, kLineWhite);
    dashedLine(p, 116, 0, 480, 30, 30, 3, kLineWhite);
    // The kerb lane belongs to buses: yellow lane line and its name painted on it.
    dashedLine(p, 151, 0, 480, 40, 20, 5, kLineYellow);
    p.fillRect(QRectF(0, 181, 480, 4), kLineYellow);
    for (qreal x : {60.0, 330.0})
        roadText(p, QRectF(x, 155, 96, 26), u"公交专用"_s, 20, kLineYellow);
    bus(p, QPointF(240, 168), 0, QColor(0x1e, 0x8c, 0x5a), Lights{}, 104);
    car(p, QPointF(150, 134), 0, QColor(0x2e, 0x6d, 0xb4));
    car(p, QPointF(320, 98), 0, QColor(0xee, 0xee, 0xee));
    car(p, QPointF(400, 38), 180, QColor(0xc0, 0x39, 0x2b));
    for (qreal x : {40.0, 170.0, 300.0, 430.0})
        treeTop(p, QPointF(x, 10), 12);
}

void distanceCheck(QPainter &p) {
    const side::Perspective view{QPointF(250, 64), 210, -70, 510};
    side::sky(p, QRectF(0, 0, 480, 65), QColor(0x6f, 0xae, 0xe6), QColor(0xcf, 0xe7, 0xf7));
    side::hills(p, 480, 65, 18, QColor(0x7f, 0xa8, 0x6e), 4);
    side::expressway(p, view, QColor(0x5d, 0x62, 0x66), QColor(0x6f, 0x9a, 0x55));
    side::outerGuardrail(p, view);
    // Bars across both lanes every 50 m (four dash periods of 15 m, minus one 10 m gap).
    const QColor white(0xf4, 0xf4, 0xf0);
    const QString labels[] = {u"0m"_s, u"50m"_s, u"100m"_s};
    for (int i = 0; i < 3; ++i) {
        const qreal d = 1.15 + i * 4.0, s0 = 1 / d, s1 = 1 / (d + 0.09);
        p.setBrush(white);
        p.drawPolygon(QPolygonF{
            {view.at(0.03, s0), view.at(0.68, s0), view.at(0.68, s1), view.at(0.03, s1)}});
        const QPointF foot = view.at(1.08, s0);
        const qreal k = qMax<qreal>(s0, 0.3);
        p.fillRect(QRectF(foot.x() - 1.5 * k, foot.y() - 60 * k, 3 * k, 60 * k),
                   QColor(0x8a, 0x8e, 0x92));
        const QRectF plate(foot.x() - 30 * k, foot.y() - 80 * k, 60 * k, 24 * k);
        p.setBrush(QColor(0x1c, 0x7c, 0x44));
        p.drawRect(plate);
        drawCentredText(p, plate, labels[i], signFont(17 * k), Qt::white);
    }
    const QRectF title(392, 22, 82, 26);
    p.setBrush(QColor(0x1c, 0x7c, 0x44));
    p.drawRect(title);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(title.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(Qt::NoPen);
    drawCentredText(p, title, u"车距确认"_s, cjkFont(15, true), Qt::white);
    p.fillRect(QRectF(430, 48, 4, 40), QColor(0x8a, 0x8e, 0x92));
    side::carRear(p, view.at(side::kSlowLane, 0.34), 40, QColor(0xc0, 0x39, 0x2b));
    side::distanceMark(p, view, 0.72, 1 / 1.2, 1 / 5.15, u"50米"_s);
}

void dashedSolid(QPainter &p) {
    horizontalRoad(p, kCanvas, 45, 165);
    // Our side has the dashes, the oncoming side the solid line.
    solidLine(p, 101.5, 0, 480, 3, kLineYellow);
    dashedLine(p, 108.5, 0, 480, 30, 24, 3, kLineYellow);
    solidLine(p, 49, 0, 480, 3, kLineWhite);
    solidLine(p, 161, 0, 480, 3, kLineWhite);
    car(p, QPointF(150, 135), 0, QColor(0x2e, 0x6d, 0xb4));
    car(p, QPointF(250, 135), 0, QColor(0x7f, 0x8c, 0x8d));
    car(p, QPointF(380, 75), 180, QColor(0xc0, 0x39, 0x2b));
    for (qreal x : {40.0, 170.0, 300.0, 430.0}) {
        treeTop(p, QPointF(x, 18), 14);
        treeTop(p, QPointF(x + 60, 192), 13);
    }
}

} // namespace

std::vector<PictureDrawer> laneMarkings() {
    return {
        {"mark_left_turn_waiting.png", kSceneSize, leftTurnWaiting},
        {"mark_tidal_lane.png", kSceneSize, tidalLane},
        {"mark_variable_lane.png", kSceneSize, variableLane},
        {"mark_diversion.png", kSceneSize, diversion},
        {"mark_stop_yield_line.png", kSceneSize, stopYieldLine},
        {"mark_slow_yield_line.png", kSceneSize, slowYieldLine},
        {"mark_bus_lane.png", kSceneSize, busLane},
        {"mark_distance_check.png", kSceneSize, distanceCheck},
        {"mark_dashed_solid.png", kSceneSize, dashedSolid},
    };
}

} // namespace mediagen
