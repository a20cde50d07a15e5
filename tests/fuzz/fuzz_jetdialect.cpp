// Fuzz target of the Jet-dialect translator: it must never crash, must leave nothing to
// translate in its own output, and may change nothing but `+` into `||` (plus the WHERE it
// adds to an UPDATE of every row).
#include "bank/jetdialect.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

QString withoutOperators(QString text) {
    text.remove(u'+');
    text.remove(u'|');
    while (text.endsWith(u';') || (!text.isEmpty() && text.back().isSpace()))
        text.chop(1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString jet = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString sqlite = bank::translateJetSql(jet);
    if (bank::translateJetSql(sqlite) != sqlite)
        std::abort();
    if (!withoutOperators(sqlite).startsWith(withoutOperators(jet)))
        std::abort();
    return 0;
}
