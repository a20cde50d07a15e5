#pragma once

#include <QByteArray>
#include <QString>

namespace bank {

// Which Access database format a file holds, told by its header rather than its name.
enum class JetFormat { None, Jet3, Jet4, Newer };

// The format the first bytes of a file (at least 0x15 of them) declare.
JetFormat jetFormat(const QByteArray &head);

// The format of the file at `path`; None when it cannot be read or is no Access database.
JetFormat jetFormatOf(const QString &path);

// "a Jet 3 file" etc.: what the format is called in messages.
QString describe(JetFormat format);

} // namespace bank
