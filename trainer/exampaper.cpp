#include "exampaper.h"

#include "bank/connection.h"
#include "bank/error.h"
#include "bank/recordset.h"
#include "bank/wholenumber.h"

#include <QVariant>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// An id as the database returned it; anything but a whole number never reaches SQL.
qint64 idValue(const QVariant &id) {
    if (id.typeId() == QMetaType::LongLong)
        return id.toLongLong();
    if (const std::optional<QString> text = bank::wholeNumberText(id))
        return text->toLongLong();
    throw std::invalid_argument("question id is not a whole number");
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
        throw std::out_of_range("the pool holds fewer ids than its quota");
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
        throw std::out_of_range("empty id list");
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

void ComposeExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet,
                      const QString &connectionString, ShuffleRandom &random) {
    using bank::tryStep;
    tryStep([&] { rsSet.close(); });
    tryStep([&] { cnBank.close(); });
    tryStep([&] {
        cnBank.setConnectionString(connectionString);
        cnBank.open();
    });
    tryStep([&] { cnBank.execute(u"update shiti2012 set state=''"_s); });
    DrawExamPaper(cnBank, rsSet, random);
}

void DrawExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet, ShuffleRandom &random) {
    using bank::tryStep;
    QString list;
    for (const ChapterQuota &quota : kExamChapterQuotas)
        tryStep([&] { list += PickChapterIds(cnBank, quota.chapter, quota.count, random); });
    tryStep([&] { list = withoutLastComma(list); });
    tryStep([&] { list = ShuffleIdList(list, random); });
    tryStep([&] { list = PickMultiAnswerIds(cnBank, random) + list; });
    tryStep([&] { list = withoutLastComma(list); });
    tryStep([&] { rsSet.open(examPaperSql(list), cnBank); });
}

} // namespace trainer
