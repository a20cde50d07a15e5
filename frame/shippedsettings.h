#pragma once

#include "propertystore.h"

namespace frame {

// The program's windows that wear the frame.
enum class ShippedWindow { FormMain, DlgMsg };

// The frame settings each window ships with (stored with the window's design, compiled in).
PropertyStore shippedSettings(ShippedWindow window);

} // namespace frame
