#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace bank {

// One table of a Jet file as stored: its column names and its rows, each value an invalid
// QVariant for Null, qint64 for whole-number columns, double for real-number columns and
// QString for everything else (text and memo exactly as stored, Chinese included).
struct JetTable {
    QStringList columns;
    QList<QVariantList> rows;

    // The index of the column named `name` without regard to case (as Jet matches names), or -1.
    qsizetype column(const QString &name) const;
};

// Reads the tables of a Jet 4.0 database file; never writes the file. The database password is
// not needed for reading. Throws Error (see jeterror.h) naming the file when it is no Jet 4.0
// file, is damaged or truncated, or lacks the table asked for.
class JetReader {
public:
    explicit JetReader(const QString &path);
    ~JetReader();
    JetReader(const JetReader &) = delete;
    JetReader &operator=(const JetReader &) = delete;

    QStringList tableNames() const;            // the user tables
    JetTable table(const QString &name) const; // the name matched without regard to case

private:
    struct Handle;
    QString m_path;
    std::unique_ptr<Handle> d;
};

} // namespace bank
