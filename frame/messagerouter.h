#pragma once

#include "frame/subclasstable.h"

#include <QEvent>
#include <QObject>
#include <QSet>

namespace frame {

// The one event filter behind every subclassed window: it turns the Qt events that carry the
// facts of the routed messages into those messages and passes them through the frame's table.
class MessageRouter : public QObject {
    Q_OBJECT

public:
    MessageRouter(SubclassTable *table, QObject *parent);

    static WindowHandle handleOf(const QObject *window) {
        return reinterpret_cast<WindowHandle>(window);
    }
    // The message a Qt event carries, or -1 for an event that is no routed message.
    static qint32 messageFor(QEvent::Type type);

    void watch(QObject *window);
    // One leave notification for this window, as the platform's mouse-leave tracking gives.
    void requestLeave(WindowHandle window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SubclassTable *m_table;
    QSet<WindowHandle> m_leaveRequested;
};

} // namespace frame
