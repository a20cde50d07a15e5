#include "fonts.h"

#include <QFont>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

void installFontSubstitutions() {
    QFont::insertSubstitutions(u"Tahoma"_s, {u"DejaVu Sans"_s, u"WenQuanYi Micro Hei"_s});
    QFont::insertSubstitutions(u"宋体"_s, {u"AR PL UMing CN"_s, u"WenQuanYi Micro Hei"_s});
}

} // namespace trainer
