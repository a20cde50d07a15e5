#include "bankquestions.h"

#include "bank/connection.h"
#include "bank/recordset.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

QList<progress::QuestionRef> readBankQuestions(const QString &connectionString) {
    bank::Connection connection;
    connection.setConnectionString(connectionString);
    connection.open();
    bank::RecordSet rows;
    rows.open(u"select id,zhangjie,question,ans1,ans2,ans3,ans4,answer from shiti2012"_s,
              connection, bank::RecordSet::Cursor::ForwardOnly);
    QList<progress::QuestionRef> questions;
    for (; !rows.eof(); rows.moveNext()) {
        const QStringList options = {rows.field(u"ans1"_s).toString(),
                                     rows.field(u"ans2"_s).toString(),
                                     rows.field(u"ans3"_s).toString(),
                                     rows.field(u"ans4"_s).toString()};
        questions.append({{rows.field(u"id"_s).toLongLong(),
                           progress::questionHash(rows.field(u"question"_s).toString(), options,
                                                  rows.field(u"answer"_s).toString())},
                          rows.field(u"zhangjie"_s).toInt()});
    }
    return questions;
}

QHash<qint64, progress::QuestionRef> byBankId(const QList<progress::QuestionRef> &questions) {
    QHash<qint64, progress::QuestionRef> index;
    index.reserve(questions.size());
    for (const progress::QuestionRef &question : questions)
        index.insert(question.identity.bankId, question);
    return index;
}

} // namespace trainer
