#include "bankfile.h"

#include "bank/bankformat.h"
#include "bank/bankwriter.h"
#include "bank/error.h"
#include "bank/schema.h"
#include "bank/sqlite.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using bank::sqlite::Database;
using bank::sqlite::Statement;

namespace banktool {

namespace {

QVariant nullable(const std::optional<QString> &value) {
    return value ? QVariant(*value) : QVariant();
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

// Whether the question table has the explanation columns, which older banks lack.
bool hasExplanationColumns(Database &db) {
    Statement columns(db, u"pragma table_info(shiti2012)"_s);
    QStringList names;
    while (columns.step())
        names.append(columns.column(1).toString());
    return names.contains(u"jiexi"_s) && names.contains(u"yiju"_s);
}

} // namespace

void writeBankFile(const Bank &bank, const QString &path) {
    bank::BankRows rows;
    for (const Chapter &c : bank.chapters)
        rows.chapters.append({c.id, c.name, c.state});
    for (const Question &q : bank.questions)
        rows.questions.append({q.id, q.question, nullable(q.options[0]), nullable(q.options[1]),
                               nullable(q.options[2]), nullable(q.options[3]), q.answer,
                               nullable(q.picture), nullable(q.clip), q.type, QString(), q.chapter,
                               nullable(q.explanation), nullable(q.basis)});
    bank::writeBankRows(rows, path, QLatin1String(bank::kBankPassword));
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

    // Every column the program reads or writes, so a bank missing one fails here; the
    // explanation columns only where the bank has them.
    out.bank.explained = hasExplanationColumns(db);
    const QString explanations = out.bank.explained ? u"jiexi, yiju"_s : u"null, null"_s;
    Statement questions(db, u"select id, zhangjie, txbz, question, ans1, ans2, ans3, ans4, ans, "
                            "bmp, flash, state, "_s +
                                explanations + u" from shiti2012 order by id"_s);
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
        question.explanation = nullableText(questions.column(12));
        question.basis = nullableText(questions.column(13));
        if (reader.clean())
            out.bank.questions.append(question);
    }
    return out;
}

} // namespace banktool
