// The system's SQLCipher, loaded at the first call into it rather than with the program: the
// start page opens no database, and the library with OpenSSL's libcrypto under it would
// otherwise be mapped and relocated before the window could show. Each function the project
// calls is defined here and forwards to the library's own, found once.
#include <sqlcipher/sqlite3.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A library that cannot be loaded ends the program, as it would have at start had it been
// linked: the package depends on it, so only a broken installation gets here.
[[noreturn]] void missing(const char *what) {
    std::fprintf(stderr, "SQLCipher (%s): %s\n", SAFEDRIVE_SQLCIPHER_SONAME, what);
    std::abort();
}

void *library() {
    static void *const handle = [] {
        void *loaded = dlopen(SAFEDRIVE_SQLCIPHER_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!loaded)
            missing(dlerror());
        return loaded;
    }();
    return handle;
}

// The library's definition of name; the first argument, our own, only gives its type.
template <class Function> Function *resolve(Function *, const char *name) {
    void *symbol = dlsym(library(), name);
    if (!symbol)
        missing(name);
    return reinterpret_cast<Function *>(symbol);
}

} // namespace

#define FORWARD(result, name, parameters, arguments)                                               \
    extern "C" result name parameters {                                                            \
        static const auto real = resolve(&name, #name);                                            \
        return real arguments;                                                                     \
    }

// clang-format off
FORWARD(int, sqlite3_open_v2, (const char *file, sqlite3 **db, int flags, const char *vfs),
        (file, db, flags, vfs))
FORWARD(int, sqlite3_close, (sqlite3 *db), (db))
FORWARD(int, sqlite3_close_v2, (sqlite3 *db), (db))
FORWARD(int, sqlite3_key, (sqlite3 *db, const void *key, int bytes), (db, key, bytes))
FORWARD(int, sqlite3_exec, (sqlite3 *db, const char *sql, int (*callback)(void *, int, char **, char **),
        void *argument, char **error), (db, sql, callback, argument, error))
FORWARD(const char *, sqlite3_errmsg, (sqlite3 *db), (db))
FORWARD(const char *, sqlite3_errstr, (int code), (code))
FORWARD(int, sqlite3_extended_result_codes, (sqlite3 *db, int on), (db, on))
FORWARD(int, sqlite3_changes, (sqlite3 *db), (db))
FORWARD(int, sqlite3_get_autocommit, (sqlite3 *db), (db))
FORWARD(int, sqlite3_db_readonly, (sqlite3 *db, const char *schema), (db, schema))
FORWARD(sqlite3_stmt *, sqlite3_next_stmt, (sqlite3 *db, sqlite3_stmt *statement), (db, statement))
FORWARD(int, sqlite3_create_function, (sqlite3 *db, const char *name, int arguments, int encoding,
        void *data, void (*function)(sqlite3_context *, int, sqlite3_value **),
        void (*step)(sqlite3_context *, int, sqlite3_value **), void (*final)(sqlite3_context *)),
        (db, name, arguments, encoding, data, function, step, final))
FORWARD(int, sqlite3_prepare_v2, (sqlite3 *db, const char *sql, int bytes, sqlite3_stmt **statement,
        const char **tail), (db, sql, bytes, statement, tail))
FORWARD(int, sqlite3_step, (sqlite3_stmt *statement), (statement))
FORWARD(int, sqlite3_reset, (sqlite3_stmt *statement), (statement))
FORWARD(int, sqlite3_finalize, (sqlite3_stmt *statement), (statement))
FORWARD(int, sqlite3_clear_bindings, (sqlite3_stmt *statement), (statement))
FORWARD(int, sqlite3_bind_null, (sqlite3_stmt *statement, int index), (statement, index))
FORWARD(int, sqlite3_bind_int64, (sqlite3_stmt *statement, int index, sqlite3_int64 value),
        (statement, index, value))
FORWARD(int, sqlite3_bind_text, (sqlite3_stmt *statement, int index, const char *text, int bytes,
        void (*destructor)(void *)), (statement, index, text, bytes, destructor))
FORWARD(int, sqlite3_column_count, (sqlite3_stmt *statement), (statement))
FORWARD(const char *, sqlite3_column_name, (sqlite3_stmt *statement, int column), (statement, column))
FORWARD(int, sqlite3_column_type, (sqlite3_stmt *statement, int column), (statement, column))
FORWARD(sqlite3_int64, sqlite3_column_int64, (sqlite3_stmt *statement, int column), (statement, column))
FORWARD(double, sqlite3_column_double, (sqlite3_stmt *statement, int column), (statement, column))
FORWARD(const unsigned char *, sqlite3_column_text, (sqlite3_stmt *statement, int column),
        (statement, column))
FORWARD(int, sqlite3_column_bytes, (sqlite3_stmt *statement, int column), (statement, column))
FORWARD(sqlite3_value *, sqlite3_column_value, (sqlite3_stmt *statement, int column), (statement, column))
FORWARD(int, sqlite3_value_type, (sqlite3_value *value), (value))
FORWARD(sqlite3_int64, sqlite3_value_int64, (sqlite3_value *value), (value))
FORWARD(double, sqlite3_value_double, (sqlite3_value *value), (value))
FORWARD(const unsigned char *, sqlite3_value_text, (sqlite3_value *value), (value))
FORWARD(const void *, sqlite3_value_blob, (sqlite3_value *value), (value))
FORWARD(int, sqlite3_value_bytes, (sqlite3_value *value), (value))
FORWARD(void, sqlite3_result_null, (sqlite3_context *context), (context))
FORWARD(void, sqlite3_result_text, (sqlite3_context *context, const char *text, int bytes,
        void (*destructor)(void *)), (context, text, bytes, destructor))
// clang-format on
