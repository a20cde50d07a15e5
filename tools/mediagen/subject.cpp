#include "subject.h"

namespace mediagen {

namespace {

const QColor kCargo{0x7f, 0x8c, 0x8d};

} // namespace

qreal subjectLength(Subject subject) {
    switch (subject) {
    case Subject::Car:
        return 46;
    case Subject::Bus:
        return 110;
    case Subject::Truck:
        return 100;
    }
    return 46;
}

void subjectTop(QPainter &p, Subject subject, QPointF centre, qreal heading,
                const top::Lights &lights) {
    const qreal length = subjectLength(subject);
    switch (subject) {
    case Subject::Car:
        top::car(p, centre, heading, kSubjectColour, lights, length);
        break;
    case Subject::Bus:
        top::bus(p, centre, heading, kSubjectColour, lights, length);
        break;
    case Subject::Truck:
        top::lorry(p, centre, heading, kSubjectColour, length, lights);
        break;
    }
}

void subjectSide(QPainter &p, Subject subject, QPointF base, qreal carLength, bool facingRight,
                 const side::Lamps &lamps) {
    const qreal length = carLength * subjectLength(subject) / subjectLength(Subject::Car);
    switch (subject) {
    case Subject::Car:
        side::carSide(p, base, length, kSubjectColour, facingRight, lamps);
        return;
    case Subject::Bus:
    case Subject::Truck:
        break;
    }
    // The heavy profiles face right; a mirror turns them round.
    p.save();
    p.translate(base);
    if (!facingRight)
        p.scale(-1, 1);
    if (subject == Subject::Bus)
        side::busSide(p, QPointF(0, 0), length, kSubjectColour, false, lamps);
    else
        side::lorrySide(p, QPointF(0, 0), length, kSubjectColour, length * 0.14, kCargo, lamps);
    p.restore();
}

} // namespace mediagen
