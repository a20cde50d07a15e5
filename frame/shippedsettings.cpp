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
    auto *frame = new ruZuvoz(host);
    frame->Load(shippedSettings(window));
    return frame;
}

} // namespace frame
