#include "frame/resizegrip.h"

#include "frame/handcursor.h"

#include <QMouseEvent>
#include <QPainter>

namespace frame {

QCursor cursorForPointer(int pointer) {
    switch (pointer) {
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 99:
        return handCursor();
    default:
        return Qt::ArrowCursor;
    }
}

ResizeGrip::ResizeGrip(const QString &name, QWidget *host, Handler handler)
    : QWidget(host), m_handler(std::move(handler)) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResizeGrip::setBackColor(OleColor colour) {
    m_back = toQColor(colour);
    update();
}

void ResizeGrip::setMousePointer(int pointer) {
    m_pointer = pointer;
    if (pointer == 0)
        unsetCursor();
    else
        setCursor(cursorForPointer(pointer));
}

void ResizeGrip::paintEvent(QPaintEvent *) {
    QPainter(this).fillRect(rect(), m_back);
}

void ResizeGrip::mousePressEvent(QMouseEvent *event) {
    m_handler(this, Action::Press, event->buttons(), event->position());
}

void ResizeGrip::mouseMoveEvent(QMouseEvent *event) {
    m_handler(this, Action::Move, event->buttons(), event->position());
}

void ResizeGrip::mouseReleaseEvent(QMouseEvent *event) {
    m_handler(this, Action::Release, event->buttons(), event->position());
}

} // namespace frame
