// The two resize grips along the host's right and bottom edges.
#include "frame/ruzuvoz.h"

#include "frame/resizegrip.h"

using namespace Qt::Literals::StringLiterals;

namespace frame {

// Right grip first, then the bottom one, each in the theme's dark colour.
void ruZuvoz::placeGrips() {
    if (!m_bGripsCreated)
        return;
    const int w = m_Form->width(), h = m_Form->height(), ch = m_CaptionHeight;
    if (m_picRight) {
        m_picRight->setGeometry(w - 4, ch + 9, 3, h - (ch + 10));
        m_picRight->setBackColor(m_ColorDark);
    }
    if (m_picBottom) {
        m_picBottom->setGeometry(4, h - 4, w - 8, 3);
        m_picBottom->setBackColor(m_ColorDark);
    }
}

} // namespace frame
