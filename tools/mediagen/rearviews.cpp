#include "rearviews.h"

#include "canvas.h"

#include <QLinearGradient>

namespace mediagen::side {

namespace {

const QColor kTyre{0x1e, 0x1e, 0x22};
const QColor kPlateYellow{0xf2, 0xc0, 0x1e};

// Red and dark-red lamps with the glow of what is lit: brake, tail, rear fog and hazard.
void rearLamp(QPainter &p, const QRectF &lamp, const Lamps &lamps, qreal w, bool fogSide) {
    const bool red = lamps.brake || lamps.tail;
    p.setBrush(red ? QColor(0xff, 0x30, 0x30) : QColor(0xa0, 0x1c, 0x1c));
    p.drawRoundedRect(lamp, 2, 2);
    const QPointF c = lamp.center();
    if (lamps.brake)
        glow(p, c, w * 0.24, QColor(255, 40, 40, 200));
    else if (lamps.tail)
        glow(p, c, w * 0.15, QColor(255, 40, 40, 150));
    if (lamps.hazard)
        glow(p, c, w * 0.26, QColor(255, 170, 0, 235));
    if (lamps.fog && fogSide)
        glow(p, c + QPointF(0, w * 0.08), w * 0.2, QColor(255, 40, 40, 220));
}

void plate(QPainter &p, const QRectF &box) {
    p.setBrush(kPlateYellow);
    p.drawRect(box);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRect(box.adjusted(box.width() * 0.12, box.height() * 0.35, -box.width() * 0.12,
                            -box.height() * 0.35));
}

void dualWheels(QPainter &p, qreal w) {
    p.setBrush(kTyre);
    for (qreal x : {-w * 0.46, w * 0.28})
        p.drawRoundedRect(QRectF(x, -w * 0.18, w * 0.18, w * 0.18), 2, 2);
}

} // namespace

void lorryRear(QPainter &p, QPointF base, qreal w, const QColor &box, const Lamps &lamps) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(0, 0), w * 0.58, w * 0.05);
    dualWheels(p, w);
    // Under-run guard and bumper carry the lamps and the plate.
    p.setBrush(QColor(0x2b, 0x2b, 0x30));
    p.drawRect(QRectF(-w * 0.47, -w * 0.26, w * 0.94, w * 0.08));
    const QRectF cargo(-w / 2, -w * 1.15, w, w * 0.9);
    QLinearGradient shade(cargo.topLeft(), cargo.topRight());
    shade.setColorAt(0, box.darker(112));
    shade.setColorAt(0.5, box.lighter(108));
    shade.setColorAt(1, box.darker(112));
    p.setBrush(shade);
    p.drawRect(cargo);
    // Two doors with their locking bars.
    p.setBrush(box.darker(135));
    p.drawRect(QRectF(-w * 0.006, cargo.top() + w * 0.03, w * 0.012, cargo.height() - w * 0.06));
    for (qreal x : {-w * 0.3, -w * 0.12, w * 0.12, w * 0.3})
        p.drawRect(
            QRectF(x - w * 0.008, cargo.top() + w * 0.06, w * 0.016, cargo.height() - w * 0.12));
    // Red and white reflective strips outline the body at night.
    const qreal strip = w * 0.035;
    for (int i = 0; i < 10; ++i) {
        p.setBrush(i % 2 ? QColor(0xf4, 0xf4, 0xf4) : QColor(0xd8, 0x22, 0x22));
        p.drawRect(QRectF(-w / 2 + i * w / 10, cargo.bottom() - strip, w / 10, strip));
    }
    for (qreal x : {-w / 2, w / 2 - strip})
        for (int i = 0; i < 2; ++i) {
            p.setBrush(i % 2 ? QColor(0xf4, 0xf4, 0xf4) : QColor(0xd8, 0x22, 0x22));
            p.drawRect(QRectF(x, cargo.top() + i * w * 0.1, strip, w * 0.1));
        }
    for (int side = -1; side <= 1; side += 2)
        rearLamp(p, QRectF(side * w * 0.4 - w * 0.06, -w * 0.25, w * 0.12, w * 0.06), lamps, w,
                 side < 0);
    plate(p, QRectF(-w * 0.1, -w * 0.25, w * 0.2, w * 0.065));
    p.restore();
}

void busRear(QPainter &p, QPointF base, qreal w, const QColor &body, const Lamps &lamps) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(0, 0), w * 0.58, w * 0.05);
    dualWheels(p, w);
    const QRectF shell(-w / 2, -w * 1.12, w, w * 1.0);
    QLinearGradient shade(0, shell.top(), 0, shell.bottom());
    shade.setColorAt(0, body.lighter(120));
    shade.setColorAt(1, body.darker(120));
    p.setBrush(shade);
    p.drawRoundedRect(shell, w * 0.06, w * 0.06);
    p.setBrush(QColor(0x3b, 0x52, 0x66));
    p.drawRoundedRect(QRectF(-w * 0.42, -w * 1.05, w * 0.84, w * 0.34), w * 0.03, w * 0.03);
    // Engine grille low on the back, lamp clusters at the corners.
    p.setBrush(body.darker(150));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(-w * 0.28, -w * 0.52 + i * w * 0.045, w * 0.56, w * 0.02));
    for (int side = -1; side <= 1; side += 2)
        rearLamp(p, QRectF(side * w * 0.42 - w * 0.045, -w * 0.5, w * 0.09, w * 0.2), lamps, w,
                 side < 0);
    p.setBrush(QColor(0x2b, 0x2b, 0x30));
    p.drawRect(QRectF(-w * 0.5, -w * 0.2, w, w * 0.08));
    plate(p, QRectF(-w * 0.1, -w * 0.19, w * 0.2, w * 0.065));
    p.restore();
}

qreal widthFactor(Subject subject) {
    switch (subject) {
    case Subject::Lorry:
        return 1.35;
    case Subject::Bus:
        return 1.4;
    case Subject::Car:
        break;
    }
    return 1;
}

void subjectRear(QPainter &p, Subject subject, QPointF base, qreal carWidth, const QColor &body,
                 const Lamps &lamps) {
    const qreal width = carWidth * widthFactor(subject);
    switch (subject) {
    case Subject::Car:
        carRear(p, base, width, body, lamps);
        break;
    case Subject::Lorry:
        lorryRear(p, base, width, body, lamps);
        break;
    case Subject::Bus:
        busRear(p, base, width, body, lamps);
        break;
    }
}

} // namespace mediagen::side
