#include "connectionstring.h"

#include "schema.h"

using namespace Qt::Literals::StringLiterals;

namespace bank {

QString BankConnectionString(const QString &programFolder, const QString &bankFile) {
    return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + programFolder + bankFile +
           u";jet oledb:database password="_s + QLatin1String(kBankPassword);
}

} // namespace bank
