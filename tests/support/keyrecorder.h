#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QList>
#include <QObject>

// The keys that reach a widget, its own or passed on by a child (install it as an event filter).
class KeyRecorder : public QObject {
public:
    QList<int> keys;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::KeyPress)
            keys.append(static_cast<QKeyEvent *>(event)->key());
        return false;
    }
};
