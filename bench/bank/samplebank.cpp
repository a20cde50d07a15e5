#include "samplebank.h"

#include "bank/schema.h"
#include "bank/sqlite.h"

#include <QFile>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace {

// A text of Chinese characters of a length between min and max.
QString chineseText(QRandomGenerator &random, int min, int max) {
    QString text;
    const int length = random.bounded(min, max + 1);
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(QChar(char16_t(0x4E00 + random.bounded(0x2000))));
    return text;
}

} // namespace

void writeSampleBank(const QString &path, int questions) {
    QFile::remove(path);
    QRandomGenerator random{quint32(questions)}; // the same bank for the same size
    bank::sqlite::Database db(path, bank::sqlite::Database::Mode::Create);
    db.key(QByteArray(bank::kBankPassword));
    db.exec(bank::schemaSql());
    bank::sqlite::Transaction tx(db);
    bank::sqlite::Statement chapter(db, u"insert into zhangjie values (?,?,?)"_s);
    for (int c = 1; c <= 8; ++c) {
        chapter.bind(1, c);
        chapter.bind(2, chineseText(random, 4, 12));
        chapter.bind(3, c <= 7 ? 2 : 1);
        chapter.step();
        chapter.reset();
    }
    bank::sqlite::Statement insert(db, u"insert into shiti2012 (id, question, ans1, ans2, ans3, "
                                       "ans4, ans, bmp, flash, txbz, state, zhangjie) "
                                       "values (?,?,?,?,?,?,?,?,?,?,'',?)"_s);
    for (int id = 1; id <= questions; ++id) {
        const int kind = random.bounded(100);
        const QString type = kind < 70 ? u"1"_s : kind < 85 ? u"2"_s : u"3"_s;
        insert.bind(1, id);
        insert.bind(2, chineseText(random, 20, 60));
        for (int option = 0; option < 4; ++option)
            insert.bind(3 + option, chineseText(random, 2, 24));
        insert.bind(7, type == u"2"_s ? u"134"_s : QString::number(1 + random.bounded(4)));
        const bool picture = random.bounded(10) < 3;
        insert.bind(8, picture ? QVariant(u"\\"_s + QString::number(id) + u".png"_s) : QVariant());
        const bool clip = type == u"3"_s;
        insert.bind(9, clip ? QVariant(u"\\"_s + QString::number(id) + u".webm"_s) : QVariant());
        insert.bind(10, type);
        insert.bind(11, random.bounded(100) < 95 ? 1 + random.bounded(7) : 8);
        insert.step();
        insert.reset();
    }
    tx.commit();
}
