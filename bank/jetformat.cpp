#include "jetformat.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

constexpr int kVersionAt = 0x14;

} // namespace

JetFormat jetFormat(const QByteArray &head) {
    if (head.size() <= kVersionAt || head[0] != 0)
        return JetFormat::None;
    const QByteArray signature = head.mid(4, 16);
    if (signature != QByteArray("Standard Jet DB", 16) &&
        signature != QByteArray("Standard ACE DB", 16))
        return JetFormat::None;
    switch (head[kVersionAt]) {
    case 0:
        return JetFormat::Jet3;
    case 1:
        return JetFormat::Jet4;
    default:
        return JetFormat::Newer;
    }
}

JetFormat jetFormatOf(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return JetFormat::None;
    return jetFormat(file.read(kVersionAt + 1));
}

QString describe(JetFormat format) {
    switch (format) {
    case JetFormat::None:
        return u"not an Access database"_s;
    case JetFormat::Jet3:
        return u"a Jet 3 (Access 97) database"_s;
    case JetFormat::Jet4:
        return u"a Jet 4.0 database"_s;
    case JetFormat::Newer:
        return u"an Access 2007 or later database"_s;
    }
    return {};
}

} // namespace bank
