// Clips seen from the roadside or from behind the vehicle: fog lamps in fog, stopping to look
// at a level crossing, a long descent and a tunnel entrance.
#include "canvas.h"
#include "drawers.h"
#include "motion.h"
#include "sideview.h"
#include "subject.h"
#include "topview.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace side;
using namespace motion;

const QColor kSkyTop(0x6f, 0xae, 0xe6);
const QColor kSkyLow(0xcf, 0xe7, 0xf7);

void signPost(QPainter &p, const char *name, QPointF foot, qreal size) {
    p.fillRect(QRectF(foot.x() - size * 0.05, foot.y() - size * 1.6, size * 0.1, size * 1.6),
               QColor(0x8a, 0x8e, 0x92));
    paintPicture(p, name, QRectF(foot.x() - size / 2, foot.y() - size * 2, size, size));
}

// The subject seen from behind on the road: a car, or a coach a little wider and much taller.
void subjectRear(QPainter &p, Subject subject, QPointF base, qreal carWidth, const Lamps &lamps) {
    if (subject == Subject::Car)
        carRear(p, base, carWidth, kSubjectColour, lamps);
    else
        busRearLikeCar(p, base, carWidth * 1.2, kSubjectColour, lamps);
}

void fog(QPainter &p, double t, Subject subject) {
    const Perspective view{QPointF(248, 92), 218, -70, 566};
    sky(p, QRectF(0, 0, 496, 93), QColor(0xb8, 0xbe, 0xc2), QColor(0xd4, 0xd8, 0xda));
    hills(p, 496, 93, 26, QColor(0x90, 0x9c, 0x98), 5);
    const double phase = 2 * t; // whole dash periods per loop
    road(p, view, QColor(0x55, 0x5b, 0x60), QColor(0x6c, 0x86, 0x60), phase);
    for (int k = 15; k >= 0; --k) {
        const double d = 0.6 + (2 * k - phase) * 1.2;
        if (d > 0.55)
            tree(p, view.at(1.25, 1 / d), 160 / d);
    }
    const double s = lerp(0.1, 1.7, t * t);
    // The oncoming car looms out of the fog and fades again as it passes.
    p.setOpacity(ease(0.12, 0.3, s) * (1 - ease(0.88, 0.99, t)));
    carFront(p, view.at(0.26, s), 150 * s, QColor(0x50, 0x56, 0x60), Lamps{Beam::Low, true});
    p.setOpacity(1);
    QLinearGradient veil(0, 0, 0, 218);
    veil.setColorAt(0, QColor(225, 228, 230, 250));
    veil.setColorAt(0.45, QColor(225, 228, 230, 230));
    veil.setColorAt(1, QColor(225, 228, 230, 90));
    p.fillRect(QRectF(0, 0, 496, 218), veil);
    QRadialGradient pool(view.at(0.72, 0.7), 90);
    pool.setColorAt(0, QColor(255, 248, 215, 110));
    pool.setColorAt(1, QColor(255, 248, 215, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(view.at(0.72, 0.7), 120, 40);
    // A coach sits further ahead so that its tall back leaves the road in view.
    const qreal depth = subject == Subject::Car ? 0.95 : 0.8;
    subjectRear(p, subject, view.at(0.72, depth), 150 * depth / 0.95,
                Lamps{Beam::Low, true, false, false, true});
    paintPicture(p, "lamp_front_fog.png", QRectF(8, 8, 46, 46));
}

void railway(QPainter &p, double t, Subject subject) {
    const Perspective view{QPointF(250, 92), 218, -60, 536};
    sky(p, QRectF(0, 0, 496, 93), kSkyTop, kSkyLow);
    hills(p, 496, 93, 24, QColor(0x86, 0xa9, 0x78), 6);
    road(p, view, QColor(0x5d, 0x62, 0x66), QColor(0x79, 0x9e, 0x5c));
    const qreal trackY = view.at(0, 0.3).y();
    p.fillRect(QRectF(0, trackY - 4, 496, 10), QColor(0x8e, 0x86, 0x7a));
    p.fillRect(QRectF(0, trackY - 3, 496, 2), QColor(0x55, 0x55, 0x55));
    p.fillRect(QRectF(0, trackY + 2, 496, 2), QColor(0x55, 0x55, 0x55));
    const QPointF stopLeft = view.at(0.52, 0.6), stopRight = view.at(0.97, 0.6);
    p.fillRect(QRectF(stopLeft.x(), stopLeft.y() - 2, stopRight.x() - stopLeft.x(), 5),
               top::kLineWhite);
    if (t > 0.26 && t < 0.66) {
        const qreal head = lerp(-560, 620, (t - 0.26) / 0.4);
        for (int c = 0; c < 4; ++c) {
            const qreal x = head - c * 124;
            p.fillRect(QRectF(x, trackY - 36, 120, 32), QColor(0x2c, 0x7a, 0x4c));
            p.fillRect(QRectF(x, trackY - 22, 120, 3), QColor(0xf0, 0xd0, 0x40));
            for (int w = 0; w < 6; ++w)
                p.fillRect(QRectF(x + 8 + w * 18, trackY - 32, 12, 8), QColor(0x2c, 0x3e, 0x50));
            p.setBrush(QColor(0x22, 0x22, 0x22));
            for (qreal wx : {x + 18, x + 32, x + 88, x + 102})
                p.drawEllipse(QPointF(wx, trackY - 3), 3.5, 3.5);
        }
    }
    signPost(p, "sign_railway_unguarded.png", view.at(1.12, 0.62), 40);
    signPost(p, "sign_stop.png", view.at(1.12, 0.8), 40);
    double s;
    if (t < 0.3)
        s = lerp(1.5, 0.66, 1 - std::pow(1 - t / 0.3, 2));
    else if (t < 0.7)
        s = 0.66;
    else
        s = lerp(0.66, 0.16, std::pow((t - 0.7) / 0.3, 2));
    Lamps lamps;
    lamps.brake = t > 0.18 && t < 0.72;
    subjectRear(p, subject, view.at(0.74, s), 150 * s, lamps);
}

void longDescent(QPainter &p, double t) {
    sky(p, QRectF(0, 0, 496, 218), kSkyTop, kSkyLow);
    hills(p, 496, 120, 70, QColor(0x9a, 0xae, 0xc4), 2);
    const auto slopeY = [](qreal x) { return 50 + (x + 20) * 146 / 536; };
    const qreal angle = qRadiansToDegrees(std::atan2(146.0, 536.0));
    QPolygonF ground{{QPointF(-20, slopeY(-20) + 8), QPointF(516, slopeY(516) + 8),
                      QPointF(516, 218), QPointF(-20, 218)}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x9a, 0x5c));
    p.drawPolygon(ground);
    p.setPen(QPen(QColor(0x5d, 0x62, 0x66), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-20, slopeY(-20) + 3), QPointF(516, slopeY(516) + 3));
    p.setPen(QPen(QColor(0xcf, 0xd4, 0xd8), 3));
    p.drawLine(QPointF(-20, slopeY(-20) + 16), QPointF(516, slopeY(516) + 16));
    p.setPen(Qt::NoPen);
    for (qreal x : {40.0, 250.0, 430.0})
        tree(p, QPointF(x, slopeY(x) + 40), 46);
    const qreal x = lerp(-160, 660, t);
    const bool braking = std::fmod(t * 3, 1.0) > 0.55 && std::fmod(t * 3, 1.0) < 0.85;
    p.save();
    p.translate(x, slopeY(x) - 2);
    p.rotate(angle);
    lorrySide(p, QPointF(0, 0), 200, QColor(0xd3, 0x54, 0x00), 40, QColor(0x7f, 0x8c, 0x8d));
    if (braking) {
        QRadialGradient lamp(QPointF(-100, -18), 16);
        lamp.setColorAt(0, QColor(255, 40, 40, 230));
        lamp.setColorAt(1, QColor(255, 40, 40, 0));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(-100, -18), 16, 16);
    }
    p.restore();
    // Instrument inset: a low gear held all the way, brakes applied now and then.
    fillVerticalGradient(p, QRectF(8, 150, 150, 60), QColor(0x22, 0x26, 0x2c),
                         QColor(0x10, 0x12, 0x16), 8);
    drawCentredText(p, QRectF(12, 154, 60, 52), u"3"_s, signFont(38), QColor(0x7c, 0xd6, 0xff));
    drawCentredText(p, QRectF(12, 190, 60, 20), u"低速挡"_s, cjkFont(12), QColor(0xb8, 0xc4, 0xd0));
    drawCentredText(p, QRectF(76, 160, 78, 40), u"制动"_s, cjkFont(20, true),
                    braking ? QColor(0xff, 0x50, 0x40) : QColor(0x50, 0x54, 0x5a));
}

// Distance driven towards the tunnel, the car slowing from full speed before the portal.
double tunnelDistance(double t) {
    double distance = 0;
    for (int i = 0; i < 100; ++i) {
        const double s = t * (i + 0.5) / 100;
        distance += (1 - 0.5 * ease(0.3, 0.6, s)) * t / 100;
    }
    return distance;
}

void tunnel(QPainter &p, double t, Subject subject) {
    sky(p, QRectF(0, 0, 496, 176), kSkyTop, kSkyLow);
    hills(p, 496, 150, 50, QColor(0x9a, 0xb6, 0x8a), 4);
    QPainterPath mountain;
    mountain.moveTo(250, 176);
    mountain.cubicTo(290, 60, 380, 10, 520, 20);
    mountain.lineTo(520, 176);
    mountain.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4e, 0x86, 0x48));
    p.drawPath(mountain);
    p.fillRect(QRectF(0, 170, 496, 48), QColor(0x5d, 0x62, 0x66));
    top::dashedLine(p, 196, 0, 496, 30, 24, 2.5, top::kLineWhite);
    // The portal: a concrete face with the dark bore behind it.
    p.fillRect(QRectF(330, 80, 26, 96), QColor(0xc9, 0xc3, 0xb6));
    p.fillRect(QRectF(356, 96, 140, 80), QColor(0x16, 0x16, 0x18));
    p.setBrush(QColor(0xff, 0xd8, 0x7a));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(372 + i * 28, 104), 3, 2);
    for (qreal x : {40.0, 230.0})
        tree(p, QPointF(x, 170), 54);
    signPost(p, "sign_tunnel_lights.png", QPointF(110, 172), 40);
    signPost(p, "sign_speed_limit_40.png", QPointF(200, 172), 36);
    const qreal half = 55 * subjectLength(subject) / subjectLength(Subject::Car);
    const qreal x = lerp(-15 - half, 535 + half, tunnelDistance(t) / tunnelDistance(1));
    Lamps lamps;
    // Lamps on once the front passes the sign.
    const bool lit = x + half > 165;
    lamps.beam = lit ? Beam::Low : Beam::Off;
    lamps.brake = t > 0.3 && t < 0.6;
    lamps.tail = lit;
    p.save();
    p.setClipRect(QRectF(0, 0, 356, 218));
    subjectSide(p, subject, QPointF(x, 190), 110, true, lamps);
    p.restore();
    if (x + half > 356) {
        // Inside, the body fades into the dark; its lamps are what show.
        p.save();
        p.setClipRect(QRectF(356, 96, 140, 80));
        p.setOpacity(0.55);
        subjectSide(p, subject, QPointF(x, 190), 110, true, lamps);
        p.restore();
    }
    p.fillRect(QRectF(330, 80, 26, 96), QColor(0xc9, 0xc3, 0xb6));
}

} // namespace

std::vector<ClipDrawer> sceneClips() {
    return {
        {"clip_fog.webm", 4, paintAs<fog, Subject::Car>},
        {"clip_fog_bus.webm", 4, paintAs<fog, Subject::Bus>},
        {"clip_railway.webm", 5, paintAs<railway, Subject::Car>, 0.6},
        {"clip_railway_bus.webm", 5, paintAs<railway, Subject::Bus>, 0.6},
        {"clip_long_descent.webm", 5, longDescent},
        {"clip_tunnel.webm", 5, paintAs<tunnel, Subject::Car>},
        {"clip_tunnel_bus.webm", 5, paintAs<tunnel, Subject::Bus>},
    };
}

} // namespace mediagen
