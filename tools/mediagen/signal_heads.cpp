#include "signal_heads.h"

#include "canvas.h"
#include "sign_shapes.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace mediagen::signal {

namespace {

void symbol(QPainter &p, QPointF c, qreal r, Face face, const QColor &colour) {
    QPainterPath path;
    switch (face) {
    case Face::LeftArrow:
        path.moveTo(c + QPointF(r * 0.6, 0));
        path.lineTo(c - QPointF(r * 0.68, 0));
        sign::strokeArrow(p, path, r * 0.32, colour);
        break;
    case Face::DownArrow:
        path.moveTo(c - QPointF(0, r * 0.62));
        path.lineTo(c + QPointF(0, r * 0.68));
        sign::strokeArrow(p, path, r * 0.32, colour);
        break;
    case Face::Cross:
        p.setPen(QPen(colour, r * 0.3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + QPointF(-r * 0.55, -r * 0.55), c + QPointF(r * 0.55, r * 0.55));
        p.drawLine(c + QPointF(r * 0.55, -r * 0.55), c + QPointF(-r * 0.55, r * 0.55));
        p.setPen(Qt::NoPen);
        break;
    case Face::Round:
        break;
    }
}

void lamp(QPainter &p, QPointF c, qreal r, const Lamp &l) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0c, 0x0c, 0x0e));
    p.drawEllipse(c, r * 1.08, r * 1.08);
    if (l.face == Face::Round) {
        QRadialGradient lens(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
        if (l.lit) {
            lens.setColorAt(0, mix(l.colour, Qt::white, 0.55));
            lens.setColorAt(0.6, l.colour);
            lens.setColorAt(1, l.colour.darker(130));
        } else {
            lens.setColorAt(0, mix(l.colour, QColor(0x20, 0x20, 0x20), 0.72));
            lens.setColorAt(1, mix(l.colour, QColor(0x10, 0x10, 0x10), 0.88));
        }
        p.setBrush(lens);
        p.drawEllipse(c, r, r);
    } else {
        p.setBrush(QColor(0x16, 0x16, 0x18));
        p.drawEllipse(c, r, r);
        symbol(p, c, r, l.face,
               l.lit ? mix(l.colour, Qt::white, 0.15)
                     : mix(l.colour, QColor(0x16, 0x16, 0x18), 0.8));
    }
    if (l.lit) {
        QColor halo = l.colour;
        halo.setAlpha(110);
        glow(p, c, r * 1.9, halo);
        if (l.face != Face::Round)
            symbol(p, c, r, l.face, mix(l.colour, Qt::white, 0.25));
    }
}

} // namespace

QRectF head(QPainter &p, QPointF topLeft, qreal d, const std::vector<Lamp> &lamps, bool vertical) {
    const qreal cell = d * 1.25, n = qreal(lamps.size());
    const QRectF housing(topLeft, vertical ? QSizeF(cell, cell * n) : QSizeF(cell * n, cell));
    p.setPen(QPen(QColor(0x40, 0x40, 0x44), 1.5));
    p.setBrush(QColor(0x1e, 0x1f, 0x22));
    p.drawRoundedRect(housing, d * 0.14, d * 0.14);
    for (int i = 0; i < int(lamps.size()); ++i) {
        const QPointF c = topLeft + (vertical ? QPointF(cell / 2, cell * (i + 0.5))
                                              : QPointF(cell * (i + 0.5), cell / 2));
        lamp(p, c, d / 2, lamps[size_t(i)]);
    }
    return housing;
}

void laneGantry(QPainter &p, const side::Perspective &view, qreal s, qreal height,
                const std::vector<std::pair<qreal, Lamp>> &lanes) {
    const QColor pole(0x6c, 0x72, 0x78);
    const QPointF leftFoot = view.at(-0.04, s), rightFoot = view.at(1.04, s);
    p.setPen(Qt::NoPen);
    p.setBrush(pole);
    for (const QPointF &foot : {leftFoot, rightFoot})
        p.drawRect(QRectF(foot.x() - 5, foot.y() - height, 10, height));
    p.drawRect(QRectF(leftFoot.x(), leftFoot.y() - height, rightFoot.x() - leftFoot.x(), 9));
    const qreal d = 46;
    for (const auto &[u, lamp] : lanes)
        head(p, QPointF(view.at(u, s).x() - d * 0.625, leftFoot.y() - height + 6), d, {lamp});
}

void flashRays(QPainter &p, QPointF centre, qreal radius, const QColor &colour) {
    p.save();
    p.setPen(QPen(colour, radius * 0.09, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0 + 15);
        const QPointF along(std::cos(a), std::sin(a));
        p.drawLine(centre + along * radius * 1.25, centre + along * radius * 1.65);
    }
    p.restore();
}

} // namespace mediagen::signal
