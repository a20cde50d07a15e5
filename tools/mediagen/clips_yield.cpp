// Clips about waiting for others: behind a stopped school bus, for the side without an
// obstacle on a narrow road, for a pedestrian hidden by a bus and for the uphill vehicle.
#include "canvas.h"
#include "clip_kit.h"
#include "drawers.h"
#include "motion.h"
#include "sideview.h"
#include "subject.h"
#include "topview.h"

#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace top;
using namespace motion;
using namespace clipkit;

const QColor kPavement(0xd4, 0xce, 0xc0);
const QColor kSchoolYellow(0xf6, 0xc0, 0x1a);

// One lane each way: the school bus stops at the kerb and the vehicle behind it stops too and
// waits, without passing, until the bus has moved off. The loop opens with both standing, both
// drive away, and the next bus and vehicle arrive and stop the same way.
void schoolBus(QPainter &p, double t, Subject subject) {
    twoWayRoad(p, 0, true);
    p.fillRect(QRectF(0, 192, 496, 26), kPavement);
    const qreal busLength = 120, busStop = 330;
    const auto arrive = [](double from, double to, double a, double b, double s) {
        return lerp(from, to, 1 - std::pow(1 - clamp01((s - a) / (b - a)), 2));
    };
    const auto leave = [](double from, double distance, double a, double b, double s) {
        return from + distance * std::pow(clamp01((s - a) / (b - a)), 2);
    };
    const qreal busX = t < 0.26 ? leave(busStop, 270, 0.08, 0.26, t)
                                : arrive(-busLength / 2 - 10, busStop, 0.26, 0.62, t);
    const bool stopped = t > 0.6 || t < 0.09;
    const QColor shirts[] = {QColor(0xe7, 0x4c, 0x3c), QColor(0x34, 0x98, 0xdb),
                             QColor(0x27, 0xae, 0x60)};
    for (int i = 0; i < 3; ++i) {
        // Out of the door near the front, onto the pavement and away along it.
        const double u = std::fmod(t - (0.66 + 0.08 * i) + 1, 1.0);
        const double walk = clamp01(u / 0.12);
        const QPointF door(busStop + 30 - i * 6, 166), kerb(busStop + 30 - i * 6, 204);
        const QPointF at = walk < 1 ? lerp(door, kerb, walk) : kerb + QPointF((u - 0.12) * 300, 0);
        if (at.x() < 510)
            pedestrian(p, at, walk < 1 ? 90 : 0, shirts[i], t * 14 + i * 0.3);
    }
    Lights busLights;
    busLights.brake = t > 0.5 || t < 0.09;
    busLights.hazard = stopped && blink(t, 5, 2);
    bus(p, QPointF(busX, 150), 0, kSchoolYellow, busLights, busLength);
    drawCentredText(p, QRectF(busX - 30, 140, 60, 20), u"校车"_s, cjkFont(13, true),
                    QColor(0x1e, 0x1e, 0x1e));
    // The stop arm swings out on the driver's side while pupils get off.
    const double arm = t > 0.5 ? ease(0.62, 0.68, t) : 1 - ease(0.02, 0.08, t);
    if (arm > 0) {
        const QPointF sign(busX + 34, 150 - 13 - 11 * arm);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
        p.drawLine(QPointF(sign.x(), 137), sign);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0x1c, 0x1c));
        p.drawEllipse(sign, 8 * arm + 1, 8 * arm + 1);
        drawCentredText(p, QRectF(sign - QPointF(8, 8), QSizeF(16, 16)), u"停"_s,
                        cjkFont(11 * arm + 1, true), Qt::white);
    }
    const qreal length = subjectLength(subject);
    const qreal wait = busStop - busLength / 2 - 36 - length / 2;
    const qreal x = t < 0.34 ? leave(wait, 330 + length, 0.12, 0.34, t)
                             : arrive(-length / 2 - 10, wait, 0.34, 0.7, t);
    Lights lights;
    lights.brake = t > 0.55 || t < 0.15;
    subjectTop(p, subject, QPointF(x, 150), 0, lights);
}

// Road works block our half of a narrow road: we stop short of them and let the oncoming car,
// whose half is clear, through first, then pass the works.
void narrowRoadMeeting(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 62, 156);
    solidLine(p, 66, 0, 496, 3, kLineWhite);
    solidLine(p, 152, 0, 496, 3, kLineWhite);
    for (int k = 0; k < 4; ++k) {
        treeTop(p, QPointF(k * 140 + 40, 28), 16);
        treeTop(p, QPointF(k * 140 + 100, 190), 16);
    }
    // The works: a striped barrier, a heap of sand and cones round it.
    const QRectF barrier(300, 108, 7, 42);
    p.setPen(Qt::NoPen);
    p.fillRect(barrier, QColor(0xd0, 0x1c, 0x1c));
    for (qreal y = barrier.top() + 4; y < barrier.bottom(); y += 12)
        p.fillRect(QRectF(barrier.left(), y, barrier.width(), 5), Qt::white);
    p.setBrush(QColor(0xc8, 0xa2, 0x6a));
    p.drawEllipse(QPointF(340, 130), 28, 16);
    p.setBrush(QColor(0xb0, 0x8a, 0x56));
    p.drawEllipse(QPointF(344, 132), 14, 8);
    for (const QPointF &c : {QPointF(318, 112), QPointF(346, 110), QPointF(374, 114),
                             QPointF(380, 136), QPointF(290, 142)})
        cone(p, c);

    const double meetStart = 0.12, meetEnd = 0.62;
    if (t > meetStart && t < meetEnd)
        car(p, QPointF(lerp(560, -60, (t - meetStart) / (meetEnd - meetStart)), 88), 180,
            QColor(0x95, 0xa5, 0xa6));

    const qreal length = subjectLength(subject);
    const qreal start = -length / 2 - 10, wait = 274 - length / 2, end = 506 + length / 2;
    const auto centre = [=](double s) {
        const qreal x = s < 0.3    ? lerp(start, wait, 1 - std::pow(1 - clamp01(s) / 0.3, 2))
                        : s < 0.58 ? wait
                                   : lerp(wait, end, std::pow((std::min(s, 1.0) - 0.58) / 0.42, 2));
        // Out into the clear half while alongside the works, back in once past them.
        const qreal out = ease(276, 300, x + length / 2) * (1 - ease(392, 420, x - length / 2));
        return QPointF(x, lerp(128, 92, out));
    };
    Lights lights;
    lights.brake = t > 0.15 && t < 0.6;
    lights.left = t > 0.5 && t < 0.7 && blink(t, 5, 1.6);
    subjectTop(p, subject, centre(t), headingAt(centre, t), lights);
}

// A bus at its stop hides whoever steps out in front of it: we slow while passing, stop for
// the pedestrian who appears and go on once the lane is clear.
void hiddenPedestrian(QPainter &p, double t, Subject subject) {
    sameWayRoad(p, 30, 178, 2);
    p.fillRect(QRectF(0, 182, 496, 36), kPavement);
    p.fillRect(QRectF(250, 194, 60, 14), QColor(0x7f, 0x8c, 0x8d));
    board(p, QRectF(232, 188, 16, 24), u"站"_s, QColor(0x1f, 0x5f, 0xa8), Qt::white);

    const qreal length = subjectLength(subject);
    const qreal start = -length / 2 - 10, wait = 360 - length / 2, end = 506 + length / 2;
    const auto approach = [](double s) { return 1 - ease(0.35, 1, s); };
    const qreal x = t < 0.5    ? travel(start, wait, t / 0.5, approach)
                    : t < 0.66 ? wait
                               : lerp(wait, end, std::pow((t - 0.66) / 0.34, 2));
    const QPointF ours(x, 67);

    const QRectF busBody(270, 128, 120, 26);
    // The area the bus hides from our driver, while there is someone to hide.
    if (t < 0.62) {
        const QPointF eye = ours + QPointF(length * 0.15, 4);
        const auto beyond = [&](QPointF corner) {
            return eye + (corner - eye) * ((218 - eye.y()) / (corner.y() - eye.y()));
        };
        const QPointF a = busBody.topLeft(), b = busBody.topRight();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 30, 60));
        p.drawPolygon(QPolygonF{{a, b, beyond(b), beyond(a)}});
    }
    const double walk = clamp01((t - 0.28) / 0.4);
    if (t > 0.26 && t < 0.7)
        pedestrian(p, QPointF(400, lerp(176, 10, walk)), -90, QColor(0xe6, 0x7e, 0x22), t * 16);
    bus(p, busBody.center(), 0, QColor(0x27, 0xae, 0x60), {}, busBody.width());

    Lights lights;
    lights.brake = t > 0.2 && t < 0.68;
    subjectTop(p, subject, ours, 0, lights);
}

// On a narrow slope the vehicle coming down stops and lets the one climbing pass first.
void uphillMeeting(QPainter &p, double t, Subject subject) {
    using namespace side;
    sky(p, QRectF(0, 0, 496, 218), QColor(0x6f, 0xae, 0xe6), QColor(0xcf, 0xe7, 0xf7));
    hills(p, 496, 110, 60, QColor(0x9a, 0xae, 0xc4), 3);
    const auto slopeY = [](qreal x) { return 184 - (x + 20) * 110 / 536; };
    const qreal angle = qRadiansToDegrees(std::atan2(-110.0, 536.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x9a, 0x5c));
    p.drawPolygon(QPolygonF{{QPointF(-20, slopeY(-20) - 6), QPointF(516, slopeY(516) - 6),
                             QPointF(516, 218), QPointF(-20, 218)}});
    p.setPen(QPen(QColor(0x5d, 0x62, 0x66), 18, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-20, slopeY(-20) + 2), QPointF(516, slopeY(516) + 2));
    p.setPen(QPen(QColor(0xcf, 0xd4, 0xd8), 2));
    p.drawLine(QPointF(-20, slopeY(-20) + 12), QPointF(516, slopeY(516) + 12));
    p.setPen(Qt::NoPen);
    for (qreal x : {60.0, 210.0, 450.0})
        tree(p, QPointF(x, slopeY(x) + 56), 44);
    const auto onSlope = [&](qreal x, qreal lift, auto paint) {
        p.save();
        p.translate(x, slopeY(x) + lift);
        p.rotate(angle);
        paint();
        p.restore();
    };
    // The climbing car, on the far side of the road.
    const double climbStart = 0.08, climbEnd = 0.72;
    if (t > climbStart && t < climbEnd)
        onSlope(lerp(-60, 560, (t - climbStart) / (climbEnd - climbStart)), -3,
                [&] { carSide(p, QPointF(0, 0), 90, QColor(0xc0, 0x39, 0x2b), true); });
    // The subject comes down, stops until the climber has gone by, then carries on.
    const qreal half = 45 * subjectLength(subject) / subjectLength(Subject::Car);
    const qreal start = 506 + half, wait = 360, end = -10 - half;
    const qreal x = t < 0.3   ? lerp(start, wait, 1 - std::pow(1 - t / 0.3, 2))
                    : t < 0.6 ? wait
                              : lerp(wait, end, std::pow((t - 0.6) / 0.4, 1.6));
    Lamps lamps;
    lamps.brake = t > 0.12 && t < 0.62;
    onSlope(x, 8, [&] { subjectSide(p, subject, QPointF(0, 0), 90, false, lamps); });
}

} // namespace

std::vector<ClipDrawer> yieldClips() {
    return {
        {"clip_school_bus.webm", 5, paintAs<schoolBus, Subject::Car>},
        {"clip_school_bus_truck.webm", 5, paintAs<schoolBus, Subject::Truck>},
        {"clip_narrow_road_meeting.webm", 5, paintAs<narrowRoadMeeting, Subject::Car>},
        {"clip_narrow_road_meeting_truck.webm", 5, paintAs<narrowRoadMeeting, Subject::Truck>},
        {"clip_hidden_pedestrian.webm", 5, paintAs<hiddenPedestrian, Subject::Car>},
        {"clip_hidden_pedestrian_bus.webm", 5, paintAs<hiddenPedestrian, Subject::Bus>},
        {"clip_uphill_meeting.webm", 5, paintAs<uphillMeeting, Subject::Car>},
        {"clip_uphill_meeting_truck.webm", 5, paintAs<uphillMeeting, Subject::Truck>},
    };
}

} // namespace mediagen
