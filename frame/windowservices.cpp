#include "frame/windowservices.h"

#include <QScreen>
#include <QWindow>

namespace frame {

void WindowServices::beginMove(QWidget *host, QPoint pressGlobal) {
    m_host = host;
    m_pressGlobal = pressGlobal;
    m_hostAtPress = host->pos();
    m_manual = !startSystemMove(host);
}

void WindowServices::dragTo(QPoint global) {
    if (isManualMove())
        m_host->move(m_hostAtPress + (global - m_pressGlobal));
}

void WindowServices::endMove() {
    m_host.clear();
    m_manual = false;
}

bool WindowServices::startSystemMove(QWidget *host) {
    QWindow *window = host->windowHandle();
    return window && window->startSystemMove();
}

QRect WindowServices::availableGeometry(const QWidget *host) const {
    const QScreen *screen = host->screen();
    return screen ? screen->availableGeometry() : QRect();
}

void WindowServices::setStaysOnTop(QWidget *host, bool onTop) {
    const bool wasVisible = host->isVisible();
    host->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; show it again as it was.
    if (wasVisible)
        host->show();
}

void WindowServices::minimize(QWidget *host) {
    host->setWindowState(host->windowState() | Qt::WindowMinimized);
}

} // namespace frame
