#include "frame/handcursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace frame {

namespace {
// Drawn rather than loaded, so the frame carries no picture files of its own.
QPixmap drawHand() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(10.5, 2.5); // the fingertip sits just under the hot spot (12, 1)
    hand.cubicTo(10.5, 0.5, 13.5, 0.5, 13.5, 2.5);
    hand.lineTo(13.5, 11.5);
    hand.cubicTo(13.5, 9.5, 16.5, 9.5, 16.5, 11.5);
    hand.cubicTo(16.5, 9.5, 19.5, 9.5, 19.5, 12.5);
    hand.cubicTo(19.5, 10.5, 22.5, 10.5, 22.5, 13.5);
    hand.lineTo(22.5, 20.5);
    hand.cubicTo(22.5, 24.5, 20.5, 27.5, 18.5, 28.5);
    hand.lineTo(12.5, 28.5);
    hand.cubicTo(10.5, 27.5, 5.5, 20.5, 4.5, 18.5);
    hand.cubicTo(3.5, 16.5, 6.0, 15.0, 7.5, 16.5);
    hand.lineTo(10.5, 19.5);
    hand.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    return pixmap;
}
} // namespace

QCursor handCursor() {
    static const QPixmap pixmap = drawHand();
    return QCursor(pixmap, 12, 1);
}

} // namespace frame
