#pragma once

#include "frame/olecolor.h"

#include <QWidget>

#include <functional>

namespace frame {

// One of the frame's two resize grips: a thin strip the frame adds to its host along the right
// or bottom edge, painted in the theme's dark colour, that hands its mouse events to the frame.
class ResizeGrip : public QWidget {
    Q_OBJECT

public:
    enum class Action { Press, Move, Release };
    // The frame's handler for this grip: the action, the left button held, the grip position.
    using Handler = std::function<void(ResizeGrip *, Action, Qt::MouseButtons, QPointF)>;

    ResizeGrip(const QString &name, QWidget *host, Handler handler);

    void setBackColor(OleColor colour);
    int MousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Handler m_handler;
    QColor m_back;
    int m_pointer = 0;
};

// The cursor for one of the frame's pointer numbers (0, 7, 8, 9 or 99).
QCursor cursorForPointer(int pointer);

} // namespace frame
