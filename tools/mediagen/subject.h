// The vehicle a clip is about: a small car in the light bank's clips, a bus or a lorry in the
// heavy bank's. A clip painted for any of them is written once and named once per vehicle.
#pragma once

#include "sideview.h"
#include "topview.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace mediagen {

enum class Subject { Car, Bus, Truck };

// The subject is always painted in this colour, so the learner finds "our" vehicle at once.
inline const QColor kSubjectColour{0x2e, 0x6d, 0xb4};

// Length seen from above, in clip pixels.
qreal subjectLength(Subject subject);

// Seen from above, centred, heading in degrees as for top::car().
void subjectTop(QPainter &p, Subject subject, QPointF centre, qreal heading,
                const top::Lights &lights = {});

// In profile with its base (middle of the ground line) at base; carLength is what a car would
// measure there, larger vehicles are drawn to the same scale.
void subjectSide(QPainter &p, Subject subject, QPointF base, qreal carLength, bool facingRight,
                 const side::Lamps &lamps = {});

// Adapts a clip painted for any subject to the plain painter of the clip tables.
template <void (*paint)(QPainter &, double, Subject), Subject subject>
void paintAs(QPainter &p, double t) {
    paint(p, t, subject);
}

} // namespace mediagen
