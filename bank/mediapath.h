#pragma once

#include <QString>

#include <optional>

namespace bank {

// The file path of a media name taken from the bank (bmp, flash): program folder + folder
// ("\anquanimages") + name, with `\` as a separator. Empty when the name would reach outside
// its folder (.., an absolute path, a drive letter) or is empty.
std::optional<QString> mediaFilePath(const QString &programFolder, const QString &folder,
                                     const QString &name);

} // namespace bank
