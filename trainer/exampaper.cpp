#include "exampaper.h"

#include "bank/connection.h"
#include "bank/recordset.h"
#include "core/error.h"
#include "core/guard.h"
#include "core/log.h"
#include "core/wholenumber.h"

#include <QVariant>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// An id as the database returned it; anything but a whole number never reaches SQL.
qint64 idValue(const QVariant &id) {
    if (id.typeId() == QMetaType::LongLong)
        return id.toLongLong();
    if (const std::optional<QString> text = core::wholeNumberText(id))
        return text->toLongLong();
    throw core::Error(errors::TypeMismatch, u"question id is not a whole number"_s);
}

// The ids a query returns, in the order the database returns them; the pool closes itself.
QList<qint64> readIds(bank::Connection &connection, const QString &sql) {
    bank::RecordSet pool;
    pool.open(sql, connection, bank::RecordSet::Cursor::ForwardOnly);
    QList<qint64> ids;
    const QString id = u"id"_s;
    while (!pool.eof()) {
        ids.append(idValue(pool.field(id)));
        pool.moveNext();
    }
    return ids;
}

// The first count ids of a shuffled pool, each followed by ",".
QString firstIds(const QList<qint64> &shuffled, qint16 count) {
    if (count > shuffled.size())
        throw core::Error(errors::SubscriptOutOfRange,
                          u"the pool holds fewer ids than its quota"_s);
    QString list;
    for (qsizetype i = 0; i < count; ++i)
        list += QString::number(shuffled[i]) + u',';
    return list;
}

QString pickIds(bank::Connection &connection, const QString &sql, qint16 count,
                ShuffleRandom &random) {
    return firstIds(ShuffleArray(readIds(connection, sql), random), count);
}

QString withoutLastComma(const QString &list) {
    if (list.isEmpty())
        throw core::Error(errors::SubscriptOutOfRange, u"empty id list"_s);
    return list.chopped(1);
}

} // namespace

QString PickChapterIds(bank::Connection &connection, qint16 chapter, qint16 count,
                       ShuffleRandom &random) {
    return pickIds(connection,
                   u"select id from shiti2012 where zhangjie="_s + QString::number(chapter) +
                       u" and txbz<>'2'"_s,
                   count, random);
}

QString PickMultiAnswerIds(bank::Connection &connection, ShuffleRandom &random) {
    return pickIds(connection, u"select id from shiti2012 where zhangjie<=7 and txbz='2'"_s,
                   kExamMultiAnswerCount, random);
}

std::exception_ptr ReopenBank(bank::Connection &cnBank, const QString &connectionString,
                              bool resetAnswers) {
    std::exception_ptr first;
    const auto step = [&](const char *name, auto &&body) {
        const core::StepOutcome outcome = core::tryStep(core::lcTrainer(), name, body);
        if (!first)
            first = outcome.failure;
    };
    step("closing the bank", [&] { cnBank.close(); });
    step("opening the bank", [&] {
        cnBank.setConnectionString(connectionString);
        cnBank.open();
    });
    if (resetAnswers)
        step("resetting the answers", [&] { cnBank.execute(u"update shiti2012 set state=''"_s); });
    return first;
}

std::exception_ptr ComposeExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet,
                                    const QString &connectionString, ShuffleRandom &random) {
    core::tryStep(core::lcTrainer(), "closing the paper", [&] { rsSet.close(); });
    std::exception_ptr failure = ReopenBank(cnBank, connectionString);
    DrawExamPaper(cnBank, rsSet, random);
    return failure;
}

void DrawExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet, ShuffleRandom &random) {
    QString list;
    for (const ChapterQuota &quota : kExamChapterQuotas)
        core::tryStep(core::lcTrainer(), "picking a chapter",
                      [&] { list += PickChapterIds(cnBank, quota.chapter, quota.count, random); });
    core::tryStep(core::lcTrainer(), "dropping the last comma",
                  [&] { list = withoutLastComma(list); });
    core::tryStep(core::lcTrainer(), "shuffling the paper",
                  [&] { list = ShuffleIdList(list, random); });
    core::tryStep(core::lcTrainer(), "picking the multi-answer questions",
                  [&] { list = PickMultiAnswerIds(cnBank, random) + list; });
    core::tryStep(core::lcTrainer(), "dropping the last comma",
                  [&] { list = withoutLastComma(list); });
    core::tryStep(core::lcTrainer(), "opening the paper",
                  [&] { rsSet.open(examPaperSql(list), cnBank); });
}

} // namespace trainer
