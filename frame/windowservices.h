#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace frame {

// The window services the frame needs from the platform: moving the host with the mouse,
// the screen's work area, always-on-top and minimising.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Starts moving the host with the mouse, pressed at pressGlobal. The platform's own move is
    // tried first; where it is refused, the host follows later calls of dragTo.
    void beginMove(QWidget *host, QPoint pressGlobal);
    void dragTo(QPoint global);
    void endMove();
    bool isMoving() const { return !m_host.isNull(); }
    bool isManualMove() const { return isMoving() && m_manual; }

    // The desktop work area of the screen that holds the host, in pixels.
    virtual QRect availableGeometry(const QWidget *host) const;
    virtual void setStaysOnTop(QWidget *host, bool onTop);
    virtual void minimize(QWidget *host);

protected:
    // The platform's own move; false when the platform refuses it.
    virtual bool startSystemMove(QWidget *host);

private:
    QPointer<QWidget> m_host;
    bool m_manual = false;
    QPoint m_pressGlobal;
    QPoint m_hostAtPress;
};

} // namespace frame
