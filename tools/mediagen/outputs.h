// The generator's groups of output files, each written below the repository root.
#pragma once

#include <QString>
#include <QStringList>

namespace mediagen {

// editions/media/pictures/<name> for every catalogue picture.
bool writePictures(const QString &root, const QStringList &names);

} // namespace mediagen
