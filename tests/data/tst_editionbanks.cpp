// The editions' sample banks as built beside their programs: every examination paper composes,
// and every hand signal of the traffic police is asked about.
#include "catalogue.h"

#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "trainer/exampaper.h"
#include "trainer/shufflerandom.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestEditionBanks : public QObject {
    Q_OBJECT

private slots:
    void everyPaperComposes_data() { editions(); }
    void everyPaperComposes();
    void everyHandSignalIsAsked_data() { editions(); }
    void everyHandSignalIsAsked();

private:
    static void editions();
};

void TestEditionBanks::editions() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("bankFile");
    QTest::newRow("light") << QStringLiteral(SAFEDRIVE_LIGHT_DIR) << u"\\aqc.dll"_s;
    QTest::newRow("heavy") << QStringLiteral(SAFEDRIVE_HEAVY_DIR) << u"\\aqab.dll"_s;
}

// What tells one question from another: stems repeat across picture questions.
static QString questionKey(const bank::RecordSet &row) {
    QStringList parts;
    for (const QString &column :
         {u"question"_s, u"ans1"_s, u"ans2"_s, u"ans3"_s, u"ans4"_s, u"bmp"_s, u"flash"_s})
        parts.append(row.field(column).toString());
    return parts.join(u'\n');
}

static QSet<QString> questionsOfChapter(bank::Connection &connection, int chapter) {
    bank::RecordSet rows;
    rows.open(u"select question,ans1,ans2,ans3,ans4,bmp,flash from shiti2012 where zhangjie="_s +
                  QString::number(chapter),
              connection, bank::RecordSet::Cursor::ForwardOnly);
    QSet<QString> keys;
    for (; !rows.eof(); rows.moveNext())
        keys.insert(questionKey(rows));
    return keys;
}

void TestEditionBanks::everyPaperComposes() {
    QFETCH(QString, folder);
    QFETCH(QString, bankFile);
    const QString text = bank::BankConnectionString(folder, bankFile);

    bank::Connection probe;
    probe.setConnectionString(text);
    probe.open();
    const QSet<QString> unoffered = questionsOfChapter(probe, 8);
    QVERIFY2(!unoffered.isEmpty(), "the sample bank keeps a chapter that is not offered");
    probe.close();

    quint64 seed = 1;
    trainer::ShuffleRandom random([&seed] { return seed++; });
    bank::Connection cnBank;
    bank::RecordSet rsSet;
    for (int paper = 0; paper < 1000; ++paper) {
        trainer::ComposeExamPaper(cnBank, rsSet, text, random);
        QCOMPARE(rsSet.recordCount(), trainer::kExamQuestionCount);
        QSet<QString> drawn;
        for (rsSet.moveFirst(); !rsSet.eof(); rsSet.moveNext()) {
            const QString key = questionKey(rsSet);
            const bool multi = rsSet.field(u"txbz"_s).toString() == u"2"_s;
            QCOMPARE(multi, rsSet.absolutePosition() > 45);
            QVERIFY2(!unoffered.contains(key), qPrintable(key));
            drawn.insert(key);
        }
        QCOMPARE(drawn.size(), trainer::kExamQuestionCount);
    }
}

// One picture for each of the eight hand signals, and each picture the catalogue has for them is
// used by a question.
void TestEditionBanks::everyHandSignalIsAsked() {
    QFETCH(QString, folder);
    QFETCH(QString, bankFile);
    const QString prefix = u"police_gesture_"_s;
    bank::Connection connection;
    connection.setConnectionString(bank::BankConnectionString(folder, bankFile));
    connection.open();
    bank::RecordSet rows;
    rows.open(u"select bmp from shiti2012"_s, connection, bank::RecordSet::Cursor::ForwardOnly);
    QSet<QString> asked;
    for (; !rows.eof(); rows.moveNext()) {
        const QString name = rows.field(u"bmp"_s).toString().mid(1); // after the leading "\"
        if (name.startsWith(prefix))
            asked.insert(name);
    }
    QVERIFY2(asked.size() >= 8, qPrintable(QStringList(asked.begin(), asked.end()).join(u' ')));

    QString error;
    const auto catalogue = mediagen::readCatalogue(
        QStringLiteral(SAFEDRIVE_SOURCE_DIR) + u"/tools/mediagen/catalogue.txt"_s, &error);
    QVERIFY2(!catalogue.empty(), qPrintable(error));
    for (const QString &name : mediagen::namesOfKind(catalogue, u"picture"_s)) {
        if (name.startsWith(prefix))
            QVERIFY2(asked.contains(name), qPrintable(name + u" is asked by no question"_s));
    }
}

QTEST_GUILESS_MAIN(TestEditionBanks)
#include "tst_editionbanks.moc"
