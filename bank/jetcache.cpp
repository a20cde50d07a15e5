#include "jetcache.h"

#include "jetcopy.h"
#include "jeterror.h"
#include "jetformat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

QString cacheFolder(const QString &jetPath) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (base.isEmpty())
        throw jetError(JetProblem::CacheNotWritable, jetPath, u"there is no cache folder"_s);
    const QString folder = base + u"/jet-banks"_s;
    if (!QDir().mkpath(folder))
        throw jetError(JetProblem::CacheNotWritable, jetPath,
                       u"cannot create the folder %1"_s.arg(folder));
    return folder;
}

void buildCopy(const QString &jetPath, const QString &copy, const QString &password) {
    const BankRows rows = readJetBank(jetPath);
    try {
        writeBankRows(rows, copy, password);
    } catch (const Error &error) {
        if (error.number() == SQLITE_CANTOPEN)
            throw jetError(JetProblem::CacheNotWritable, jetPath, error.description());
        throw Error(error.number(),
                    u"Cannot copy the bank '%1': %2"_s.arg(jetPath, error.description()));
    }
}

} // namespace

QString bankFileToOpen(const QString &path, const QString &password) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path; // the connection tells what is wrong with it
    const JetFormat format = jetFormat(file.peek(0x20));
    if (format == JetFormat::None)
        return path;
    if (format != JetFormat::Jet4)
        throw jetError(JetProblem::Format, path, describe(format));
    QCryptographicHash content(QCryptographicHash::Sha256);
    content.addData(&file);
    const QString copy =
        cacheFolder(path) + u'/' + QString::fromLatin1(content.result().toHex()) + u".bank"_s;
    if (!QFileInfo::exists(copy))
        buildCopy(path, copy, password);
    return copy;
}

} // namespace bank
