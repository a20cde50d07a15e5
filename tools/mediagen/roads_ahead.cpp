#include "roads_ahead.h"

#include "canvas.h"
#include "sign_shapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QString>

#include <utility>

namespace mediagen::side {

namespace {

const QColor kRailSteel(0xcf, 0xd4, 0xd8);
const QColor kRailPost(0x70, 0x74, 0x78);
const QColor kEdgeYellow(0xf2, 0xc2, 0x1b);
const QColor kLineWhite(0xf0, 0xf0, 0xea);

QPolygonF band(const Perspective &view, qreal u0, qreal u1, qreal s0, qreal s1) {
    return QPolygonF{{view.at(u0, s0), view.at(u1, s0), view.at(u1, s1), view.at(u0, s1)}};
}

// A W-beam guardrail along u: posts at even steps on the ground, the beam on top of them.
void guardrail(QPainter &p, const Perspective &view, qreal u, qreal height) {
    p.setPen(Qt::NoPen);
    for (int i = 1; i <= 40; ++i) {
        const qreal s = 1.3 / (0.7 + i * 0.6);
        const QPointF foot = view.at(u, s);
        p.fillRect(QRectF(foot.x() - 2.4 * s, foot.y() - height * s, 4.8 * s, height * s),
                   kRailPost);
    }
    const qreal near = 1.3, far = 0.02;
    QPolygonF beam{{view.at(u, near) + QPointF(0, -height * near),
                    view.at(u, far) + QPointF(0, -height * far),
                    view.at(u, far) + QPointF(0, -height * far * 0.55),
                    view.at(u, near) + QPointF(0, -height * near * 0.55)}};
    QLinearGradient steel(0, view.vanish.y(), 0, view.bottomY);
    steel.setColorAt(0, kRailSteel.darker(105));
    steel.setColorAt(1, kRailSteel.lighter(106));
    p.setBrush(steel);
    p.drawPolygon(beam);
}

} // namespace

void laneLine(QPainter &p, const Perspective &view, qreal u, qreal halfWidth, bool dashed,
              const QColor &colour, qreal phase) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (!dashed) {
        p.drawPolygon(band(view, u - halfWidth, u + halfWidth, 1.4, 0.005));
        return;
    }
    // Dashes are evenly spaced on the ground, so their depth s falls as 1 / distance.
    for (int k = 0; k < 40; ++k) {
        const qreal d0 = 1 + (k - phase) * 1.2;
        const qreal d1 = d0 + 0.48;
        if (d1 <= 0.7)
            continue;
        p.drawPolygon(band(view, u - halfWidth, u + halfWidth, 1 / qMax<qreal>(d0, 0.7), 1 / d1));
    }
}

void expressway(QPainter &p, const Perspective &view, const QColor &asphalt, const QColor &verge) {
    p.setPen(Qt::NoPen);
    QLinearGradient ground(0, view.vanish.y(), 0, view.bottomY);
    ground.setColorAt(0, verge.lighter(115));
    ground.setColorAt(1, verge.darker(110));
    p.setBrush(ground);
    p.drawRect(QRectF(-1000, view.vanish.y(), 3000, view.bottomY - view.vanish.y() + 1));
    QLinearGradient tarmac(0, view.vanish.y(), 0, view.bottomY);
    tarmac.setColorAt(0, asphalt.lighter(118));
    tarmac.setColorAt(1, asphalt);
    p.setBrush(tarmac);
    // The opposite carriageway lies beyond a median a quarter of a lane wide.
    p.drawPolygon(band(view, -0.95, -0.1, 1.4, 0.005));
    p.drawPolygon(band(view, 0, 0.97, 1.4, 0.005));
    p.setBrush(verge.darker(104));
    p.drawPolygon(band(view, -0.1, 0, 1.4, 0.005));
    laneLine(p, view, -0.13, 0.006, false, kEdgeYellow);
    laneLine(p, view, -0.45, 0.006, true, kLineWhite);
    laneLine(p, view, 0.025, 0.007, false, kEdgeYellow);
    laneLine(p, view, 0.36, 0.007, true, kLineWhite);
    laneLine(p, view, 0.685, 0.009, false, kLineWhite);
    guardrail(p, view, -0.05, 24);
}

void outerGuardrail(QPainter &p, const Perspective &view) {
    guardrail(p, view, 1.0, 26);
}

void townStreet(QPainter &p, const Perspective &view, qreal from, qreal to) {
    const qreal horizon = view.vanish.y();
    fillVerticalGradient(p, QRectF(0, 0, 480, horizon + 1), QColor(0x7c, 0xb6, 0xe8),
                         QColor(0xd6, 0xea, 0xf6));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const qreal x = i * 42 - 10, h = 18 + std::fmod(i * 37.0, 34);
        p.setBrush(i % 2 ? QColor(0xbc, 0xc6, 0xd2) : QColor(0xc8, 0xce, 0xd6));
        p.drawRect(QRectF(x, horizon - h, 40, h + 1));
    }
    p.setBrush(QColor(0xc9, 0xc3, 0xb6));
    p.drawRect(QRectF(0, horizon, 480, view.bottomY - horizon));
    QLinearGradient tarmac(0, horizon, 0, view.bottomY);
    tarmac.setColorAt(0, QColor(0x6e, 0x73, 0x78));
    tarmac.setColorAt(1, QColor(0x55, 0x5a, 0x5e));
    p.setBrush(tarmac);
    p.drawPolygon(band(view, from, to, 1.4, 0.005));
}

void distanceMark(QPainter &p, const Perspective &view, qreal u, qreal nearS, qreal farS,
                  const QString &text) {
    const QPointF nearEnd = view.at(u, nearS), farEnd = view.at(u, farS);
    const QColor ink(0x1c, 0x4f, 0x9c);
    p.setPen(QPen(ink, 1.6, Qt::DashLine));
    p.drawLine(nearEnd, farEnd);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const auto &[tip, from] : {std::pair{nearEnd, farEnd}, {farEnd, nearEnd}}) {
        const QPointF along = (tip - from) / std::hypot(tip.x() - from.x(), tip.y() - from.y());
        const QPointF across(-along.y(), along.x());
        p.drawPolygon(QPolygonF{{tip, tip - along * 8 + across * 4, tip - along * 8 - across * 4}});
    }
    const QPointF middle = (nearEnd + farEnd) / 2 + QPointF(34, 0);
    const QRectF label(middle.x() - 28, middle.y() - 11, 56, 22);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(label, 5, 5);
    p.setPen(Qt::NoPen);
    drawCentredText(p, label, text, cjkFont(15, true), ink);
}

void laneArrow(QPainter &p, const Perspective &view, qreal u, qreal s, bool left) {
    // Drawn flat on the ground: narrow across, squashed along the road.
    const qreal scale = (view.at(1, s).x() - view.at(0, s).x()) / 480;
    p.save();
    p.translate(view.at(u, s));
    p.scale(scale, scale * 0.32);
    QPainterPath arrow;
    arrow.moveTo(0, 60);
    if (left) {
        arrow.lineTo(0, 0);
        arrow.quadTo(0, -30, -36, -30);
    } else {
        arrow.lineTo(0, -60);
    }
    sign::strokeArrow(p, arrow, 12, kLineWhite);
    p.restore();
}

} // namespace mediagen::side
