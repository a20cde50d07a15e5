#pragma once

struct sqlite3;

namespace bank {

// Registers the Jet functions SQLite lacks on a connection: cstr(x), the decimal text of a
// number without spaces (a text stays as it is, Null stays Null).
void registerJetFunctions(sqlite3 *db);

} // namespace bank
