// Guide and work-zone signs, and a main sign with its supplementary plate.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"

#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace sign;

const QColor kGuideGreen(0x00, 0x7a, 0x3d);

// A rectangular plate in one colour with a white rim and a thin line inside it.
void plate(QPainter &p, const QRectF &box, const QColor &field, const QColor &line) {
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(kWhite);
    p.drawRoundedRect(box, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawRoundedRect(box.adjusted(3, 3, -3, -3), 8, 8);
    p.setPen(QPen(line, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(8, 8, -8, -8), 5, 5);
    p.setPen(Qt::NoPen);
}

void guideDirection(QPainter &p) {
    plate(p, QRectF(4, 14, 192, 172), kBlue, kWhite);
    // The junction ahead: straight on, left and right, each with its road name.
    QPainterPath ahead, left, right;
    ahead.moveTo(100, 170);
    ahead.lineTo(100, 62);
    left.moveTo(100, 124);
    left.lineTo(34, 124);
    right.moveTo(100, 124);
    right.lineTo(166, 124);
    for (const auto *arrow : {&ahead, &left, &right})
        strokeArrow(p, *arrow, 12, kWhite);
    const QFont font = cjkFont(17, true);
    drawCentredText(p, QRectF(50, 26, 100, 26), u"长江路"_s, font, kWhite);
    drawCentredText(p, QRectF(16, 88, 72, 26), u"人民路"_s, font, kWhite);
    drawCentredText(p, QRectF(112, 88, 72, 26), u"建设路"_s, font, kWhite);
}

void expresswayExit(QPainter &p) {
    plate(p, QRectF(4, 24, 192, 152), kGuideGreen, kWhite);
    drawCentredText(p, QRectF(22, 40, 112, 50), u"南湖"_s, cjkFont(40, true), kWhite);
    QPainterPath arrow;
    arrow.moveTo(142, 92);
    arrow.lineTo(176, 50);
    strokeArrow(p, arrow, 9, kWhite);
    p.fillRect(QRectF(20, 102, 160, 2), kWhite);
    drawCentredText(p, QRectF(18, 110, 76, 52), u"出口"_s, cjkFont(32, true), kWhite);
    drawCentredText(p, QRectF(92, 110, 94, 52), u"500 m"_s, signFont(32), kWhite);
}

// A worker digging at a heap: the pictogram of road works.
void worker(QPainter &p, const QColor &ink) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(84, 78), 9, 9);
    p.setPen(QPen(ink, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(88, 92), QPointF(76, 124));
    p.setPen(QPen(ink, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{{QPointF(76, 122), QPointF(92, 138), QPointF(96, 158)}});
    p.drawPolyline(QPolygonF{{QPointF(76, 122), QPointF(66, 142), QPointF(58, 158)}});
    p.drawPolyline(QPolygonF{{QPointF(87, 96), QPointF(102, 108), QPointF(116, 112)}});
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(104, 100), QPointF(132, 138));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{{QPointF(126, 134), QPointF(138, 128), QPointF(144, 146)}});
    QPainterPath heap;
    heap.moveTo(112, 158);
    heap.quadTo(134, 130, 156, 158);
    heap.closeSubpath();
    p.drawPath(heap);
    p.restore();
}

void workZone(QPainter &p) {
    // The road-works warning triangle above the plate that says how far ahead they start.
    p.save();
    p.translate(100, 0);
    p.scale(0.7, 0.7);
    p.translate(-100, 0);
    warningFrame(p);
    worker(p, kBlack);
    p.restore();
    const QRectF board(12, 138, 176, 56);
    p.setPen(QPen(kBlack, 4));
    p.setBrush(kYellow);
    p.drawRoundedRect(board.adjusted(2, 2, -2, -2), 6, 6);
    p.setPen(Qt::NoPen);
    drawCentredText(p, QRectF(16, 140, 104, 52), u"前方施工"_s, cjkFont(24, true), kBlack);
    drawCentredText(p, QRectF(116, 140, 70, 52), u"300m"_s, signFont(24), kBlack);
}

void supplementaryTime(QPainter &p) {
    paintPicture(p, "sign_no_trucks.png", QRectF(34, 2, 132, 132));
    const QRectF board(14, 140, 172, 54);
    p.setPen(QPen(kBlack, 3));
    p.setBrush(kWhite);
    p.drawRoundedRect(board.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    p.setPen(Qt::NoPen);
    drawCentredText(p, board, u"7:00-19:00"_s, signFont(34), kBlack);
}

} // namespace

std::vector<PictureDrawer> guideSigns() {
    return {
        {"sign_guide_direction.png", kSignSize, guideDirection},
        {"sign_expressway_exit.png", kSignSize, expresswayExit},
        {"sign_work_zone.png", kSignSize, workZone},
        {"sign_supplementary_time.png", kSignSize, supplementaryTime},
    };
}

} // namespace mediagen
