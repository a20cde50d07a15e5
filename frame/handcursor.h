#pragma once

#include <QCursor>

namespace frame {

// The frame's own pointer 99: a pointing hand of 32 x 32 pixels with its hot spot at (12, 1).
QCursor handCursor();

} // namespace frame
