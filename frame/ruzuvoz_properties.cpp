// The frame's public properties and its colour themes.
#include "frame/ruzuvoz.h"

#include "core/guard.h"
#include "core/log.h"
#include "frame/errorhook.h"
#include "frame/platformfacts.h"
#include "frame/resizegrip.h"

#include <QAbstractButton>

using namespace Qt::Literals::StringLiterals;

namespace frame {

namespace {
struct ThemePair {
    OleColor dark;
    OleColor light;
};
// tcBlue to tcGold; tcCustom takes ColorFrom/ColorTo, tcSystem follows the visual style.
constexpr std::array<ThemePair, 5> FixedThemes{{
    {0x009C6113, 0x00FEECDD},
    {0x006F5F5F, 0x00FBF4F4},
    {0x00385D3F, 0x00E1F9F7},
    {0x00486B62, 0x00F2F8F8},
    {0x001E5B75, 0x00A5EFFF},
}};
} // namespace

void ruZuvoz::setThemeColor(qint32 value) {
    if (value == m_ThemeColor)
        return;
    m_ThemeColor = value;
    SetThemeColor();
    Refresh();
    markChanged("ThemeColor");
}

void ruZuvoz::setStyle(qint32 value) {
    guarded("Let Style", [&] {
        if (value == m_Style)
            return;
        m_Style = value;
        Refresh();
        AdjustHostLayout(true);
        markChanged("Style");
    });
}

void ruZuvoz::setBackColorStyle(qint32 value) {
    m_BackColorStyle = value;
    Refresh();
    markChanged("BackColorStyle");
}

void ruZuvoz::setMaxButton(bool value) {
    m_MaxButton = value;
    BorderStyleSetup();
    Refresh();
    markChanged("MaxButton");
}

void ruZuvoz::setMinButton(bool value) {
    m_MinButton = value;
    BorderStyleSetup();
    Refresh();
    markChanged("MinButton");
}

void ruZuvoz::setCloseButton(bool value) {
    m_CloseButton = value;
    BorderStyleSetup();
    markChanged("CloseButton");
    Refresh();
}

void ruZuvoz::setChangeAllBackgrounds(bool value) {
    m_ChangeAllBackgrounds = value;
    markChanged("ChangeAllBackgrounds");
    Refresh();
}

void ruZuvoz::setBorderStyle(qint32 value) {
    m_BorderStyle = value;
    BorderStyleSetup();
    Refresh();
    markChanged("BorderStyle");
}

void ruZuvoz::setCustomBackColor(OleColor value) {
    guarded("Let CustomBackColor", [&] {
        m_CustomBackColor = value;
        if (m_BackColorStyle == bcCustom)
            Refresh();
        markChanged("CustomBackColor");
    });
}

void ruZuvoz::setColorFrom(OleColor value) {
    m_ColorFrom = TranslateOleColor(value);
    if (m_ThemeColor == tcCustom)
        m_ColorDark = m_ColorFrom;
    markChanged("ColorFrom");
    Refresh();
}

void ruZuvoz::setColorTo(OleColor value) {
    m_ColorTo = TranslateOleColor(value);
    if (m_ThemeColor == tcCustom)
        m_ColorLight = m_ColorTo;
    markChanged("ColorTo");
    Refresh();
}

void ruZuvoz::setIconSize(qint16 value) {
    if (value == m_IconSize)
        return;
    m_IconSize = value;
    TitleBarHeightSetup();
    AdjustHostLayout(false);
    Refresh();
    markChanged("IconSize");
}

void ruZuvoz::SetThemeColor() {
    guarded("SetThemeColor", [&] {
        if (m_ThemeColor == tcSystem)
            GetGradientColor();
        else
            SetDefaultThemeColor(m_ThemeColor);
    });
}

void ruZuvoz::SetDefaultThemeColor(qint32 theme) {
    guarded("SetDefaultThemeColor", [&] {
        if (theme >= tcBlue && theme <= tcGold) {
            m_ColorDark = FixedThemes.at(size_t(theme)).dark;
            m_ColorLight = FixedThemes.at(size_t(theme)).light;
        } else if (theme == tcCustom) {
            m_ColorDark = m_ColorFrom;
            m_ColorLight = m_ColorTo;
        }
    });
}

void ruZuvoz::GetGradientColor() {
    guarded("GetGradientColor", [&] {
        ReadThemeName();
        if (!AppIsThemed()) {
            SetDefaultThemeColor(tcBlue);
            return;
        }
        if (m_ThemeName == u"NormalColor"_s)
            SetDefaultThemeColor(tcBlue);
        else if (m_ThemeName == u"Metallic"_s)
            SetDefaultThemeColor(tcSilver);
        else if (m_ThemeName == u"HomeStead"_s)
            SetDefaultThemeColor(tcOlive);
    });
}

void ruZuvoz::ReadThemeName() {
    // Without the visual-style library nothing is read and the name stays as it was.
    const PlatformFacts &facts = platformFacts();
    if (!facts.hasVisualStyles())
        return;
    m_ThemeName = facts.colourSchemeName().value_or(u"Classic"_s);
}

bool ruZuvoz::AppIsThemed() const {
    const PlatformFacts &facts = platformFacts();
    return facts.hasVisualStyles() && facts.appIsThemed();
}

void ruZuvoz::applyBackColorByStyle() {
    switch (m_BackColorStyle) {
    case bcSystem:
        m_BackColor = SystemButtonFace;
        break;
    case bcTheme:
        m_BackColor = m_ColorLight;
        break;
    case bcCustom:
        m_BackColor = m_CustomBackColor;
        break;
    default:
        break;
    }
}

// Gives the back colour to the host's controls, except the two grips and those whose back colour
// is the system window background (text fields and lists, painted in the palette's Base role);
// each is made to paint its background so that the colour shows.
void ruZuvoz::recolourHostControls(OleColor colour) {
    const QColor back = toQColor(colour);
    const auto controls = m_Form->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        core::tryStep(core::lcFrame(), "ChangeAllBackgrounds", [&] {
            if (control == this || qobject_cast<ResizeGrip *>(control) ||
                control->backgroundRole() == QPalette::Base)
                return;
            QPalette palette = control->palette();
            palette.setColor(control->backgroundRole(), back);
            if (qobject_cast<QAbstractButton *>(control))
                palette.setColor(QPalette::Button, back);
            control->setPalette(palette);
            control->setAutoFillBackground(true);
        });
    }
}

} // namespace frame
