// Prohibition and priority signs: red rings and bars, the stop octagon and the yield triangle.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"

#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace sign;

QPolygonF regularPolygon(int corners, qreal radius, qreal firstAngleDegrees) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal a = qDegreesToRadians(firstAngleDegrees + 360.0 * i / corners);
        polygon << QPointF(100 + radius * std::cos(a), 100 + radius * std::sin(a));
    }
    return polygon;
}

void stop(QPainter &p) {
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(kWhite);
    p.drawPolygon(regularPolygon(8, 98, 22.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(regularPolygon(8, 95, 22.5));
    p.setPen(QPen(kWhite, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(regularPolygon(8, 86, 22.5));
    drawCentredText(p, QRectF(0, 0, 200, 196), u"停"_s, cjkFont(104, true), kWhite);
}

void yield(QPainter &p) {
    const QPolygonF outer{{QPointF(100, 190), QPointF(6, 26), QPointF(194, 26)}};
    const QPolygonF inner{{QPointF(100, 150), QPointF(40, 46), QPointF(160, 46)}};
    p.setPen(QPen(kRed, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kRed);
    p.drawPolygon(outer);
    p.setPen(QPen(kWhite, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawPolygon(inner);
    drawCentredText(p, QRectF(50, 46, 100, 62), u"让"_s, cjkFont(54, true), kBlack);
}

void noEntry(QPainter &p) {
    prohibitionFrame(p, kRed, kRed);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRect(QRectF(38, 86, 124, 28));
}

void noOvertaking(QPainter &p) {
    prohibitionFrame(p);
    carRear(p, QRectF(42, 70, 54, 60), kRed, kWhite);
    carRear(p, QRectF(104, 70, 54, 60), kBlack, kWhite);
}

void speedLimit40(QPainter &p) {
    prohibitionFrame(p);
    drawCentredText(p, QRectF(0, 0, 200, 200), u"40"_s, signFont(88), kBlack);
}

void endSpeedLimit40(QPainter &p) {
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(100, 100), 97, 97);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(100, 100), 88, 88);
    drawCentredText(p, QRectF(0, 0, 200, 200), u"40"_s, signFont(88), QColor(0x8a, 0x8a, 0x8a));
    QPainterPath field;
    field.addEllipse(QPointF(100, 100), 85, 85);
    p.save();
    p.setClipPath(field);
    p.setPen(QPen(kBlack, 4));
    for (int i = -2; i <= 2; ++i) {
        const QPointF shift(i * 10 / std::sqrt(2.0), i * 10 / std::sqrt(2.0));
        p.drawLine(QPointF(170, 30) + shift, QPointF(30, 170) + shift);
    }
    p.restore();
}

void noUTurn(QPainter &p) {
    prohibitionFrame(p);
    QPainterPath u;
    u.moveTo(122, 156);
    u.lineTo(122, 92);
    u.arcTo(QRectF(74, 64, 48, 52), 0, 180);
    u.lineTo(74, 134);
    strokeArrow(p, u, 15, kBlack);
    prohibitionBar(p);
}

void noHorn(QPainter &p) {
    prohibitionFrame(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    // Mouthpiece, tube and flared bell of a trumpet horn.
    p.drawRoundedRect(QRectF(44, 90, 16, 20), 3, 3);
    p.drawRect(QRectF(58, 95, 44, 10));
    QPainterPath bell;
    bell.moveTo(100, 95);
    bell.cubicTo(120, 92, 140, 72, 154, 60);
    bell.lineTo(154, 140);
    bell.cubicTo(140, 128, 120, 108, 100, 105);
    bell.closeSubpath();
    p.drawPath(bell);
    prohibitionBar(p);
}

void noLeftTurn(QPainter &p) {
    prohibitionFrame(p);
    QPainterPath turn;
    turn.moveTo(118, 160);
    turn.lineTo(118, 108);
    turn.quadTo(118, 80, 90, 80);
    turn.lineTo(50, 80);
    strokeArrow(p, turn, 17, kBlack);
    prohibitionBar(p);
}

// No stopping at all: the red X (a single bar would mean no long-term parking).
void noParking(QPainter &p) {
    prohibitionFrame(p, kBlue, kRed);
    prohibitionBar(p);
    p.save();
    p.translate(200, 0);
    p.scale(-1, 1);
    prohibitionBar(p);
    p.restore();
}

void noTrucks(QPainter &p) {
    prohibitionFrame(p);
    lorryProfile(p, QRectF(46, 70, 108, 62), kBlack, kWhite);
    prohibitionBar(p);
}

void heightLimit(QPainter &p) {
    prohibitionFrame(p);
    drawCentredText(p, QRectF(0, 0, 200, 200), u"4.5m"_s, signFont(50), kBlack);
    inwardArrowheads(p, false);
}

void weightLimit(QPainter &p) {
    prohibitionFrame(p);
    drawCentredText(p, QRectF(0, 0, 200, 200), u"30t"_s, signFont(70), kBlack);
}

} // namespace

std::vector<PictureDrawer> prohibitionSigns() {
    return {
        {"sign_stop.png", kSignSize, stop},
        {"sign_yield.png", kSignSize, yield},
        {"sign_no_entry.png", kSignSize, noEntry},
        {"sign_no_overtaking.png", kSignSize, noOvertaking},
        {"sign_speed_limit_40.png", kSignSize, speedLimit40},
        {"sign_end_speed_limit_40.png", kSignSize, endSpeedLimit40},
        {"sign_no_uturn.png", kSignSize, noUTurn},
        {"sign_no_horn.png", kSignSize, noHorn},
        {"sign_no_left_turn.png", kSignSize, noLeftTurn},
        {"sign_no_parking.png", kSignSize, noParking},
        {"sign_no_trucks.png", kSignSize, noTrucks},
        {"sign_height_limit.png", kSignSize, heightLimit},
        {"sign_weight_limit.png", kSignSize, weightLimit},
    };
}

} // namespace mediagen
