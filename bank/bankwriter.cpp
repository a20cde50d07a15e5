#include "bankwriter.h"

#include "bankformat.h"
#include "error.h"
#include "schema.h"
#include "sqlite.h"

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <span>

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

template <class... Columns>
void insertRows(sqlite::Database &db, const QString &table, const QList<QVariantList> &rows,
                const Columns &...columns) {
    QStringList names;
    for (const auto &list : {std::span<const char *const>(columns)...})
        for (const char *column : list)
            names.append(QLatin1String(column));
    const QString marks = QStringList(names.size(), u"?"_s).join(u',');
    sqlite::Statement insert(
        db, u"insert into %1 (%2) values (%3)"_s.arg(table, names.join(u", "_s), marks));
    for (const QVariantList &row : rows) {
        for (int i = 0; i < names.size(); ++i)
            insert.bind(i + 1, row.value(i));
        insert.step();
        insert.reset();
    }
}

} // namespace

void writeBankRows(const BankRows &rows, const QString &path, const QString &password) {
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + u"/."_s + target.fileName() + u".XXXXXX"_s);
    if (!temporary.open())
        throw Error(SQLITE_CANTOPEN, u"cannot create a temporary file in %1: %2"_s.arg(
                                         target.absolutePath(), temporary.errorString()));
    temporary.close(); // the name stays reserved and is removed with the object
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    {
        sqlite::Database db(temporary.fileName(), sqlite::Database::Mode::ReadWrite);
        keyNewBank(db, password);
        db.exec(schemaSql());
        sqlite::Transaction transaction(db);
        insertRows(db, u"zhangjie"_s, rows.chapters, kChapterColumns);
        // Explanations are stored where the rows have them (our sources), not for a Jet copy.
        const bool explained = std::any_of(
            rows.questions.cbegin(), rows.questions.cend(),
            [](const QVariantList &row) { return row.size() > qsizetype(kQuestionColumns.size()); });
        if (explained) {
            for (const char *column : kExplanationColumns)
                db.exec(u"alter table shiti2012 add column %1 text"_s.arg(QLatin1String(column)));
            insertRows(db, u"shiti2012"_s, rows.questions, kQuestionColumns, kExplanationColumns);
        } else {
            insertRows(db, u"shiti2012"_s, rows.questions, kQuestionColumns);
        }
        transaction.commit();
    }
    std::error_code error;
    std::filesystem::rename(QFileInfo(temporary.fileName()).filesystemFilePath(),
                            target.filesystemFilePath(), error);
    if (error)
        throw Error(SQLITE_CANTOPEN, u"cannot replace %1: %2"_s.arg(
                                         path, QString::fromLocal8Bit(error.message().c_str())));
}

} // namespace bank
