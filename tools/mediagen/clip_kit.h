// Pieces the top-view clips share: road layouts, cones, signal heads, roadside boards and
// following a route.
#pragma once

#include "topview.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cmath>
#include <initializer_list>

namespace mediagen::clipkit {

inline const QRectF kFrame(0, 0, 496, 218);

// A two-way road with one lane each way and a yellow centre line; scroll moves the dashes and
// the trees.
void twoWayRoad(QPainter &p, qreal scroll, bool dashedCentre);

// A road from y0 to y1 with lanes running the same way, white dashes between them and trees
// on both verges; scroll moves the dashes and the trees.
void sameWayRoad(QPainter &p, qreal y0, qreal y1, int lanes, qreal scroll = 0);

// Heading in degrees of something moving by dx along x while y changes by dy.
qreal headingOf(qreal dx, qreal dy);

// Heading of a vehicle whose centre at phase t is centre(t); 0 while it stands still.
template <typename Centre> qreal headingAt(Centre centre, double t) {
    const double e = 0.003;
    const QPointF d = centre(t + e) - centre(t - e);
    return std::abs(d.x()) + std::abs(d.y()) < 0.01 ? 0 : headingOf(d.x(), d.y());
}

// A traffic cone seen from above.
void cone(QPainter &p, QPointF centre);

// One lamp of a signal head: its colour, whether it is lit and the arrow on it (none: round).
enum class Arrow { None, Left, Straight };
struct SignalLamp {
    QColor colour;
    bool lit;
    Arrow arrow = Arrow::None;
};
// A signal head inset at topLeft with its lamps in a row, as the driver sees them.
void signalHead(QPainter &p, QPointF topLeft, std::initializer_list<SignalLamp> lamps);

// A roadside board with centred text, seen face on.
void board(QPainter &p, const QRectF &box, const QString &text, const QColor &ground,
           const QColor &ink);

// Where a vehicle driving along route stands after along pixels, and where it points.
struct Pose {
    QPointF centre;
    qreal heading;
};
Pose poseAlong(const QPainterPath &route, qreal along);

} // namespace mediagen::clipkit
