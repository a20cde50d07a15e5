#pragma once

#include "frame/propertystore.h"
#include "frame/ruzuvoz.h"

namespace trainer {

// The program's windows that wear the frame.
enum class ShippedWindow { FormMain, DlgMsg };

// The frame settings each window ships with (stored with the window's design, compiled in).
frame::PropertyStore shippedSettings(ShippedWindow window);

// Puts the frame on a window in that window's shipped settings; the window's controls then go
// inside the returned frame.
frame::ruZuvoz *wearShippedFrame(QWidget *host, ShippedWindow window);

} // namespace trainer
