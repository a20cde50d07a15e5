// Everyday traffic scenes: stops, crossings, breakdowns and joining an expressway.
#include "canvas.h"
#include "drawers.h"
#include "rearviews.h"
#include "roads_ahead.h"
#include "sideview.h"
#include "topview.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

const side::Perspective kExpresswayView{QPointF(250, 92), 210, -70, 510};
const QColor kDaySkyTop(0x6f, 0xae, 0xe6);
const QColor kDaySkyLow(0xcf, 0xe7, 0xf7);

// A side-view street: far pavement, two lanes and the near pavement.
void sideStreet(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 112), kDaySkyTop, kDaySkyLow);
    side::cloud(p, QPointF(90, 26), 18, QColor(255, 255, 255, 220));
    side::cloud(p, QPointF(390, 20), 14, QColor(255, 255, 255, 200));
    p.fillRect(QRectF(0, 100, 480, 14), QColor(0xc9, 0xc3, 0xb6));
    p.fillRect(QRectF(0, 112, 480, 62), QColor(0x5d, 0x62, 0x66));
    top::dashedLine(p, 142, 0, 480, 30, 24, 2.5, top::kLineWhite);
    p.fillRect(QRectF(0, 172, 480, 5), QColor(0xe6, 0xe2, 0xd8));
    p.fillRect(QRectF(0, 176, 480, 34), QColor(0xd4, 0xce, 0xc0));
    p.setPen(QPen(QColor(0xbd, 0xb6, 0xa6), 1));
    for (qreal x = 0; x < 480; x += 30)
        p.drawLine(QPointF(x, 177), QPointF(x - 12, 210));
    p.setPen(Qt::NoPen);
}

void schoolBuilding(QPainter &p, qreal x) {
    p.fillRect(QRectF(x, 44, 170, 58), QColor(0xe9, 0xd8, 0xbc));
    p.fillRect(QRectF(x - 6, 38, 182, 8), QColor(0xb0, 0x4a, 0x3a));
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 2; ++j)
            p.fillRect(QRectF(x + 10 + i * 27, 54 + j * 22, 17, 13), QColor(0x8c, 0xb6, 0xd8));
    p.fillRect(QRectF(x + 190, 20, 2, 82), QColor(0x88, 0x88, 0x88));
    p.fillRect(QRectF(x + 192, 20, 22, 14), QColor(0xde, 0x29, 0x10));
}

void schoolBusStop(QPainter &p) {
    sideStreet(p);
    schoolBuilding(p, 40);
    side::tree(p, QPointF(300, 104), 70);
    side::tree(p, QPointF(455, 104), 60);
    side::busSide(p, QPointF(300, 171), 230, QColor(0xf6, 0xc0, 0x1a), true,
                  side::Lamps{side::Beam::Off, false, false, true, false});
    side::carSide(p, QPointF(86, 171), 106, QColor(0x2e, 0x6d, 0xb4), true,
                  side::Lamps{side::Beam::Off, false, true, false, false});
    const QColor shirts[] = {QColor(0xe7, 0x4c, 0x3c), QColor(0x34, 0x98, 0xdb),
                             QColor(0x27, 0xae, 0x60)};
    for (int i = 0; i < 3; ++i)
        side::pupil(p, QPointF(372 + i * 28, 202 - i * 4), 46 + (i % 2) * 4, shirts[i],
                    0.2 + i * 0.3, false);
    side::person(p, QPointF(460, 204), 62, QColor(0xf3, 0x9c, 0x12), 0, false);
}

void warningTriangleOnRoad(QPainter &p, QPointF base, qreal size) {
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.drawLine(base + QPointF(-size * 0.4, 0), base + QPointF(size * 0.4, 0));
    p.setPen(
        QPen(QColor(0xe0, 0x1e, 0x1e), size * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{{base + QPointF(0, -size), base + QPointF(size * 0.55, -size * 0.08),
                             base + QPointF(-size * 0.55, -size * 0.08)}});
    p.setPen(Qt::NoPen);
}

// Broken down on the emergency lane of an expressway: hazard lamps on, the people behind the
// guardrail and the triangle 150 m back.
void warningTriangleScene(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 93), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 93, 26, QColor(0x7f, 0xa8, 0x6e), 3);
    side::expressway(p, kExpresswayView, QColor(0x5d, 0x62, 0x66), QColor(0x6f, 0x9a, 0x55));
    side::person(p, kExpresswayView.at(1.12, 0.2), 22, QColor(0xff, 0x8c, 0x00), 0.1, false);
    side::person(p, kExpresswayView.at(1.2, 0.21), 20, QColor(0x34, 0x98, 0xdb), 0, false);
    side::outerGuardrail(p, kExpresswayView);
    side::carRear(p, kExpresswayView.at(side::kFastLane, 0.3), 44, QColor(0x34, 0x34, 0x34));
    side::carRear(p, kExpresswayView.at(side::kEmergencyLane, 0.2), 30, QColor(0xee, 0xee, 0xee),
                  side::Lamps{side::Beam::Off, false, false, true, false});
    warningTriangleOnRoad(p, kExpresswayView.at(side::kEmergencyLane - 0.02, 0.66), 28);
    side::distanceMark(p, kExpresswayView, 0.93, 0.62, 0.22, u"150米"_s);
}

void crosswalkPedestrian(QPainter &p) {
    using namespace top;
    horizontalRoad(p, QRectF(0, 0, 480, 210), 30, 180);
    solidLine(p, 102.5, 0, 205, 3, kLineYellow);
    solidLine(p, 107.5, 0, 205, 3, kLineYellow);
    solidLine(p, 102.5, 285, 480, 3, kLineYellow);
    solidLine(p, 107.5, 285, 480, 3, kLineYellow);
    dashedLine(p, 142, 0, 200, 30, 40, 3, kLineWhite);
    dashedLine(p, 68, 290, 480, 30, 40, 3, kLineWhite);
    zebra(p, 215, 60, 30, 180);
    p.fillRect(QRectF(203, 105, 5, 75), kLineWhite);
    p.fillRect(QRectF(282, 30, 5, 75), kLineWhite);
    pedestrian(p, QPointF(235, 130), -90, QColor(0xe6, 0x7e, 0x22), 0.2);
    pedestrian(p, QPointF(252, 95), -90, QColor(0x8e, 0x44, 0xad), 0.6);
    pedestrian(p, QPointF(240, 62), 90, QColor(0x16, 0xa0, 0x85), 0.4);
    const Lights braking{Beam::Off, false, true, false};
    car(p, QPointF(176, 162), 0, QColor(0x2e, 0x6d, 0xb4), braking);
    car(p, QPointF(176, 124), 0, QColor(0xee, 0xee, 0xee), braking);
    car(p, QPointF(116, 124), 0, QColor(0x7f, 0x8c, 0x8d), braking);
    car(p, QPointF(316, 50), 180, QColor(0xc0, 0x39, 0x2b), braking);
    for (qreal x : {60.0, 180.0, 330.0, 440.0}) {
        treeTop(p, QPointF(x, 12), 13);
        treeTop(p, QPointF(x + 40, 198), 12);
    }
}

// A crossing barrier lowered across a lane: striped arm from the post at pivot to the end.
void loweredBarrier(QPainter &p, QPointF pivot, QPointF end) {
    const QLineF arm(pivot, end);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(i % 2 ? QColor(0xf6, 0xf6, 0xf6) : QColor(0xe0, 0x1e, 0x1e), 6, Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(arm.pointAt(i / 6.0), arm.pointAt((i + 1) / 6.0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x44, 0x44, 0x48));
    p.drawEllipse(pivot, 7, 7);
    glow(p, pivot + QPointF(0, pivot.y() > 105 ? 14 : -14), 16, QColor(255, 40, 30, 230));
}

// Seen from above: the barriers are down, a train passes and the subject waits before the
// stop line.
void railwayCrossing(QPainter &p, side::Subject subject) {
    using namespace top;
    const QRectF canvas(0, 0, 480, 210);
    horizontalRoad(p, canvas, 45, 165);
    // Ballast bed and crossing panels, then rails and sleepers beside the road.
    p.fillRect(QRectF(300, 0, 76, 210), QColor(0x9a, 0x90, 0x82));
    p.fillRect(QRectF(300, 45, 76, 120), QColor(0x8c, 0x8c, 0x88));
    for (qreal y = 2; y < 210; y += 11)
        if (y < 40 || y > 168)
            p.fillRect(QRectF(306, y, 64, 5), QColor(0x6b, 0x50, 0x38));
    for (qreal x : {322.0, 352.0})
        p.fillRect(QRectF(x, 0, 3, 210), QColor(0x50, 0x50, 0x54));
    solidLine(p, 105, 0, 290, 4, kLineYellow);
    solidLine(p, 105, 386, 480, 4, kLineYellow);
    solidLine(p, 48, 0, 480, 3, kLineWhite);
    solidLine(p, 162, 0, 480, 3, kLineWhite);
    p.fillRect(QRectF(262, 107, 6, 54), kLineWhite);
    p.fillRect(QRectF(408, 49, 6, 54), kLineWhite);
    // A green passenger train crosses the road.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(324, -10, 34, 230));
    for (int i = 0; i < 3; ++i) {
        const QRectF coach(320, -40 + i * 100, 34, 96);
        p.setBrush(QColor(0x2c, 0x7a, 0x4c));
        p.drawRoundedRect(coach, 4, 4);
        p.setBrush(QColor(0x9c, 0xa4, 0xa8));
        p.drawRect(coach.adjusted(7, 6, -7, -6));
        p.setBrush(QColor(0xf0, 0xd0, 0x40));
        p.drawRect(QRectF(coach.left(), coach.top() + 4, 3, coach.height() - 8));
        p.drawRect(QRectF(coach.right() - 3, coach.top() + 4, 3, coach.height() - 8));
        // Air-conditioning units along the roof.
        p.setBrush(QColor(0x5a, 0x60, 0x66));
        for (qreal y : {16.0, 70.0})
            p.drawRoundedRect(QRectF(coach.left() + 9, coach.top() + y, 16, 12), 2, 2);
    }
    loweredBarrier(p, QPointF(288, 172), QPointF(288, 108));
    loweredBarrier(p, QPointF(388, 38), QPointF(388, 102));
    const Lights braking{Beam::Off, false, true, false};
    if (subject == side::Subject::Lorry) {
        lorry(p, QPointF(200, 134), 0, QColor(0xd3, 0x54, 0x00), 104);
    } else {
        car(p, QPointF(232, 134), 0, QColor(0xc0, 0x39, 0x2b), braking);
        car(p, QPointF(164, 134), 0, QColor(0x7f, 0x8c, 0x8d), braking);
    }
    car(p, QPointF(450, 76), 180, QColor(0x2e, 0x6d, 0xb4), braking);
    for (qreal x : {40.0, 150.0, 240.0, 440.0})
        treeTop(p, QPointF(x, 18), 14);
    for (qreal x : {90.0, 200.0, 430.0})
        treeTop(p, QPointF(x, 192), 13);
}

void expresswayRamp(QPainter &p) {
    using namespace top;
    const QRectF canvas(0, 0, 480, 210);
    horizontalRoad(p, canvas, 14, 128);
    p.fillRect(QRectF(0, 0, 480, 14), QColor(0x8a, 0x9a, 0x6a));
    solidLine(p, 17, 0, 480, 3, kLineYellow);
    dashedLine(p, 55, 0, 480, 40, 50, 3, kLineWhite);
    dashedLine(p, 92, 0, 480, 40, 50, 3, kLineWhite);
    // The ramp climbs in from the lower left and runs on as the acceleration lane.
    QPainterPath ramp;
    ramp.moveTo(-10, 210);
    ramp.cubicTo(90, 200, 140, 150, 230, 146);
    ramp.lineTo(500, 146);
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xaa), 46, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ramp);
    p.setPen(QPen(kAsphalt, 38, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(ramp);
    // The acceleration lane tapers into the carriageway.
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.drawPolygon(QPolygonF{{QPointF(400, 170), QPointF(480, 170), QPointF(480, 131)}});
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xaa), 4));
    p.drawLine(QPointF(400, 167), QPointF(480, 129));
    p.setPen(Qt::NoPen);
    solidLine(p, 126, 0, 200, 3, kLineWhite);
    dashedLine(p, 127, 230, 400, 12, 12, 5, kLineWhite);
    solidLine(p, 163, 230, 400, 3, kLineWhite);
    treeTop(p, QPointF(60, 150), 14);
    treeTop(p, QPointF(150, 196), 14);
    treeTop(p, QPointF(420, 190), 14);
    car(p, QPointF(300, 146), 0, QColor(0x2e, 0x6d, 0xb4), Lights{Beam::Off, false, false, false});
    QRadialGradient indicator(QPointF(321, 139), 7);
    indicator.setColorAt(0, QColor(255, 170, 0, 240));
    indicator.setColorAt(1, QColor(255, 170, 0, 0));
    p.setBrush(indicator);
    p.drawEllipse(QPointF(321, 139), 7, 7);
    car(p, ramp.pointAtPercent(0.22), -ramp.angleAtPercent(0.22), QColor(0xee, 0xee, 0xee));
    car(p, QPointF(190, 110), 0, QColor(0xc0, 0x39, 0x2b));
    lorry(p, QPointF(380, 74), 0, QColor(0x27, 0xae, 0x60), 96);
    car(p, QPointF(90, 36), 0, QColor(0x34, 0x34, 0x34));
}

// A first-aider kneeling and pressing on a wound with both hands.
void kneeler(QPainter &p, QPointF knee, qreal h, const QColor &shirt) {
    const QColor trousers(0x34, 0x3d, 0x52);
    p.setPen(QPen(trousers, h * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(
        QPolygonF{{knee + QPointF(-h * 0.3, 0), knee, knee + QPointF(-h * 0.06, -h * 0.3)}});
    const QPointF hip = knee + QPointF(-h * 0.06, -h * 0.3);
    const QPointF shoulder = hip + QPointF(h * 0.2, -h * 0.3);
    p.setPen(QPen(shirt, h * 0.17, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hip, shoulder);
    p.setPen(QPen(shirt.darker(115), h * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{
        {shoulder, shoulder + QPointF(h * 0.16, h * 0.2), shoulder + QPointF(h * 0.3, h * 0.44)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf1, 0xc2, 0x9b));
    p.drawEllipse(shoulder + QPointF(h * 0.09, -h * 0.1), h * 0.075, h * 0.085);
    p.setBrush(QColor(0x2b, 0x21, 0x1b));
    p.drawChord(QRectF(shoulder.x() + h * 0.02, shoulder.y() - h * 0.2, h * 0.16, h * 0.12), 0,
                180 * 16);
}

void firstAid(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 120), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 120, 30, QColor(0x86, 0xa9, 0x78), 8);
    p.fillRect(QRectF(0, 118, 480, 30), QColor(0x5d, 0x62, 0x66));
    top::dashedLine(p, 133, 0, 480, 30, 24, 2.5, top::kLineWhite);
    p.fillRect(QRectF(0, 146, 480, 64), QColor(0x9c, 0xb8, 0x74));
    side::carSide(p, QPointF(410, 140), 120, QColor(0xee, 0xee, 0xee), false,
                  side::Lamps{side::Beam::Off, false, false, true, false});
    warningTriangleOnRoad(p, QPointF(50, 142), 16);
    // The casualty lies on a blanket, feet to the right; the first-aider kneels behind and
    // presses a pad on the wound of the shin.
    p.fillRect(QRectF(160, 188, 190, 8), QColor(0x3a, 0x6e, 0xa8));
    kneeler(p, QPointF(254, 196), 110, QColor(0x34, 0x98, 0xdb));
    p.save();
    p.translate(336, 186);
    p.rotate(-90);
    side::person(p, QPointF(0, 0), 150, QColor(0x2e, 0x8b, 0x57), 0.0, true);
    p.restore();
    p.setBrush(QColor(0xc0, 0x1e, 0x1e));
    p.drawEllipse(QPointF(302, 186), 8, 3.5);
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.drawRoundedRect(QRectF(292, 176, 20, 9), 3, 3);
    p.setPen(QPen(QColor(0x34, 0x98, 0xdb).darker(115), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(290, 170), QPointF(300, 178));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf1, 0xc2, 0x9b));
    p.drawEllipse(QPointF(301, 178), 4.5, 3.5);
    side::person(p, QPointF(110, 200), 86, QColor(0xe6, 0x7e, 0x22), 0, true);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(118, 122, 6, 11), 1.5, 1.5);
    p.setPen(QPen(QColor(0xe6, 0x7e, 0x22).darker(120), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(110, 136), QPointF(120, 131));
    p.setPen(Qt::NoPen);
}

} // namespace

std::vector<PictureDrawer> trafficScenes() {
    return {
        {"scene_school_bus_stop.png", kSceneSize, schoolBusStop},
        {"scene_warning_triangle.png", kSceneSize, warningTriangleScene},
        {"scene_crosswalk_pedestrian.png", kSceneSize, crosswalkPedestrian},
        {"scene_railway_crossing.png", kSceneSize,
         [](QPainter &p) { railwayCrossing(p, side::Subject::Car); }},
        {"scene_railway_crossing_truck.png", kSceneSize,
         [](QPainter &p) { railwayCrossing(p, side::Subject::Lorry); }},
        {"scene_expressway_ramp.png", kSceneSize, expresswayRamp},
        {"scene_first_aid.png", kSceneSize, firstAid},
    };
}

} // namespace mediagen
