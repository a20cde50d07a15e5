// The system menu: built-in items 0 to 6 and the items a host adds.
#include "ruzuvoz.h"

#include "errorhook.h"

#include <QAction>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace frame {

void ruZuvoz::buildSystemMenu() {
    SysMnu = new QMenu(this);
    SysMnu->setObjectName(u"SysMnu"_s);
    for (int index = 0; index <= 6; ++index) {
        auto *item = SysMnu->addAction(QString());
        item->setObjectName(u"MnuSyst(%1)"_s.arg(index));
        MnuSyst[index] = item;
    }
    MnuSyst[3]->setSeparator(true);
    MnuSyst[3]->setText(u"-"_s);
    MnuSyst[5]->setSeparator(true);
    MnuSyst[5]->setText(u"-"_s);
    MnuSyst[6]->setCheckable(true);
    // The window starts normal: restore disabled, maximise enabled.
    MnuSyst[0]->setEnabled(false);
    SysMnu->setDefaultAction(MnuSyst[4]);
}

} // namespace frame
