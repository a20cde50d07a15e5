#pragma once

#include <QString>

namespace bank {

// The file a connection opens for the bank at `path`: `path` itself, or, when the file is a
// Jet 4.0 database (told by its header, not its name), an SQLCipher copy of it keyed with
// `password` in the user's cache folder. The copy is named by the SHA-256 of the Jet file's
// content, so it is built once and built anew when the Jet file changes; it is written through a
// temporary file and a rename, so a crash never leaves half a copy. The Jet file is only read.
// Throws Error naming the Jet file when it cannot be read as a bank or no copy can be made.
QString bankFileToOpen(const QString &path, const QString &password);

} // namespace bank
