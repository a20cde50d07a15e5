// The title bar, the body border and the caption buttons with their glyphs.
#include "frame/ruzuvoz.h"

#include "core/guard.h"
#include "core/log.h"
#include "core/twips.h"
#include "frame/errorhook.h"
#include "frame/platformfacts.h"

#include <QAction>
#include <QFontMetrics>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace frame {

using core::roundHalfEven;

namespace {
constexpr double TitleRatio = 5.01;
constexpr double HotButtonRatio = 2.01;
constexpr int ButtonSize = 18;
constexpr int ButtonPitch = 21;

int buttonLeft(double scaleWidth, int slot) {
    return roundHalfEven(scaleWidth - 3 - ButtonPitch * (slot + 1));
}

} // namespace

void ruZuvoz::CaptionBtnSetup() {
    guarded("CaptionBtnSetup", [&] {
        int slot = 0;
        for (CaptionBtn &button : m_Btn) {
            if (!button.Visible)
                continue;
            button.Left = buttonLeft(width(), slot++);
            button.Width = ButtonSize;
            button.Height = ButtonSize;
            button.State = 0;
        }
        m_Btn[BtnClose].ToolTip = u"关闭"_s;
        m_Btn[BtnMinimise].ToolTip = u"最小化"_s;
        MnuSyst.at(0)->setText(u"还原"_s);
        MnuSyst.at(2)->setText(u"最大化"_s);
        MnuSyst.at(6)->setText(u"窗体置顶"_s);
        MnuSyst.at(1)->setText(m_Btn[BtnMinimise].ToolTip);
        MnuSyst.at(4)->setText(m_Btn[BtnClose].ToolTip + u"            Alt+F4"_s);
        MnuSyst.at(1)->setVisible(m_Btn[BtnMinimise].Visible);
        MnuSyst.at(2)->setVisible(m_Btn[BtnMaxRestore].Visible);
    });
}

void ruZuvoz::DrawTitleBarInitial() {
    if (m_drawingDeferred)
        return;
    guarded("DrawTitleBarInitial", [&] {
        ensureSurface();
        if (hostHasIcon()) {
            m_Icon = m_Form->windowIcon();
            m_RepaintLeft = roundHalfEven(width() - 1.0);
        } else {
            m_Icon = QIcon();
            m_RepaintLeft = 0;
        }
        m_Picture = QImage();
        clearToPicture();

        if (m_Style >= stCylinder && m_Style <= stLinear)
            paintTitleGradients(-1, m_RepaintLeft + 2, true);

        if (!m_Icon.isNull()) {
            const double top = m_Style == stGripBar ? (m_CaptionHeight - 8 - m_IconSize) / 2.0 + 10
                                                    : (m_CaptionHeight - m_IconSize) / 2.0 + 2;
            const QRect target(9, roundHalfEven(top), m_IconSize, m_IconSize);
            QPainter painter(&m_Surface.topRows());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            m_Icon.paint(&painter, target);
        }
        keepPicture();
        flushPaint();
    });
}

// The persistent picture is what was just painted: the title's rows over the back colour. Only
// those rows are kept; clearToPicture puts them back over the back colour.
void ruZuvoz::keepPicture() {
    const QImage &top = m_Surface.topRows();
    m_Picture = top.copy(0, 0, top.width(), std::min(m_CaptionHeight + 4, top.height()));
}

void ruZuvoz::paintTitleBackground(int x, int w) {
    const int ch = m_CaptionHeight;
    switch (m_Style) {
    case stCylinder:
        m_Canvas.DrawGradientInRectangle(m_ColorDark, m_ColorLight, {x, -1, w, ch + 1},
                                         gkCylinderVertical, false, 0, TitleRatio);
        break;
    case stGripBar:
        m_Canvas.DrawGradientInRectangle(m_ColorDark, m_ColorLight, {x, 7, w, ch - 7},
                                         gkCylinderVertical, false, 0, TitleRatio);
        break;
    case stSolid:
        m_Canvas.DrawGradientInRectangle(m_ColorDark, m_ColorLight, {x, -2, w, 10},
                                         gkLinearVertical, false, 0, TitleRatio);
        m_Canvas.DrawGradientInRectangle(m_ColorDark, m_ColorDark, {x, 7, w, ch - 7},
                                         gkCylinderVertical, false, 0, TitleRatio);
        break;
    case stLinear:
        m_Canvas.DrawGradientInRectangle(m_ColorDark, m_ColorLight, {x, -1, w, ch + 1},
                                         gkLinearVertical, false, 0, TitleRatio);
        break;
    default:
        break;
    }
}

void ruZuvoz::DrawTitleBar() {
    if (m_drawingDeferred)
        return;
    guarded("DrawTitleBar", [&] {
        ensureSurface();
        const CaptionBtn &last = m_Btn.at(size_t(m_LastBtn));
        QRect text = paintTitleBand(last.Visible ? last.Left : roundHalfEven(width()));
        paintBodyBorder();
        placeCaptionButtons();
        if (!m_Icon.isNull()) {
            text.setLeft(text.left() + m_IconSize + 6);
            text.setRight(text.right() + 6);
        }
        flushPaint();
        const QRect painted = m_lastPainted;
        paintCaption(text);
        PaintCaptionBtns(-1);
        m_lastPainted |= painted | text;
        update(m_lastPainted);
    });
}

// The title's gradients in the style's shape, from x over w pixels; the first drawing outlines
// the cylinder. Sets the caption height and fore colour the style gives.
void ruZuvoz::paintTitleGradients(int x, int w, bool outlineCylinder) {
    m_CaptionHeight = m_Style == stGripBar ? m_TitleBarHeight + 10 : m_TitleBarHeight;
    m_ForeColor = m_Style == stSolid ? White : 0;
    const int ch = m_CaptionHeight;
    if (m_Style == stGripBar || m_Style == stSolid) {
        m_Canvas.DrawGradientInRectangle(
            m_ColorDark, m_ColorLight, {x, -2, w, 10},
            m_Style == stGripBar ? gkCylinderVertical : gkLinearVertical, false, 0, TitleRatio);
        m_Canvas.DrawGradientInRectangle(
            m_ColorDark, m_Style == stSolid ? m_ColorDark : m_ColorLight, {x, 7, w, ch - 7},
            gkCylinderVertical, false, 0, TitleRatio);
    } else {
        const bool cylinder = m_Style == stCylinder;
        m_Canvas.DrawGradientInRectangle(m_ColorDark, m_ColorLight, {x, -1, w, ch + 1},
                                         cylinder ? gkCylinderVertical : gkLinearVertical,
                                         cylinder && outlineCylinder, m_ColorDark, TitleRatio);
    }
}

// The title's background, its lower edge and (grip bar) the grip; where the caption goes.
// buttonsLeft: the left edge of the leftmost caption button.
QRect ruZuvoz::paintTitleBand(int buttonsLeft) {
    if (m_Style < stCylinder || m_Style > stLinear)
        return QRect(QPoint(0, 0), QPoint(-1, -1));
    const double sw = width();
    const int b = m_Btn[BtnClose].Visible ? m_Btn[BtnClose].Height : ButtonSize;
    const OleColor halfTone = MixColors(m_ColorDark, 0);
    // The full-width background; with an icon it starts at the right edge, so the persistent
    // background and icon stay as they were painted.
    paintTitleGradients(m_RepaintLeft, roundHalfEven(sw + 1), false);
    const int ch = m_CaptionHeight;
    m_Canvas.APILineEx(-1, ch, roundHalfEven(sw + 1), ch, m_ColorDark);
    m_Canvas.APILineEx(5, ch, roundHalfEven(sw - 5), ch, halfTone);
    m_BtnTop = roundHalfEven((ch - b) / 2.0);
    if (m_Style == stGripBar) {
        m_Canvas.PaintShpInBar(m_ColorLight, halfTone, 7);
        return QRect(QPoint(9, 11), QPoint(buttonsLeft - 13, ch + 2));
    }
    return QRect(QPoint(9, 4), QPoint(buttonsLeft - 13, ch - 1));
}

// The body border (two dark outlines and a half-tone one inside them), the shadow under the
// title and the border's rounded top corners.
void ruZuvoz::paintBodyBorder() {
    const double sw = width(), sh = height();
    const int ch = m_CaptionHeight;
    const OleColor halfTone = MixColors(m_ColorDark, 0);
    m_Canvas.ApiRectangle(0, ch + 1, roundHalfEven(sw - 1), roundHalfEven(sh - ch - 2),
                          m_ColorDark);
    m_Canvas.ApiRectangle(1, ch + 1, roundHalfEven(sw - 3), roundHalfEven(sh - ch - 3),
                          m_ColorDark);
    m_Canvas.ApiRectangle(2, ch + 1, roundHalfEven(sw - 5), roundHalfEven(sh - ch - 4), halfTone);

    // The shadow under the title fades from the darkened back colour to the back colour.
    const OleColor back = TranslateOleColor(m_BackColor);
    m_Canvas.DrawGradientInRectangle(back, MixColors(back, 0), {3, ch, roundHalfEven(sw - 6), 8},
                                     gkLinearVertical, false, 0, 0);

    const int right3 = roundHalfEven(sw - 3), right4 = roundHalfEven(sw - 4),
              right5 = roundHalfEven(sw - 5);
    for (const QPoint p : {QPoint(2, ch + 1), QPoint(2, ch + 2), QPoint(3, ch + 1),
                           QPoint(right3, ch + 1), QPoint(right3, ch + 2), QPoint(right4, ch + 1)})
        m_Canvas.SetPixel(p.x(), p.y(), m_ColorDark);
    for (const QPoint p :
         {QPoint(4, ch + 1), QPoint(3, ch + 2), QPoint(right5, ch + 1), QPoint(right4, ch + 2)})
        m_Canvas.SetPixel(p.x(), p.y(), halfTone);
}

void ruZuvoz::placeCaptionButtons() {
    int slot = 0;
    for (CaptionBtn &button : m_Btn) {
        if (!button.Visible)
            continue;
        button.Top = m_BtnTop + 2;
        button.Left = buttonLeft(width(), slot++);
    }
}

// The caption (or the host's "Tag" in its place), trimmed to fit. A failure here is passed
// over, so the caption buttons are always repainted.
void ruZuvoz::paintCaption(const QRect &text) {
    core::tryStep(core::lcFrame(), "DrawTitleBar", [&] {
        const QString tag = m_Form->property("Tag").toString();
        if (!tag.isEmpty() && tag != m_Caption)
            m_Caption = tag;
    });
    core::tryStep(core::lcFrame(), "DrawTitleBar", [&] {
        if (m_Caption.isEmpty())
            return;
        const QString shown = TrimWord(m_Caption, text.width());
        QPainter painter(&m_Surface.topRows());
        painter.setFont(m_TitleFont);
        painter.setPen(toQColor(m_ColorLight));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    });
}

QString ruZuvoz::TrimWord(const QString &text, qint32 maxWidth) const {
    QString result = text;
    guarded("TrimWord", [&] {
        const QFontMetrics metrics(m_TitleFont);
        if (metrics.horizontalAdvance(text) <= maxWidth)
            return;
        const QString ellipsis = u"..."_s;
        qsizetype n = text.size();
        while (n != 0 && metrics.horizontalAdvance(result + ellipsis) > maxWidth) {
            --n;
            result = result.left(n);
        }
        result = n != 0 ? result + ellipsis : QString();
    });
    return result;
}

void ruZuvoz::PaintCaptionBtns(qint16 index) {
    guarded("PaintCaptionBtns", [&] {
        if (index == -1) {
            DrawCaptionBtns(false, m_ColorDark, -1);
            setPointer(mpDefault);
            // Nothing is drawn hot now, so the next move over a button lights it again.
            m_HotBtn = -1;
            return;
        }
        for (qint16 i = 0; i < 3; ++i) {
            if (m_Btn[size_t(i)].Visible)
                DrawCaptionBtns(i == index, m_ColorDark, i);
        }
    });
}

void ruZuvoz::DrawCaptionBtns(bool hot, OleColor colour, qint16 index) {
    if (m_drawingDeferred)
        return;
    guarded("DrawCaptionBtns", [&] {
        const size_t boxIndex = size_t(index == -1 ? m_LastBtn : index);
        const auto [left, top, w, h, state, tip, visible] = m_Btn.at(boxIndex);
        if (index != -1)
            m_Btn[size_t(index)].State = hot ? -1 : 0;

        OleColor glyphColour = colour;
        if (hot) {
            m_Canvas.DrawGradientInRectangle(MixColors(colour, White), White, {left, top, w, h},
                                             gkCylinderVertical, true, m_ColorDark, HotButtonRatio);
            if (index == BtnMaxRestore)
                m_Btn[BtnMaxRestore].ToolTip = m_WindowState == 2 ? u"还原"_s : u"最大化"_s;
            setToolTip(m_Btn.at(boxIndex).ToolTip);
        } else {
            paintTitleBackground(left - 1, w + 2);
            if (m_Style == stSolid)
                glyphColour = m_ColorLight;
            setToolTip(QString());
        }

        if (index == -1) {
            for (int i = 0; i < 3; ++i) {
                if (!m_Btn[size_t(i)].Visible)
                    continue;
                m_Btn[size_t(i)].State = hot ? -1 : 0;
                drawGlyph(i, m_Btn[size_t(i)].Left, top, glyphColour);
            }
        } else if (index != BtnClose || m_Btn[BtnClose].Visible) {
            drawGlyph(index, left, top, glyphColour);
        }
        flushPaint();
    });
}

// The glyph of caption button `index` with its top-left corner at (left, top).
void ruZuvoz::drawGlyph(int index, int left, int top, OleColor colour) {
    const auto line = [&](int x1, int y1, int x2, int y2) {
        m_Canvas.APILineEx(left + x1, top + y1, left + x2, top + y2, colour);
    };
    const auto outline = [&](int x, int y, int w, int h) {
        m_Canvas.ApiRectangle(left + x, top + y, w, h, colour);
    };
    switch (index) {
    case BtnClose:
        line(6, 5, 14, 13);
        line(5, 5, 14, 14);
        line(5, 6, 13, 14);
        line(5, 12, 13, 4);
        line(5, 13, 14, 4);
        line(6, 13, 14, 5);
        break;
    case BtnMaxRestore:
        if (m_WindowState == 2) {
            line(7, 5, 7, 8);
            line(7, 5, 16, 5);
            line(7, 4, 16, 4);
            line(15, 4, 15, 11);
            line(15, 11, 11, 11);
            line(3, 9, 11, 9);
            outline(3, 8, 8, 7);
        } else {
            line(4, 5, 15, 5);
            outline(4, 6, 10, 8);
        }
        break;
    case BtnMinimise:
        line(5, 11, 14, 11);
        line(5, 12, 14, 12);
        line(5, 13, 14, 13);
        break;
    default:
        break;
    }
}

qint16 ruZuvoz::HitCaptionBtn(qint16 x, qint16 y) const {
    for (qint16 i = 0; i < 3; ++i) {
        const CaptionBtn &button = m_Btn.at(size_t(i));
        if (button.Visible && button.Left < x && x < button.Left + button.Width && button.Top < y &&
            y < button.Top + button.Height)
            return i;
    }
    return -1;
}

} // namespace frame
