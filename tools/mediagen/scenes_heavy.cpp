// Scenes of heavy vehicles and mountain roads: blind spots, long descents, tunnels, curves,
// the passengers of a coach and an overloaded lorry.
#include "canvas.h"
#include "drawers.h"
#include "rearviews.h"
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

const QColor kDaySkyTop(0x6f, 0xae, 0xe6);
const QColor kDaySkyLow(0xcf, 0xe7, 0xf7);

// A sign on a grey post; foot is where the post meets the ground.
void signOnPost(QPainter &p, const char *name, QPointF foot, qreal size) {
    p.fillRect(QRectF(foot.x() - size * 0.05, foot.y() - size * 1.6, size * 0.1, size * 1.6),
               QColor(0x8a, 0x8e, 0x92));
    paintPicture(p, name, QRectF(foot.x() - size / 2, foot.y() - size * 2, size, size));
}

void truckBlindSpot(QPainter &p) {
    using namespace top;
    const QRectF canvas(0, 0, 480, 210);
    horizontalRoad(p, canvas, 30, 186);
    verticalRoad(p, canvas, 360, 470);
    p.fillRect(QRectF(360, 30, 110, 156), kAsphalt);
    solidLine(p, 96, 0, 350, 4, kLineYellow);
    solidLine(p, 160, 0, 340, 3, kLineWhite);
    p.fillRect(QRectF(0, 160, 340, 26), QColor(0x4f, 0x7a, 0x5a));
    p.fillRect(QRectF(342, 98, 6, 88), kLineWhite);
    // The right side of a turning lorry hides a band the driver cannot see in the mirrors.
    QPainterPath blind;
    blind.moveTo(300, 142);
    blind.lineTo(150, 142);
    blind.lineTo(120, 192);
    blind.lineTo(330, 192);
    blind.closeSubpath();
    p.setPen(QPen(QColor(220, 30, 30, 200), 2, Qt::DashLine));
    p.setBrush(QColor(230, 40, 40, 90));
    p.drawPath(blind);
    p.setPen(Qt::NoPen);
    lorry(p, QPointF(225, 127), 0, QColor(0xd3, 0x54, 0x00), 160);
    QRadialGradient indicator(QPointF(305, 146), 9);
    indicator.setColorAt(0, QColor(255, 170, 0, 240));
    indicator.setColorAt(1, QColor(255, 170, 0, 0));
    p.setBrush(indicator);
    p.drawEllipse(QPointF(305, 146), 9, 9);
    cyclist(p, QPointF(236, 173), 0, QColor(0x29, 0x80, 0xb9));
    drawOutlinedText(p, QRectF(130, 176, 80, 16), u"盲区"_s, cjkFont(14, true), Qt::white,
                     QColor(120, 0, 0, 200), 3);
    car(p, QPointF(90, 63), 180, QColor(0x7f, 0x8c, 0x8d));
    car(p, QPointF(415, 60), 90, QColor(0x2e, 0x6d, 0xb4));
}

void longDescent(QPainter &p, side::Subject subject) {
    side::sky(p, QRectF(0, 0, 480, 120), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 100, 50, QColor(0x9a, 0xae, 0xc4), 2);
    side::hills(p, 480, 118, 40, QColor(0x6f, 0x95, 0x6a), 5);
    // The road falls away: its vanishing point lies below the far hills.
    const side::Perspective road{QPointF(200, 116), 210, -40, 440};
    side::road(p, road, QColor(0x5d, 0x62, 0x66), QColor(0x74, 0x9c, 0x5e));
    // The escape lane leaves to the right and climbs, paved with loose gravel.
    QPainterPath escape;
    escape.moveTo(road.at(0.97, 0.95));
    escape.cubicTo(QPointF(470, 180), QPointF(470, 150), QPointF(480, 120));
    escape.lineTo(480, 104);
    escape.cubicTo(QPointF(440, 128), QPointF(400, 140), road.at(0.97, 0.42));
    escape.closeSubpath();
    QLinearGradient gravel(0, 104, 0, 210);
    gravel.setColorAt(0, QColor(0xd8, 0xc4, 0x98));
    gravel.setColorAt(1, QColor(0xb8, 0x9c, 0x6a));
    p.setBrush(gravel);
    p.drawPath(escape);
    p.setPen(QPen(QColor(0xf0, 0xf0, 0xea), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(escape);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(380, 30, 94, 34), QColor(0x1c, 0x7c, 0x44));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(QRectF(383, 33, 88, 28));
    p.setPen(Qt::NoPen);
    drawCentredText(p, QRectF(380, 30, 94, 34), u"避险车道 ➚"_s, cjkFont(15, true), Qt::white);
    p.fillRect(QRectF(424, 64, 5, 40), QColor(0x8a, 0x8e, 0x92));
    signOnPost(p, "sign_steep_descent.png", QPointF(34, 166), 48);
    p.fillRect(QRectF(8, 122, 52, 18), Qt::white);
    p.setPen(QPen(QColor(0x1c, 0x1c, 0x1c), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(9.5, 123.5, 49, 15));
    p.setPen(Qt::NoPen);
    drawCentredText(p, QRectF(8, 122, 52, 18), u"连续下坡"_s, cjkFont(11, true),
                    QColor(0x1c, 0x1c, 0x1c));
    side::subjectRear(p, subject, road.at(0.66, 0.45), 44, QColor(0xd3, 0x54, 0x00),
                      side::Lamps{side::Beam::Off, false, true, false, true});
}

void tunnelEntrance(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 120), kDaySkyTop, kDaySkyLow);
    const side::Perspective road{QPointF(240, 60), 210, -40, 520};
    const qreal s = 0.38;
    const QPointF left = road.at(-0.02, s), right = road.at(1.02, s);
    // The mountain closes over the road; the portal's dark mouth swallows the far lanes.
    QPainterPath mountain;
    mountain.moveTo(0, left.y() + 1);
    mountain.cubicTo(60, 40, 150, 10, 240, 14);
    mountain.cubicTo(330, 10, 420, 40, 480, 100);
    mountain.lineTo(480, left.y() + 1);
    mountain.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4e, 0x86, 0x48));
    p.drawPath(mountain);
    p.save();
    p.setClipRect(QRectF(0, left.y(), 480, 210 - left.y()));
    side::road(p, road, QColor(0x5d, 0x62, 0x66), QColor(0x6f, 0x9a, 0x55));
    p.restore();
    const QRectF portal(left.x() - 14, left.y() - 86, right.x() - left.x() + 28, 86);
    p.fillRect(portal.adjusted(-10, -14, 10, 0), QColor(0xc9, 0xc3, 0xb6));
    QPainterPath mouth;
    mouth.moveTo(left);
    mouth.lineTo(left.x(), left.y() - 34);
    mouth.cubicTo(left.x(), left.y() - 76, right.x(), left.y() - 76, right.x(), right.y() - 34);
    mouth.lineTo(right);
    mouth.closeSubpath();
    QRadialGradient dark(QPointF(240, left.y() - 20), 110);
    dark.setColorAt(0, QColor(0x30, 0x28, 0x18));
    dark.setColorAt(1, QColor(0x0c, 0x0c, 0x0e));
    p.setBrush(dark);
    p.drawPath(mouth);
    p.setBrush(QColor(0xff, 0xd8, 0x7a));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(240 + (i - 2) * 30, left.y() - 52 + std::abs(i - 2) * 5), 3, 2);
    p.fillRect(QRectF(190, portal.top() - 8, 100, 22), QColor(0x1c, 0x5c, 0xa8));
    drawCentredText(p, QRectF(190, portal.top() - 8, 100, 22), u"青山隧道"_s, cjkFont(14, true),
                    Qt::white);
    for (qreal x : {24.0, 76.0, 404.0, 456.0})
        side::tree(p, QPointF(x, left.y() + 2), 46);
    signOnPost(p, "sign_tunnel_lights.png", QPointF(446, 196), 44);
    signOnPost(p, "sign_speed_limit_40.png", QPointF(34, 196), 40);
}

// The bend seen from behind the subject; a car's driver sees it from the seat.
void mountainCurve(QPainter &p, side::Subject subject) {
    side::sky(p, QRectF(0, 0, 480, 110), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 100, 48, QColor(0x9a, 0xae, 0xc4), 3);
    p.fillRect(QRectF(0, 96, 480, 114), QColor(0x7f, 0xa4, 0x66));
    // The road sweeps left behind the rock face; its width shrinks with distance.
    const auto centre = [](qreal t) {
        const qreal u = 1 - t;
        return QPointF(
            u * u * u * 300 + 3 * u * u * t * 280 + 3 * u * t * t * 250 + t * t * t * 120,
            u * u * u * 212 + 3 * u * u * t * 140 + 3 * u * t * t * 108 + t * t * t * 100);
    };
    QPolygonF leftEdge, rightEdge, centreLine;
    for (int i = 0; i <= 60; ++i) {
        const qreal t = i / 60.0;
        const QPointF c = centre(t),
                      ahead = centre(qMin(1.0, t + 0.01)) - centre(qMax(0.0, t - 0.01));
        const qreal len = std::hypot(ahead.x(), ahead.y());
        const QPointF normal(-ahead.y() / len, ahead.x() / len);
        const qreal half = 175 * std::pow(1 - t, 2.2) + 12;
        leftEdge << c - normal * half;
        rightEdge << c + normal * half;
        centreLine << c;
    }
    // Beyond the outer edge the ground drops into a hazy valley.
    QPolygonF valley = rightEdge;
    valley << QPointF(480, 210) << QPointF(480, 96);
    QLinearGradient haze(0, 96, 0, 210);
    haze.setColorAt(0, QColor(0xa8, 0xbc, 0xc0));
    haze.setColorAt(1, QColor(0x6f, 0x94, 0x62));
    p.setPen(Qt::NoPen);
    p.setBrush(haze);
    p.drawPolygon(valley);
    QPolygonF band = leftEdge;
    for (auto it = rightEdge.crbegin(); it != rightEdge.crend(); ++it)
        band << *it;
    p.setBrush(QColor(0x5d, 0x62, 0x66));
    p.drawPolygon(band);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf2, 0xc2, 0x1b), 3));
    p.drawPolyline(centreLine);
    p.setPen(QPen(QColor(0xf0, 0xf0, 0xea), 2));
    p.drawPolyline(leftEdge);
    p.drawPolyline(rightEdge);
    // Guard rail along the drop, posts shrinking with distance.
    for (int i = 0; i + 3 <= 54; i += 3) {
        const qreal near = 1 - i / 60.0;
        const QPointF a = rightEdge[i] + QPointF(6 * near, 0),
                      b = rightEdge[i + 3] + QPointF(6 * near, 0);
        p.setPen(QPen(QColor(0x70, 0x74, 0x78), 2 * near + 0.5));
        p.drawLine(a, a - QPointF(0, 12 * near));
        p.setPen(QPen(QColor(0xdc, 0xe0, 0xe4), 3 * near + 0.6));
        p.drawLine(a - QPointF(0, 10 * near), b - QPointF(0, 10 * (1 - (i + 3) / 60.0)));
    }
    p.setPen(Qt::NoPen);
    // An oncoming lorry only half shows round the rock: the bend hides what comes.
    side::carFront(p, (centreLine[38] + leftEdge[38]) / 2 + QPointF(4, 0), 30,
                   QColor(0xd3, 0x54, 0x00), side::Lamps{side::Beam::Low});
    // A wide-angle mirror on the outside of the bend.
    const QPointF mirrorFoot = rightEdge[26] + QPointF(14, 4);
    p.fillRect(QRectF(mirrorFoot.x() - 1.5, mirrorFoot.y() - 44, 3, 44), QColor(0x8a, 0x8e, 0x92));
    p.setBrush(QColor(0xf0, 0x7a, 0x1a));
    p.drawEllipse(mirrorFoot - QPointF(0, 52), 14, 16);
    QRadialGradient glass(mirrorFoot - QPointF(4, 56), 14);
    glass.setColorAt(0, QColor(0xf4, 0xfa, 0xff));
    glass.setColorAt(1, QColor(0x8c, 0xa6, 0xbc));
    p.setBrush(glass);
    p.drawEllipse(mirrorFoot - QPointF(0, 52), 11, 13);
    if (subject != side::Subject::Car) {
        const int i = 19;
        const QPointF lane = (centreLine[i] + rightEdge[i]) / 2;
        side::subjectRear(
            p, subject, lane,
            std::hypot(rightEdge[i].x() - centreLine[i].x(), rightEdge[i].y() - centreLine[i].y()) *
                0.5,
            QColor(0x2e, 0x6d, 0xb4), side::Lamps{side::Beam::Off, false, true});
    }
    QPainterPath rock;
    rock.moveTo(0, 210);
    rock.lineTo(0, 20);
    rock.lineTo(40, 8);
    rock.lineTo(90, 30);
    rock.lineTo(130, 26);
    rock.lineTo(175, 60);
    rock.lineTo(205, 96);
    rock.lineTo(214, 126);
    rock.lineTo(180, 170);
    rock.lineTo(150, 210);
    rock.closeSubpath();
    QLinearGradient stone(0, 0, 220, 0);
    stone.setColorAt(0, QColor(0x6e, 0x62, 0x56));
    stone.setColorAt(1, QColor(0x9c, 0x8e, 0x7c));
    p.setBrush(stone);
    p.drawPath(rock);
    p.setPen(QPen(QColor(0x5a, 0x50, 0x46), 2));
    for (const auto &[a, b] : {std::pair{QPointF(40, 60), QPointF(90, 90)},
                               {QPointF(120, 70), QPointF(170, 120)},
                               {QPointF(30, 130), QPointF(110, 150)},
                               {QPointF(150, 150), QPointF(190, 130)}})
        p.drawLine(a, b);
    p.setPen(Qt::NoPen);
    side::tree(p, QPointF(60, 22), 40);
    side::tree(p, QPointF(130, 30), 34);
    signOnPost(p, "sign_sharp_curve_left.png", QPointF(440, 190), 50);
}

void busPassengers(QPainter &p) {
    // Inside a coach, looking back from the front: rows of belted passengers.
    fillVerticalGradient(p, QRectF(0, 0, 480, 210), QColor(0xe8, 0xe6, 0xe0),
                         QColor(0xb8, 0xb4, 0xac));
    const QPointF vanish(240, 70);
    p.setBrush(QColor(0xf6, 0xf4, 0xee));
    p.drawPolygon(QPolygonF{{QPointF(0, 0), QPointF(480, 0), QPointF(300, 50), QPointF(180, 50)}});
    p.setBrush(QColor(0x7a, 0x6e, 0x62));
    p.drawPolygon(
        QPolygonF{{QPointF(180, 210), QPointF(300, 210), QPointF(250, 96), QPointF(230, 96)}});
    for (int side = -1; side <= 1; side += 2) {
        QPolygonF window;
        window << QPointF(240 + side * 240, 20) << QPointF(240 + side * 80, 56)
               << QPointF(240 + side * 80, 78) << QPointF(240 + side * 240, 92);
        p.setBrush(QColor(0x9c, 0xcc, 0xec));
        p.drawPolygon(window);
    }
    const QColor shirts[] = {QColor(0xe7, 0x4c, 0x3c), QColor(0x27, 0xae, 0x60),
                             QColor(0x8e, 0x44, 0xad), QColor(0xf3, 0x9c, 0x12),
                             QColor(0x29, 0x80, 0xb9), QColor(0x16, 0xa0, 0x85)};
    // Back rows first so the nearer rows cover them.
    for (int row = 3; row >= 0; --row) {
        const qreal k = 1.0 / (1 + row * 0.55);
        const qreal baseY = vanish.y() + 150 * k;
        for (int side = -1; side <= 1; side += 2)
            for (int seat = 0; seat < 2; ++seat) {
                const qreal x = vanish.x() + side * (70 + seat * 95) * k;
                const qreal w = 84 * k;
                const QColor shirt = shirts[(row * 4 + seat * 2 + side + 1) % 6];
                fillVerticalGradient(p, QRectF(x - w / 2, baseY - 110 * k, w, 110 * k),
                                     QColor(0x2f, 0x5d, 0x9c), QColor(0x1f, 0x3d, 0x6c), 8 * k);
                p.setPen(Qt::NoPen);
                p.setBrush(shirt);
                p.drawRoundedRect(QRectF(x - w * 0.36, baseY - 70 * k, w * 0.72, 66 * k), 12 * k,
                                  12 * k);
                p.setBrush(QColor(0xf1, 0xc2, 0x9b));
                p.drawEllipse(QPointF(x, baseY - 86 * k), 13 * k, 15 * k);
                p.setBrush(QColor(0x2b, 0x21, 0x1b));
                p.drawChord(QRectF(x - 13 * k, baseY - 102 * k, 26 * k, 22 * k), 0, 180 * 16);
                // Three-point belt: over the shoulder, across the chest, over the lap.
                p.setPen(QPen(QColor(0x30, 0x30, 0x34), 6 * k, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(QPointF(x - side * w * 0.3, baseY - 66 * k),
                           QPointF(x + side * w * 0.3, baseY - 14 * k));
                p.drawLine(QPointF(x - w * 0.36, baseY - 14 * k),
                           QPointF(x + w * 0.36, baseY - 14 * k));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xc8, 0xcc, 0xd0));
                p.drawRoundedRect(QRectF(x + side * w * 0.3 - 5 * k, baseY - 18 * k, 10 * k, 8 * k),
                                  2, 2);
            }
    }
}

void overloadedTruck(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 170), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 170, 40, QColor(0x86, 0xa9, 0x78), 9);
    p.fillRect(QRectF(0, 166, 480, 44), QColor(0x5d, 0x62, 0x66));
    top::dashedLine(p, 200, 0, 480, 30, 24, 2.5, top::kLineWhite);
    // Sacks piled far above the cab and hanging out behind the bed.
    side::lorrySide(p, QPointF(250, 190), 300, QColor(0x2e, 0x6d, 0xb4), 0, QColor());
    p.setPen(QPen(QColor(0x8a, 0x74, 0x4a), 1));
    for (int row = 0; row < 6; ++row)
        for (int i = 0; i < 9 - (row + 1) / 2; ++i) {
            const QRectF sack(72 + i * 26 + row * 4 - (row < 2 ? 14 : 0), 133 - row * 19, 30, 21);
            fillVerticalGradient(p, sack, QColor(0xe8, 0xd8, 0xaa), QColor(0xc4, 0xaa, 0x72), 8);
        }
    p.setPen(QPen(QColor(0x7a, 0x3a, 0x20), 2));
    p.drawLine(QPointF(60, 40), QPointF(100, 144));
    p.drawLine(QPointF(180, 34), QPointF(240, 144));
    p.setPen(Qt::NoPen);
    signOnPost(p, "sign_height_limit.png", QPointF(404, 168), 44);
    signOnPost(p, "sign_weight_limit.png", QPointF(454, 168), 44);
}

} // namespace

std::vector<PictureDrawer> heavyVehicleScenes() {
    return {
        {"scene_truck_blind_spot.png", kSceneSize, truckBlindSpot},
        {"scene_long_descent.png", kSceneSize,
         [](QPainter &p) { longDescent(p, side::Subject::Car); }},
        {"scene_long_descent_truck.png", kSceneSize,
         [](QPainter &p) { longDescent(p, side::Subject::Lorry); }},
        {"scene_tunnel_entrance.png", kSceneSize, tunnelEntrance},
        {"scene_mountain_curve.png", kSceneSize,
         [](QPainter &p) { mountainCurve(p, side::Subject::Car); }},
        {"scene_mountain_curve_bus.png", kSceneSize,
         [](QPainter &p) { mountainCurve(p, side::Subject::Bus); }},
        {"scene_bus_passengers.png", kSceneSize, busPassengers},
        {"scene_overloaded_truck.png", kSceneSize, overloadedTruck},
    };
}

} // namespace mediagen
