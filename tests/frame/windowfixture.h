#pragma once

// A shown, frameless host wearing the frame, with two contained controls, for driving the
// frame with synthetic mouse and key events.

#include "frame/resizegrip.h"
#include "frame/ruzuvoz.h"
#include "framehelpers.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <memory>

namespace frametest {

// A mouse move with no button held, delivered to the widget as the platform would (QTest's own
// moves the cursor, which does nothing when it already stands on that point).
inline void hover(QWidget *widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

struct FramedWindow {
    std::unique_ptr<QWidget> host;
    frame::ruZuvoz *frame = nullptr;
    QLabel *label = nullptr;

    // storedAtCreation: the frame is sited with its settings (and draws when shown) instead of
    // being placed and then loaded.
    explicit FramedWindow(const QVariantMap &settings = {}, QSize size = {400, 300},
                          bool frameless = true, bool storedAtCreation = false) {
        using namespace Qt::Literals::StringLiterals;
        host = std::make_unique<QWidget>();
        if (frameless)
            host->setWindowFlag(Qt::FramelessWindowHint);
        host->setWindowTitle(u"Host"_s);
        host->setGeometry(QRect(QPoint(100, 100), size));
        const auto store = frame::PropertyStore::fromVariantMap(settings);
        if (storedAtCreation) {
            frame = new frame::ruZuvoz(host.get(), store);
        } else {
            frame = new frame::ruZuvoz(host.get());
            frame->Load(store);
        }
        label = new QLabel(u"Label"_s, frame);
        label->setGeometry(20, 10, 100, 20);
    }
    bool show() {
        host->show();
        return QTest::qWaitForWindowExposed(host.get());
    }
    int ch() const { return frame->CaptionHeight(); }
    QPoint buttonCentre(int index) const {
        const frame::CaptionBtn &b = frame->captionButton(index);
        return {b.Left + 9, b.Top + 9};
    }
    frame::ResizeGrip *grip(const char *name) const {
        return host->findChild<frame::ResizeGrip *>(QLatin1String(name));
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        hover(frame, at);
        QTest::mousePress(frame, button, {}, at);
        QTest::mouseRelease(frame, button, {}, at);
    }
    void drag(QWidget *on, QPoint from, QPoint to) {
        hover(on, from);
        QTest::mousePress(on, Qt::LeftButton, {}, from);
        QTest::mouseMove(on, to);
        QTest::mouseRelease(on, Qt::LeftButton, {}, to);
    }
};

} // namespace frametest
