// The generator's four groups of output files, each written below the repository root.
#pragma once

#include <QString>
#include <QStringList>

namespace mediagen {

// editions/media/pictures/<name> for every catalogue picture.
bool writePictures(const QString &root, const QStringList &names);
// editions/media/clips/<name> for every catalogue clip (runs ffmpeg).
bool writeClips(const QString &root, const QStringList &names);
// assets/: buttons, marks, the hand cursor and assets.qrc.
bool writeAssets(const QString &root);
// editions/<edition>/art/: start page, icon and art.qrc of both editions; the icon at the
// icon theme's sizes in packaging/icons/<size>x<size>/safedrive-<edition>.png.
bool writeArtwork(const QString &root);

} // namespace mediagen
