// Maximising to the work area, restoring, minimising; the host's normal rectangle in twips.
#include "frame/ruzuvoz.h"

#include "core/twips.h"
#include "frame/errorhook.h"

#include <QAction>

namespace frame {

using core::pixelsToTwips;
using core::twipsToPixels;

void ruZuvoz::setWindowServices(std::unique_ptr<WindowServices> services) {
    m_Services = std::move(services);
}

void ruZuvoz::jcWindowState() {
    guarded("jcWindowState", [&] {
        if (m_WindowState == 2) {
            m_WindowState = 0;
            MnuSyst.at(0)->setEnabled(false);
            MnuSyst.at(2)->setEnabled(true);
            moveHostTo(m_NormalRect);
        } else {
            m_WindowState = 2;
            MnuSyst.at(0)->setEnabled(true);
            MnuSyst.at(2)->setEnabled(false);
            if (m_bGripsCreated) {
                m_picRight->hide();
                m_picBottom->hide();
            }
            MaximizeToWorkArea();
        }
        // The maximise button shows the state it now switches back to.
        DrawCaptionBtns(m_HotBtn == BtnMaxRestore, m_ColorDark, BtnMaxRestore);
    });
}

void ruZuvoz::MaximizeToWorkArea() {
    // A host the platform itself maximised stays where it is.
    if (m_Form->windowState() & Qt::WindowMaximized)
        return;
    moveHostTo(TB_GetDesktopWorkArea());
    if (m_bGripsCreated) {
        m_picRight->show();
        m_picBottom->show();
    }
}

NormalRect ruZuvoz::TB_GetDesktopWorkArea() const {
    NormalRect area;
    guarded("TB_GetDesktopWorkArea", [&] {
        const QRect pixels = m_Services->availableGeometry(m_Form);
        area = {pixelsToTwips(pixels.left()), pixelsToTwips(pixels.top()),
                pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
    });
    return area;
}

void ruZuvoz::recordNormalRect() {
    const QRect r = m_Form->geometry();
    m_NormalRect = {pixelsToTwips(r.x()), pixelsToTwips(r.y()), pixelsToTwips(r.width()),
                    pixelsToTwips(r.height())};
}

void ruZuvoz::moveHostTo(const NormalRect &twips) {
    m_Form->setGeometry(twipsToPixels(twips.Left), twipsToPixels(twips.Top),
                        twipsToPixels(twips.Width), twipsToPixels(twips.Height));
    setGeometry(m_Form->rect());
}

void ruZuvoz::minimiseHost() {
    m_Services->minimize(m_Form);
}

} // namespace frame
