// Dashboard warning and indicator lamps: a lit symbol (after ISO 2575) on a dark panel.
#include "canvas.h"
#include "drawers.h"

#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

const QColor kLampRed{0xff, 0x3b, 0x30};
const QColor kLampAmber{0xff, 0xa8, 0x00};
const QColor kLampGreen{0x2e, 0xe0, 0x5a};
const QColor kLampBlue{0x3d, 0x8b, 0xff};

// The instrument panel around the lamp, and the halo of the lit symbol.
void panel(QPainter &p, const QColor &lit) {
    fillVerticalGradient(p, QRectF(2, 2, 156, 156), QColor(0x3a, 0x3f, 0x46),
                         QColor(0x12, 0x14, 0x18), 22);
    fillVerticalGradient(p, QRectF(10, 10, 140, 140), QColor(0x0a, 0x0b, 0x0d),
                         QColor(0x1a, 0x1c, 0x20), 16);
    QRadialGradient halo(QPointF(80, 80), 70);
    QColor inner = lit, outer = lit;
    inner.setAlpha(70);
    outer.setAlpha(0);
    halo.setColorAt(0, inner);
    halo.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(80, 80), 70, 70);
}

QPen linePen(const QColor &c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void brackets(QPainter &p, const QColor &c, qreal radius) {
    p.setPen(linePen(c, 7));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(80 - radius, 80 - radius, radius * 2, radius * 2), 135 * 16, 90 * 16);
    p.drawArc(QRectF(80 - radius, 80 - radius, radius * 2, radius * 2), -45 * 16, 90 * 16);
}

// A ringed symbol between two bracket arcs, the shape of the brake-system lamps.
void bracketedRing(QPainter &p, const QColor &c, qreal ring, const QString &text, qreal textSize) {
    panel(p, c);
    p.setPen(linePen(c, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(80, 80), ring, ring);
    brackets(p, c, ring + 16);
    drawCentredText(p, QRectF(40, 40, 80, 80), text, signFont(textSize), c);
}

void brakeFault(QPainter &p) {
    bracketedRing(p, kLampRed, 34, u"!"_s, 52);
}

void oilPressure(QPainter &p) {
    panel(p, kLampRed);
    p.setPen(Qt::NoPen);
    p.setBrush(kLampRed);
    QPainterPath can;
    can.moveTo(42, 76);
    can.lineTo(60, 72);
    can.lineTo(66, 64);
    can.lineTo(84, 64);
    can.lineTo(88, 72);
    can.lineTo(104, 74);
    can.lineTo(126, 62);
    can.lineTo(130, 68);
    can.lineTo(100, 100);
    can.lineTo(54, 100);
    can.lineTo(54, 86);
    can.lineTo(40, 82);
    can.closeSubpath();
    p.drawPath(can);
    p.drawRect(QRectF(70, 56, 10, 8));
    p.drawRect(QRectF(64, 52, 22, 5));
    QPainterPath drop;
    drop.moveTo(128, 80);
    drop.cubicTo(124, 90, 122, 96, 128, 98);
    drop.cubicTo(134, 96, 132, 90, 128, 80);
    p.drawPath(drop);
}

void coolantTemp(QPainter &p) {
    panel(p, kLampRed);
    p.setPen(linePen(kLampRed, 7));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(80, 36), QPointF(80, 84));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(82, 46 + i * 12), QPointF(98, 46 + i * 12));
    p.setPen(Qt::NoPen);
    p.setBrush(kLampRed);
    p.drawEllipse(QPointF(80, 92), 10, 10);
    p.setPen(linePen(kLampRed, 5));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {108.0, 122.0}) {
        QPainterPath wave;
        wave.moveTo(40, y);
        for (int i = 0; i < 4; ++i)
            wave.cubicTo(45 + i * 20, y - 8, 55 + i * 20, y + 8, 60 + i * 20, y);
        p.drawPath(wave);
    }
}

void abs(QPainter &p) {
    bracketedRing(p, kLampAmber, 38, u"ABS"_s, 30);
}

void seatbelt(QPainter &p) {
    panel(p, kLampRed);
    p.setPen(Qt::NoPen);
    p.setBrush(kLampRed);
    p.drawEllipse(QPointF(70, 42), 11, 11);
    QPainterPath body;
    body.moveTo(58, 58);
    body.lineTo(80, 58);
    body.lineTo(86, 96);
    body.lineTo(114, 96);
    body.lineTo(118, 130);
    body.lineTo(104, 130);
    body.lineTo(102, 110);
    body.lineTo(68, 110);
    body.quadTo(56, 110, 56, 96);
    body.closeSubpath();
    p.drawPath(body);
    // Seat back behind the figure, the belt across its chest.
    p.setPen(linePen(kLampRed, 5));
    p.drawLine(QPointF(48, 56), QPointF(50, 118));
    p.setPen(linePen(QColor(0x0a, 0x0b, 0x0d), 9));
    p.drawLine(QPointF(58, 64), QPointF(92, 104));
    p.setPen(linePen(kLampRed, 5));
    p.drawLine(QPointF(58, 64), QPointF(92, 104));
    p.setBrush(kLampRed);
    p.drawEllipse(QPointF(95, 107), 4, 4);
}

void hazard(QPainter &p) {
    panel(p, kLampRed);
    p.setPen(linePen(kLampRed, 8));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{{QPointF(80, 30), QPointF(130, 118), QPointF(30, 118)}});
    p.setPen(linePen(kLampRed, 6));
    p.drawPolygon(QPolygonF{{QPointF(80, 64), QPointF(104, 106), QPointF(56, 106)}});
}

void headlamp(QPainter &p, const QColor &c, bool fog) {
    p.setPen(linePen(c, 6));
    p.setBrush(fog ? Qt::NoBrush : QBrush(c));
    QPainterPath lens;
    lens.moveTo(88, 50);
    lens.cubicTo(132, 50, 132, 110, 88, 110);
    lens.cubicTo(80, 96, 80, 64, 88, 50);
    p.drawPath(lens);
    p.setPen(linePen(c, 6));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 58 + i * 15;
        p.drawLine(QPointF(72, y), QPointF(36, fog ? y + 10 : y));
    }
    if (fog) {
        QPainterPath wave;
        wave.moveTo(56, 46);
        wave.cubicTo(46, 66, 66, 94, 56, 118);
        p.setPen(linePen(c, 5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
}

void highBeam(QPainter &p) {
    panel(p, kLampBlue);
    headlamp(p, kLampBlue, false);
}

void frontFog(QPainter &p) {
    panel(p, kLampGreen);
    headlamp(p, kLampGreen, true);
}

void lowFuel(QPainter &p) {
    panel(p, kLampAmber);
    p.setPen(Qt::NoPen);
    p.setBrush(kLampAmber);
    p.drawRoundedRect(QRectF(50, 38, 44, 86), 5, 5);
    p.drawRect(QRectF(44, 122, 56, 8));
    p.setBrush(QColor(0x0a, 0x0b, 0x0d));
    p.drawRect(QRectF(58, 48, 28, 22));
    p.setPen(linePen(kLampAmber, 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(94, 60);
    hose.lineTo(108, 70);
    hose.lineTo(108, 104);
    hose.quadTo(108, 112, 114, 112);
    hose.quadTo(120, 112, 120, 104);
    hose.lineTo(120, 56);
    hose.lineTo(110, 46);
    p.drawPath(hose);
}

void battery(QPainter &p) {
    panel(p, kLampRed);
    p.setPen(Qt::NoPen);
    p.setBrush(kLampRed);
    p.drawRect(QRectF(50, 46, 14, 8));
    p.drawRect(QRectF(96, 46, 14, 8));
    p.setPen(linePen(kLampRed, 7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(34, 56, 92, 62), 4, 4);
    p.setPen(linePen(kLampRed, 6));
    p.drawLine(QPointF(50, 86), QPointF(66, 86));
    p.drawLine(QPointF(94, 86), QPointF(110, 86));
    p.drawLine(QPointF(102, 78), QPointF(102, 94));
}

} // namespace

std::vector<PictureDrawer> lampPictures() {
    return {
        {"lamp_brake_fault.png", kLampSize, brakeFault},
        {"lamp_oil_pressure.png", kLampSize, oilPressure},
        {"lamp_coolant_temp.png", kLampSize, coolantTemp},
        {"lamp_abs.png", kLampSize, abs},
        {"lamp_seatbelt.png", kLampSize, seatbelt},
        {"lamp_hazard.png", kLampSize, hazard},
        {"lamp_high_beam.png", kLampSize, highBeam},
        {"lamp_front_fog.png", kLampSize, frontFog},
        {"lamp_low_fuel.png", kLampSize, lowFuel},
        {"lamp_battery.png", kLampSize, battery},
    };
}

} // namespace mediagen
