#include "fixturebank.h"

#include "bank/bankformat.h"
#include "bank/sqlite.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace fixture {

void writeBank(const QString &path, const QList<Chapter> &chapters,
               const QList<Question> &questions, const Keying &keying) {
    QFile::remove(path);
    bank::sqlite::Database db(path, bank::sqlite::Database::Mode::Create);
    bank::keyNewBank(db, keying.password);
    if (!keying.settings.isEmpty())
        db.exec(QString::fromUtf8(keying.settings));
    db.exec(bank::schemaSql());
    bank::sqlite::Transaction tx(db);
    bank::sqlite::Statement chapter(db, u"insert into zhangjie values (?,?,?)"_s);
    for (const Chapter &c : chapters) {
        chapter.bind(1, c.id);
        chapter.bind(2, c.name);
        chapter.bind(3, c.state);
        chapter.step();
        chapter.reset();
    }
    bank::sqlite::Statement question(db, u"insert into shiti2012 (id, question, ans1, ans2, ans3, "
                                         "ans4, ans, bmp, flash, txbz, state, zhangjie) "
                                         "values (?,?,?,?,?,?,?,?,?,?,?,?)"_s);
    for (const Question &q : questions) {
        const QVariant values[] = {q.id,  q.question, q.ans1,  q.ans2, q.ans3,  q.ans4,
                                   q.ans, q.bmp,      q.flash, q.type, q.state, q.chapter};
        for (int i = 0; i < 12; ++i)
            question.bind(i + 1, values[i]);
        question.step();
        question.reset();
    }
    tx.commit();
}

Question choice(qint64 id, qint64 chapter, const QString &ans) {
    const QString n = QString::number(id);
    Question q;
    q.id = id;
    q.chapter = chapter;
    q.question = QString(u"Q"_s + n);
    q.ans1 = QString(n + u"A"_s);
    q.ans2 = QString(n + u"B"_s);
    q.ans3 = QString(n + u"C"_s);
    q.ans4 = QString(n + u"D"_s);
    q.ans = ans;
    return q;
}

} // namespace fixture
