// Everyday traffic scenes: stops, crossings, breakdowns and joining an expressway.
#include "canvas.h"
#include "drawers.h"
#include "sideview.h"
#include "topview.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

const side::Perspective kRoad{QPointF(250, 92), 210, -60, 520};
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

void guardRail(QPainter &p, qreal u) {
    for (int i = 1; i <= 12; ++i) {
        const qreal s = 1.1 / i;
        const QPointF foot = kRoad.at(u, s);
        p.fillRect(QRectF(foot.x() - 1.5 * s * 2, foot.y() - 18 * s, 3 * s * 2, 18 * s),
                   QColor(0x70, 0x74, 0x78));
    }
    p.setBrush(QColor(0xcf, 0xd4, 0xd8));
    p.drawPolygon(
        QPolygonF{{kRoad.at(u, 1.1) + QPointF(0, -17), kRoad.at(u, 0.05) + QPointF(0, -0.8),
                   kRoad.at(u, 0.05), kRoad.at(u, 1.1) + QPointF(0, -9)}});
}

void warningTriangleScene(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 93), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 93, 26, QColor(0x7f, 0xa8, 0x6e), 3);
    side::road(p, kRoad, QColor(0x5d, 0x62, 0x66), QColor(0x6f, 0x9a, 0x55));
    const QPointF broken = kRoad.at(0.84, 0.38);
    side::carRear(p, broken, 50, QColor(0xee, 0xee, 0xee),
                  side::Lamps{side::Beam::Off, false, false, true, false});
    warningTriangleOnRoad(p, kRoad.at(0.82, 0.72), 26);
    guardRail(p, 1.08);
    side::person(p, kRoad.at(1.2, 0.55) + QPointF(0, -6), 52, QColor(0xff, 0x8c, 0x00), 0.1, false);
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

void crossingBarrier(QPainter &p, QPointF pivot, qreal length) {
    p.fillRect(QRectF(pivot.x() - 4, pivot.y() - 4, 8, 40), QColor(0x44, 0x44, 0x48));
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(pivot.x() - length + i * length / 8, pivot.y() - 3, length / 8, 6),
                   i % 2 ? QColor(0xe0, 0x1e, 0x1e) : QColor(0xf6, 0xf6, 0xf6));
}

void railwayCrossing(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 93), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 93, 24, QColor(0x86, 0xa9, 0x78), 6);
    side::road(p, kRoad, QColor(0x5d, 0x62, 0x66), QColor(0x79, 0x9e, 0x5c));
    // The line crosses the road on a ballast bed; a train is passing.
    const qreal trackY = kRoad.at(0, 0.3).y();
    p.fillRect(QRectF(0, trackY - 4, 480, 10), QColor(0x8e, 0x86, 0x7a));
    p.fillRect(QRectF(0, trackY - 3, 480, 2), QColor(0x55, 0x55, 0x55));
    p.fillRect(QRectF(0, trackY + 2, 480, 2), QColor(0x55, 0x55, 0x55));
    for (qreal x = 0; x < 480; x += 120) {
        p.fillRect(QRectF(x + 2, trackY - 36, 114, 32), QColor(0x2c, 0x7a, 0x4c));
        p.fillRect(QRectF(x + 2, trackY - 22, 114, 3), QColor(0xf0, 0xd0, 0x40));
        for (int w = 0; w < 6; ++w)
            p.fillRect(QRectF(x + 10 + w * 18, trackY - 32, 12, 8), QColor(0x2c, 0x3e, 0x50));
        p.setBrush(QColor(0x22, 0x22, 0x22));
        for (qreal wx : {x + 20, x + 34, x + 84, x + 98})
            p.drawEllipse(QPointF(wx, trackY - 3), 3.5, 3.5);
    }
    p.fillRect(QRectF(0, trackY - 38, 480, 3), QColor(0x55, 0x5a, 0x60));
    const QPointF stopAt = kRoad.at(0.5, 0.5);
    crossingBarrier(p, QPointF(kRoad.at(0.98, 0.42).x(), kRoad.at(0.5, 0.42).y() - 16), 150);
    // Signal post with the crossbuck and two flashing red lamps.
    const QPointF post(kRoad.at(1.12, 0.55).x(), stopAt.y() + 8);
    p.fillRect(QRectF(post.x() - 3, post.y() - 92, 6, 92), QColor(0x40, 0x40, 0x44));
    p.save();
    p.translate(post + QPointF(0, -80));
    for (qreal a : {35.0, -35.0}) {
        p.save();
        p.rotate(a);
        p.fillRect(QRectF(-30, -5, 60, 10), QColor(0xf6, 0xf6, 0xf6));
        p.fillRect(QRectF(-30, -5, 15, 10), QColor(0xe0, 0x1e, 0x1e));
        p.fillRect(QRectF(15, -5, 15, 10), QColor(0xe0, 0x1e, 0x1e));
        p.restore();
    }
    p.restore();
    p.fillRect(QRectF(post.x() - 24, post.y() - 58, 48, 4), QColor(0x30, 0x30, 0x30));
    for (qreal dx : {-18.0, 18.0}) {
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawEllipse(QPointF(post.x() + dx, post.y() - 50), 9, 9);
        QRadialGradient lamp(QPointF(post.x() + dx, post.y() - 50), 22);
        lamp.setColorAt(0, QColor(255, 40, 30, dx < 0 ? 255 : 70));
        lamp.setColorAt(1, QColor(255, 40, 30, 0));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(post.x() + dx, post.y() - 50), 22, 22);
    }
    p.fillRect(QRectF(kRoad.at(0.05, 0.62).x(), kRoad.at(0, 0.62).y() - 2,
                      kRoad.at(0.95, 0.62).x() - kRoad.at(0.05, 0.62).x(), 5),
               top::kLineWhite);
    side::carRear(p, kRoad.at(0.72, 0.72), 70, QColor(0xc0, 0x39, 0x2b),
                  side::Lamps{side::Beam::Off, false, true, false, false});
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
        {"scene_railway_crossing.png", kSceneSize, railwayCrossing},
        {"scene_expressway_ramp.png", kSceneSize, expresswayRamp},
        {"scene_first_aid.png", kSceneSize, firstAid},
    };
}

} // namespace mediagen
