// Lorries and buses seen from behind, and the subject vehicle of the scenes that come in a car,
// a lorry and a bus version.
#pragma once

#include "sideview.h"

namespace mediagen::side {

enum class Subject { Car, Lorry, Bus };

// A box lorry from behind with its reflective strips and yellow plate; base is the middle of its
// wheels' contact line, width the width of the box.
void lorryRear(QPainter &p, QPointF base, qreal width, const QColor &box, const Lamps &lamps = {});
// A coach from behind: rear window, engine grille, lamp clusters and yellow plate.
void busRear(QPainter &p, QPointF base, qreal width, const QColor &body, const Lamps &lamps = {});
// How much wider than a car the subject is.
qreal widthFactor(Subject subject);
// The subject from behind at base; carWidth is what a car would measure there, so the heavy
// vehicles come out wider to scale.
void subjectRear(QPainter &p, Subject subject, QPointF base, qreal carWidth, const QColor &body,
                 const Lamps &lamps = {});

} // namespace mediagen::side
