#include "keysetquery.h"

#include "error.h"

#include <QRegularExpression>

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

KeysetQuery keysetQuery(const QString &sqliteSelect, int blockSize) {
    static const QRegularExpression shape(
        uR"(^\s*select\s+(.+?)\s+from\s+([A-Za-z_][A-Za-z0-9_]*)((?:\s.*)?)$)"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = shape.match(sqliteSelect);
    if (!match.hasMatch())
        throw Error(SQLITE_ERROR,
                    u"A keyset record set needs a SELECT of one table: "_s + sqliteSelect);
    const QString columns = match.captured(1);
    const QString table = match.captured(2);
    const QString rest = match.captured(3);
    const QString records = u"select rowid,"_s + columns + u" from "_s + table;
    return {u"select "_s + table + u".rowid from "_s + table + rest,
            records + u" where rowid in(?"_s + QString(u",?"_s).repeated(blockSize - 1) + u")"_s,
            records + u" where rowid between ? and ?"_s,
            u"update "_s + table + u" set state=? where rowid=?"_s};
}

} // namespace bank
