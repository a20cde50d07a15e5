#pragma once

#include <QImage>

namespace core {

// A new image of window size or so whose pixels the system may keep in huge pages. Touching a
// fresh image page by page costs more than drawing it on some machines (a virtual machine
// takes a fault for each 4 KiB page); a huge page takes one for 2 MiB. Where huge pages are
// not to be had it is an ordinary image. Uninitialised, like QImage(size, format); null when
// the memory cannot be had.
QImage largeImage(QSize size, QImage::Format format);

} // namespace core
