#include "topview.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace mediagen::top {

namespace {

// Moves the painter to the vehicle's centre and turns it so +x points ahead.
class VehicleFrame {
public:
    VehicleFrame(QPainter &p, QPointF centre, qreal heading) : m_p(p) {
        m_p.save();
        m_p.translate(centre);
        m_p.rotate(heading);
    }
    ~VehicleFrame() { m_p.restore(); }
    VehicleFrame(const VehicleFrame &) = delete;
    VehicleFrame &operator=(const VehicleFrame &) = delete;

private:
    QPainter &m_p;
};

void shadow(QPainter &p, const QRectF &outline, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(outline.translated(2, 3), radius, radius);
}

// A fan of light ahead of the front at x = front, half-width w at the vehicle.
void beamFan(QPainter &p, qreal front, qreal w, qreal reach, qreal spread, int alpha) {
    QPainterPath fan;
    fan.moveTo(front, -w);
    fan.lineTo(front + reach, -w - spread);
    fan.quadTo(front + reach * 1.08, 0, front + reach, w + spread);
    fan.lineTo(front, w);
    fan.closeSubpath();
    QLinearGradient g(front, 0, front + reach, 0);
    g.setColorAt(0, QColor(255, 250, 210, alpha));
    g.setColorAt(1, QColor(255, 250, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(fan);
}

void lamps(QPainter &p, qreal length, qreal width, const Lights &lights) {
    const qreal front = length / 2, back = -length / 2, side = width / 2 - 3;
    // The lamps, not the vehicle, set how far the light reaches: a lorry's beams are a car's.
    const qreal reach = std::min<qreal>(length, 46), spread = std::min(width, reach * 0.44);
    if (lights.beam == Beam::Low)
        beamFan(p, front, side, reach * 2.6, spread * 0.6, 120);
    else if (lights.beam == Beam::High)
        beamFan(p, front, side, reach * 5.5, spread * 1.8, 150);
    if (lights.fog)
        beamFan(p, front, side + 2, reach * 1.3, spread * 1.4, 110);
    for (qreal y : {-side, side}) {
        if (lights.brake)
            glow(p, QPointF(back, y), width * 0.45, QColor(255, 30, 30, 230));
        // Heading along +x, the driver's left is -y.
        if (lights.hazard || (lights.left && y < 0) || (lights.right && y > 0)) {
            glow(p, QPointF(back, y), width * 0.55, QColor(255, 160, 0, 240));
            glow(p, QPointF(front, y), width * 0.55, QColor(255, 160, 0, 240));
        }
    }
}

} // namespace

void horizontalRoad(QPainter &p, const QRectF &canvas, qreal y0, qreal y1) {
    p.fillRect(canvas, kGrass);
    // Lighter tufts keep the verge from looking like flat paint.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8f, 0xc0, 0x68));
    for (int i = 0; i < 40; ++i) {
        const qreal x = std::fmod(i * 97.3, canvas.width());
        const qreal y = std::fmod(i * 53.7, canvas.height());
        p.drawEllipse(QPointF(x, y), 6, 3);
    }
    p.fillRect(QRectF(canvas.left(), y0 - 4, canvas.width(), y1 - y0 + 8),
               QColor(0xb8, 0xb4, 0xaa));
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, kAsphalt.darker(108));
    g.setColorAt(0.5, kAsphalt);
    g.setColorAt(1, kAsphalt.darker(108));
    p.fillRect(QRectF(canvas.left(), y0, canvas.width(), y1 - y0), g);
}

void verticalRoad(QPainter &p, const QRectF &canvas, qreal x0, qreal x1) {
    p.fillRect(QRectF(x0 - 4, canvas.top(), x1 - x0 + 8, canvas.height()),
               QColor(0xb8, 0xb4, 0xaa));
    p.fillRect(QRectF(x0, canvas.top(), x1 - x0, canvas.height()), kAsphalt);
}

void dashedLine(QPainter &p, qreal y, qreal x0, qreal x1, qreal dash, qreal gap, qreal width,
                const QColor &colour, qreal offset) {
    const qreal period = dash + gap;
    qreal start = x0 - period + std::fmod(std::fmod(offset, period) + period, period);
    p.save();
    p.setClipRect(QRectF(x0, y - width, x1 - x0, width * 2));
    for (qreal x = start; x < x1; x += period)
        p.fillRect(QRectF(x, y - width / 2, dash, width), colour);
    p.restore();
}

void solidLine(QPainter &p, qreal y, qreal x0, qreal x1, qreal width, const QColor &colour) {
    p.fillRect(QRectF(x0, y - width / 2, x1 - x0, width), colour);
}

void zebra(QPainter &p, qreal x, qreal depth, qreal y0, qreal y1) {
    for (qreal y = y0 + 3; y + 8 <= y1; y += 16)
        p.fillRect(QRectF(x, y, depth, 9), kLineWhite);
}

void treeTop(QPainter &p, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(centre + QPointF(4, 5), radius, radius);
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    g.setColorAt(0, QColor(0x6f, 0xb8, 0x4c));
    g.setColorAt(1, QColor(0x2f, 0x70, 0x2c));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void car(QPainter &p, QPointF centre, qreal heading, const QColor &body, const Lights &lights,
         qreal length) {
    const VehicleFrame frame(p, centre, heading);
    const qreal width = length * 0.44;
    const QRectF outline(-length / 2, -width / 2, length, width);
    lamps(p, length, width, Lights{lights.beam, lights.fog, false, false, false, false});
    shadow(p, outline, width * 0.35);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    for (qreal x : {-length * 0.3, length * 0.3})
        for (qreal y : {-width / 2, width / 2})
            p.drawRoundedRect(QRectF(x - length * 0.09, y - 2.5, length * 0.18, 5), 2, 2);
    QLinearGradient shade(0, -width / 2, 0, width / 2);
    shade.setColorAt(0, body.lighter(115));
    shade.setColorAt(0.5, body.lighter(135));
    shade.setColorAt(1, body.darker(115));
    p.setBrush(shade);
    p.drawRoundedRect(outline, width * 0.35, width * 0.35);
    const QColor glass(0x2c, 0x3e, 0x50);
    p.setBrush(glass);
    QPainterPath screen;
    screen.moveTo(length * 0.08, -width * 0.36);
    screen.lineTo(length * 0.24, -width * 0.4);
    screen.quadTo(length * 0.28, 0, length * 0.24, width * 0.4);
    screen.lineTo(length * 0.08, width * 0.36);
    screen.closeSubpath();
    p.drawPath(screen);
    p.drawRoundedRect(QRectF(-length * 0.36, -width * 0.34, length * 0.1, width * 0.68), 2, 2);
    p.setBrush(body.lighter(110));
    p.drawRoundedRect(QRectF(-length * 0.25, -width * 0.36, length * 0.32, width * 0.72), 3, 3);
    p.setBrush(QColor(0xff, 0xf6, 0xc8));
    for (qreal y : {-width * 0.32, width * 0.32})
        p.drawEllipse(QPointF(length / 2 - 2, y), 2.2, 3);
    lamps(p, length, width,
          Lights{Beam::Off, false, lights.brake, lights.hazard, lights.left, lights.right});
}

void lorry(QPainter &p, QPointF centre, qreal heading, const QColor &cab, qreal length,
           const Lights &lights) {
    const VehicleFrame frame(p, centre, heading);
    const qreal width = length * 0.24;
    const qreal cabLength = length * 0.2;
    lamps(p, length, width, Lights{lights.beam, lights.fog, false, false, false, false});
    shadow(p, QRectF(-length / 2, -width / 2, length, width), 3);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    for (qreal x : {-length * 0.38, -length * 0.26, length * 0.36})
        for (qreal y : {-width / 2, width / 2})
            p.drawRoundedRect(QRectF(x - 5, y - 3, 10, 6), 2, 2);
    QLinearGradient bed(0, -width / 2, 0, width / 2);
    bed.setColorAt(0, QColor(0xd8, 0xd4, 0xc8));
    bed.setColorAt(1, QColor(0xa8, 0xa4, 0x98));
    p.setBrush(bed);
    p.drawRect(QRectF(-length / 2, -width / 2, length - cabLength - 3, width));
    p.setPen(QPen(QColor(0x88, 0x84, 0x78), 1));
    for (qreal x = -length / 2 + 12; x < length / 2 - cabLength - 6; x += 12)
        p.drawLine(QPointF(x, -width / 2 + 2), QPointF(x, width / 2 - 2));
    p.setPen(Qt::NoPen);
    p.setBrush(cab);
    p.drawRoundedRect(QRectF(length / 2 - cabLength, -width / 2 - 1, cabLength, width + 2), 4, 4);
    p.setBrush(QColor(0x2c, 0x3e, 0x50));
    p.drawRect(QRectF(length / 2 - 6, -width * 0.42, 4, width * 0.84));
    lamps(p, length, width,
          Lights{Beam::Off, false, lights.brake, lights.hazard, lights.left, lights.right});
}

void bus(QPainter &p, QPointF centre, qreal heading, const QColor &body, const Lights &lights,
         qreal length) {
    const VehicleFrame frame(p, centre, heading);
    const qreal width = length * 0.23;
    const QRectF outline(-length / 2, -width / 2, length, width);
    lamps(p, length, width, Lights{lights.beam, lights.fog, false, false, false, false});
    shadow(p, outline, 5);
    p.setBrush(QColor(0x30, 0x38, 0x40));
    p.drawRoundedRect(outline, 5, 5);
    p.setBrush(body);
    p.drawRoundedRect(outline.adjusted(2, 2, -4, -2), 4, 4);
    p.setBrush(body.lighter(125));
    for (qreal x = -length * 0.32; x < length * 0.3; x += length * 0.22)
        p.drawRoundedRect(QRectF(x, -width * 0.22, length * 0.1, width * 0.44), 2, 2);
    lamps(p, length, width,
          Lights{Beam::Off, false, lights.brake, lights.hazard, lights.left, lights.right});
}

void cyclist(QPainter &p, QPointF centre, qreal heading, const QColor &shirt) {
    const VehicleFrame frame(p, centre, heading);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-14, 0), QPointF(14, 0));
    p.drawLine(QPointF(9, -6), QPointF(9, 6));
    p.setPen(QPen(shirt.darker(120), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -6), QPointF(9, -5));
    p.drawLine(QPointF(0, 6), QPointF(9, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(shirt);
    p.drawEllipse(QPointF(-1, 0), 5, 8);
    p.setBrush(QColor(0x3a, 0x2a, 0x20));
    p.drawEllipse(QPointF(1, 0), 4, 4);
}

void pedestrian(QPainter &p, QPointF centre, qreal heading, const QColor &coat, qreal step) {
    const VehicleFrame frame(p, centre, heading);
    p.scale(1.5, 1.5);
    const qreal swing = 5 * std::sin(step * 2 * M_PI);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawEllipse(QPointF(swing, -3), 3.2, 2.2);
    p.drawEllipse(QPointF(-swing, 3), 3.2, 2.2);
    p.setBrush(coat);
    p.drawEllipse(QPointF(0, 0), 4.5, 7.5);
    p.setBrush(QColor(0x2a, 0x1e, 0x16));
    p.drawEllipse(QPointF(0.5, 0), 3.6, 3.6);
}

} // namespace mediagen::top
