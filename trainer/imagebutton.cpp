#include "imagebutton.h"

#include <QMouseEvent>

namespace trainer {

ImageButton::ImageButton(const QString &resource, QWidget *parent) : QLabel(parent) {
    if (!resource.isEmpty())
        setPixmap(QPixmap(resource));
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace trainer
