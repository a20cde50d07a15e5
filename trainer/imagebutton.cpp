#include "imagebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <utility>

namespace trainer {

ImageButton::ImageButton(const QString &resource, const QString &caption, QWidget *parent)
    : QAbstractButton(parent), m_resource(resource) {
    setAccessibleName(caption);
    setFocusPolicy(Qt::TabFocus);
}

const QPixmap &ImageButton::pixmap() {
    if (!m_resource.isEmpty())
        m_pixmap = QPixmap(std::exchange(m_resource, {}));
    return m_pixmap;
}

// The picture as a label draws it (left, centred vertically, greyed when disabled); no bevel,
// and a focus frame only while the button has the focus.
void ImageButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (const QPixmap &picture = pixmap(); !picture.isNull()) {
        QStyleOption option;
        option.initFrom(this);
        const QPixmap shown =
            isEnabled() ? picture : style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
        style()->drawItemPixmap(
            &painter, rect(),
            QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter), shown);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// The arrow keys belong to the window (they step through the questions) rather than moving the
// focus between buttons.
void ImageButton::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

} // namespace trainer
