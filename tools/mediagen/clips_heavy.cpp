// Manoeuvre clips: a lorry's right turn and the area its inner wheels sweep, a roundabout
// entry that gives way to circulating traffic, and leaving a broken-down car safely.
#include "canvas.h"
#include "drawers.h"
#include "motion.h"
#include "subject.h"
#include "topview.h"

#include <QPainterPath>
#include <QtMath>

namespace mediagen {

namespace {

using namespace top;
using namespace motion;

const QRectF kFrame(0, 0, 496, 218);

QPointF unit(QPointF v) {
    const qreal length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

// The lorry's front axle follows the turn; the rear axle trails it at a fixed wheelbase, so
// the rear inner wheel cuts inside the front one.
struct TurnState {
    QPointF front, rear;
    QPolygonF frontInner, rearInner;
};

TurnState simulateTurn(double t) {
    QPainterPath route;
    route.moveTo(-170, 96);
    route.lineTo(300, 96);
    route.quadTo(372, 96, 372, 168);
    route.lineTo(372, 500);
    const qreal wheelbase = 96, halfWidth = 19;
    TurnState state;
    // Brisk on the approach, slow through the turn, away down the side road.
    const auto distance = [](double x) {
        if (x < 0.3)
            return lerp(0, 440, x / 0.3);
        if (x < 0.75)
            return lerp(440, 640, (x - 0.3) / 0.45);
        return lerp(640, 860, (x - 0.75) / 0.25);
    };
    state.front = route.pointAtPercent(0);
    state.rear = state.front - QPointF(wheelbase, 0);
    const int steps = 400;
    for (int i = 1; i <= int(steps * t); ++i) {
        const double along = std::min(distance(double(i) / steps), route.length());
        state.front = route.pointAtPercent(route.percentAtLength(along));
        state.rear = state.front - unit(state.front - state.rear) * wheelbase;
        const QPointF ahead = unit(state.front - state.rear);
        const QPointF right(-ahead.y(), ahead.x());
        if (state.front.x() > 200) {
            state.frontInner << state.front + right * halfWidth;
            state.rearInner << state.rear + right * halfWidth;
        }
    }
    return state;
}

void truckRightTurn(QPainter &p, double t) {
    horizontalRoad(p, kFrame, 14, 130);
    verticalRoad(p, kFrame, 330, 450);
    p.fillRect(QRectF(330, 14, 120, 116), kAsphalt);
    solidLine(p, 70, 0, 318, 4, kLineYellow);
    p.fillRect(QRectF(388, 136, 4, 82), kLineYellow);
    p.fillRect(QRectF(312, 72, 5, 56), kLineWhite);
    // Pavement corner where cyclists and pedestrians wait.
    p.fillRect(QRectF(0, 130, 326, 88), QColor(0xd4, 0xce, 0xc0));
    p.setPen(QPen(QColor(0xbd, 0xb6, 0xa6), 1));
    for (qreal x = 0; x < 326; x += 26)
        p.drawLine(QPointF(x, 131), QPointF(x, 218));
    p.setPen(Qt::NoPen);
    treeTop(p, QPointF(80, 180), 18);
    treeTop(p, QPointF(200, 186), 18);
    treeTop(p, QPointF(475, 180), 14);
    const TurnState state = simulateTurn(t);
    if (state.frontInner.size() > 1) {
        QPolygonF swept = state.frontInner;
        for (auto it = state.rearInner.crbegin(); it != state.rearInner.crend(); ++it)
            swept << *it;
        p.setBrush(QColor(230, 40, 40, 90));
        p.drawPolygon(swept);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(30, 30, 30, 160), 2, Qt::DashLine));
        p.drawPolyline(state.frontInner);
        p.setPen(QPen(QColor(200, 20, 20, 220), 2));
        p.drawPolyline(state.rearInner);
        p.setPen(Qt::NoPen);
    }
    const QPointF ahead = unit(state.front - state.rear);
    const qreal heading = qRadiansToDegrees(std::atan2(ahead.y(), ahead.x()));
    // The body reaches from behind the rear axle to the cab over the front axle.
    lorry(p, state.rear + ahead * 52, heading, QColor(0xd3, 0x54, 0x00), 160);
    cyclist(p, QPointF(306, 146), 90, QColor(0x29, 0x80, 0xb9));
}

const QPointF kIsland(248, 109);
constexpr qreal kRingRadius = 70;

QPointF onRing(qreal angleDegrees) {
    const qreal a = qDegreesToRadians(angleDegrees);
    return kIsland + QPointF(std::cos(a), std::sin(a)) * kRingRadius;
}

void roundabout(QPainter &p, double t, Subject subject) {
    p.fillRect(kFrame, kGrass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xb4, 0xaa));
    p.drawRect(QRectF(0, 75, 496, 68));
    p.drawEllipse(kIsland, 104, 104);
    p.setBrush(kAsphalt);
    p.drawRect(QRectF(0, 79, 496, 60));
    p.drawRect(QRectF(218, 0, 60, 218));
    p.drawEllipse(kIsland, 100, 100);
    p.setBrush(QColor(0xb8, 0xb4, 0xaa));
    p.drawEllipse(kIsland, 44, 44);
    p.setBrush(QColor(0x6f, 0xaa, 0x4f));
    p.drawEllipse(kIsland, 40, 40);
    treeTop(p, kIsland, 18);
    solidLine(p, 109, 0, 140, 3, kLineYellow);
    solidLine(p, 109, 356, 496, 3, kLineYellow);
    // Give-way lines where traffic joins the ring.
    p.setPen(QPen(kLineWhite, 3, Qt::DashLine));
    p.drawLine(QPointF(150, 111), QPointF(150, 139));
    p.drawLine(QPointF(346, 79), QPointF(346, 107));
    p.setPen(Qt::NoPen);
    // Circulating traffic goes anticlockwise, twice round per loop.
    const qreal ringAngle = 432 - 720 * t;
    car(p, onRing(ringAngle), ringAngle - 90, QColor(0xc0, 0x39, 0x2b));
    // The subject starts out of sight and waits with its front at the give-way line (x = 150).
    const qreal length = subjectLength(subject), start = -length / 2 - 17;
    QPainterPath route;
    route.moveTo(start, 124);
    route.lineTo(126, 124);
    route.cubicTo(150, 124, 160, 140, onRing(150).x(), onRing(150).y());
    route.arcTo(QRectF(kIsland.x() - kRingRadius, kIsland.y() - kRingRadius, 2 * kRingRadius,
                       2 * kRingRadius),
                210, 120);
    route.cubicTo(340, 124, 350, 124, 370, 124);
    route.lineTo(560, 124);
    const qreal waitAt = 149 - length / 2 - start;
    double along;
    if (t < 0.25)
        along = waitAt * (1 - std::pow(1 - t / 0.25, 2));
    else if (t < 0.42)
        along = waitAt;
    else
        along = lerp(waitAt, route.length(),
                     ease(0.42, 1.0, t) * 0.6 + 0.4 * clamp01((t - 0.42) / 0.58));
    const qreal f = route.percentAtLength(along);
    Lights lights;
    lights.brake = t > 0.12 && t < 0.43;
    lights.right = t > 0.6 && t < 0.85 && blink(t, 5, 1.6);
    subjectTop(p, subject, route.pointAtPercent(f), -route.angleAtPercent(f), lights);
}

void breakdown(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 20, 170);
    p.fillRect(QRectF(0, 0, 496, 20), QColor(0x8a, 0x9a, 0x6a));
    p.fillRect(QRectF(0, 8, 496, 5), QColor(0xc8, 0xcc, 0xd0));
    solidLine(p, 24, 0, 496, 3, kLineYellow);
    dashedLine(p, 62, 0, 496, 50, 60, 3, kLineWhite);
    solidLine(p, 100, 0, 496, 5, kLineWhite);
    p.fillRect(QRectF(0, 103, 496, 64), QColor(0x6e, 0x72, 0x74));
    solidLine(p, 166, 0, 496, 3, kLineWhite);
    // The outer guard rail; beyond it, the verge is where people wait.
    for (qreal x = 6; x < 496; x += 30)
        p.fillRect(QRectF(x, 172, 4, 9), QColor(0x70, 0x74, 0x78));
    p.fillRect(QRectF(0, 174, 496, 5), QColor(0xc8, 0xcc, 0xd0));
    // Traffic keeps passing in both lanes.
    car(p, QPointF(lerp(-60, 556 + 620, t) - (t > 0.5 ? 620 : 0), 43), 0, QColor(0x34, 0x34, 0x34));
    lorry(p, QPointF(lerp(-120, 616, t), 81), 0, QColor(0x27, 0xae, 0x60), 100);
    Lights lights;
    lights.hazard = blink(t, 5, 1.5);
    const QPointF parked(330, 130);
    subjectTop(p, subject, parked, 0, lights);
    // The driver walks back to set the triangle far behind; the passenger climbs out over the rail.
    const double back = ease(0.08, 0.55, t);
    const QPointF driver = lerp(parked + QPointF(0, -14), QPointF(120, 122), back);
    if (t > 0.05)
        pedestrian(
            p, t < 0.6 ? driver : lerp(QPointF(120, 122), QPointF(150, 196), ease(0.6, 0.85, t)),
            t < 0.6 ? 180 : 60, QColor(0xff, 0x8c, 0x00), t * 14);
    if (t > 0.5) {
        const QPointF triangle(110, 130);
        p.setPen(QPen(QColor(0xe0, 0x1e, 0x1e), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF{
            {triangle + QPointF(-7, -9), triangle + QPointF(7, 0), triangle + QPointF(-7, 9)}});
        p.setPen(Qt::NoPen);
    }
    // A coach's passengers follow one another out over the rail.
    const QColor coats[] = {QColor(0x8e, 0x44, 0xad), QColor(0x16, 0xa0, 0x85),
                            QColor(0xc0, 0x39, 0x2b)};
    const int passengers = subject == Subject::Bus ? 3 : 1;
    for (int i = 0; i < passengers; ++i) {
        const double start = 0.1 + 0.12 * i;
        if (t > start)
            pedestrian(p,
                       lerp(parked + QPointF(6 - 20 * i, 16), QPointF(346 + 26 * i, 198),
                            ease(start, start + 0.4, t)),
                       90, coats[i], t * 14 + 0.5 + i * 0.3);
    }
}

} // namespace

std::vector<ClipDrawer> heavyClips() {
    return {
        {"clip_truck_right_turn.webm", 5, truckRightTurn, 0.6},
        {"clip_roundabout.webm", 5, paintAs<roundabout, Subject::Car>},
        {"clip_roundabout_bus.webm", 5, paintAs<roundabout, Subject::Bus>},
        {"clip_breakdown.webm", 5, paintAs<breakdown, Subject::Car>, 0.7},
        {"clip_breakdown_truck.webm", 5, paintAs<breakdown, Subject::Truck>, 0.7},
        {"clip_breakdown_bus.webm", 5, paintAs<breakdown, Subject::Bus>, 0.7},
    };
}

} // namespace mediagen
