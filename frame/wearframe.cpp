#include "frame/wearframe.h"

namespace frame {

ruZuvoz *wearFrame(QWidget *host, const PropertyStore &settings) {
    auto *frame = new ruZuvoz(host);
    frame->Load(settings);
    return frame;
}

} // namespace frame
