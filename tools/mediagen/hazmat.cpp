// Dangerous goods: the diamond package labels (after GB 190) and the markings of a vehicle
// that carries them (after GB 13392): the triangular roof lamp and the orange rear plate.
#include "canvas.h"
#include "drawers.h"
#include "sideview.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

const QColor kInk(0x14, 0x14, 0x14);
const QColor kOrange(0xf3, 0x83, 0x1c);
const QColor kLabelRed(0xdc, 0x1f, 0x26);
const QColor kLampYellow(0xf9, 0xc8, 0x00);

QPolygonF diamond(qreal inset) {
    return QPolygonF{{QPointF(100, 4 + inset), QPointF(196 - inset, 100), QPointF(100, 196 - inset),
                      QPointF(4 + inset, 100)}};
}

// The label's ground (upper and lower halves may differ), the line inside its edge, the class
// name and the class number in the bottom corner.
void label(QPainter &p, const QColor &upper, const QColor &lower, const QColor &ink,
           const QString &name, const QString &number) {
    p.setPen(QPen(QColor(0, 0, 0, 70), 1));
    p.setBrush(upper);
    p.drawPolygon(diamond(0));
    if (lower != upper) {
        p.save();
        p.setClipRect(QRectF(0, 100, 200, 100));
        p.setPen(Qt::NoPen);
        p.setBrush(lower);
        p.drawPolygon(diamond(0.5));
        p.restore();
    }
    p.setPen(QPen(lower == upper ? ink : kInk, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(diamond(9));
    if (lower != upper) {
        p.save();
        p.setClipRect(QRectF(0, 100, 200, 100));
        p.setPen(QPen(Qt::white, 2.5));
        p.drawPolygon(diamond(9));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    drawCentredText(p, QRectF(40, 118, 120, 26), name, cjkFont(name.size() > 4 ? 17 : 20, true),
                    ink);
    drawCentredText(p, QRectF(70, 146, 60, 34), number, signFont(30), ink);
}

void explosive(QPainter &p) {
    label(p, kOrange, kOrange, kInk, u"爆炸品"_s, u"1"_s);
    // An exploding bomb: fragments flying from a burst.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(100, 84), 12, 12);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0 - 90), reach = i % 2 ? 30 : 40;
        const QPointF along(std::cos(a), std::sin(a));
        p.drawLine(QPointF(100, 84) + along * 17, QPointF(100, 84) + along * reach);
    }
    p.setPen(Qt::NoPen);
    for (const QPointF &bit :
         {QPointF(70, 66), QPointF(132, 70), QPointF(72, 104), QPointF(128, 104), QPointF(100, 40)})
        p.drawEllipse(bit, 3.5, 3.5);
}

void flame(QPainter &p, const QColor &ink) {
    QPainterPath fire;
    fire.moveTo(74, 108);
    fire.cubicTo(64, 90, 80, 78, 78, 58);
    fire.cubicTo(88, 68, 90, 78, 90, 84);
    fire.cubicTo(94, 70, 92, 52, 100, 34);
    fire.cubicTo(108, 52, 116, 62, 112, 82);
    fire.cubicTo(118, 76, 122, 66, 122, 58);
    fire.cubicTo(134, 76, 134, 96, 126, 108);
    fire.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(fire);
    p.drawRect(QRectF(68, 108, 64, 5));
}

void flammableLiquid(QPainter &p) {
    label(p, kLabelRed, kLabelRed, kInk, u"易燃液体"_s, u"3"_s);
    flame(p, kInk);
}

void toxic(QPainter &p) {
    label(p, Qt::white, Qt::white, kInk, u"毒性物质"_s, u"6"_s);
    // Skull and crossbones.
    p.setPen(QPen(kInk, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 88), QPointF(128, 116));
    p.drawLine(QPointF(128, 88), QPointF(72, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const QPointF &end :
         {QPointF(72, 88), QPointF(128, 116), QPointF(128, 88), QPointF(72, 116)})
        for (qreal dy : {-3.5, 3.5})
            p.drawEllipse(end + QPointF(0, dy), 4.5, 4.5);
    p.drawEllipse(QPointF(100, 64), 22, 21);
    p.drawRoundedRect(QRectF(87, 74, 26, 20), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(91, 64), 6, 6.5);
    p.drawEllipse(QPointF(109, 64), 6, 6.5);
    p.drawPolygon(QPolygonF{{QPointF(100, 71), QPointF(96, 79), QPointF(104, 79)}});
    for (qreal x : {93.0, 100.0, 107.0})
        p.drawRect(QRectF(x - 1, 86, 2, 8));
}

void corrosive(QPainter &p) {
    label(p, Qt::white, kInk, Qt::white, u"腐蚀性物质"_s, u"8"_s);
    // Two test tubes pour drops onto a bar of metal and a hand, both eaten away.
    p.save();
    p.translate(100, 72);
    p.scale(1.15, 1.15);
    p.translate(-100, -72);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const auto &[x, tilt] : {std::pair{80.0, -25.0}, {118.0, -25.0}}) {
        p.save();
        p.translate(x, 52);
        p.rotate(tilt);
        p.drawRoundedRect(QRectF(-6, -16, 12, 32), 5, 5);
        p.restore();
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(x + 10, 71 + i * 5), 2.2, 2.6);
    }
    QPainterPath bar;
    bar.moveTo(58, 94);
    bar.lineTo(90, 94);
    bar.lineTo(90, 86);
    bar.quadTo(86, 90, 82, 86);
    bar.lineTo(58, 86);
    bar.closeSubpath();
    p.drawPath(bar);
    QPainterPath hand;
    hand.moveTo(108, 96);
    hand.lineTo(108, 88);
    hand.lineTo(134, 88);
    hand.quadTo(140, 90, 134, 92);
    hand.lineTo(128, 92);
    hand.quadTo(126, 96, 122, 94);
    hand.quadTo(118, 98, 114, 96);
    hand.closeSubpath();
    p.drawPath(hand);
    p.restore();
}

// The roof lamp seen from the front: a yellow triangle with a black rim and the character 危.
void roofLamp(QPainter &p, QPointF base, qreal width) {
    const qreal h = width * 0.62;
    const QPolygonF outer{
        {base + QPointF(-width / 2, 0), base + QPointF(width / 2, 0), base + QPointF(0, -h)}};
    p.setPen(QPen(kInk, width * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kLampYellow);
    p.drawPolygon(outer);
    p.setPen(Qt::NoPen);
    drawCentredText(p, QRectF(base.x() - width * 0.3, base.y() - h * 0.66, width * 0.6, h * 0.6),
                    u"危"_s, cjkFont(width * 0.3, true), kInk);
}

void roadAndSky(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 150), QColor(0x6f, 0xae, 0xe6), QColor(0xcf, 0xe7, 0xf7));
    side::hills(p, 480, 150, 36, QColor(0x86, 0xa9, 0x78), 7);
    fillVerticalGradient(p, QRectF(0, 148, 480, 62), QColor(0x70, 0x75, 0x7a),
                         QColor(0x55, 0x5a, 0x5e));
}

void markerLamp(QPainter &p) {
    roadAndSky(p);
    // A tanker's cab from the front, the lamp on the middle of its roof.
    const QColor cab(0x2e, 0x6d, 0xb4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(240, 196), 130, 10);
    p.setBrush(QColor(0x1e, 0x1e, 0x22));
    for (qreal x : {140.0, 306.0})
        p.drawRoundedRect(QRectF(x, 156, 34, 42), 5, 5);
    QLinearGradient shade(0, 64, 0, 176);
    shade.setColorAt(0, cab.lighter(125));
    shade.setColorAt(1, cab.darker(125));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(134, 64, 212, 112), 14, 14);
    p.setBrush(QColor(0x3b, 0x52, 0x66));
    p.drawRoundedRect(QRectF(148, 76, 184, 46), 6, 6);
    p.setBrush(QColor(0x30, 0x34, 0x3a));
    p.drawRoundedRect(QRectF(196, 130, 88, 30), 4, 4);
    p.setBrush(QColor(0xe8, 0xea, 0xec));
    for (qreal x : {150.0, 294.0})
        p.drawRoundedRect(QRectF(x, 134, 36, 16), 4, 4);
    p.setBrush(QColor(0x2b, 0x2b, 0x30));
    p.drawRect(QRectF(128, 162, 224, 14));
    p.setBrush(QColor(0xf2, 0xc0, 0x1e));
    p.drawRect(QRectF(216, 164, 48, 11));
    p.setBrush(QColor(0x50, 0x54, 0x58));
    p.drawRect(QRectF(232, 56, 16, 10));
    roofLamp(p, QPointF(240, 58), 84);
}

void markerBoard(QPainter &p) {
    roadAndSky(p);
    // The tank's round end above the chassis, and the plate hung under it.
    const QPointF base(240, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(base, 130, 9);
    p.setBrush(QColor(0x1e, 0x1e, 0x22));
    for (qreal x : {128.0, 312.0})
        p.drawRoundedRect(QRectF(x, 154, 40, 46), 5, 5);
    QRadialGradient steel(QPointF(220, 80), 140);
    steel.setColorAt(0, QColor(0xf2, 0xf4, 0xf6));
    steel.setColorAt(1, QColor(0xa8, 0xae, 0xb4));
    p.setBrush(steel);
    p.drawEllipse(QPointF(240, 96), 118, 72);
    p.setBrush(QColor(0x2b, 0x2b, 0x30));
    p.drawRect(QRectF(126, 150, 228, 16));
    for (int side = -1; side <= 1; side += 2) {
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        p.drawRoundedRect(QRectF(240 + side * 96 - 12, 152, 24, 12), 2, 2);
    }
    // The orange reflective plate: hazard number over the substance number.
    const QRectF board(196, 104, 88, 48);
    p.setPen(QPen(kInk, 3));
    p.setBrush(kOrange);
    p.drawRect(board);
    p.drawLine(QPointF(board.left(), board.center().y()),
               QPointF(board.right(), board.center().y()));
    p.setPen(Qt::NoPen);
    drawCentredText(p, QRectF(board.left(), board.top(), board.width(), 24), u"33"_s, signFont(19),
                    kInk);
    drawCentredText(p, QRectF(board.left(), board.center().y(), board.width(), 24), u"1203"_s,
                    signFont(19), kInk);
    p.setBrush(QColor(0xf2, 0xc0, 0x1e));
    p.drawRect(QRectF(216, 168, 48, 12));
    // The flammable-liquid label on the tank's end.
    for (qreal x : {166.0, 262.0}) {
        p.save();
        p.translate(x, 54);
        p.scale(0.26, 0.26);
        flammableLiquid(p);
        p.restore();
    }
}

} // namespace

std::vector<PictureDrawer> hazmatPictures() {
    return {
        {"hazmat_explosive.png", kSignSize, explosive},
        {"hazmat_flammable_liquid.png", kSignSize, flammableLiquid},
        {"hazmat_corrosive.png", kSignSize, corrosive},
        {"hazmat_toxic.png", kSignSize, toxic},
        {"hazmat_marker_lamp.png", kSceneSize, markerLamp},
        {"hazmat_marker_board.png", kSceneSize, markerBoard},
    };
}

} // namespace mediagen
