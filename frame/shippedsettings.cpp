#include "frame/shippedsettings.h"

using namespace Qt::Literals::StringLiterals;

namespace frame {

PropertyStore shippedSettings(ShippedWindow window) {
    switch (window) {
    case ShippedWindow::FormMain:
        return PropertyStore::fromFile(u":/frame/settings/formmain.json"_s);
    case ShippedWindow::DlgMsg:
        return PropertyStore::fromFile(u":/frame/settings/dlgmsg.json"_s);
    }
    return {};
}

ruZuvoz *wearShippedFrame(QWidget *host, ShippedWindow window) {
    return new ruZuvoz(host, shippedSettings(window));
}

} // namespace frame
