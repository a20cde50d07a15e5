// Traffic signal heads after GB 14886: lamps in a black housing, round or with an arrow, cross
// or down arrow, lit with a glow or dark.
#pragma once

#include "sideview.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <utility>
#include <vector>

namespace mediagen::signal {

inline const QColor kRed{0xff, 0x2a, 0x1e};
inline const QColor kAmber{0xff, 0xb4, 0x00};
inline const QColor kGreen{0x1e, 0xe0, 0x6a};

enum class Face { Round, LeftArrow, DownArrow, Cross };

struct Lamp {
    QColor colour;
    Face face = Face::Round;
    bool lit = false;
};

// Lamps of diameter d side by side (upright when vertical) in one housing at topLeft; returns
// the housing's rectangle.
QRectF head(QPainter &p, QPointF topLeft, qreal d, const std::vector<Lamp> &lamps,
            bool vertical = false);

// A gantry across the road at depth s, height tall there, with one lane lamp over the lane
// centre of each u in lanes.
void laneGantry(QPainter &p, const side::Perspective &view, qreal s, qreal height,
                const std::vector<std::pair<qreal, Lamp>> &lanes);

// Short rays round a lamp that is flashing.
void flashRays(QPainter &p, QPointF centre, qreal radius, const QColor &colour);

} // namespace mediagen::signal
