#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// A test-only writer of Jet 4.0 database files (the format of Access 2000-2003): just enough
// for a reader to find the catalogue, the tables, their columns and their rows. No indexes, no
// relationships, no encryption of pages. Never shipped: it exists so that tests and benchmarks
// have Jet files, which no program on these machines writes.
namespace jetfixture {

enum class ColumnType {
    Integer, // 16-bit signed
    Long,    // 32-bit signed
    Double,
    Text, // up to `maxChars` characters, held in a row
    Memo, // long text: in the row when short, else on long-value pages
    Ole,  // long binary; only Null is written (the catalogue's properties column)
};

struct Column {
    QString name;
    ColumnType type;
    int maxChars = 255; // Text only
};

// Rows hold one value per column: an invalid QVariant for Null, a number or a text.
struct Table {
    QString name;
    QList<Column> columns;
    QList<QVariantList> rows;
};

struct Database {
    QList<Table> tables;
    QString password; // the database password stored in the header; empty for none
};

// Writes the database to `path` (replacing it). Throws std::runtime_error when a row does not
// fit a page or a value does not fit its column.
void writeJetFile(const QString &path, const Database &database);

} // namespace jetfixture
