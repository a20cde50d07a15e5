// Top-view driving clips: overtaking, skidding in the rain, giving way to a pedestrian,
// a tyre blowout, dipping the headlamps and joining an expressway.
#include "canvas.h"
#include "clip_kit.h"
#include "drawers.h"
#include "motion.h"
#include "subject.h"
#include "topview.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <tuple>

namespace mediagen {

namespace {

using namespace top;
using namespace motion;
using namespace clipkit;

constexpr qreal kCarLength = 46;

// The overtaking vehicle holds x while the road and the slower car slide back beneath it. It
// pulls back in only once the overtaken car is four car lengths behind its tail.
void overtake(QPainter &p, double t, Subject subject) {
    const double speed = 2880; // 32 dash periods: the road comes round exactly
    twoWayRoad(p, speed * t, true);
    const qreal ours = 330, length = subjectLength(subject);
    const auto slowX = [](double x) { return lerp(560, -300, x); };
    const qreal clearX = ours - length / 2 - 4 * kCarLength - kCarLength / 2;
    const double back = (slowX(0) - clearX) / (slowX(0) - slowX(1));
    // Long, gentle moves out and back in: a lane change, never a swerve.
    const double move = 0.2 + length / 1100;
    const auto laneY = [back, move](double x) {
        return lerp(150, 70, ease(0.04, 0.04 + move, x) * (1 - ease(back, back + move, x)));
    };
    const double e = 0.004;
    const qreal heading = headingOf(speed * 2 * e, laneY(t + e) - laneY(t - e));
    car(p, QPointF(slowX(t), 150), 0, QColor(0x95, 0xa5, 0xa6));
    Lights lights;
    lights.left = t > 0.01 && t < 0.04 + move && blink(t, 5, 1.6);
    lights.right = t > back - 0.06 && t < back + move && blink(t, 5, 1.6);
    subjectTop(p, subject, QPointF(ours, laneY(t)), heading, lights);
}

void rainStreaks(QPainter &p, double t, int passes) {
    p.setPen(QPen(QColor(220, 230, 245, 120), 1.2));
    for (int i = 0; i < 140; ++i) {
        const qreal x = std::fmod(i * 73.1, 520.0) - 12;
        const qreal y = std::fmod(i * 37.7 + t * 218 * passes, 236.0) - 18;
        p.drawLine(QPointF(x, y), QPointF(x - 3, y + 14));
    }
    p.setPen(Qt::NoPen);
}

void wetSheen(QPainter &p) {
    p.setPen(Qt::NoPen);
    for (const auto &[x, y, r] : {std::tuple{80.0, 70.0, 40.0},
                                  {260.0, 160.0, 50.0},
                                  {420.0, 60.0, 36.0},
                                  {380.0, 150.0, 30.0},
                                  {150.0, 140.0, 26.0}}) {
        QRadialGradient puddle(QPointF(x, y), r);
        puddle.setColorAt(0, QColor(170, 190, 210, 90));
        puddle.setColorAt(1, QColor(170, 190, 210, 0));
        p.setBrush(puddle);
        p.drawEllipse(QPointF(x, y), r * 1.6, r * 0.6);
    }
}

struct SkidPose {
    QPointF centre;
    qreal heading;
};

SkidPose skidPose(double t) {
    const double u = clamp01((t - 0.3) / 0.45);
    const double x = t < 0.3 ? lerp(-60, 180, t / 0.3) : 180 + 190 * (1 - (1 - u) * (1 - u));
    // The tail steps out under hard braking and only partly comes back.
    const double yaw = -30 * std::sin(std::min(u, 1.0) * M_PI * 0.75);
    return {QPointF(x, 150 - 14 * ease(0.3, 0.75, t)), yaw};
}

void rainSkid(QPainter &p, double t) {
    twoWayRoad(p, 0, true);
    p.fillRect(kFrame, QColor(40, 50, 70, 60));
    wetSheen(p);
    // Tyre marks left on the wet surface since the brakes went on.
    p.setPen(QPen(QColor(30, 30, 34, 120), 4, Qt::SolidLine, Qt::RoundCap));
    for (qreal side : {-9.0, 9.0}) {
        QPolygonF trail;
        for (double s = 0.3; s <= t; s += 0.01) {
            const SkidPose pose = skidPose(s);
            const qreal a = qDegreesToRadians(pose.heading);
            const QPointF back(-14 * std::cos(a) - side * std::sin(a),
                               -14 * std::sin(a) + side * std::cos(a));
            trail << pose.centre + back;
        }
        p.drawPolyline(trail);
    }
    p.setPen(Qt::NoPen);
    const SkidPose pose = skidPose(t);
    if (t < 0.7) {
        for (int i = 1; i <= 4; ++i) {
            QRadialGradient spray(pose.centre - QPointF(22 + i * 8, 0), 14 + i * 3);
            spray.setColorAt(0, QColor(230, 236, 245, 70));
            spray.setColorAt(1, QColor(230, 236, 245, 0));
            p.setBrush(spray);
            p.drawEllipse(pose.centre - QPointF(22 + i * 8, 0), 14 + i * 3, 10 + i * 2);
        }
    }
    Lights lights;
    lights.brake = t > 0.3;
    car(p, pose.centre, pose.heading, QColor(0xc0, 0x39, 0x2b), lights);
    rainStreaks(p, t, 6);
}

void pedestrianCrossing(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 30, 190);
    solidLine(p, 34, 0, 496, 3, kLineWhite);
    solidLine(p, 186, 0, 496, 3, kLineWhite);
    solidLine(p, 108, 0, 290, 3, kLineYellow);
    solidLine(p, 112, 0, 290, 3, kLineYellow);
    solidLine(p, 108, 360, 496, 3, kLineYellow);
    solidLine(p, 112, 360, 496, 3, kLineYellow);
    zebra(p, 300, 50, 30, 190);
    p.fillRect(QRectF(286, 112, 5, 74), kLineWhite);
    p.fillRect(QRectF(359, 34, 5, 74), kLineWhite);
    for (int k = 0; k < 4; ++k) {
        treeTop(p, QPointF(k * 150 + 40, 12), 13);
        treeTop(p, QPointF(k * 150 + 110, 206), 13);
    }
    const double walk = clamp01((t - 0.12) / 0.58);
    if (t > 0.1 && t < 0.72)
        pedestrian(p, QPointF(318, lerp(236, -18, walk)), -90, QColor(0xe6, 0x7e, 0x22), t * 14);
    const double back = clamp01((t - 0.2) / 0.48);
    if (t > 0.18 && t < 0.7)
        pedestrian(p, QPointF(338, lerp(-18, 236, back)), 90, QColor(0x8e, 0x44, 0xad),
                   t * 14 + 0.5);
    // The front stops short of the stop line at x = 286.
    const qreal length = subjectLength(subject), stop = 281 - length / 2, start = -length / 2 - 37;
    double x;
    if (t < 0.3) {
        const double u = t / 0.3;
        x = start + (stop - start) * (1 - (1 - u) * (1 - u));
    } else if (t < 0.72) {
        x = stop;
    } else {
        const double u = (t - 0.72) / 0.28;
        x = stop + 340 * u * u;
    }
    Lights lights;
    lights.brake = t > 0.15 && t < 0.74;
    subjectTop(p, subject, QPointF(x, 150), 0, lights);
}

// Distance covered by the car whose speed falls after the blowout (in units of full speed).
double blowoutDistance(double t) {
    double distance = 0;
    const int steps = 200;
    for (int i = 0; i < steps; ++i) {
        const double s = t * (i + 0.5) / steps;
        distance += (1 - 0.92 * ease(0.25, 0.9, s)) * t / steps;
    }
    return distance;
}

void tyreBlowout(QPainter &p, double t, Subject subject) {
    const qreal length = subjectLength(subject);
    const double full = 1600;
    const double scroll = full * blowoutDistance(t);
    horizontalRoad(p, kFrame, 36, 192);
    p.fillRect(QRectF(0, 0, 496, 36), QColor(0x8a, 0x9a, 0x6a));
    p.fillRect(QRectF(0, 14, 496, 5), QColor(0xc8, 0xcc, 0xd0));
    p.fillRect(QRectF(0, 196, 496, 5), QColor(0xc8, 0xcc, 0xd0));
    for (int k = -1; k < 18; ++k)
        p.fillRect(QRectF(k * 32 - std::fmod(scroll, 32.0), 193, 4, 10), QColor(0x70, 0x74, 0x78));
    solidLine(p, 40, 0, 496, 3, kLineYellow);
    dashedLine(p, 90, 0, 496, 50, 60, 3, kLineWhite, -scroll);
    solidLine(p, 140, 0, 496, 5, kLineWhite);
    p.fillRect(QRectF(0, 143, 496, 46), QColor(0x6e, 0x72, 0x74));
    solidLine(p, 188, 0, 496, 3, kLineWhite);
    // Rubber shreds stay on the road where the tyre burst.
    const double burstAt = full * blowoutDistance(0.25);
    if (t > 0.25) {
        p.setBrush(QColor(0x1a, 0x1a, 0x1a));
        for (int i = 0; i < 7; ++i)
            p.drawRoundedRect(
                QRectF(190 + length / 2 + burstAt - scroll - i * 17, 120 + (i % 3) * 5, 7, 3), 1,
                1);
    }
    const auto laneY = [](double x) {
        return 115 + 9 * std::sin(M_PI * clamp01((x - 0.25) / 0.2)) + 48 * ease(0.5, 0.85, x);
    };
    const double e = 0.004;
    const double speed = full * (blowoutDistance(t + e) - blowoutDistance(t - e));
    // Held steady: the vehicle drifts over gently, it is never thrown across.
    qreal heading = std::clamp(headingOf(qMax(speed, 1.0), laneY(t + e) - laneY(t - e)), -8.0, 8.0);
    heading +=
        5 * std::sin(clamp01((t - 0.25) / 0.25) * M_PI * 3) * (1 - ease(0.25, 0.5, t)) * (t > 0.25);
    Lights lights;
    lights.brake = t > 0.45 && t < 0.95;
    lights.hazard = t > 0.55 && blink(t, 5, 1.5);
    const QPointF centre(190, laneY(t));
    subjectTop(p, subject, centre, heading, lights);
    car(p, QPointF(300 + full * (0.9 * t - blowoutDistance(t)), 65), 0, QColor(0x27, 0xae, 0x60));
    if (t > 0.24 && t < 0.36) {
        // Smoke from the burst front tyre on the right.
        const double puff = (t - 0.24) / 0.12;
        const QPointF tyre(length * 0.3 - 20 * puff, 11);
        QRadialGradient smoke(centre + tyre, 10 + 30 * puff);
        smoke.setColorAt(0, QColor(200, 200, 200, int(200 * (1 - puff))));
        smoke.setColorAt(1, QColor(200, 200, 200, 0));
        p.setBrush(smoke);
        p.drawEllipse(centre + tyre, 10 + 30 * puff, 8 + 18 * puff);
    }
}

void nightMeeting(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 30, 190);
    p.fillRect(kFrame, QColor(6, 10, 24, 200));
    solidLine(p, 34, 0, 496, 3, QColor(0x70, 0x70, 0x6c));
    solidLine(p, 186, 0, 496, 3, QColor(0x70, 0x70, 0x6c));
    dashedLine(p, 110, 0, 496, 40, 50, 3, QColor(0x8a, 0x74, 0x20));
    // Both start and end so far out that not even their beams reach the picture.
    const qreal extra = (subjectLength(subject) - kCarLength) / 2;
    const double ours = lerp(-330 - extra, 826 + extra, t), theirs = lerp(826, -330, t);
    const double gap = theirs - ours;
    // High beams only while the road ahead is clear; dipped from 150 m before meeting.
    const Beam beam = (gap > 420 || gap < -60) ? Beam::High : Beam::Low;
    subjectTop(p, subject, QPointF(ours, 150), 0, Lights{beam});
    car(p, QPointF(theirs, 70), 180, QColor(0x7f, 0x8c, 0x8d), Lights{beam});
}

void rampMerge(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 14, 130);
    p.fillRect(QRectF(0, 0, 496, 14), QColor(0x8a, 0x9a, 0x6a));
    solidLine(p, 17, 0, 496, 3, kLineYellow);
    dashedLine(p, 55, 0, 496, 40, 50, 3, kLineWhite);
    dashedLine(p, 92, 0, 496, 40, 50, 3, kLineWhite);
    QPainterPath ramp;
    ramp.moveTo(-10, 230);
    ramp.cubicTo(90, 215, 140, 152, 230, 148);
    ramp.lineTo(520, 148);
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xaa), 44, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ramp);
    p.setPen(QPen(kAsphalt, 36, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(ramp);
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.drawPolygon(QPolygonF{{QPointF(410, 170), QPointF(500, 170), QPointF(500, 131)}});
    solidLine(p, 128, 0, 210, 3, kLineWhite);
    dashedLine(p, 129, 230, 410, 12, 12, 5, kLineWhite);
    treeTop(p, QPointF(60, 160), 14);
    treeTop(p, QPointF(170, 204), 14);
    treeTop(p, QPointF(440, 198), 14);
    // A longer vehicle starts further down the ramp so that it too begins out of sight.
    const qreal extra = subjectLength(subject) - kCarLength;
    QPainterPath route;
    route.moveTo(-40 - extra, 236 + extra * 0.3);
    route.lineTo(-40, 236);
    route.cubicTo(80, 218, 130, 152, 230, 148);
    route.lineTo(340, 148);
    route.cubicTo(380, 148, 400, 110, 450, 110);
    route.lineTo(640, 110);
    const double along = route.length() * (0.55 * t + 0.45 * t * t);
    const double f = route.percentAtLength(along);
    const QPointF at = route.pointAtPercent(f);
    Lights lights;
    lights.left = at.x() > 230 && at.x() < 440 && blink(t, 5, 1.6);
    car(p, QPointF(lerp(-60, 560, t), 36), 0, QColor(0x34, 0x34, 0x34));
    lorry(p, QPointF(lerp(-110, 620, t), 73), 0, QColor(0x27, 0xae, 0x60), 96);
    if (t < 0.8)
        car(p, QPointF(lerp(-60, 700, t / 0.8), 110), 0, QColor(0xc0, 0x39, 0x2b));
    subjectTop(p, subject, at, -route.angleAtPercent(f), lights);
}

} // namespace

std::vector<ClipDrawer> roadClips() {
    return {
        {"clip_overtake.webm", 5, paintAs<overtake, Subject::Car>},
        {"clip_overtake_bus.webm", 5, paintAs<overtake, Subject::Bus>},
        {"clip_rain_skid.webm", 4, rainSkid, 0.6},
        {"clip_pedestrian.webm", 4, paintAs<pedestrianCrossing, Subject::Car>},
        {"clip_pedestrian_bus.webm", 4, paintAs<pedestrianCrossing, Subject::Bus>},
        {"clip_tire_blowout.webm", 5, paintAs<tyreBlowout, Subject::Car>, 0.7},
        {"clip_tire_blowout_bus.webm", 5, paintAs<tyreBlowout, Subject::Bus>, 0.7},
        {"clip_night_meeting.webm", 4, paintAs<nightMeeting, Subject::Car>},
        {"clip_night_meeting_truck.webm", 4, paintAs<nightMeeting, Subject::Truck>},
        {"clip_ramp_merge.webm", 5, paintAs<rampMerge, Subject::Car>},
        {"clip_ramp_merge_truck.webm", 5, paintAs<rampMerge, Subject::Truck>},
    };
}

} // namespace mediagen
