#include "frame/messagerouter.h"

#include <QMouseEvent>

#include <array>

namespace frame {

namespace {
struct EventMessage {
    QEvent::Type type;
    qint32 message;
};
// Each routed message and the Qt event that carries the same fact.
constexpr std::array<EventMessage, 3> EventMessages{{
    {QEvent::MouseMove, WM_MOUSEMOVE}, // the mouse moves over the window
    {QEvent::Leave, WM_MOUSELEAVE},    // the mouse left the window (when tracking was asked)
    {QEvent::HoverMove, WM_SETCURSOR}, // the mouse moves over the window or one of its children
}};

qintptr packedPosition(const QEvent *event) {
    QPoint p;
    if (event->type() == QEvent::MouseMove)
        p = static_cast<const QMouseEvent *>(event)->position().toPoint();
    else if (event->type() == QEvent::HoverMove)
        p = static_cast<const QHoverEvent *>(event)->position().toPoint();
    return qintptr((p.x() & 0xFFFF) | ((p.y() & 0xFFFF) << 16));
}
} // namespace

MessageRouter::MessageRouter(SubclassTable *table, QObject *parent)
    : QObject(parent), m_table(table) {}

qint32 MessageRouter::messageFor(QEvent::Type type) {
    for (const EventMessage &entry : EventMessages) {
        if (entry.type == type)
            return entry.message;
    }
    return -1;
}

void MessageRouter::watch(QObject *window) {
    window->removeEventFilter(this);
    window->installEventFilter(this);
}

void MessageRouter::requestLeave(WindowHandle window) {
    m_leaveRequested.insert(window);
}

bool MessageRouter::eventFilter(QObject *watched, QEvent *event) {
    const qint32 message = messageFor(event->type());
    const WindowHandle handle = handleOf(watched);
    if (message < 0)
        return false;
    // Leave tracking is one-shot: a leave is reported once per request.
    if (message == WM_MOUSELEAVE && !m_leaveRequested.remove(handle))
        return false;
    if (!m_table->routes(handle, message))
        return false;
    m_table->Dispatch(handle, message, 0, packedPosition(event),
                      [&](WindowHandle, qint32, qintptr, qintptr) -> qintptr {
                          // The window's own handling (QObject::event is public).
                          return static_cast<QObject *>(watched)->event(event) ? 1 : 0;
                      });
    return true;
}

} // namespace frame
