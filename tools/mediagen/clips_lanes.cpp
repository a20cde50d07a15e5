// Clips about lanes: changing one lane after signalling, making way for an ambulance, taking
// turns where two lanes become one, moving over early for road works, keeping a safe distance
// and driving on past a missed expressway exit.
#include "canvas.h"
#include "clip_kit.h"
#include "drawers.h"
#include "motion.h"
#include "subject.h"
#include "topview.h"

#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace top;
using namespace motion;
using namespace clipkit;

const QColor kGrey(0x95, 0xa5, 0xa6);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kDark(0x34, 0x34, 0x34);

// Three lanes one way: the indicator blinks for a good while first, the move takes one lane
// smoothly, and the vehicle then stays in that lane.
void laneChange(QPainter &p, double t, Subject subject) {
    sameWayRoad(p, 28, 190, 3);
    const qreal length = subjectLength(subject);
    car(p, QPointF(lerp(-200, 720, t), 55), 0, kDark);
    const double move = 0.2 + length / 1000; // a longer vehicle moves over more gently
    const auto centre = [length, move](double s) {
        return QPointF(lerp(-length / 2 - 12, 508 + length / 2, s),
                       lerp(163, 109, ease(0.42, 0.42 + move, s)));
    };
    Lights lights;
    lights.left = t > 0.04 && t < 0.42 + move && blink(t, 5, 1.6);
    subjectTop(p, subject, centre(t), headingAt(centre, t), lights);
}

// An ambulance with its siren going, seen from above.
void ambulance(QPainter &p, QPointF centre, double t) {
    const bool phase = blink(t, 5, 3);
    // Siren rings ahead of it.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 18 + std::fmod(t * 5 * 2 + i / 3.0, 1.0) * 40;
        p.setPen(QPen(QColor(230, 40, 40, int(170 * (1 - (r - 18) / 40))), 2));
        p.drawArc(QRectF(centre.x() + 10 - r, centre.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    p.setPen(Qt::NoPen);
    car(p, centre, 0, QColor(0xf4, 0xf4, 0xf0), {}, 58);
    p.setBrush(QColor(0xd0, 0x1c, 0x1c));
    p.drawRect(QRectF(centre.x() - 11, centre.y() - 2.5, 14, 5));
    p.drawRect(QRectF(centre.x() - 6.5, centre.y() - 7, 5, 14));
    const QPointF bar = centre + QPointF(8, 0);
    p.setBrush(phase ? QColor(0xff, 0x30, 0x30) : QColor(0x60, 0x10, 0x10));
    p.drawRect(QRectF(bar.x(), bar.y() - 11, 4, 11));
    p.setBrush(phase ? QColor(0x10, 0x20, 0x60) : QColor(0x30, 0x70, 0xff));
    p.drawRect(QRectF(bar.x(), bar.y(), 4, 11));
    glow(p, bar + QPointF(2, phase ? -6 : 6), 18,
         phase ? QColor(255, 40, 40, 200) : QColor(50, 110, 255, 200));
}

// An ambulance comes up behind in our lane: we signal, move over to the right lane and ease
// off, and it goes by. The view travels with us.
void emergencyVehicle(QPainter &p, double t, Subject subject) {
    const auto speed = [](double s) { return 1 - 0.45 * ease(0.3, 0.45, s); };
    const double travelled = 1440 * integrate(t, speed);
    sameWayRoad(p, 40, 180, 2, travelled);
    const double move = 0.2 + subjectLength(subject) / 1000; // gentler for a longer vehicle
    const auto lateral = [move](double s) { return lerp(75, 145, ease(0.24, 0.24 + move, s)); };
    const double e = 0.004;
    const qreal heading = headingOf(1440 * speed(t) * 2 * e, lateral(t + e) - lateral(t - e));
    Lights lights;
    lights.right = t > 0.12 && t < 0.24 + move && blink(t, 5, 1.6);
    lights.brake = t > 0.3 && t < 0.55;
    subjectTop(p, subject, QPointF(300, lateral(t)), heading, lights);
    const double rush = (t - 0.08) / 0.72;
    if (rush > 0 && rush < 1)
        ambulance(p, QPointF(lerp(-60, 560, rush), 75), t);
}

// Where the right lane ends, vehicles from the two lanes take turns into the one that goes on.
void zipperMerge(QPainter &p, double t, Subject subject) {
    horizontalRoad(p, kFrame, 36, 184);
    // The right lane narrows to nothing between x = 250 and 380.
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.drawPolygon(
        QPolygonF{{QPointF(250, 188), QPointF(380, 114), QPointF(500, 114), QPointF(500, 188)}});
    p.setBrush(QColor(0xb8, 0xb4, 0xaa));
    p.drawPolygon(
        QPolygonF{{QPointF(250, 184), QPointF(380, 110), QPointF(380, 114), QPointF(250, 188)}});
    p.fillRect(QRectF(380, 110, 116, 4), QColor(0xb8, 0xb4, 0xaa));
    solidLine(p, 40, 0, 496, 3, kLineWhite);
    solidLine(p, 180, 0, 250, 3, kLineWhite);
    p.setPen(QPen(kLineWhite, 3));
    p.drawLine(QPointF(250, 180), QPointF(380, 106));
    p.setPen(Qt::NoPen);
    solidLine(p, 106, 380, 496, 3, kLineWhite);
    dashedLine(p, 110, 0, 250, 30, 30, 3, kLineWhite);
    // Arrows on the ending lane point the way over.
    for (qreal x : {70.0, 190.0}) {
        QPainterPath arrow;
        arrow.moveTo(x, 160);
        arrow.lineTo(x + 26, 160);
        arrow.lineTo(x + 40, 136);
        arrow.lineTo(x + 46, 142);
        arrow.lineTo(x + 44, 124);
        arrow.lineTo(x + 28, 132);
        arrow.lineTo(x + 34, 136);
        arrow.lineTo(x + 22, 152);
        arrow.lineTo(x, 152);
        arrow.closeSubpath();
        p.setBrush(kLineWhite);
        p.drawPath(arrow);
    }
    for (int k = 0; k < 4; ++k)
        treeTop(p, QPointF(k * 140 + 50, 16), 14);
    treeTop(p, QPointF(420, 160), 18);

    // Four vehicles per loop share one stream: left, right, left, right. Each takes the whole
    // loop to cross, so the stream comes round exactly.
    const qreal length = subjectLength(subject);
    const qreal x0 = -60 - length / 2, x1 = 556 + length / 2;
    const auto rightLaneY = [](qreal x) { return lerp(148, 74, ease(110, 370, x)); };
    for (int k = 0; k < 4; ++k) {
        const double s = std::fmod(t + k / 4.0, 1.0);
        const auto centre = [&](double u) {
            const qreal x = lerp(x0, x1, u);
            return QPointF(x, k % 2 == 0 ? 74 : rightLaneY(x));
        };
        const QPointF at = centre(s);
        const qreal heading = headingAt(centre, s);
        if (k == 1) {
            Lights lights;
            lights.left = at.x() > 80 && at.x() < 360 && blink(t, 5, 1.6);
            subjectTop(p, subject, at, heading, lights);
        } else {
            Lights lights;
            lights.left = k % 2 == 1 && at.x() > 80 && at.x() < 360 && blink(t, 5, 1.6);
            car(p, at, heading, k == 0 ? kGrey : k == 2 ? kRed : kDark, lights);
        }
    }
}

// Road works close the right lane ahead: we slow down early, signal and move over well before
// the cones, and pass the works slowly.
void workZone(QPainter &p, double t, Subject subject) {
    sameWayRoad(p, 40, 180, 2);
    // Taper of cones from the kerb to the lane line, then the closed lane.
    const QColor closed(0x72, 0x76, 0x7a);
    p.setPen(Qt::NoPen);
    p.setBrush(closed);
    p.drawPolygon(
        QPolygonF{{QPointF(400, 176), QPointF(456, 112), QPointF(500, 112), QPointF(500, 176)}});
    for (int i = 0; i <= 6; ++i)
        cone(p, QPointF(400 + i * 9.3, 174 - i * 10.7));
    for (qreal x = 474; x < 500; x += 20)
        cone(p, QPointF(x, 114));
    // A flashing arrow board points the traffic left.
    const bool lit = blink(t, 5, 1.6);
    fillVerticalGradient(p, QRectF(446, 148, 40, 24), QColor(0x22, 0x22, 0x22),
                         QColor(0x10, 0x10, 0x10), 3);
    p.setBrush(lit ? QColor(0xff, 0xc8, 0x20) : QColor(0x60, 0x4a, 0x10));
    p.translate(86, 2);
    p.drawPolygon(
        QPolygonF{{QPointF(366, 158), QPointF(378, 150), QPointF(378, 155), QPointF(394, 155),
                   QPointF(394, 161), QPointF(378, 161), QPointF(378, 166)}});
    p.translate(-86, -2);
    pedestrian(p, QPointF(484, 132), 180, QColor(0xff, 0x8c, 0x00), t * 6);
    board(p, QRectF(70, 186, 66, 24), u"前方施工"_s, QColor(0xf6, 0xc0, 0x1a),
          QColor(0x1e, 0x1e, 0x1e));
    paintPicture(p, "sign_speed_limit_40.png", QRectF(150, 184, 28, 28));

    const qreal length = subjectLength(subject);
    const auto speed = [](double s) { return 1 - 0.5 * ease(0.1, 0.35, s); };
    // Over in the left lane with the front still short of the first cone.
    const qreal moveFrom = 20, moveTo = 390 - length / 2;
    const auto centre = [&](double s) {
        const qreal x = travel(-length / 2 - 12, 508 + length / 2, clamp01(s), speed);
        return QPointF(x, lerp(145, 75, ease(moveFrom, moveTo, x)));
    };
    // A faster car goes by in the left lane before we move over into it.
    car(p, QPointF(lerp(-60, 1500, t), 75), 0, kGrey);
    const QPointF at = centre(t);
    Lights lights;
    lights.brake = t > 0.08 && t < 0.36;
    lights.left = t > 0.1 && at.x() < moveTo && blink(t, 5, 1.6);
    subjectTop(p, subject, at, headingAt(centre, t), lights);
}

// Speed along the road of a vehicle that brakes from full speed at `from` to a stop at `to`.
double brakingDistance(double t, double from, double to) {
    return integrate(t, [=](double s) { return 1 - clamp01((s - from) / (to - from)); });
}

// The vehicle ahead brakes hard; the gap we kept lets us stop behind it in time.
void followingDistance(QPainter &p, double t, Subject subject) {
    const double speed = 1500;
    const double ours = speed * brakingDistance(t, 0.4, 0.7);
    const double theirs = speed * brakingDistance(t, 0.34, 0.56);
    sameWayRoad(p, 40, 180, 2, ours);
    const qreal length = subjectLength(subject);
    const QPointF at(40 + length / 2, 145);
    const QPointF lead(420 + theirs - ours, 145);
    Lights leadLights;
    leadLights.brake = t > 0.34;
    car(p, lead, 0, kRed, leadLights);
    Lights lights;
    lights.brake = t > 0.4;
    subjectTop(p, subject, at, 0, lights);
    // The gap, measured from our front to the other's rear.
    const qreal gap0 = at.x() + length / 2 + 4, gap1 = lead.x() - 27;
    p.setPen(QPen(QColor(0xf6, 0xc0, 0x1a), 2));
    p.drawLine(QPointF(gap0, 122), QPointF(gap1, 122));
    p.drawLine(QPointF(gap0, 116), QPointF(gap0, 128));
    p.drawLine(QPointF(gap1, 116), QPointF(gap1, 128));
    p.setPen(Qt::NoPen);
    drawOutlinedText(p, QRectF(gap0, 96, gap1 - gap0, 22), u"安全距离"_s, cjkFont(14, true),
                     QColor(0xf6, 0xc0, 0x1a), QColor(0, 0, 0, 160), 3);
}

// The exit goes by on the right; we keep to our lane and drive on to the next one.
void missedExit(QPainter &p, double t, Subject subject) {
    const double scroll = 1080 * t; // twelve dash periods
    horizontalRoad(p, kFrame, 16, 148);
    p.fillRect(QRectF(0, 0, 496, 16), QColor(0x8a, 0x9a, 0x6a));
    p.fillRect(QRectF(0, 5, 496, 5), QColor(0xc8, 0xcc, 0xd0));
    const qreal f = 520 - scroll; // where the exit begins
    // The exit lane leaves the hard shoulder and curves away down the picture.
    QPainterPath ramp;
    ramp.moveTo(f, 132);
    ramp.lineTo(f + 120, 134);
    ramp.cubicTo(f + 190, 136, f + 240, 170, f + 320, 250);
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xaa), 40, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ramp);
    p.setPen(QPen(kAsphalt, 32, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(ramp);
    p.setPen(Qt::NoPen);
    solidLine(p, 20, 0, 496, 3, kLineYellow);
    dashedLine(p, 68, 0, 496, 50, 40, 3, kLineWhite, -scroll);
    // The edge line breaks where the exit lane leaves, then guards the gore.
    solidLine(p, 116, 0, std::max<qreal>(0, f), 4, kLineWhite);
    dashedLine(p, 116, std::max<qreal>(0, f), std::max<qreal>(0, f + 150), 12, 12, 4, kLineWhite,
               -scroll);
    solidLine(p, 116, std::max<qreal>(0, f + 150), 496, 4, kLineWhite);
    // White chevrons in the gore between the carriageway and the exit.
    p.save();
    QPainterPath gore;
    gore.moveTo(f + 150, 119);
    gore.lineTo(f + 340, 119);
    gore.lineTo(f + 340, 200);
    gore.cubicTo(f + 260, 150, f + 200, 128, f + 150, 119);
    p.setClipPath(gore);
    p.fillPath(gore, QColor(0x6a, 0x6e, 0x72));
    p.setPen(QPen(kLineWhite, 3));
    for (qreal x = f + 150; x < f + 360; x += 16)
        p.drawLine(QPointF(x, 119), QPointF(x + 40, 200));
    p.restore();
    board(p, QRectF(f + 210, 168, 56, 24), u"出口"_s, QColor(0x1a, 0x7a, 0x3c), Qt::white);
    board(p, QRectF(f + 460, 160, 96, 26), u"下一出口 8 km"_s, QColor(0x1a, 0x7a, 0x3c), Qt::white);

    car(p, QPointF(lerp(-40, 540, t), 44), 0, kGrey);
    subjectTop(p, subject, QPointF(170, 92), 0);
}

} // namespace

std::vector<ClipDrawer> laneClips() {
    return {
        {"clip_lane_change.webm", 5, paintAs<laneChange, Subject::Car>},
        {"clip_lane_change_truck.webm", 5, paintAs<laneChange, Subject::Truck>},
        {"clip_emergency_vehicle.webm", 5, paintAs<emergencyVehicle, Subject::Car>, 0.6},
        {"clip_emergency_vehicle_truck.webm", 5, paintAs<emergencyVehicle, Subject::Truck>, 0.6},
        {"clip_zipper_merge.webm", 5, paintAs<zipperMerge, Subject::Car>},
        {"clip_zipper_merge_truck.webm", 5, paintAs<zipperMerge, Subject::Truck>},
        {"clip_work_zone.webm", 5, paintAs<workZone, Subject::Car>},
        {"clip_work_zone_truck.webm", 5, paintAs<workZone, Subject::Truck>},
        {"clip_following_distance.webm", 5, paintAs<followingDistance, Subject::Car>, 0.6},
        {"clip_following_distance_truck.webm", 5, paintAs<followingDistance, Subject::Truck>, 0.6},
        {"clip_missed_exit.webm", 5, paintAs<missedExit, Subject::Car>},
        {"clip_missed_exit_truck.webm", 5, paintAs<missedExit, Subject::Truck>},
    };
}

} // namespace mediagen
