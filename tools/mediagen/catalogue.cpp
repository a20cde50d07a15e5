#include "catalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

std::vector<CatalogueEntry> readCatalogue(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = u"cannot read %1: %2"_s.arg(path, file.errorString());
        return {};
    }
    std::vector<CatalogueEntry> entries;
    QSet<QString> seen;
    int lineNumber = 0;
    static const QRegularExpression entryLine(uR"(^(picture|clip)\s+(\S+)\s+(.+)$)"_s);
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto match = entryLine.match(line);
        const bool suffixFits =
            match.hasMatch() &&
            match.captured(2).endsWith(match.captured(1) == u"clip"_s ? u".webm"_s : u".png"_s);
        if (!suffixFits || seen.contains(match.captured(2))) {
            *error = u"%1:%2: not a new \"picture|clip <name> <caption>\" line"_s.arg(path).arg(
                lineNumber);
            return {};
        }
        seen.insert(match.captured(2));
        entries.push_back({match.captured(1), match.captured(2), match.captured(3)});
    }
    return entries;
}

QStringList namesOfKind(const std::vector<CatalogueEntry> &entries, const QString &kind) {
    QStringList names;
    for (const auto &entry : entries)
        if (entry.kind == kind)
            names << entry.name;
    return names;
}

} // namespace mediagen
