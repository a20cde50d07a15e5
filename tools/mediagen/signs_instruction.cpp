// Instruction signs: blue discs and squares with white symbols.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"

#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

using namespace sign;

void crosswalk(QPainter &p) {
    instructionSquare(p);
    p.setPen(QPen(kWhite, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{{QPointF(100, 26), QPointF(174, 160), QPointF(26, 160)}});
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 52 + i * 26;
        p.drawPolygon(QPolygonF{
            {QPointF(x + 6, 140), QPointF(x + 20, 140), QPointF(x + 14, 158), QPointF(x, 158)}});
    }
    walker(p, QRectF(80, 62, 40, 78), kBlack);
}

void roundabout(QPainter &p) {
    instructionDisc(p);
    const QRectF ring(52, 52, 96, 96);
    for (int i = 0; i < 3; ++i) {
        // Traffic goes round anticlockwise, as it does on the right-hand side of the road.
        const qreal start = 200 + i * 120;
        QPainterPath arc;
        arc.arcMoveTo(ring, start);
        arc.arcTo(ring, start, 92);
        strokeArrow(p, arc, 15, kWhite);
    }
}

void keepRight(QPainter &p) {
    instructionDisc(p);
    QPainterPath arrow;
    arrow.moveTo(62, 62);
    arrow.lineTo(140, 140);
    strokeArrow(p, arrow, 20, kWhite);
}

void minSpeed60(QPainter &p) {
    instructionDisc(p);
    drawCentredText(p, QRectF(0, 0, 200, 200), u"60"_s, signFont(90), kWhite);
}

} // namespace

std::vector<PictureDrawer> instructionSigns() {
    return {
        {"sign_crosswalk.png", kSignSize, crosswalk},
        {"sign_roundabout.png", kSignSize, roundabout},
        {"sign_keep_right.png", kSignSize, keepRight},
        {"sign_min_speed_60.png", kSignSize, minSpeed60},
    };
}

} // namespace mediagen
