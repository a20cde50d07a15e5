#include "frame/platformfacts.h"

#include <QGuiApplication>
#include <QPalette>

using namespace Qt::Literals::StringLiterals;

namespace frame {

namespace {
// Without a visual-style library of its own, this platform gives the look from the palette.
class PaletteFacts final : public PlatformFacts {
public:
    bool hasVisualStyles() const override { return true; }
    bool appIsThemed() const override { return false; }
    std::optional<QString> colourSchemeName() const override { return std::nullopt; }

    std::optional<OleColor> systemColour(int index) const override {
        const QPalette palette = QGuiApplication::palette();
        const auto role = [&](QPalette::ColorRole r, QPalette::ColorGroup g = QPalette::Active) {
            return fromQColor(palette.color(g, r));
        };
        switch (index) {
        case 0:  // scroll bar
        case 4:  // menu
        case 15: // button face
        case 30: // menu bar
            return role(QPalette::Button);
        case 1:  // desktop
        case 12: // application workspace
            return role(QPalette::Dark);
        case 2:  // active caption
        case 13: // highlight
        case 26: // hot-tracked item
        case 27: // active caption gradient
        case 29: // menu highlight
            return role(QPalette::Highlight);
        case 3:  // inactive caption
        case 28: // inactive caption gradient
            return role(QPalette::Highlight, QPalette::Inactive);
        case 5: // window background
            return role(QPalette::Base);
        case 6:  // window frame
        case 21: // 3-D dark shadow
            return role(QPalette::Shadow);
        case 7:  // menu text
        case 8:  // window text
        case 18: // button text
            return role(QPalette::Text);
        case 9:  // caption text
        case 14: // highlighted text
            return role(QPalette::HighlightedText);
        case 10: // active border
        case 11: // inactive border
            return role(QPalette::Window);
        case 16: // button shadow
            return role(QPalette::Mid);
        case 17: // grey text
        case 19: // inactive caption text
            return role(QPalette::Text, QPalette::Disabled);
        case 20: // button highlight
            return role(QPalette::Light);
        case 22: // 3-D light
            return role(QPalette::Midlight);
        case 23: // tooltip text
            return role(QPalette::ToolTipText);
        case 24: // tooltip background
            return role(QPalette::ToolTipBase);
        default:
            return std::nullopt;
        }
    }

    bool isFunctionExported(const QString &function, const QString &module) const override {
        // Qt reports the mouse leaving a widget on every platform it supports.
        return function == u"TrackMouseEvent"_s &&
               module.compare(u"User32"_s, Qt::CaseInsensitive) == 0;
    }
};
} // namespace

const PlatformFacts &nativePlatformFacts() {
    static const PaletteFacts facts;
    return facts;
}

} // namespace frame
