// Restrictions for heavy vehicles: dangerous goods, width and axle load.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"

#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace sign;

void noDangerousGoods(QPainter &p) {
    prohibitionFrame(p);
    // A tanker lorry with the dangerous-goods diamond on its tank.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(40, 80, 86, 40), 18, 18);
    p.drawRect(QRectF(40, 118, 120, 8));
    QPainterPath cab;
    cab.moveTo(132, 126);
    cab.lineTo(132, 86);
    cab.lineTo(150, 86);
    cab.lineTo(162, 104);
    cab.lineTo(162, 126);
    cab.closeSubpath();
    p.drawPath(cab);
    p.setBrush(kWhite);
    p.drawPolygon(
        QPolygonF{{QPointF(138, 92), QPointF(148, 92), QPointF(156, 104), QPointF(138, 104)}});
    for (qreal x : {56.0, 76.0, 146.0}) {
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(x, 130), 11, 11);
        p.setBrush(kBlack);
        p.drawEllipse(QPointF(x, 130), 8.5, 8.5);
    }
    p.setBrush(kWhite);
    p.drawPolygon(
        QPolygonF{{QPointF(83, 84), QPointF(99, 100), QPointF(83, 116), QPointF(67, 100)}});
    p.setBrush(kRed);
    p.drawPolygon(
        QPolygonF{{QPointF(83, 88), QPointF(95, 100), QPointF(83, 112), QPointF(71, 100)}});
    prohibitionBar(p);
}

void widthLimit(QPainter &p) {
    prohibitionFrame(p);
    drawCentredText(p, QRectF(0, 0, 200, 200), u"3m"_s, signFont(52), kBlack);
    inwardArrowheads(p, true);
}

void axleLoadLimit(QPainter &p) {
    prohibitionFrame(p);
    // One axle seen from behind: twin wheels at each end of the beam.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRect(QRectF(62, 64, 76, 7));
    for (qreal x : {46.0, 128.0}) {
        p.drawRoundedRect(QRectF(x, 50, 11, 36), 3, 3);
        p.drawRoundedRect(QRectF(x + 14, 50, 11, 36), 3, 3);
    }
    drawCentredText(p, QRectF(0, 90, 200, 70), u"10t"_s, signFont(62), kBlack);
}

} // namespace

std::vector<PictureDrawer> restrictionSigns() {
    return {
        {"sign_no_dangerous_goods.png", kSignSize, noDangerousGoods},
        {"sign_width_limit.png", kSignSize, widthLimit},
        {"sign_axle_load_limit.png", kSignSize, axleLoadLimit},
    };
}

} // namespace mediagen
