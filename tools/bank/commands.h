#pragma once

#include <QStringList>
#include <QTextStream>

namespace banktool {

// Exit statuses of the tool.
enum Status { Success = 0, Failure = 1, Usage = 2 };

// Runs one command line (the arguments after the program name): build, import, dump or check.
// The bank's JSON and check's problem lines go to `out`, everything else to `err`.
int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace banktool
