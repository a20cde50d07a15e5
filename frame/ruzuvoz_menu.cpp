// The system menu: built-in items 0 to 6 and the items a host adds.
#include "frame/ruzuvoz.h"

#include "frame/errorhook.h"

#include <QAction>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace frame {

void ruZuvoz::buildSystemMenu() {
    SysMnu = new QMenu(this);
    SysMnu->setObjectName(u"SysMnu"_s);
    for (int index = 0; index <= 6; ++index)
        MnuSyst[index] = createMenuItem(index);
    MnuSyst[3]->setSeparator(true);
    MnuSyst[5]->setSeparator(true);
    MnuSyst[6]->setCheckable(true);
    // The window starts normal: restore disabled, maximise enabled.
    MnuSyst[0]->setEnabled(false);
    SysMnu->setDefaultAction(MnuSyst[4]);
}

QAction *ruZuvoz::createMenuItem(int index) {
    auto *item = SysMnu->addAction(QString());
    item->setObjectName(u"MnuSyst(%1)"_s.arg(index));
    connect(item, &QAction::triggered, this, [this, item, index] {
        // Check marks change only by the item's own handling, never by choosing the item.
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        MnuSyst_Click(index);
    });
    return item;
}

QAction *ruZuvoz::menuItem(int index) const {
    const auto found = MnuSyst.find(index);
    if (found == MnuSyst.end())
        throw FrameError(errors::NoSuchElement,
                         u"Control array element '%1' doesn't exist"_s.arg(index));
    return found->second;
}

void ruZuvoz::openSystemMenu(QPoint at) {
    SysMnu->popup(mapToGlobal(at));
}

void ruZuvoz::MnuSyst_Click(int index) {
    guarded("mnuSyst_Click", [&] {
        switch (index) {
        case 0:
        case 2:
            jcWindowState();
            break;
        case 1:
            DrawCaptionBtns(false, m_ColorDark, m_HotBtn);
            m_HotBtn = -1;
            minimiseHost();
            break;
        case 4:
            m_Form->close();
            break;
        case 6: {
            QAction *topmost = menuItem(6);
            m_Services->setStaysOnTop(m_Form, !topmost->isChecked());
            topmost->setChecked(!topmost->isChecked());
            break;
        }
        default:
            emit MenuItemSelected(index, menuItem(index)->text());
            break;
        }
    });
}

void ruZuvoz::FormMenuAdd(const QString &strMenuCaption, bool blnAddSeparator, bool blnEnabled,
                          bool blnChecked, bool blnVisible) {
    guarded("FormMenuAdd", [&] {
        for (;;) {
            // One above the highest index in use, so an add never meets an index in use.
            const int index = MnuSyst.rbegin()->first + 1;
            QAction *item = createMenuItem(index);
            MnuSyst[index] = item;
            item->setVisible(true);
            item->setEnabled(true);
            if (blnAddSeparator) {
                item->setSeparator(true);
                blnAddSeparator = false;
                continue;
            }
            item->setText(strMenuCaption);
            item->setEnabled(blnEnabled);
            item->setCheckable(blnChecked);
            item->setChecked(blnChecked);
            item->setVisible(blnVisible);
            return;
        }
    });
}

void ruZuvoz::ModifyAddedMenu(qint16 intMenuID, const QString &strMenuCaption, bool blnEnabled,
                              bool blnChecked, bool blnVisible) {
    guarded("ModifyAddedMenu", [&] {
        if (intMenuID <= 6)
            return;
        QAction *item = menuItem(intMenuID);
        if (!strMenuCaption.isEmpty()) {
            // A "-" caption makes a separator, which shows no text.
            const bool separator = strMenuCaption == u"-"_s;
            item->setSeparator(separator);
            item->setText(separator ? QString() : strMenuCaption);
        }
        item->setEnabled(blnEnabled);
        item->setCheckable(blnChecked || item->isCheckable());
        item->setChecked(blnChecked);
        item->setVisible(blnVisible);
    });
}

void ruZuvoz::FormMenuRemove(qint16 intMenuID) {
    guarded("FormMenuRemove", [&] {
        if (intMenuID <= 6)
            return;
        // Indices may have gaps (they never change), so the item is looked up by its index.
        delete menuItem(intMenuID);
        MnuSyst.erase(intMenuID);
        // The menu never ends in a separator that FormMenuAdd put before the removed item.
        const bool wasLast = MnuSyst.rbegin()->first < intMenuID;
        const auto below = MnuSyst.find(intMenuID - 1);
        if (wasLast && below != MnuSyst.end() && below->first > 6 && below->second->isSeparator()) {
            delete below->second;
            MnuSyst.erase(below);
        }
    });
}

QVariant ruZuvoz::GetMenuItemValue(qint16 iMenuID, qint32 PropertyID) const {
    QVariant value;
    guarded("GetMenuItemValue", [&] {
        const QAction *item = menuItem(iMenuID);
        switch (PropertyID) {
        case 0: // a separator's caption is "-", though it shows none
            value = item->isSeparator() ? u"-"_s : item->text();
            break;
        case 1:
            value = item->isEnabled();
            break;
        case 2:
            value = item->isChecked();
            break;
        case 3:
            value = item->isVisible();
            break;
        default:
            break;
        }
    });
    return value;
}

} // namespace frame
