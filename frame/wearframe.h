#pragma once

#include "frame/propertystore.h"
#include "frame/ruzuvoz.h"

namespace frame {

// Puts the frame on a window and loads the window's stored settings into it; the window's
// controls then go inside the returned frame.
ruZuvoz *wearFrame(QWidget *host, const PropertyStore &settings);

} // namespace frame
