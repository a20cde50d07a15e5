// Warning signs: yellow triangles with black borders and black pictograms.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"

#include <QTransform>
#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace sign;

void sharpCurveLeft(QPainter &p) {
    warningFrame(p);
    QPainterPath curve;
    curve.moveTo(114, 156);
    curve.lineTo(114, 118);
    curve.cubicTo(114, 92, 100, 82, 72, 84);
    strokeArrow(p, curve, 14, kBlack);
}

void steepDescent(QPainter &p) {
    warningFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{{QPointF(58, 112), QPointF(150, 152), QPointF(58, 152)}});
    drawCentredText(p, QRectF(58, 128, 44, 24), u"10%"_s, signFont(17), kYellow);
    // The car rides down the slope, tilted with it.
    p.save();
    p.translate(112, 129);
    p.rotate(qRadiansToDegrees(std::atan2(40.0, 92.0)));
    carProfile(p, QRectF(-22, -27, 44, 24), kBlack, kYellow);
    p.restore();
}

void slippery(QPainter &p) {
    warningFrame(p);
    carRear(p, QRectF(74, 72, 52, 44), kBlack, kYellow);
    p.setPen(QPen(kBlack, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (qreal x : {84.0, 116.0}) {
        QPainterPath skid;
        skid.moveTo(x, 124);
        skid.cubicTo(x - 14, 132, x + 14, 142, x - 6, 156);
        p.drawPath(skid);
    }
}

void children(QPainter &p) {
    warningFrame(p);
    walker(p, QRectF(66, 72, 40, 84), kBlack, true);
    walker(p, QRectF(102, 92, 32, 64), kBlack, true);
}

void fallingRocks(QPainter &p) {
    warningFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(
        QPolygonF{{QPointF(104, 64), QPointF(156, 156), QPointF(118, 156), QPointF(124, 136),
                   QPointF(113, 120), QPointF(120, 100), QPointF(108, 82)}});
    const auto rock = [&p](QPointF c, qreal r, qreal turn) {
        QPolygonF stone;
        for (int i = 0; i < 6; ++i) {
            const qreal a = qDegreesToRadians(turn + i * 60.0);
            const qreal k = (i % 2) ? 0.8 : 1.0;
            stone << c + QPointF(std::cos(a), std::sin(a)) * r * k;
        }
        p.drawPolygon(stone);
    };
    rock(QPointF(92, 98), 9, 10);
    rock(QPointF(78, 124), 11, 35);
    rock(QPointF(98, 144), 8, 0);
    p.setBrush(kBlack);
    p.drawRect(QRectF(44, 152, 112, 6));
}

void railwayUnguarded(QPainter &p) {
    warningFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(58, 104, 58, 28), 6, 6);
    p.drawRect(QRectF(110, 86, 32, 46));
    p.drawRect(QRectF(106, 80, 40, 8));
    p.drawRect(QRectF(68, 88, 11, 18));
    p.drawRect(QRectF(64, 84, 19, 6));
    p.drawPolygon(QPolygonF{{QPointF(58, 130), QPointF(46, 146), QPointF(64, 146)}});
    p.setBrush(kYellow);
    p.drawRect(QRectF(118, 94, 16, 14));
    for (qreal x : {72.0, 96.0, 126.0}) {
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(x, 142), 11, 11);
        p.setBrush(kBlack);
        p.drawEllipse(QPointF(x, 142), 8.5, 8.5);
    }
    p.drawRect(QRectF(44, 154, 112, 5));
}

void tunnelLights(QPainter &p) {
    warningFrame(p);
    QPainterPath arch;
    arch.moveTo(60, 158);
    arch.lineTo(60, 116);
    arch.arcTo(QRectF(60, 76, 80, 80), 180, -180);
    arch.lineTo(140, 158);
    p.setPen(QPen(kBlack, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arch);
    // A headlamp: the lens as a D and its beams to the left.
    QPainterPath lamp;
    lamp.moveTo(100, 106);
    lamp.cubicTo(124, 106, 124, 140, 100, 140);
    lamp.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPath(lamp);
    p.setPen(QPen(kBlack, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(94, 110 + i * 9), QPointF(74, 114 + i * 9));
}

} // namespace

std::vector<PictureDrawer> warningSigns() {
    return {
        {"sign_sharp_curve_left.png", kSignSize, sharpCurveLeft},
        {"sign_steep_descent.png", kSignSize, steepDescent},
        {"sign_slippery.png", kSignSize, slippery},
        {"sign_children.png", kSignSize, children},
        {"sign_falling_rocks.png", kSignSize, fallingRocks},
        {"sign_railway_unguarded.png", kSignSize, railwayUnguarded},
        {"sign_tunnel_lights.png", kSignSize, tunnelLights},
    };
}

} // namespace mediagen
