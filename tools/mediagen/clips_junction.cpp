// Clips at signalled junctions: moving into the left-turn waiting area on the straight-ahead
// green, and what a yellow light means before and after the stop line.
#include "canvas.h"
#include "clip_kit.h"
#include "drawers.h"
#include "motion.h"
#include "subject.h"
#include "topview.h"

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace top;
using namespace motion;
using namespace clipkit;

const QColor kSignalRed(0xff, 0x3b, 0x30);
const QColor kSignalYellow(0xff, 0xc8, 0x20);
const QColor kSignalGreen(0x30, 0xe0, 0x70);
const QColor kGrey(0x95, 0xa5, 0xa6);

// A lane arrow painted on the road, pointing ahead (+x) or ahead and then left.
void laneArrow(QPainter &p, QPointF tail, bool left) {
    QPainterPath arrow;
    arrow.moveTo(tail + QPointF(0, -3));
    if (left) {
        arrow.lineTo(tail + QPointF(26, -3));
        arrow.lineTo(tail + QPointF(26, -10));
        arrow.lineTo(tail + QPointF(20, -10));
        arrow.lineTo(tail + QPointF(30, -22));
        arrow.lineTo(tail + QPointF(40, -10));
        arrow.lineTo(tail + QPointF(33, -10));
        arrow.lineTo(tail + QPointF(33, 3));
    } else {
        arrow.lineTo(tail + QPointF(30, -3));
        arrow.lineTo(tail + QPointF(30, -9));
        arrow.lineTo(tail + QPointF(44, 0));
        arrow.lineTo(tail + QPointF(30, 9));
        arrow.lineTo(tail + QPointF(30, 3));
    }
    arrow.lineTo(tail + QPointF(0, 3));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kLineWhite);
    p.drawPath(arrow);
}

// While straight-ahead traffic has green, the left-turning vehicle moves up into the waiting
// area and stops at its front; it turns only when its own arrow goes green.
void leftTurnWaiting(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 30, 190);
    verticalRoad(p, kFrame, 290, 450);
    p.fillRect(QRectF(290, 30, 160, 160), kAsphalt);
    solidLine(p, 108, 0, 280, 2.5, kLineYellow);
    solidLine(p, 112, 0, 280, 2.5, kLineYellow);
    solidLine(p, 108, 460, 496, 2.5, kLineYellow);
    solidLine(p, 112, 460, 496, 2.5, kLineYellow);
    solidLine(p, 150, 120, 280, 3, kLineWhite);
    dashedLine(p, 150, 0, 120, 30, 30, 3, kLineWhite);
    dashedLine(p, 70, 0, 496, 30, 30, 3, kLineWhite);
    p.fillRect(QRectF(368, 0, 4, 30), kLineYellow);
    p.fillRect(QRectF(368, 190, 4, 28), kLineYellow);
    p.fillRect(QRectF(278, 112, 5, 76), kLineWhite);
    p.fillRect(QRectF(457, 32, 5, 76), kLineWhite);
    laneArrow(p, QPointF(190, 140), true);
    laneArrow(p, QPointF(190, 170), false);
    // The waiting area: a dashed box reaching into the junction, named on the road.
    const QRectF zone(286, 114, 72, 32);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLineWhite, 2, Qt::DashLine));
    p.drawRect(zone);
    p.setPen(Qt::NoPen);
    drawCentredText(p, zone.adjusted(0, 0, 0, -14), u"左弯待转区"_s, cjkFont(10, true), kLineWhite);
    treeTop(p, QPointF(470, 12), 12);
    treeTop(p, QPointF(200, 206), 12);

    const bool straightGreen = t >= 0.3 && t < 0.62;
    const bool leftGreen = t >= 0.62 && t < 0.95;
    signalHead(p, QPointF(6, 4),
               {{leftGreen ? kSignalGreen : kSignalRed, true, Arrow::Left},
                {straightGreen ? kSignalGreen : kSignalRed, true, Arrow::None}});

    // Straight-ahead traffic: one car waits at the line, goes on green, and the next arrives.
    const qreal queued = 255;
    if (t < 0.6 || t > 0.68) {
        const qreal x = t < 0.32 ? queued
                        : t < 0.6
                            ? queued + 330 * std::pow((t - 0.32) / 0.28, 2)
                            : lerp(-40, queued, 1 - std::pow(1 - clamp01((t - 0.68) / 0.27), 2));
        Lights lights;
        lights.brake = t < 0.33 || t > 0.85;
        car(p, QPointF(x, 170), 0, kGrey, lights);
    }
    // Oncoming traffic crosses the junction on its green: the reason to wait in the area.
    if (t > 0.32 && t < 0.62)
        car(p, QPointF(lerp(540, -40, (t - 0.32) / 0.3), 70), 180, QColor(0x34, 0x34, 0x34));

    const qreal length = subjectLength(subject), start = -length / 2 - 12;
    QPainterPath route;
    route.moveTo(start, 130);
    route.lineTo(356, 130);
    route.cubicTo(392, 130, 410, 112, 410, 76);
    route.lineTo(410, -120);
    const qreal atLine = 278 - length / 2 - start, atFront = 355 - length / 2 - start;
    qreal along;
    if (t < 0.24)
        along = atLine * (1 - std::pow(1 - t / 0.24, 2));
    else if (t < 0.32)
        along = atLine;
    else if (t < 0.64)
        along = lerp(atLine, atFront, ease(0.32, 0.46, t));
    else
        along = lerp(atFront, route.length(), std::pow((t - 0.64) / 0.36, 1.7));
    const Pose pose = poseAlong(route, along);
    Lights lights;
    lights.left = t > 0.02 && t < 0.9 && blink(t, 5, 1.6);
    lights.brake = (t > 0.16 && t < 0.33) || (t > 0.4 && t < 0.65);
    subjectTop(p, subject, pose.centre, pose.heading, lights);
}

// The light turns yellow: the car already over the stop line carries on through, the vehicle
// still short of it stops at the line and waits for green.
void yellowLight(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 30, 190);
    verticalRoad(p, kFrame, 392, 500);
    p.fillRect(QRectF(392, 30, 110, 160), kAsphalt);
    solidLine(p, 110, 0, 380, 4, kLineYellow);
    dashedLine(p, 70, 0, 380, 30, 30, 3, kLineWhite);
    solidLine(p, 150, 200, 380, 3, kLineWhite);
    dashedLine(p, 150, 0, 200, 30, 30, 3, kLineWhite);
    p.fillRect(QRectF(442, 0, 4, 30), kLineYellow);
    p.fillRect(QRectF(442, 190, 4, 28), kLineYellow);
    p.fillRect(QRectF(378, 112, 6, 76), kLineWhite);
    for (int k = 0; k < 3; ++k) {
        treeTop(p, QPointF(k * 130 + 100, 12), 13);
        treeTop(p, QPointF(k * 130 + 40, 206), 13);
    }
    const bool yellow = t >= 0.3 && t < 0.42;
    const bool red = t >= 0.42 && t < 0.76;
    signalHead(p, QPointF(6, 4),
               {{kSignalRed, red}, {kSignalYellow, yellow}, {kSignalGreen, !yellow && !red}});

    // Over the line as the yellow comes on: it carries on across.
    if (t < 0.42)
        car(p, QPointF(lerp(-40, 540, t / 0.41), 130), 0, kGrey);
    // Crossing traffic on its own green.
    if (t > 0.44 && t < 0.76)
        car(p, QPointF(418, lerp(-40, 260, (t - 0.44) / 0.32)), 90, QColor(0x34, 0x34, 0x34));

    const qreal length = subjectLength(subject), start = -length / 2 - 12;
    const qreal stop = 376 - length / 2, end = 508 + length / 2;
    const auto approach = [](double s) { return 1 - clamp01((s - 0.5) / 0.5); };
    const qreal x = t < 0.6    ? travel(start, stop, t / 0.6, approach)
                    : t < 0.78 ? stop
                               : lerp(stop, end, std::pow((t - 0.78) / 0.22, 2));
    Lights lights;
    lights.brake = t > 0.3 && t < 0.8;
    subjectTop(p, subject, QPointF(x, 170), 0, lights);
}

} // namespace

std::vector<ClipDrawer> junctionClips() {
    return {
        {"clip_left_turn_waiting.webm", 5, paintAs<leftTurnWaiting, Subject::Car>},
        {"clip_left_turn_waiting_bus.webm", 5, paintAs<leftTurnWaiting, Subject::Bus>},
        {"clip_yellow_light.webm", 5, paintAs<yellowLight, Subject::Car>},
        {"clip_yellow_light_truck.webm", 5, paintAs<yellowLight, Subject::Truck>},
    };
}

} // namespace mediagen
