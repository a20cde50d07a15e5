#include "shippedframe.h"

#include "frame/ruzuvoz.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

frame::PropertyStore shippedSettings(ShippedWindow window) {
    switch (window) {
    case ShippedWindow::FormMain:
        return frame::PropertyStore::fromFile(u":/trainer/settings/formmain.json"_s);
    case ShippedWindow::DlgMsg:
        return frame::PropertyStore::fromFile(u":/trainer/settings/dlgmsg.json"_s);
    }
    return {};
}

frame::ruZuvoz *wearShippedFrame(QWidget *host, ShippedWindow window) {
    return new frame::ruZuvoz(host, shippedSettings(window));
}

} // namespace trainer
