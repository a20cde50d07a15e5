#pragma once

#include <QString>

namespace bank {

// Turns an SQL text of the program's (Jet) dialect into SQLite. `+` with a text operand (a
// quoted text or a cstr(...) call) on either side concatenates, so it becomes `||`; a numeric
// `+` stays. Everything else SQLite already reads the same way: Instr (1-based, 0 when absent),
// cstr (registered by the connection), `<>`, quoted texts, unquoted numbers. Texts inside
// quotes are never touched. An UPDATE that sets one column of every row to a constant skips
// the rows that already hold it (same result, nothing written when nothing changes).
QString translateJetSql(const QString &jetSql);

} // namespace bank
