#pragma once

#include <QString>

#include <optional>

namespace core {

// The file path of a media name taken from the bank (bmp, flash): program folder + folder
// ("\anquanimages") + name, where the name's leading `\` (the bank keeps one, "\12.png") or its
// absence both join with one separator, and every `\` becomes the platform's separator.
// nullopt when the name would reach outside its folder (a ".." segment, an absolute or UNC
// path, a drive letter) or names no file (empty, a folder).
std::optional<QString> mediaFilePath(const QString &programFolder, const QString &folder,
                                     const QString &name);

} // namespace core
