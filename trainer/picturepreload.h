#pragma once

#include <QPixmap>
#include <QString>

namespace trainer {

// Decoding a large picture takes a good part of the start-up; it is begun on a thread of its
// own before the window is built, and taken when the control that shows it is made.

// Starts decoding the picture (a resource or a file) once the application exists: decoding
// reads Qt's plugin paths, which the application's constructor sets.
void preloadPicture(const QString &path);

// The picture as a pixmap: the preloaded one, waiting for the rest of its decoding if need be
// (taken once), or else decoded now. A missing picture gives a null pixmap.
QPixmap takePreloadedPixmap(const QString &path);

} // namespace trainer
