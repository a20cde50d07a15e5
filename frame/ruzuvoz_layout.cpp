// Setting the frame up after a property change: buttons, title height, repaint, host layout.
#include "frame/ruzuvoz.h"

#include "core/guard.h"
#include "core/log.h"
#include "core/twips.h"
#include "frame/errorhook.h"
#include "frame/platformfacts.h"
#include "frame/resizegrip.h"

#include <QAction>
#include <QFontMetrics>

namespace frame {

using core::roundHalfEven;
using core::TwipsPerPixel;

void ruZuvoz::Refresh() {
    guarded("Refresh", [&] {
        if (m_ChangeAllBackgrounds)
            applyBackColorByStyle();
        DrawTitleBarInitial();
        UserControl_Resize();
    });
}

void ruZuvoz::UserControl_Resize() {
    guarded("UserControl_Resize", [&] {
        ensureSurface();
        clearToPicture();
        if (m_ChangeAllBackgrounds) {
            const OleColor back = m_BackColorStyle == bcTheme    ? m_ColorLight
                                  : m_BackColorStyle == bcCustom ? m_CustomBackColor
                                                                 : SystemButtonFace;
            recolourHostControls(TranslateOleColor(back));
        }
        DrawTitleBar();
        emit ReSize();
        placeGrips();
    });
}

void ruZuvoz::BorderStyleSetup() {
    guarded("BorderStyleSetup", [&] {
        MnuSyst.at(4)->setEnabled(m_CloseButton);
        m_Btn[BtnClose].Visible = m_CloseButton;
        m_Btn[BtnMaxRestore].Visible = m_MaxButton;
        m_Btn[BtnMinimise].Visible = m_MinButton;
        for (qint16 i = 0; i < 3; ++i) {
            if (m_Btn[size_t(i)].Visible)
                m_LastBtn = i;
        }
        CaptionBtnSetup();
        DrawTitleBarInitial();
        DrawTitleBar();
    });
}

void ruZuvoz::TitleBarHeightSetup() {
    guarded("AdjustHostLayout", [&] {
        m_TitleBarHeight = roundHalfEven(QFontMetrics(m_TitleFont).height() + 10.0);
        if (m_TitleBarHeight < m_IconSize + 15)
            m_TitleBarHeight = m_IconSize + 15;
        m_CaptionHeight = m_Style == stGripBar ? m_TitleBarHeight + 10 : m_TitleBarHeight;
    });
}

QList<QWidget *> ruZuvoz::containedControls() const {
    QList<QWidget *> controls;
    for (QObject *child : children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow())
            controls << control;
    }
    return controls;
}

qint16 ruZuvoz::GetTopOffset(qint16 minTop) const {
    const QList<QWidget *> controls = containedControls();
    // With nothing inside there is nothing to shift.
    if (controls.isEmpty())
        return 0;
    int shift = 0;
    for (const QWidget *control : controls) {
        const int top = control->y();
        if (top < minTop && minTop - top > shift)
            shift = minTop - top;
    }
    if (shift == 0) {
        shift = 1000;
        for (const QWidget *control : controls) {
            if (control->y() - minTop < shift)
                shift = control->y() - minTop;
        }
        shift = -shift;
    }
    return static_cast<qint16>(shift);
}

void ruZuvoz::AdjustHostLayout(bool bStyleChange) {
    int shift = 0;
    if (bStyleChange) {
        if (m_Style == stGripBar && !m_bTallTitle) {
            shift = 10;
            m_bTallTitle = true;
        } else if (m_Style != stGripBar && m_bTallTitle) {
            shift = -10;
            m_bTallTitle = false;
        }
    } else {
        core::tryStep(core::lcFrame(), "AdjustHostLayout",
                      [&] { shift = GetTopOffset(static_cast<qint16>(m_CaptionHeight + 20)); });
    }
    if (shift == 0)
        return;
    core::tryStep(core::lcFrame(), "AdjustHostLayout", [&] {
        if (m_WindowState == 2)
            m_NormalRect.Height += shift * TwipsPerPixel;
        else
            m_Form->resize(m_Form->width(), m_Form->height() + shift);
    });
    for (QWidget *control : containedControls())
        core::tryStep(core::lcFrame(), "AdjustHostLayout",
                      [&] { control->move(control->x(), control->y() + shift); });
}

void ruZuvoz::setPointer(int pointer) {
    m_MousePointer = pointer;
    if (pointer == mpDefault)
        unsetCursor();
    else
        setCursor(cursorForPointer(pointer));
}

} // namespace frame
