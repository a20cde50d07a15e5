// The frame's mouse and keyboard handling: hover, title drag, grips, caption-button clicks.
#include "frame/ruzuvoz.h"

#include "core/twips.h"
#include "frame/errorhook.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace frame {

using core::roundHalfEven;

namespace {
// The platform's button and shift numbers: 1 left, 2 right, 4 middle; 1 shift, 2 ctrl, 4 alt.
int buttonNumber(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}
int shiftNumber(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int AltMask = 4;
constexpr int MinimumWidth = 130; // plus the 5 pixels of the border: 135
constexpr int MinimumBelowTitle = 15;
} // namespace

void ruZuvoz::mousePressEvent(QMouseEvent *event) {
    // A platform move may have ended without a release reaching the frame.
    m_Services->endMove();
    m_pressGlobal = event->globalPosition();
    m_pressOverButtons = overCaptionButtonArea(float(event->position().x()));
    UserControl_MouseDown(buttonNumber(event->button()), shiftNumber(event->modifiers()),
                          float(event->position().x()), float(event->position().y()));
}

void ruZuvoz::mouseMoveEvent(QMouseEvent *event) {
    m_mouseGlobal = event->globalPosition();
    UserControl_MouseMove(buttonNumber(event->buttons()), shiftNumber(event->modifiers()),
                          float(event->position().x()), float(event->position().y()));
}

void ruZuvoz::mouseReleaseEvent(QMouseEvent *event) {
    UserControl_MouseUp(buttonNumber(event->button()), shiftNumber(event->modifiers()),
                        float(event->position().x()), float(event->position().y()));
    emit Click();
}

// The second press of a double click is the double click alone.
void ruZuvoz::mouseDoubleClickEvent(QMouseEvent *) {
    UserControl_DblClick();
}

// The frame only watches the keys: they go on to its host, whose own keys work while the frame
// has the focus (a click on any of the host's controls that takes no focus gives it to the frame).
void ruZuvoz::keyPressEvent(QKeyEvent *event) {
    UserControl_KeyDown(event->key(), shiftNumber(event->modifiers()));
    event->ignore();
}

bool ruZuvoz::overCaptionButtonArea(float X) const {
    const CaptionBtn &leftmost = m_Btn.at(size_t(m_LastBtn));
    return leftmost.Visible && X >= leftmost.Left;
}

void ruZuvoz::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    guarded("UserControl_MouseDown", [&] {
        m_LastButton = qint16(Button);
        if (Button == LeftButton && Y < m_CaptionHeight && 2 < X && X < m_IconSize + 8)
            openSystemMenu(QPoint(3, m_CaptionHeight));
        emit MouseDown(Button, Shift, X, Y);
    });
}

void ruZuvoz::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    guarded("UserControl_MouseMove", [&] {
        emit MouseMove(Button, Shift, X, Y);
        if (!m_bGripsCreated)
            createGrips();

        m_BtnUnderMouse = HitCaptionBtn(qint16(roundHalfEven(X)), qint16(roundHalfEven(Y)));
        if (m_BtnUnderMouse != -1) {
            if (m_BtnUnderMouse != m_HotBtn) {
                if (m_HotBtn != -1)
                    DrawCaptionBtns(false, m_ColorDark, m_HotBtn);
                DrawCaptionBtns(true, m_ColorDark, m_BtnUnderMouse);
                setPointer(mpCustom);
                m_HotBtn = m_BtnUnderMouse;
            }
            return;
        }
        if (m_HotBtn != -1) {
            setPointer(mpDefault);
            DrawCaptionBtns(false, m_ColorDark, m_HotBtn);
            m_HotBtn = -1;
        }

        m_bOverTitle = Y < m_CaptionHeight;
        if (m_WindowState == 2)
            return;
        if (Button != LeftButton) {
            m_picRight->setMousePointer(mpDefault);
            m_picBottom->setMousePointer(mpDefault);
            return;
        }
        if (m_ResizeMode >= 1)
            resizeHost(X, Y);

        // The title drag starts with the first move of the pressed mouse, not with the press;
        // a press over the caption buttons never drags, wherever the mouse goes from there.
        if (Y < m_CaptionHeight && m_Moveable && !overCaptionButtonArea(X) && !m_pressOverButtons) {
            if (!m_Services->isMoving())
                m_Services->beginMove(m_Form, m_pressGlobal.toPoint());
            m_Services->dragTo(m_mouseGlobal.toPoint());
        }
        recordNormalRect();
    });
}

// Resizes the host so that its right and/or bottom edge follow the mouse, never smaller than
// 135 pixels wide and the title plus 20 pixels high.
void ruZuvoz::resizeHost(float &X, float &Y) {
    if (X < MinimumWidth) {
        X = MinimumWidth;
        m_picRight->setMousePointer(mpDefault);
    }
    if (Y < m_CaptionHeight + MinimumBelowTitle) {
        Y = float(m_CaptionHeight + MinimumBelowTitle);
        m_picBottom->setMousePointer(mpDefault);
    }
    const int width = roundHalfEven(X + 5), height = roundHalfEven(Y + 5);
    switch (m_ResizeMode) {
    case mpSizeNS:
        m_Form->resize(m_Form->width(), height);
        break;
    case mpSizeNWSE:
        m_Form->resize(width, m_Form->height());
        m_Form->resize(m_Form->width(), height);
        break;
    case mpSizeWE:
        m_Form->resize(width, m_Form->height());
        break;
    default:
        break;
    }
    setGeometry(m_Form->rect());
    m_Form->update();
}

void ruZuvoz::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    guarded("UserControl_MouseUp", [&] {
        m_ResizeMode = 0;
        m_Services->endMove();
        emit MouseUp(Button, Shift, X, Y);
        if (Button == LeftButton && m_BtnUnderMouse != -1) {
            switch (m_BtnUnderMouse) {
            case BtnClose:
                emit BtnCloseClick();
                m_Form->close();
                break;
            case BtnMaxRestore:
                jcWindowState();
                break;
            case BtnMinimise:
                if (m_HotBtn != -1)
                    DrawCaptionBtns(false, m_ColorDark, m_HotBtn);
                m_HotBtn = -1;
                minimiseHost();
                break;
            default:
                break;
            }
        }
        if (Button == RightButton && Y < m_CaptionHeight && !overCaptionButtonArea(X))
            openSystemMenu(QPoint(roundHalfEven(X), roundHalfEven(Y)));
    });
}

void ruZuvoz::UserControl_DblClick() {
    guarded("UserControl_DblClick", [&] {
        if (!m_Btn[BtnMaxRestore].Visible)
            return;
        if (m_LastButton == LeftButton && m_bOverTitle)
            jcWindowState();
        emit DblClick();
        m_LastButton = 0;
    });
}

void ruZuvoz::UserControl_KeyDown(int KeyCode, int Shift) {
    guarded("UserControl_KeyDown", [&] {
        if (KeyCode == Qt::Key_F4 && (Shift & AltMask) && m_Btn[BtnClose].Visible)
            m_Form->close();
    });
}

void ruZuvoz::createGrips() {
    const auto handler = [this](ResizeGrip *grip, ResizeGrip::Action action,
                                Qt::MouseButtons buttons, QPointF position) {
        gripMouseEvent(grip, action, buttons, position);
    };
    m_picRight = new ResizeGrip(QStringLiteral("m_picRight"), m_Form, handler);
    m_picBottom = new ResizeGrip(QStringLiteral("m_picBottom"), m_Form, handler);
    m_bGripsCreated = true;
    placeGrips();
    for (ResizeGrip *grip : {m_picRight.data(), m_picBottom.data()}) {
        grip->show();
        grip->raise();
    }
}

void ruZuvoz::gripMouseEvent(ResizeGrip *grip, ResizeGrip::Action action, Qt::MouseButtons buttons,
                             QPointF position) {
    const bool bottom = grip == m_picBottom;
    switch (action) {
    case ResizeGrip::Action::Press:
        if (m_WindowState != 2)
            m_ResizeMode = qint16(grip->MousePointer());
        break;
    case ResizeGrip::Action::Release:
        m_ResizeMode = 0;
        break;
    case ResizeGrip::Action::Move:
        guarded(bottom ? "m_picBottom_MouseMove" : "m_picRight_MouseMove", [&] {
            if (m_WindowState == 2) {
                grip->setMousePointer(mpDefault);
                return;
            }
            const float X = float(position.x()), Y = float(position.y());
            if (m_BorderStyle == bsSizable) {
                if (bottom)
                    grip->setMousePointer(X > width() - 15 ? mpSizeNWSE : mpSizeNS);
                else
                    grip->setMousePointer(Y > height() - m_CaptionHeight - 20 ? mpSizeNWSE
                                                                              : mpSizeWE);
            }
            if (m_ResizeMode >= 1)
                UserControl_MouseMove(buttonNumber(buttons), 0, float(grip->x()) + X,
                                      float(grip->y()) + Y);
        });
        break;
    }
}

} // namespace frame
