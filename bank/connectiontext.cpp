#include "connectiontext.h"

#include "error.h"

#include <QStringList>

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

const auto kJetProvider = "Microsoft.Jet.OLEDB.4.0"_L1;

} // namespace

ConnectionText parseConnectionText(const QString &text) {
    ConnectionText result;
    bool hasDataSource = false;
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = part.left(equals).trimmed().toLower();
        const QString value = part.mid(equals + 1).trimmed();
        if (key == "provider"_L1) {
            result.provider = value;
        } else if (key == "data source"_L1) {
            result.dataSource = QString(value).replace(u'\\', u'/');
            hasDataSource = true;
        } else if (key == "jet oledb:database password"_L1) {
            result.password = value;
        } else if (key == "mode"_L1) {
            result.readOnly = value.compare("read"_L1, Qt::CaseInsensitive) == 0;
        }
    }
    if (result.provider.compare(kJetProvider, Qt::CaseInsensitive) != 0)
        throw Error(SQLITE_MISUSE, u"Provider cannot be found: "_s + result.provider);
    if (!hasDataSource || result.dataSource.isEmpty())
        throw Error(SQLITE_MISUSE, u"The connection text names no Data Source"_s);
    return result;
}

} // namespace bank
