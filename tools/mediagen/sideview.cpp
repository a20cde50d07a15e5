#include "sideview.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace mediagen::side {

namespace {

const QColor kTyre{0x1e, 0x1e, 0x22};
const QColor kGlass{0x3b, 0x52, 0x66};
const QColor kRim{0xb8, 0xbe, 0xc4};

void wheel(QPainter &p, QPointF centre, qreal r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTyre);
    p.drawEllipse(centre, r, r);
    p.setBrush(kRim);
    p.drawEllipse(centre, r * 0.55, r * 0.55);
    p.setBrush(kRim.darker(150));
    p.drawEllipse(centre, r * 0.18, r * 0.18);
}

QLinearGradient bodyShade(qreal top, qreal bottom, const QColor &body) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, body.lighter(125));
    g.setColorAt(0.45, body);
    g.setColorAt(1, body.darker(130));
    return g;
}

// A beam of light from a lamp towards +x (or -x), fading with distance.
void sideBeam(QPainter &p, QPointF lamp, qreal reach, qreal drop, int alpha) {
    QPainterPath cone;
    cone.moveTo(lamp);
    cone.lineTo(lamp + QPointF(reach, drop - reach * 0.04));
    cone.lineTo(lamp + QPointF(reach, drop + reach * 0.12));
    cone.closeSubpath();
    QLinearGradient g(lamp, lamp + QPointF(reach, 0));
    g.setColorAt(0, QColor(255, 248, 200, alpha));
    g.setColorAt(1, QColor(255, 248, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(cone);
}

} // namespace

void sky(QPainter &p, const QRectF &area, const QColor &top, const QColor &bottom) {
    fillVerticalGradient(p, area, top, bottom);
}

void cloud(QPainter &p, QPointF c, qreal size, const QColor &colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, size, size * 0.55);
    p.drawEllipse(c + QPointF(-size * 0.7, size * 0.15), size * 0.6, size * 0.4);
    p.drawEllipse(c + QPointF(size * 0.7, size * 0.12), size * 0.65, size * 0.42);
    p.drawEllipse(c + QPointF(size * 0.1, -size * 0.3), size * 0.55, size * 0.45);
}

void hills(QPainter &p, qreal width, qreal baseY, qreal height, const QColor &colour, int seed) {
    QPainterPath range;
    range.moveTo(0, baseY);
    for (int x = 0; x <= int(width); x += 4) {
        const qreal y = baseY - height * (0.55 + 0.25 * std::sin(x / 53.0 + seed) +
                                          0.2 * std::sin(x / 23.0 + seed * 2.3));
        range.lineTo(x, y);
    }
    range.lineTo(width, baseY + 1);
    range.lineTo(0, baseY + 1);
    range.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(range);
}

void tree(QPainter &p, QPointF ground, qreal height, const QColor &leaves) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x4a, 0x2f));
    p.drawRect(QRectF(ground.x() - height * 0.05, ground.y() - height * 0.45, height * 0.1,
                      height * 0.45));
    const qreal r = height * 0.3;
    const QPointF crown = ground - QPointF(0, height * 0.62);
    QRadialGradient g(crown - QPointF(r * 0.4, r * 0.5), r * 1.6);
    g.setColorAt(0, leaves.lighter(135));
    g.setColorAt(1, leaves.darker(125));
    p.setBrush(g);
    p.drawEllipse(crown + QPointF(-r * 0.45, r * 0.2), r * 0.7, r * 0.7);
    p.drawEllipse(crown + QPointF(r * 0.45, r * 0.2), r * 0.7, r * 0.7);
    p.drawEllipse(crown + QPointF(0, -r * 0.25), r * 0.8, r * 0.8);
}

QPointF Perspective::at(qreal u, qreal s) const {
    const qreal xBottom = left + (right - left) * u;
    return QPointF(vanish.x() + (xBottom - vanish.x()) * s,
                   vanish.y() + (bottomY - vanish.y()) * s);
}

void road(QPainter &p, const Perspective &view, const QColor &asphalt, const QColor &verge,
          qreal phase, const QColor &centre) {
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
    p.drawPolygon(QPolygonF{{view.at(0, 1), view.at(1, 1), view.vanish}});
    const auto quad = [&](qreal u0, qreal u1, qreal s0, qreal s1) {
        return QPolygonF{{view.at(u0, s0), view.at(u1, s0), view.at(u1, s1), view.at(u0, s1)}};
    };
    p.setBrush(QColor(0xf0, 0xf0, 0xea));
    p.drawPolygon(quad(0.03, 0.045, 1, 0.005));
    p.drawPolygon(quad(0.955, 0.97, 1, 0.005));
    // Dashes are evenly spaced on the ground, so their depth s falls as 1 / distance.
    p.setBrush(centre);
    for (int k = 0; k < 40; ++k) {
        const qreal d0 = 1 + (k - phase) * 1.2;
        const qreal d1 = d0 + 0.55;
        if (d1 <= 1)
            continue;
        p.drawPolygon(quad(0.493, 0.507, 1 / qMax<qreal>(d0, 1), 1 / d1));
    }
}

void carRear(QPainter &p, QPointF base, qreal w, const QColor &body, const Lamps &lamps) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(0, 0), w * 0.56, w * 0.06);
    p.setBrush(kTyre);
    p.drawRoundedRect(QRectF(-w * 0.46, -w * 0.16, w * 0.16, w * 0.16), 2, 2);
    p.drawRoundedRect(QRectF(w * 0.3, -w * 0.16, w * 0.16, w * 0.16), 2, 2);
    QPainterPath cabin;
    cabin.moveTo(-w * 0.42, -w * 0.44);
    cabin.lineTo(-w * 0.32, -w * 0.74);
    cabin.quadTo(0, -w * 0.8, w * 0.32, -w * 0.74);
    cabin.lineTo(w * 0.42, -w * 0.44);
    cabin.closeSubpath();
    p.setBrush(bodyShade(-w * 0.8, -w * 0.1, body));
    p.drawPath(cabin);
    p.drawRoundedRect(QRectF(-w / 2, -w * 0.46, w, w * 0.34), w * 0.08, w * 0.08);
    p.setBrush(kGlass);
    p.drawPolygon(QPolygonF{{QPointF(-w * 0.34, -w * 0.48), QPointF(-w * 0.27, -w * 0.7),
                             QPointF(w * 0.27, -w * 0.7), QPointF(w * 0.34, -w * 0.48)}});
    p.setBrush(QColor(0x1f, 0x4e, 0x9a));
    p.drawRect(QRectF(-w * 0.12, -w * 0.28, w * 0.24, w * 0.08));
    const bool red = lamps.brake || lamps.tail;
    for (qreal x : {-w * 0.4, w * 0.4}) {
        p.setBrush(red ? QColor(0xff, 0x30, 0x30) : QColor(0xa0, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(x - w * 0.07, -w * 0.42, w * 0.14, w * 0.07), 2, 2);
        if (lamps.brake)
            glow(p, QPointF(x, -w * 0.385), w * 0.28, QColor(255, 40, 40, 200));
        else if (lamps.tail)
            glow(p, QPointF(x, -w * 0.385), w * 0.18, QColor(255, 40, 40, 150));
        if (lamps.hazard)
            glow(p, QPointF(x, -w * 0.385), w * 0.3, QColor(255, 170, 0, 235));
        if (lamps.fog && x > 0)
            glow(p, QPointF(x, -w * 0.2), w * 0.2, QColor(255, 40, 40, 220));
    }
    p.restore();
}

void carFront(QPainter &p, QPointF base, qreal w, const QColor &body, const Lamps &lamps) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(kTyre);
    p.drawRoundedRect(QRectF(-w * 0.46, -w * 0.16, w * 0.16, w * 0.16), 2, 2);
    p.drawRoundedRect(QRectF(w * 0.3, -w * 0.16, w * 0.16, w * 0.16), 2, 2);
    p.setBrush(bodyShade(-w * 0.8, -w * 0.1, body));
    QPainterPath cabin;
    cabin.moveTo(-w * 0.42, -w * 0.44);
    cabin.lineTo(-w * 0.3, -w * 0.74);
    cabin.quadTo(0, -w * 0.8, w * 0.3, -w * 0.74);
    cabin.lineTo(w * 0.42, -w * 0.44);
    cabin.closeSubpath();
    p.drawPath(cabin);
    p.drawRoundedRect(QRectF(-w / 2, -w * 0.46, w, w * 0.34), w * 0.08, w * 0.08);
    p.setBrush(kGlass.lighter(110));
    p.drawPolygon(QPolygonF{{QPointF(-w * 0.37, -w * 0.47), QPointF(-w * 0.27, -w * 0.71),
                             QPointF(w * 0.27, -w * 0.71), QPointF(w * 0.37, -w * 0.47)}});
    p.setBrush(QColor(0x2a, 0x2a, 0x2e));
    p.drawRoundedRect(QRectF(-w * 0.2, -w * 0.36, w * 0.4, w * 0.1), 2, 2);
    const bool lit = lamps.beam != Beam::Off;
    for (qreal x : {-w * 0.38, w * 0.38}) {
        p.setBrush(lit ? QColor(0xff, 0xfb, 0xe8) : QColor(0xdd, 0xe4, 0xea));
        p.drawEllipse(QPointF(x, -w * 0.36), w * 0.08, w * 0.05);
        if (lamps.beam == Beam::High)
            glow(p, QPointF(x, -w * 0.36), w * 1.3, QColor(255, 252, 230, 235));
        else if (lamps.beam == Beam::Low)
            glow(p, QPointF(x, -w * 0.36), w * 0.35, QColor(255, 250, 220, 210));
        if (lamps.fog)
            glow(p, QPointF(x * 0.9, -w * 0.2), w * 0.3, QColor(255, 250, 200, 200));
    }
    p.restore();
}

void carSide(QPainter &p, QPointF base, qreal L, const QColor &body, bool facingRight,
             const Lamps &lamps) {
    p.save();
    p.translate(base);
    if (!facingRight)
        p.scale(-1, 1);
    if (lamps.beam != Beam::Off)
        sideBeam(p, QPointF(L * 0.48, -L * 0.16), lamps.beam == Beam::High ? L * 4 : L * 1.8,
                 lamps.beam == Beam::High ? -L * 0.02 : L * 0.1, 130);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(0, 0), L * 0.52, L * 0.03);
    QPainterPath shell;
    shell.moveTo(-L * 0.49, -L * 0.07);
    shell.lineTo(-L * 0.5, -L * 0.18);
    shell.quadTo(-L * 0.49, -L * 0.22, -L * 0.42, -L * 0.225);
    shell.lineTo(-L * 0.33, -L * 0.23);
    shell.quadTo(-L * 0.26, -L * 0.33, -L * 0.16, -L * 0.345);
    shell.lineTo(L * 0.06, -L * 0.345);
    shell.quadTo(L * 0.12, -L * 0.34, L * 0.23, -L * 0.23);
    shell.quadTo(L * 0.44, -L * 0.215, L * 0.48, -L * 0.18);
    shell.quadTo(L * 0.51, -L * 0.14, L * 0.5, -L * 0.07);
    shell.closeSubpath();
    p.setBrush(bodyShade(-L * 0.35, -L * 0.05, body));
    p.drawPath(shell);
    p.setBrush(kGlass);
    QPainterPath glass;
    glass.moveTo(-L * 0.3, -L * 0.235);
    glass.quadTo(-L * 0.25, -L * 0.31, -L * 0.16, -L * 0.322);
    glass.lineTo(L * 0.05, -L * 0.322);
    glass.quadTo(L * 0.1, -L * 0.31, L * 0.19, -L * 0.235);
    glass.closeSubpath();
    p.drawPath(glass);
    p.setBrush(body);
    p.drawRect(QRectF(-L * 0.06, -L * 0.33, L * 0.025, L * 0.1));
    p.setPen(QPen(body.darker(140), 1));
    p.drawLine(QPointF(-L * 0.05, -L * 0.23), QPointF(-L * 0.05, -L * 0.09));
    p.drawLine(QPointF(-L * 0.2, -L * 0.14), QPointF(-L * 0.14, -L * 0.14));
    p.drawLine(QPointF(L * 0.08, -L * 0.14), QPointF(L * 0.14, -L * 0.14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf4, 0xc8));
    p.drawEllipse(QPointF(L * 0.475, -L * 0.165), L * 0.022, L * 0.014);
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawRoundedRect(QRectF(-L * 0.505, -L * 0.2, L * 0.03, L * 0.035), 1, 1);
    if (lamps.brake || lamps.tail)
        glow(p, QPointF(-L * 0.5, -L * 0.18), L * (lamps.brake ? 0.12 : 0.07),
             QColor(255, 40, 40, 210));
    if (lamps.hazard) {
        glow(p, QPointF(-L * 0.5, -L * 0.18), L * 0.12, QColor(255, 170, 0, 235));
        glow(p, QPointF(L * 0.48, -L * 0.16), L * 0.12, QColor(255, 170, 0, 235));
    }
    for (qreal x : {-L * 0.31, L * 0.31})
        wheel(p, QPointF(x, -L * 0.085), L * 0.085);
    p.restore();
}

void lorrySide(QPainter &p, QPointF base, qreal L, const QColor &cab, qreal cargoHeight,
               const QColor &cargo, const Lamps &lamps) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(0, 0), L * 0.52, L * 0.025);
    p.setBrush(QColor(0x2b, 0x2b, 0x30));
    p.drawRect(QRectF(-L * 0.5, -L * 0.1, L * 0.98, L * 0.03));
    // Bed with low side boards, then whatever is loaded on it.
    p.setBrush(QColor(0x8a, 0x6a, 0x48));
    p.drawRect(QRectF(-L * 0.5, -L * 0.15, L * 0.74, L * 0.05));
    if (cargoHeight > 0) {
        const QRectF load(-L * 0.49, -L * 0.15 - cargoHeight, L * 0.72, cargoHeight);
        p.setBrush(bodyShade(load.top(), load.bottom(), cargo));
        p.drawRoundedRect(load, 3, 3);
        p.setPen(QPen(cargo.darker(150), 1.5));
        for (qreal f : {0.2, 0.45, 0.7})
            p.drawLine(QPointF(load.left() + load.width() * f, load.top()),
                       QPointF(load.left() + load.width() * f + 6, load.bottom()));
        p.drawLine(QPointF(load.left(), load.top() + cargoHeight * 0.5),
                   QPointF(load.right(), load.top() + cargoHeight * 0.5));
        p.setPen(Qt::NoPen);
    }
    QPainterPath cabin;
    cabin.moveTo(L * 0.26, -L * 0.07);
    cabin.lineTo(L * 0.26, -L * 0.36);
    cabin.lineTo(L * 0.43, -L * 0.36);
    cabin.quadTo(L * 0.47, -L * 0.35, L * 0.48, -L * 0.25);
    cabin.lineTo(L * 0.5, -L * 0.2);
    cabin.lineTo(L * 0.5, -L * 0.07);
    cabin.closeSubpath();
    p.setBrush(bodyShade(-L * 0.36, -L * 0.07, cab));
    p.drawPath(cabin);
    p.setBrush(kGlass);
    p.drawPolygon(QPolygonF{{QPointF(L * 0.35, -L * 0.33), QPointF(L * 0.43, -L * 0.33),
                             QPointF(L * 0.465, -L * 0.24), QPointF(L * 0.35, -L * 0.24)}});
    p.setBrush(cab.darker(130));
    p.drawRect(QRectF(L * 0.3, -L * 0.3, L * 0.015, L * 0.2));
    for (qreal x : {-L * 0.36, -L * 0.22, L * 0.38})
        wheel(p, QPointF(x, -L * 0.065), L * 0.065);
    if (lamps.brake || lamps.hazard)
        glow(p, QPointF(-L * 0.5, -L * 0.09), L * 0.06,
             lamps.hazard ? QColor(255, 170, 0, 235) : QColor(255, 40, 40, 210));
    p.restore();
}

void busSide(QPainter &p, QPointF base, qreal L, const QColor &body, bool school,
             const Lamps &lamps) {
    p.save();
    p.translate(base);
    if (lamps.beam != Beam::Off)
        sideBeam(p, QPointF(L * 0.49, -L * 0.08), lamps.beam == Beam::High ? L * 2 : L * 0.9,
                 lamps.beam == Beam::High ? -L * 0.01 : L * 0.05, 130);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(0, 0), L * 0.52, L * 0.025);
    const QRectF shell(-L * 0.5, -L * 0.31, L, L * 0.26);
    p.setBrush(bodyShade(shell.top(), shell.bottom(), body));
    p.drawRoundedRect(shell, L * 0.025, L * 0.025);
    p.setBrush(kGlass);
    for (qreal x = -L * 0.46; x < L * 0.3; x += L * 0.105)
        p.drawRoundedRect(QRectF(x, -L * 0.28, L * 0.09, L * 0.09), 2, 2);
    p.drawRoundedRect(QRectF(L * 0.34, -L * 0.28, L * 0.07, L * 0.2), 2, 2);
    p.drawRoundedRect(QRectF(L * 0.43, -L * 0.28, L * 0.06, L * 0.11), 2, 2);
    p.setBrush(body.darker(school ? 160 : 125));
    p.drawRect(QRectF(-L * 0.5, -L * 0.16, L * 0.84, L * 0.012));
    if (school) {
        p.setBrush(QColor(0x1e, 0x1e, 0x1e));
        p.drawRoundedRect(QRectF(-L * 0.2, -L * 0.145, L * 0.26, L * 0.065), 2, 2);
        drawCentredText(p, QRectF(-L * 0.2, -L * 0.145, L * 0.26, L * 0.065),
                        QStringLiteral("校车"), cjkFont(L * 0.05, true), QColor(0xff, 0xd0, 0x20));
        // Roof warning lamps flash while the bus stops for pupils.
        for (qreal x : {-L * 0.46, L * 0.44}) {
            p.setBrush(lamps.hazard ? QColor(0xff, 0x40, 0x30) : QColor(0x90, 0x20, 0x20));
            p.drawRoundedRect(QRectF(x, -L * 0.335, L * 0.03, L * 0.025), 2, 2);
            if (lamps.hazard)
                glow(p, QPointF(x + L * 0.015, -L * 0.325), L * 0.07, QColor(255, 60, 40, 230));
        }
    }
    if (lamps.hazard || lamps.brake)
        glow(p, QPointF(-L * 0.5, -L * 0.1), L * 0.06,
             lamps.hazard ? QColor(255, 170, 0, 235) : QColor(255, 40, 40, 210));
    else if (lamps.tail)
        glow(p, QPointF(-L * 0.5, -L * 0.1), L * 0.035, QColor(255, 40, 40, 150));
    for (qreal x : {-L * 0.3, L * 0.3})
        wheel(p, QPointF(x, -L * 0.055), L * 0.055);
    p.restore();
}

void busRearLikeCar(QPainter &p, QPointF base, qreal w, const QColor &body, const Lamps &lamps) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(0, 0), w * 0.56, w * 0.05);
    p.setBrush(kTyre);
    for (qreal x : {-w * 0.46, w * 0.26})
        p.drawRoundedRect(QRectF(x, -w * 0.12, w * 0.2, w * 0.12), 2, 2);
    const QRectF shell(-w / 2, -w * 1.02, w, w * 0.92);
    p.setBrush(bodyShade(shell.top(), shell.bottom(), body));
    p.drawRoundedRect(shell, w * 0.06, w * 0.06);
    p.setBrush(kGlass);
    p.drawRoundedRect(QRectF(-w * 0.42, -w * 0.94, w * 0.84, w * 0.3), w * 0.03, w * 0.03);
    // Engine cover louvres low on the back, the plate between them.
    p.setBrush(body.darker(135));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(-w * 0.3, -w * (0.5 - i * 0.06), w * 0.6, w * 0.025));
    p.setBrush(QColor(0x1f, 0x4e, 0x9a));
    p.drawRect(QRectF(-w * 0.1, -w * 0.24, w * 0.2, w * 0.07));
    const bool red = lamps.brake || lamps.tail;
    for (qreal x : {-w * 0.44, w * 0.44}) {
        p.setBrush(red ? QColor(0xff, 0x30, 0x30) : QColor(0xa0, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(x - w * 0.035, -w * 0.5, w * 0.07, w * 0.26), 2, 2);
        if (lamps.brake)
            glow(p, QPointF(x, -w * 0.37), w * 0.24, QColor(255, 40, 40, 200));
        else if (lamps.tail)
            glow(p, QPointF(x, -w * 0.37), w * 0.15, QColor(255, 40, 40, 150));
        if (lamps.hazard)
            glow(p, QPointF(x, -w * 0.45), w * 0.26, QColor(255, 170, 0, 235));
        if (lamps.fog && x > 0)
            glow(p, QPointF(x, -w * 0.18), w * 0.18, QColor(255, 40, 40, 220));
    }
    p.restore();
}

namespace {

// A walking figure in flat style; a child has a larger head, shorter legs and a school bag.
void figure(QPainter &p, QPointF feet, qreal h, const QColor &shirt, qreal stride, bool facingRight,
            bool child) {
    p.save();
    p.translate(feet);
    if (!facingRight)
        p.scale(-1, 1);
    const qreal swing = std::sin(stride * 2 * M_PI) * 0.35;
    const qreal hipY = child ? 0.43 : 0.47, headR = child ? 0.1 : 0.075;
    const QPointF hip(0, -h * hipY), shoulder(h * 0.02, -h * (child ? 0.74 : 0.78));
    const QColor trousers(0x34, 0x3d, 0x52);
    const auto limb = [&](QPointF from, qreal angle, qreal length, const QColor &c, qreal width) {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, from + QPointF(std::sin(angle), std::cos(angle)) * length);
    };
    limb(hip, -swing, h * (hipY - 0.02), trousers.darker(115), h * 0.1);
    limb(shoulder, swing * 0.8, h * 0.32, shirt.darker(120), h * 0.08);
    limb(hip, swing, h * (hipY - 0.02), trousers, h * 0.1);
    p.setPen(Qt::NoPen);
    if (child) {
        p.setBrush(QColor(0xc0, 0x39, 0x2b).darker(110));
        p.drawRoundedRect(QRectF(-h * 0.2, -h * 0.76, h * 0.14, h * 0.26), h * 0.04, h * 0.04);
    }
    p.setBrush(shirt);
    const qreal top = shoulder.y() - h * 0.04;
    p.drawRoundedRect(QRectF(-h * 0.085, top, h * 0.19, -top - h * (hipY - 0.03)), h * 0.06,
                      h * 0.06);
    limb(shoulder, -swing * 0.8, h * 0.32, shirt, h * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf1, 0xc2, 0x9b));
    const QPointF head(h * 0.02, top - h * headR * 1.05);
    p.drawEllipse(head, h * headR, h * headR * 1.12);
    p.setBrush(QColor(0x2b, 0x21, 0x1b));
    p.drawChord(QRectF(head.x() - h * headR * 1.05, head.y() - h * headR * 1.2, h * headR * 2.1,
                       h * headR * 1.7),
                0, 180 * 16);
    p.restore();
}

} // namespace

void person(QPainter &p, QPointF feet, qreal h, const QColor &shirt, qreal stride,
            bool facingRight) {
    figure(p, feet, h, shirt, stride, facingRight, false);
}

void pupil(QPainter &p, QPointF feet, qreal h, const QColor &shirt, qreal stride,
           bool facingRight) {
    figure(p, feet, h, shirt, stride, facingRight, true);
}

} // namespace mediagen::side
