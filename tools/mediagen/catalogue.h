// The catalogue of pictures and clips (catalogue.txt): the one list of media names.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace mediagen {

struct CatalogueEntry {
    QString kind; // "picture" or "clip"
    QString name;
    QString caption;
};

// Reads the catalogue; on failure returns nothing and says why in error.
std::vector<CatalogueEntry> readCatalogue(const QString &path, QString *error);

// The names of one kind, in catalogue order.
QStringList namesOfKind(const std::vector<CatalogueEntry> &entries, const QString &kind);

} // namespace mediagen
