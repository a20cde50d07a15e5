// Roads seen ahead in perspective, lane by lane: an expressway from its slow lane (the opposite
// carriageway beyond a median with its guardrail, two lanes, the emergency lane and the outer
// guardrail) and a town street.
#pragma once

#include "sideview.h"

namespace mediagen::side {

// Positions across our carriageway in the Perspective's u: 0 is the median kerb, 1 the outer
// guardrail. Lane centres for placing vehicles.
inline constexpr qreal kFastLane = 0.2;
inline constexpr qreal kSlowLane = 0.52;
inline constexpr qreal kEmergencyLane = 0.83;

// A lane line at u, half as wide as halfWidth (in u); dashed lines follow the 6 m / 9 m rhythm of
// the dashes in road(), moved by phase (0..1).
void laneLine(QPainter &p, const Perspective &view, qreal u, qreal halfWidth, bool dashed,
              const QColor &colour, qreal phase = 0);

// Verges, both carriageways, the lines and the median guardrail; the outer guardrail comes last
// with outerGuardrail() so people can stand behind it.
void expressway(QPainter &p, const Perspective &view, const QColor &asphalt, const QColor &verge);

// The guardrail beyond the emergency lane, posts shrinking with distance.
void outerGuardrail(QPainter &p, const Perspective &view);

// Sky, town blocks on the horizon, pavements and a bare carriageway from u = from to u = to;
// the lines are the caller's.
void townStreet(QPainter &p, const Perspective &view, qreal from, qreal to);

// A dimension line along the road at u between two depths, its length written beside it.
void distanceMark(QPainter &p, const Perspective &view, qreal u, qreal nearS, qreal farS,
                  const QString &text);

// An arrow painted on the lane at u, depth s: straight ahead, or turning left.
void laneArrow(QPainter &p, const Perspective &view, qreal u, qreal s, bool left);

} // namespace mediagen::side
