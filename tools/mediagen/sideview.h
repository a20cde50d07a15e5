// Side-view and road-perspective drawing kit for the illustrated scenes and clips: sky,
// landscape, a road running to the horizon, vehicles in profile and from behind, people.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace mediagen::side {

void sky(QPainter &p, const QRectF &area, const QColor &top, const QColor &bottom);
void cloud(QPainter &p, QPointF centre, qreal size, const QColor &colour);
// A soft range of hills along baseY; seed varies the outline.
void hills(QPainter &p, qreal width, qreal baseY, qreal height, const QColor &colour, int seed);
// A tree standing at ground, height tall.
void tree(QPainter &p, QPointF ground, qreal height,
          const QColor &leaves = QColor(0x3f, 0x8f, 0x3a));

// A straight road running from the bottom edge (left to right) to a vanishing point.
struct Perspective {
    QPointF vanish;
    qreal bottomY;
    qreal left;
    qreal right;
    // The point a fraction u across the road at depth s (1 at the bottom edge, 0 at the horizon).
    QPointF at(qreal u, qreal s) const;
};
// Grass, asphalt, edge lines and the dashed centre line; phase (0..1) moves the dashes.
void road(QPainter &p, const Perspective &view, const QColor &asphalt, const QColor &verge,
          qreal phase = 0, const QColor &centre = QColor(0xf2, 0xc2, 0x1b));

enum class Beam { Off, Low, High };

struct Lamps {
    Beam beam = Beam::Off;
    bool fog = false;
    bool brake = false;
    bool hazard = false;
    bool tail = false;
};

// A car seen from behind; base is the middle of its wheels' contact line.
void carRear(QPainter &p, QPointF base, qreal width, const QColor &body, const Lamps &lamps = {});
// A car seen from the front (oncoming); its headlamps may glare.
void carFront(QPainter &p, QPointF base, qreal width, const QColor &body, const Lamps &lamps = {});
// A car in profile; base is the middle of the ground line, facing right unless mirrored.
void carSide(QPainter &p, QPointF base, qreal length, const QColor &body, bool facingRight = true,
             const Lamps &lamps = {});
// A lorry in profile facing right; cargoHeight above the bed (0 for an empty flat bed).
void lorrySide(QPainter &p, QPointF base, qreal length, const QColor &cab, qreal cargoHeight,
               const QColor &cargo, const Lamps &lamps = {});
// A bus in profile facing right; a school bus is yellow with its sign.
void busSide(QPainter &p, QPointF base, qreal length, const QColor &body, bool school,
             const Lamps &lamps = {});
// A bus or coach seen from behind, drawn like carRear() with width the bus's own.
void busRearLikeCar(QPainter &p, QPointF base, qreal width, const QColor &body,
                    const Lamps &lamps = {});
// A person standing or walking at feet, height tall; stride 0..1 animates the legs.
void person(QPainter &p, QPointF feet, qreal height, const QColor &shirt, qreal stride = 0,
            bool facingRight = true);
// A schoolchild with a school bag, drawn like person().
void pupil(QPainter &p, QPointF feet, qreal height, const QColor &shirt, qreal stride = 0,
           bool facingRight = true);

} // namespace mediagen::side
