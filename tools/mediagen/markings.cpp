// Road markings, each drawn as a top view of a road section.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"
#include "topview.h"

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace top;

const QRectF kCanvas(0, 0, 480, 210);

void verges(QPainter &p) {
    for (qreal x : {40.0, 170.0, 300.0, 430.0}) {
        treeTop(p, QPointF(x, 14), 14);
        treeTop(p, QPointF(x + 60, 198), 13);
    }
}

void yellowSolid(QPainter &p) {
    horizontalRoad(p, kCanvas, 45, 165);
    verges(p);
    solidLine(p, 49, 0, 480, 3, kLineWhite);
    solidLine(p, 161, 0, 480, 3, kLineWhite);
    solidLine(p, 105, 0, 480, 4, kLineYellow);
    car(p, QPointF(140, 135), 0, QColor(0x2e, 0x6d, 0xb4));
    car(p, QPointF(360, 75), 180, QColor(0xc0, 0x39, 0x2b));
}

void whiteDashed(QPainter &p) {
    horizontalRoad(p, kCanvas, 30, 180);
    solidLine(p, 33, 0, 480, 3, kLineWhite);
    solidLine(p, 177, 0, 480, 3, kLineWhite);
    solidLine(p, 102.5, 0, 480, 3, kLineYellow);
    solidLine(p, 107.5, 0, 480, 3, kLineYellow);
    dashedLine(p, 68, 0, 480, 40, 50, 3, kLineWhite);
    dashedLine(p, 142, 0, 480, 40, 50, 3, kLineWhite);
    car(p, QPointF(120, 125), 0, QColor(0xee, 0xee, 0xee));
    car(p, QPointF(230, 160), 0, QColor(0x2e, 0x6d, 0xb4));
    car(p, QPointF(400, 50), 180, QColor(0x3c, 0x3c, 0x3c));
}

void stopLine(QPainter &p) {
    horizontalRoad(p, kCanvas, 45, 165);
    verticalRoad(p, kCanvas, 340, 460);
    p.fillRect(QRectF(340, 45, 120, 120), kAsphalt);
    solidLine(p, 105, 0, 330, 4, kLineYellow);
    p.fillRect(QRectF(398, 0, 4, 40), kLineYellow);
    p.fillRect(QRectF(398, 170, 4, 40), kLineYellow);
    solidLine(p, 49, 0, 330, 3, kLineWhite);
    solidLine(p, 161, 0, 330, 3, kLineWhite);
    p.fillRect(QRectF(322, 105, 7, 58), kLineWhite);
    car(p, QPointF(290, 135), 0, QColor(0xc0, 0x39, 0x2b), Lights{Beam::Off, false, true, false});
    car(p, QPointF(220, 135), 0, QColor(0x7f, 0x8c, 0x8d));
    car(p, QPointF(430, 20), 90, QColor(0x27, 0xae, 0x60));
    treeTop(p, QPointF(60, 18), 14);
    treeTop(p, QPointF(190, 195), 14);
}

void zebraCrossing(QPainter &p) {
    horizontalRoad(p, kCanvas, 30, 180);
    verges(p);
    solidLine(p, 102.5, 0, 185, 3, kLineYellow);
    solidLine(p, 107.5, 0, 185, 3, kLineYellow);
    solidLine(p, 102.5, 275, 480, 3, kLineYellow);
    solidLine(p, 107.5, 275, 480, 3, kLineYellow);
    zebra(p, 200, 60, 30, 180);
    p.fillRect(QRectF(186, 105, 4, 75), kLineWhite);
    p.fillRect(QRectF(270, 30, 4, 75), kLineWhite);
    pedestrian(p, QPointF(230, 88), -90, QColor(0xe6, 0x7e, 0x22), 0.25);
    car(p, QPointF(150, 142), 0, QColor(0x2e, 0x6d, 0xb4));
}

void crosswalkAhead(QPainter &p) {
    horizontalRoad(p, kCanvas, 30, 180);
    verges(p);
    solidLine(p, 105, 0, 375, 4, kLineYellow);
    solidLine(p, 105, 445, 480, 4, kLineYellow);
    dashedLine(p, 142.5, 0, 370, 30, 40, 3, kLineWhite);
    zebra(p, 385, 50, 30, 180);
    p.setPen(QPen(kLineWhite, 3.5));
    p.setBrush(Qt::NoBrush);
    for (qreal x : {150.0, 290.0})
        for (qreal y : {124.0, 161.0})
            p.drawPolygon(QPolygonF{
                {QPointF(x - 34, y), QPointF(x, y - 11), QPointF(x + 34, y), QPointF(x, y + 11)}});
}

void guideArrows(QPainter &p) {
    horizontalRoad(p, kCanvas, 40, 170);
    verticalRoad(p, kCanvas, 440, 480);
    solidLine(p, 43, 0, 436, 3, kLineYellow);
    solidLine(p, 167, 0, 436, 3, kLineWhite);
    dashedLine(p, 83, 0, 150, 30, 40, 3, kLineWhite);
    dashedLine(p, 127, 0, 150, 30, 40, 3, kLineWhite);
    solidLine(p, 83, 150, 426, 3, kLineWhite);
    solidLine(p, 127, 150, 426, 3, kLineWhite);
    p.fillRect(QRectF(426, 43, 6, 124), kLineWhite);
    QPainterPath left, straight, right;
    left.moveTo(190, 66);
    left.lineTo(270, 66);
    left.cubicTo(300, 66, 318, 62, 326, 46);
    straight.moveTo(190, 105);
    straight.lineTo(340, 105);
    right.moveTo(190, 146);
    right.lineTo(270, 146);
    right.cubicTo(300, 146, 318, 150, 326, 166);
    for (const auto *arrow : {&left, &straight, &right})
        sign::strokeArrow(p, *arrow, 7, kLineWhite);
}

void yellowGrid(QPainter &p) {
    horizontalRoad(p, kCanvas, 40, 175);
    // A gate opens onto the road from above; the box keeps it clear.
    p.fillRect(QRectF(190, 0, 110, 40), QColor(0x9a, 0x96, 0x8c));
    p.fillRect(QRectF(180, 0, 10, 36), QColor(0xb0, 0x3a, 0x2e));
    p.fillRect(QRectF(300, 0, 10, 36), QColor(0xb0, 0x3a, 0x2e));
    solidLine(p, 108, 0, 170, 4, kLineYellow);
    solidLine(p, 108, 320, 480, 4, kLineYellow);
    const QRectF box(175, 44, 140, 127);
    p.save();
    p.setClipRect(box);
    p.setPen(QPen(kLineYellow, 3));
    for (qreal d = -150; d < 300; d += 20) {
        p.drawLine(QPointF(box.left() + d, box.top()), QPointF(box.left() + d + 130, box.bottom()));
        p.drawLine(QPointF(box.left() + d + 130, box.top()), QPointF(box.left() + d, box.bottom()));
    }
    p.restore();
    p.setPen(QPen(kLineYellow, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    car(p, QPointF(130, 142), 0, QColor(0x2e, 0x6d, 0xb4), Lights{Beam::Off, false, true, false});
    car(p, QPointF(390, 75), 180, QColor(0xee, 0xee, 0xee));
}

void emergencyLane(QPainter &p) {
    horizontalRoad(p, kCanvas, 22, 192);
    // Central reserve with its barrier at the top, the outer guard rail at the bottom.
    p.fillRect(QRectF(0, 0, 480, 22), QColor(0x8a, 0x9a, 0x6a));
    p.fillRect(QRectF(0, 9, 480, 5), QColor(0xc8, 0xcc, 0xd0));
    p.fillRect(QRectF(0, 194, 480, 5), QColor(0xc8, 0xcc, 0xd0));
    for (qreal x = 8; x < 480; x += 32)
        p.fillRect(QRectF(x, 192, 4, 9), QColor(0x70, 0x74, 0x78));
    solidLine(p, 26, 0, 480, 3, kLineYellow);
    dashedLine(p, 64, 0, 480, 50, 60, 3, kLineWhite);
    dashedLine(p, 102, 0, 480, 50, 60, 3, kLineWhite);
    solidLine(p, 142, 0, 480, 5, kLineWhite);
    p.fillRect(QRectF(0, 145, 480, 47), QColor(0x6e, 0x72, 0x74));
    solidLine(p, 189, 0, 480, 3, kLineWhite);
    car(p, QPointF(110, 45), 0, QColor(0xee, 0xee, 0xee));
    car(p, QPointF(270, 83), 0, QColor(0xc0, 0x39, 0x2b));
    lorry(p, QPointF(390, 122), 0, QColor(0x2e, 0x6d, 0xb4), 96);
    car(p, QPointF(160, 122), 0, QColor(0x34, 0x34, 0x34));
}

} // namespace

std::vector<PictureDrawer> markingPictures() {
    return {
        {"mark_yellow_solid.png", kSceneSize, yellowSolid},
        {"mark_white_dashed.png", kSceneSize, whiteDashed},
        {"mark_stop_line.png", kSceneSize, stopLine},
        {"mark_zebra.png", kSceneSize, zebraCrossing},
        {"mark_crosswalk_ahead.png", kSceneSize, crosswalkAhead},
        {"mark_guide_arrows.png", kSceneSize, guideArrows},
        {"mark_yellow_grid.png", kSceneSize, yellowGrid},
        {"mark_emergency_lane.png", kSceneSize, emergencyLane},
    };
}

} // namespace mediagen
