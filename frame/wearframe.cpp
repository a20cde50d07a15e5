#include "frame/wearframe.h"

namespace frame {

ruZuvoz *wearFrame(QWidget *host, const PropertyStore &settings) {
    return new ruZuvoz(host, settings);
}

} // namespace frame
