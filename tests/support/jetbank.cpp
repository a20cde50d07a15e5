#include "jetbank.h"

#include "bank/schema.h"

using namespace Qt::Literals::StringLiterals;

namespace jetfixture {

Database questionBank(const bank::BankRows &rows) {
    const Table shiti{u"shiti2012"_s,
                      {{u"id"_s, ColumnType::Long},
                       {u"question"_s, ColumnType::Memo},
                       {u"ans1"_s, ColumnType::Text},
                       {u"ans2"_s, ColumnType::Text},
                       {u"ans3"_s, ColumnType::Text},
                       {u"ans4"_s, ColumnType::Text},
                       {u"ans"_s, ColumnType::Text, 10},
                       {u"bmp"_s, ColumnType::Text, 100},
                       {u"flash"_s, ColumnType::Text, 100},
                       {u"txbz"_s, ColumnType::Text, 2},
                       {u"state"_s, ColumnType::Text, 10},
                       {u"zhangjie"_s, ColumnType::Long}},
                      rows.questions};
    const Table zhangjie{u"zhangjie"_s,
                         {{u"zhangjieid"_s, ColumnType::Long},
                          {u"zhangjiename"_s, ColumnType::Text, 100},
                          {u"state"_s, ColumnType::Integer}},
                         rows.chapters};
    return {{shiti, zhangjie}, QLatin1String(bank::kBankPassword)};
}

Database questionBank(const QList<fixture::Chapter> &chapters,
                      const QList<fixture::Question> &questions) {
    bank::BankRows rows;
    for (const fixture::Chapter &c : chapters)
        rows.chapters.append({c.id, c.name, c.state});
    for (const fixture::Question &q : questions)
        rows.questions.append({q.id, q.question, q.ans1, q.ans2, q.ans3, q.ans4, q.ans, q.bmp,
                               q.flash, q.type, q.state, q.chapter});
    return questionBank(rows);
}

void writeJetBank(const QString &path, const QList<fixture::Chapter> &chapters,
                  const QList<fixture::Question> &questions) {
    writeJetFile(path, questionBank(chapters, questions));
}

} // namespace jetfixture
