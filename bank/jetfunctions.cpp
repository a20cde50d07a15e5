#include "jetfunctions.h"

#include "error.h"

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

void cstr(sqlite3_context *context, int, sqlite3_value **argv) {
    sqlite3_value *value = argv[0];
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // SQLite's own text form of an integer is its decimal digits with a leading '-' only.
    const unsigned char *text = sqlite3_value_text(value);
    sqlite3_result_text(context, reinterpret_cast<const char *>(text), sqlite3_value_bytes(value),
                        SQLITE_TRANSIENT);
}

} // namespace

void registerJetFunctions(sqlite3 *db) {
    const int rc = sqlite3_create_function(db, "cstr", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                           nullptr, cstr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw Error(rc, u"cannot register cstr"_s);
}

} // namespace bank
