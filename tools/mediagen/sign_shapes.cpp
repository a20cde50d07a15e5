#include "sign_shapes.h"

#include <QLineF>
#include <QPolygonF>
#include <QtMath>

namespace mediagen::sign {

namespace {

const QPointF kCentre{100, 100};

QPolygonF triangleUp(qreal side, qreal centreY) {
    const qreal h = side * std::sqrt(3.0) / 2;
    // The centroid sits two thirds of the height below the apex.
    const qreal top = centreY - h * 2 / 3;
    return QPolygonF{
        {QPointF(100, top), QPointF(100 + side / 2, top + h), QPointF(100 - side / 2, top + h)}};
}

void fillRoundedPolygon(QPainter &p, const QPolygonF &polygon, const QColor &colour, qreal round) {
    // A wide pen with round joins rounds the corners the way sign blanks are cut.
    p.setPen(QPen(colour, round, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(polygon);
}

} // namespace

void prohibitionFrame(QPainter &p, const QColor &field, const QColor &ring) {
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(kWhite);
    p.drawEllipse(kCentre, 97, 97);
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(kCentre, 94, 94);
    p.setBrush(field);
    p.drawEllipse(kCentre, 75, 75);
    p.restore();
}

void prohibitionBar(QPainter &p) {
    p.save();
    QPainterPath field;
    field.addEllipse(kCentre, 76, 76);
    p.setClipPath(field);
    p.setPen(QPen(kRed, 15, Qt::SolidLine, Qt::FlatCap));
    const qreal d = 80 / std::sqrt(2.0);
    p.drawLine(QPointF(100 - d, 100 - d), QPointF(100 + d, 100 + d));
    p.restore();
}

void warningFrame(QPainter &p) {
    p.save();
    fillRoundedPolygon(p, triangleUp(178, 122), kYellow, 16);
    fillRoundedPolygon(p, triangleUp(168, 122), kBlack, 14);
    fillRoundedPolygon(p, triangleUp(132, 122), kYellow, 8);
    p.restore();
}

void instructionDisc(QPainter &p) {
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(kWhite);
    p.drawEllipse(kCentre, 97, 97);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(kCentre, 93, 93);
    p.restore();
}

void instructionSquare(QPainter &p) {
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(4, 4, 192, 192), 16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(8, 8, 184, 184), 13, 13);
    p.restore();
}

void inwardArrowheads(QPainter &p, bool across) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    const auto place = [across](qreal along, qreal side) {
        return across ? QPointF(along, side) : QPointF(side, along);
    };
    p.drawPolygon(QPolygonF{{place(40, 84), place(40, 116), place(62, 100)}});
    p.drawPolygon(QPolygonF{{place(160, 84), place(160, 116), place(138, 100)}});
    p.restore();
}

void strokeArrow(QPainter &p, const QPainterPath &shaft, qreal width, const QColor &colour) {
    const qreal headLength = width * 1.7;
    const qreal stop = shaft.percentAtLength(qMax<qreal>(0, shaft.length() - headLength * 0.8));
    QPolygonF line;
    for (int i = 0; i <= 64; ++i)
        line << shaft.pointAtPercent(stop * i / 64);
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    // The head continues the shaft: it points from where the shaft stops to the path's end.
    const QPointF tip = shaft.pointAtPercent(1);
    const QPointF chord = tip - line.last();
    const qreal chordLength = std::hypot(chord.x(), chord.y());
    const QPointF along = chordLength > 0 ? chord / chordLength : QPointF(1, 0);
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * headLength;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{{tip, base + across * width * 1.25, base - across * width * 1.25}});
    p.restore();
}

void carRear(QPainter &p, const QRectF &box, const QColor &colour, const QColor &cutout) {
    const qreal w = box.width(), h = box.height(), x = box.x(), y = box.y();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    // Wheels peek out below the body.
    p.drawRoundedRect(QRectF(x + w * 0.06, y + h * 0.78, w * 0.2, h * 0.22), w * 0.04, w * 0.04);
    p.drawRoundedRect(QRectF(x + w * 0.74, y + h * 0.78, w * 0.2, h * 0.22), w * 0.04, w * 0.04);
    QPainterPath cabin;
    cabin.moveTo(x + w * 0.16, y + h * 0.45);
    cabin.lineTo(x + w * 0.26, y + h * 0.06);
    cabin.quadTo(x + w * 0.5, y, x + w * 0.74, y + h * 0.06);
    cabin.lineTo(x + w * 0.84, y + h * 0.45);
    cabin.closeSubpath();
    p.drawPath(cabin);
    p.drawRoundedRect(QRectF(x, y + h * 0.4, w, h * 0.44), w * 0.08, w * 0.08);
    p.setBrush(cutout);
    QPainterPath glass;
    glass.moveTo(x + w * 0.24, y + h * 0.38);
    glass.lineTo(x + w * 0.31, y + h * 0.13);
    glass.lineTo(x + w * 0.69, y + h * 0.13);
    glass.lineTo(x + w * 0.76, y + h * 0.38);
    glass.closeSubpath();
    p.drawPath(glass);
    // Rear lamps and the number plate.
    p.drawEllipse(QRectF(x + w * 0.07, y + h * 0.5, w * 0.14, h * 0.12));
    p.drawEllipse(QRectF(x + w * 0.79, y + h * 0.5, w * 0.14, h * 0.12));
    p.drawRect(QRectF(x + w * 0.36, y + h * 0.6, w * 0.28, h * 0.1));
    p.restore();
}

void carProfile(QPainter &p, const QRectF &box, const QColor &colour, const QColor &cutout) {
    const qreal w = box.width(), h = box.height(), x = box.x(), y = box.y();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath body;
    body.moveTo(x, y + h * 0.72);
    body.lineTo(x + w * 0.02, y + h * 0.42);
    body.lineTo(x + w * 0.22, y + h * 0.38);
    body.lineTo(x + w * 0.34, y + h * 0.04);
    body.lineTo(x + w * 0.68, y + h * 0.04);
    body.lineTo(x + w * 0.82, y + h * 0.38);
    body.quadTo(x + w, y + h * 0.42, x + w, y + h * 0.6);
    body.lineTo(x + w, y + h * 0.72);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(cutout);
    p.drawPolygon(
        QPolygonF{{QPointF(x + w * 0.27, y + h * 0.36), QPointF(x + w * 0.37, y + h * 0.12),
                   QPointF(x + w * 0.49, y + h * 0.12), QPointF(x + w * 0.49, y + h * 0.36)}});
    p.drawPolygon(
        QPolygonF{{QPointF(x + w * 0.53, y + h * 0.36), QPointF(x + w * 0.53, y + h * 0.12),
                   QPointF(x + w * 0.65, y + h * 0.12), QPointF(x + w * 0.75, y + h * 0.36)}});
    // Wheels with a thin gap of the field colour around them.
    for (qreal cx : {x + w * 0.22, x + w * 0.78}) {
        p.setBrush(cutout);
        p.drawEllipse(QPointF(cx, y + h * 0.78), h * 0.23, h * 0.23);
        p.setBrush(colour);
        p.drawEllipse(QPointF(cx, y + h * 0.78), h * 0.19, h * 0.19);
    }
    p.restore();
}

void lorryProfile(QPainter &p, const QRectF &box, const QColor &colour, const QColor &cutout) {
    const qreal w = box.width(), h = box.height(), x = box.x(), y = box.y();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(x, y, w * 0.68, h * 0.7));
    QPainterPath cab;
    cab.moveTo(x + w * 0.71, y + h * 0.75);
    cab.lineTo(x + w * 0.71, y + h * 0.18);
    cab.lineTo(x + w * 0.88, y + h * 0.18);
    cab.lineTo(x + w, y + h * 0.46);
    cab.lineTo(x + w, y + h * 0.75);
    cab.closeSubpath();
    p.drawPath(cab);
    p.drawRect(QRectF(x, y + h * 0.66, w, h * 0.09));
    p.setBrush(cutout);
    p.drawPolygon(
        QPolygonF{{QPointF(x + w * 0.78, y + h * 0.26), QPointF(x + w * 0.86, y + h * 0.26),
                   QPointF(x + w * 0.94, y + h * 0.46), QPointF(x + w * 0.78, y + h * 0.46)}});
    for (qreal cx : {x + w * 0.16, x + w * 0.32, x + w * 0.84}) {
        p.setBrush(cutout);
        p.drawEllipse(QPointF(cx, y + h * 0.82), h * 0.18, h * 0.18);
        p.setBrush(colour);
        p.drawEllipse(QPointF(cx, y + h * 0.82), h * 0.145, h * 0.145);
    }
    p.restore();
}

void walker(QPainter &p, const QRectF &box, const QColor &colour, bool child) {
    // Limbs are round-capped strokes, the usual pictogram style of sign figures.
    const qreal h = box.height(), x = box.center().x(), y = box.y();
    const qreal limb = h * (child ? 0.11 : 0.09);
    const qreal head = h * (child ? 0.11 : 0.085);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(x + h * 0.03, y + head), head, head);
    const QPointF neck(x, y + h * 0.25), hip(x - h * 0.03, y + h * 0.58);
    p.setPen(QPen(colour, limb * 1.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(neck, hip);
    p.setPen(QPen(colour, limb, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{{neck + QPointF(0, h * 0.04), QPointF(x + h * 0.15, y + h * 0.4),
                              QPointF(x + h * 0.22, y + h * 0.52)}});
    p.drawPolyline(QPolygonF{{neck + QPointF(0, h * 0.04), QPointF(x - h * 0.12, y + h * 0.4),
                              QPointF(x - h * 0.2, y + h * 0.5)}});
    p.drawPolyline(
        QPolygonF{{hip, QPointF(x + h * 0.1, y + h * 0.76), QPointF(x + h * 0.14, y + h * 0.95)}});
    p.drawPolyline(
        QPolygonF{{hip, QPointF(x - h * 0.1, y + h * 0.77), QPointF(x - h * 0.22, y + h * 0.93)}});
    p.restore();
}

} // namespace mediagen::sign
