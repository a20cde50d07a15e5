#include "bankfile.h"

#include "bank/bankformat.h"
#include "bank/error.h"
#include "bank/schema.h"
#include "bank/sqlite.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cmath>
#include <filesystem>

using namespace Qt::Literals::StringLiterals;
using bank::sqlite::Database;
using bank::sqlite::Statement;

namespace banktool {

namespace {

QVariant nullable(const std::optional<QString> &value) {
    return value ? QVariant(*value) : QVariant();
}

void writeRows(Database &db, const Bank &bank) {
    db.exec(bank::schemaSql());
    bank::sqlite::Transaction transaction(db);
    Statement chapter(db, u"insert into zhangjie (zhangjieid, zhangjiename, state) "
                          "values (?,?,?)"_s);
    for (const Chapter &c : bank.chapters) {
        chapter.bind(1, c.id);
        chapter.bind(2, c.name);
        chapter.bind(3, c.state);
        chapter.step();
        chapter.reset();
    }
    Statement question(db,
                       u"insert into shiti2012 (id, question, ans1, ans2, ans3, ans4, ans, "
                       "bmp, flash, txbz, state, zhangjie) values (?,?,?,?,?,?,?,?,?,?,'',?)"_s);
    for (const Question &q : bank.questions) {
        const QVariant values[] = {q.id,
                                   q.question,
                                   nullable(q.options[0]),
                                   nullable(q.options[1]),
                                   nullable(q.options[2]),
                                   nullable(q.options[3]),
                                   q.answer,
                                   nullable(q.picture),
                                   nullable(q.clip),
                                   q.type,
                                   q.chapter};
        for (int i = 0; i < int(std::size(values)); ++i)
            question.bind(i + 1, values[i]);
        question.step();
        question.reset();
    }
    transaction.commit();
}

// A whole number from an integer column, or nullopt when a foreign bank stored anything else.
std::optional<qint64> wholeNumber(const QVariant &value) {
    if (value.typeId() == QMetaType::LongLong)
        return value.toLongLong();
    if (value.typeId() == QMetaType::Double && std::trunc(value.toDouble()) == value.toDouble() &&
        std::fabs(value.toDouble()) <= 0x1p53)
        return qint64(value.toDouble());
    return std::nullopt;
}

std::optional<QString> nullableText(const QVariant &value) {
    return value.isValid() ? std::optional(value.toString()) : std::nullopt;
}

QString text(const QVariant &value) {
    return value.toString();
}

// Reads the whole-number columns of one row, recording each one that is not.
class RowReader {
public:
    RowReader(const Statement &statement, const QString &table, int row, QList<Problem> &problems)
        : m_statement(statement), m_where(u"%1 row %2"_s.arg(table).arg(row)),
          m_problems(problems) {}

    qint64 wholeNumber(int column) {
        const QVariant value = m_statement.column(column);
        const auto number = banktool::wholeNumber(value);
        if (!number) {
            m_problems.append({m_where, u"%1 \"%2\" is not a whole number"_s.arg(
                                            m_statement.columnName(column),
                                            value.isValid() ? value.toString() : u"Null"_s)});
            m_clean = false;
        }
        return number.value_or(0);
    }
    bool clean() const { return m_clean; }

private:
    const Statement &m_statement;
    QString m_where;
    QList<Problem> &m_problems;
    bool m_clean = true;
};

} // namespace

void writeBankFile(const Bank &bank, const QString &path) {
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + u"/."_s + target.fileName() + u".XXXXXX"_s);
    if (!temporary.open())
        throw bank::Error(0, u"cannot create a temporary file in %1: %2"_s.arg(
                                 target.absolutePath(), temporary.errorString()));
    temporary.close(); // the name stays reserved and is removed with the object
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    {
        Database db(temporary.fileName(), Database::Mode::ReadWrite);
        bank::keyNewBank(db, QLatin1String(bank::kBankPassword));
        writeRows(db, bank);
    }
    std::error_code error;
    std::filesystem::rename(QFileInfo(temporary.fileName()).filesystemFilePath(),
                            target.filesystemFilePath(), error);
    if (error)
        throw bank::Error(0, u"cannot replace %1: %2"_s.arg(
                                 path, QString::fromLocal8Bit(error.message().c_str())));
}

ReadBank readBankFile(const QString &path) {
    const auto opened =
        bank::openBankFile(path, QLatin1String(bank::kBankPassword), Database::Mode::ReadOnly);
    Database &db = *opened;
    ReadBank out;
    int row = 0;

    Statement chapters(db, u"select zhangjieid, zhangjiename, state from zhangjie "
                           "order by zhangjieid"_s);
    while (chapters.step()) {
        RowReader reader(chapters, u"zhangjie"_s, ++row, out.problems);
        Chapter chapter{reader.wholeNumber(0), text(chapters.column(1)), reader.wholeNumber(2)};
        if (reader.clean())
            out.bank.chapters.append(chapter);
    }

    // Every column the program reads or writes, so a bank missing one fails here.
    Statement questions(db, u"select id, zhangjie, txbz, question, ans1, ans2, ans3, ans4, ans, "
                            "bmp, flash, state from shiti2012 order by id"_s);
    row = 0;
    while (questions.step()) {
        RowReader reader(questions, u"shiti2012"_s, ++row, out.problems);
        Question question;
        question.id = reader.wholeNumber(0);
        question.chapter = reader.wholeNumber(1);
        question.type = text(questions.column(2));
        question.question = text(questions.column(3));
        for (int i = 0; i < 4; ++i)
            question.options[i] = nullableText(questions.column(4 + i));
        question.answer = text(questions.column(8));
        question.picture = nullableText(questions.column(9));
        question.clip = nullableText(questions.column(10));
        if (reader.clean())
            out.bank.questions.append(question);
    }
    return out;
}

} // namespace banktool
