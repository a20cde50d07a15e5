#include "fonts.h"

#include <QFont>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

void installFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitutions(u"Tahoma"_s, {u"DejaVu Sans"_s, u"WenQuanYi Micro Hei"_s});
        QFont::insertSubstitutions(u"宋体"_s, {u"AR PL UMing CN"_s, u"WenQuanYi Micro Hei"_s});
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace trainer
