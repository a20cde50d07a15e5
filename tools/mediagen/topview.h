// Top-view drawing kit: asphalt, verges, lane lines and vehicles seen from above, shared by
// the road-marking pictures, the top-view scenes and the clips.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace mediagen::top {

inline const QColor kAsphalt{0x5d, 0x62, 0x66};
inline const QColor kGrass{0x7d, 0xb0, 0x5a};
inline const QColor kLineWhite{0xf4, 0xf4, 0xf0};
inline const QColor kLineYellow{0xf2, 0xc2, 0x1b};

// Grass over the whole canvas, then a horizontal carriageway from y0 to y1 with kerbs.
void horizontalRoad(QPainter &p, const QRectF &canvas, qreal y0, qreal y1);
// A vertical carriageway from x0 to x1 drawn over what is there.
void verticalRoad(QPainter &p, const QRectF &canvas, qreal x0, qreal x1);
// Dashes along y from x0 to x1; offset shifts the pattern (for scrolling clips).
void dashedLine(QPainter &p, qreal y, qreal x0, qreal x1, qreal dash, qreal gap, qreal width,
                const QColor &colour, qreal offset = 0);
void solidLine(QPainter &p, qreal y, qreal x0, qreal x1, qreal width, const QColor &colour);
// Zebra bars across a horizontal road: a band from x to x + depth, from y0 to y1.
void zebra(QPainter &p, qreal x, qreal depth, qreal y0, qreal y1);
// A round tree crown seen from above.
void treeTop(QPainter &p, QPointF centre, qreal radius);

enum class Beam { Off, Low, High };

struct Lights {
    Beam beam = Beam::Off;
    bool fog = false;
    bool brake = false;
    bool hazard = false; // both indicators lit
    bool left = false;   // left indicator lit
    bool right = false;  // right indicator lit
};

// Vehicles point along heading (degrees, 0 = to the right, 90 = down the canvas).
void car(QPainter &p, QPointF centre, qreal heading, const QColor &body, const Lights &lights = {},
         qreal length = 46);
// A rigid lorry: cab at the front, a long cargo bed behind.
void lorry(QPainter &p, QPointF centre, qreal heading, const QColor &cab, qreal length = 100,
           const Lights &lights = {});
// A bus roof with its ventilation hatches.
void bus(QPainter &p, QPointF centre, qreal heading, const QColor &body, const Lights &lights = {},
         qreal length = 110);
// A cyclist seen from above.
void cyclist(QPainter &p, QPointF centre, qreal heading, const QColor &shirt);
// A pedestrian seen from above, walking along heading; step is the walk phase 0..1.
void pedestrian(QPainter &p, QPointF centre, qreal heading, const QColor &coat, qreal step = 0);

} // namespace mediagen::top
