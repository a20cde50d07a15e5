#pragma once

#include <QString>

namespace bank {

// The connection text of an edition's bank: built anew at every call from the program folder
// (the application path) and the bank's file name with its leading separator, e.g. "\aqc.dll".
QString BankConnectionString(const QString &programFolder, const QString &bankFile);

} // namespace bank
