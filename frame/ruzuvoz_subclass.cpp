// Routing the frame's and the host's messages to the frame, and mouse-leave tracking.
#include "frame/ruzuvoz.h"

#include "core/guard.h"
#include "core/log.h"
#include "frame/errorhook.h"
#include "frame/messagerouter.h"
#include "frame/platformfacts.h"

using namespace Qt::Literals::StringLiterals;

namespace frame {

void ruZuvoz::startSubclassing() {
    m_bTrack = true;
    m_bTrackUser32 = IsFunctionExported(u"TrackMouseEvent"_s, u"User32"_s);
    if (!m_bTrackUser32 && !IsFunctionExported(u"_TrackMouseEvent"_s, u"Comctl32"_s))
        m_bTrack = false;
    // Without mouse-leave tracking nothing is routed and the host keeps its platform border.
    if (!m_bTrack)
        return;
    const WindowHandle self = MessageRouter::handleOf(this);
    const WindowHandle host = MessageRouter::handleOf(m_Form);
    m_Subclass->Subclass_Start(self);
    m_Router->watch(this);
    m_Subclass->Subclass_AddMsg(self, WM_MOUSEMOVE, ROUTE_AFTER);
    m_Subclass->Subclass_AddMsg(self, WM_MOUSELEAVE, ROUTE_AFTER);
    m_Subclass->Subclass_Start(host);
    m_Router->watch(m_Form);
    m_Form->setAttribute(Qt::WA_Hover);
    m_Subclass->Subclass_AddMsg(host, WM_SETCURSOR, ROUTE_AFTER);
    m_Moveable = hostMoveable();
    if (!m_Form->windowFlags().testFlag(Qt::FramelessWindowHint))
        m_Form->setWindowFlag(Qt::FramelessWindowHint);
}

bool ruZuvoz::IsFunctionExported(const QString &function, const QString &module) const {
    bool exported = false;
    guarded("IsFunctionExported",
            [&] { exported = platformFacts().isFunctionExported(function, module); });
    return exported;
}

void ruZuvoz::TrackMouseLeave(WindowHandle lng_hWnd) {
    guarded("TrackMouseLeave", [&] {
        if (m_bTrack)
            m_Router->requestLeave(lng_hWnd);
    });
}

void ruZuvoz::zSubclass_Proc(bool, bool &, qintptr &, WindowHandle &lng_hWnd, qint32 &uMsg,
                             qintptr &, qintptr &) {
    core::tryStep(core::lcFrame(), "zSubclass_Proc", [&] {
        switch (uMsg) {
        case WM_SETCURSOR:
            // The frame follows every resize of the host and, while the host is not
            // maximised, remembers where it is for restoring.
            setGeometry(m_Form->rect());
            if (m_WindowState == 0)
                recordNormalRect();
            break;
        case WM_MOUSEMOVE:
            if (!m_bInCtrl) {
                m_bInCtrl = true;
                TrackMouseLeave(lng_hWnd);
            }
            break;
        case WM_MOUSELEAVE:
            m_bInCtrl = false;
            // Painting "all normal" redraws only the leftmost button's background, so a hot
            // button elsewhere is first drawn normal itself.
            if (m_HotBtn != -1)
                DrawCaptionBtns(false, m_ColorDark, m_HotBtn);
            PaintCaptionBtns(-1);
            m_HotBtn = -1;
            break;
        default:
            break;
        }
    });
}

} // namespace frame
