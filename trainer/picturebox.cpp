#include "picturebox.h"

#include "core/color.h"
#include "core/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace trainer {

using core::colorFromBgr;
using core::pixelsToTwips;
using core::twipsToPixels;

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setBackColor(quint32 bgr) {
    m_backColor = bgr;
    m_printed.clear();
    update();
}

void PictureBox::setPrintPosition(double xTwips, double yTwips) {
    m_xTwips = xTwips;
    m_yTwips = yTwips;
}

void PictureBox::print(const QString &text) {
    m_printed.append({m_xTwips, m_yTwips, m_foreColor, text});
    m_xTwips += pixelsToTwips(fontMetrics().horizontalAdvance(text));
    update();
}

QString PictureBox::printedText() const {
    QString text;
    for (const Printed &p : m_printed)
        text += p.text;
    return text;
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), colorFromBgr(m_backColor));
    painter.setPen(QColor(160, 160, 160)); // the box's single border
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    const int ascent = fontMetrics().ascent();
    for (const Printed &p : m_printed) {
        painter.setPen(colorFromBgr(p.color));
        painter.drawText(twipsToPixels(p.xTwips), twipsToPixels(p.yTwips) + ascent, p.text);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace trainer
