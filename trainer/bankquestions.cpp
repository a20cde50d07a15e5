#include "bankquestions.h"

#include "bank/connection.h"
#include "bank/recordset.h"
#include "trainer/answers.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

QList<progress::QuestionRef> readBankQuestions(const QString &connectionString) {
    bank::Connection connection;
    connection.setConnectionString(connectionString);
    connection.open();
    bank::RecordSet rows;
    // The chapters every practice set offers; the hidden ones are never asked.
    rows.open(u"select id,zhangjie,question,ans1,ans2,ans3,ans4,ans from shiti2012 "
              "where zhangjie<=7"_s,
              connection, bank::RecordSet::Cursor::ForwardOnly);
    QList<progress::QuestionRef> questions;
    for (; !rows.eof(); rows.moveNext()) {
        const QStringList options = {
            rows.field(u"ans1"_s).toString(), rows.field(u"ans2"_s).toString(),
            rows.field(u"ans3"_s).toString(), rows.field(u"ans4"_s).toString()};
        questions.append({{rows.field(u"id"_s).toLongLong(),
                           progress::questionHash(rows.field(u"question"_s).toString(), options,
                                                  rows.field(u"ans"_s).toString())},
                          rows.field(u"zhangjie"_s).toInt()});
    }
    return questions;
}

QHash<qint64, PaperLine> readPaperLines(const QString &connectionString, const QList<qint64> &ids) {
    QStringList list{u"-1"_s};
    for (const qint64 id : ids)
        list << QString::number(id);
    bank::Connection connection;
    connection.setConnectionString(connectionString);
    connection.open();
    bank::RecordSet rows;
    rows.open(u"select id,question,ans from shiti2012 where id in("_s + list.join(u',') + u')',
              connection, bank::RecordSet::Cursor::ForwardOnly);
    QHash<qint64, PaperLine> lines;
    for (; !rows.eof(); rows.moveNext())
        lines.insert(rows.field(u"id"_s).toLongLong(),
                     {rows.field(u"question"_s).toString(),
                      RightAnswerLetters(rows.field(u"ans"_s).toString())});
    return lines;
}

} // namespace trainer
