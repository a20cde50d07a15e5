// Reopening a bank at every mode switch: an unchanged file answers exactly as a fresh open
// does, a file changed in between is read anew, and emptying the answers reaches every one.
#include "bank/bankformat.h"
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/keyderivation.h"
#include "bank/recordset.h"
#include "bank/schema.h"
#include "bank/sqlite.h"
#include "fixturebank.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString textFor(const QString &path) {
    return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + path +
           u";jet oledb:database password="_s + QLatin1String(bank::kBankPassword);
}

// What the trainer sees of a bank: each question's stem and answer, and a chapter's count.
struct View {
    QStringList stems;
    QStringList answers;
    int chapterTwo = 0;
    bool operator==(const View &) const = default;
};

View viewOf(bank::Connection &connection) {
    View view;
    bank::RecordSet set;
    set.open(u"select id,question,state from shiti2012 order by id asc"_s, connection);
    for (; !set.eof(); set.moveNext()) {
        view.stems.append(set.field(u"question"_s).toString());
        view.answers.append(set.field(u"state"_s).isValid() ? set.field(u"state"_s).toString()
                                                            : u"<null>"_s);
    }
    bank::RecordSet chapter;
    chapter.open(u"select id from shiti2012 where zhangjie=2"_s, connection,
                 bank::RecordSet::Cursor::Keyset);
    view.chapterTwo = chapter.recordCount();
    return view;
}

View openAndView(const QString &path) {
    bank::Connection connection;
    connection.setConnectionString(textFor(path));
    connection.open();
    return viewOf(connection);
}

QList<fixture::Question> questions(const QString &stemPrefix) {
    QList<fixture::Question> list;
    for (int id = 1; id <= 6; ++id) {
        fixture::Question q = fixture::choice(id, 1 + id % 2);
        q.question = QString(stemPrefix + QString::number(id));
        list.append(q);
    }
    return list;
}

// Another bank written over path in place (same file), its times put back as they were.
void copyOver(const QString &source, const QString &path) {
    QFile from(source);
    QVERIFY(from.open(QIODevice::ReadOnly));
    const QByteArray bytes = from.readAll();
    QFile to(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    QVERIFY(to.open(QIODevice::ReadWrite));
    QVERIFY(to.write(bytes) == bytes.size());
    QVERIFY(to.resize(bytes.size()));
    QVERIFY(to.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace

class TestReopen : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Opens and closes another bank, so that the next open of any other file starts cold.
    void openSomethingElse() {
        fixture::writeBank(path(u"other.dll"_s), {}, {fixture::choice(1, 1)});
        openAndView(path(u"other.dll"_s));
    }

private slots:
    void reopenKeepsAnswersAsAFreshOpen_data() {
        QTest::addColumn<QList<int>>("answered"); // positions answered, in this order
        QTest::addColumn<bool>("resetAfter");
        QTest::newRow("nothing answered") << QList<int>{} << false;
        QTest::newRow("two answers") << QList<int>{2, 3} << false;
        QTest::newRow("answers, then the mode switch") << QList<int>{1, 4, 6} << true;
        QTest::newRow("first and last, reset") << QList<int>{6, 1} << true;
    }
    void reopenKeepsAnswersAsAFreshOpen() {
        QFETCH(QList<int>, answered);
        QFETCH(bool, resetAfter);
        const QString bankPath = path(u"aqc.dll"_s);
        fixture::writeBank(bankPath, {{1, u"one"_s, 2}, {2, u"two"_s, 2}}, questions(u"Q"_s));

        QStringList expected(6, QString());
        {
            bank::Connection connection;
            connection.setConnectionString(textFor(bankPath));
            connection.open();
            connection.execute(u"update shiti2012 set state=''"_s);
            bank::RecordSet set;
            set.open(u"select id,state from shiti2012 order by id asc"_s, connection,
                     bank::RecordSet::Cursor::Keyset);
            for (int position : answered) {
                set.setAbsolutePosition(position);
                const QString answer = QString(QChar(u'A' + position % 4));
                set.setField(u"state"_s, answer);
                expected[position - 1] = answer;
            }
            // closing the connection stores the last answer
        }
        if (resetAfter) {
            bank::Connection connection;
            connection.setConnectionString(textFor(bankPath));
            connection.open();
            connection.execute(u"update shiti2012 set state=''"_s);
            expected.fill(QString());
        }

        const View reopened = openAndView(bankPath);
        QCOMPARE(openAndView(bankPath), reopened); // and once more on the same handle
        openSomethingElse();
        const View fresh = openAndView(bankPath);
        QCOMPARE(reopened, fresh);
        QCOMPARE(fresh.answers, expected);
        QCOMPARE(fresh.chapterTwo, 3);
    }

    void changedFileIsReadAnew_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("another bank copied over it, times put back") << u"other bank"_s;
        QTest::newRow("written through another handle") << u"written"_s;
        QTest::newRow("a changed copy moved over it") << u"moved copy"_s;
    }
    void changedFileIsReadAnew() {
        QFETCH(QString, change);
        const QString bankPath = path(u"changed.dll"_s);
        const QString copyPath = path(u"copy.dll"_s);
        fixture::writeBank(bankPath, {}, questions(u"Q"_s));
        QCOMPARE(openAndView(bankPath).stems.first(), u"Q1"_s); // leaves its handle behind

        const auto rewriteStems = [](const QString &file) {
            QFile salt(file);
            QVERIFY(salt.open(QIODevice::ReadOnly));
            bank::sqlite::Database writer(file, bank::sqlite::Database::Mode::ReadWrite);
            writer.key(bank::rawKeySpec(QLatin1String(bank::kBankPassword), salt.read(16)));
            bank::applyBankFormat(writer.handle());
            writer.exec(u"update shiti2012 set question='R'||id"_s);
        };
        if (change == u"other bank"_s) {
            fixture::writeBank(copyPath, {}, questions(u"R"_s));
            copyOver(copyPath, bankPath);
        } else if (change == u"written"_s) {
            rewriteStems(bankPath);
        } else {
            QFile::remove(copyPath);
            QVERIFY(QFile::copy(bankPath, copyPath));
            rewriteStems(copyPath);
            QVERIFY(QFile::remove(bankPath));
            QVERIFY(QFile::rename(copyPath, bankPath));
        }

        const View reopened = openAndView(bankPath);
        QCOMPARE(reopened.stems,
                 (QStringList{u"R1"_s, u"R2"_s, u"R3"_s, u"R4"_s, u"R5"_s, u"R6"_s}));
        openSomethingElse();
        QCOMPARE(openAndView(bankPath), reopened);
    }

    // The mode switch empties every answer, Null ones included, in our banks (which keep an
    // index of answered rows) and in banks of other tools (which do not).
    void resetEmptiesEveryAnswer_data() {
        QTest::addColumn<bool>("withIndex");
        QTest::newRow("bank of our tool") << true;
        QTest::newRow("bank without the index") << false;
    }
    void resetEmptiesEveryAnswer() {
        QFETCH(bool, withIndex);
        const QString bankPath = path(u"reset.dll"_s);
        QList<fixture::Question> rows = questions(u"Q"_s);
        rows[0].state = u"A"_s;
        rows[2].state = QVariant(); // Null
        rows[3].state = u"BC"_s;
        fixture::writeBank(bankPath, {}, rows);
        if (!withIndex) {
            bank::sqlite::Database db(bankPath, bank::sqlite::Database::Mode::ReadWrite);
            db.key(QByteArray(bank::kBankPassword));
            bank::applyBankFormat(db.handle());
            db.exec(u"drop index shiti2012_answered"_s);
        }
        bank::Connection connection;
        connection.setConnectionString(textFor(bankPath));
        connection.open();
        QCOMPARE(viewOf(connection).answers,
                 (QStringList{u"A"_s, u""_s, u"<null>"_s, u"BC"_s, u""_s, u""_s}));
        connection.execute(u"update shiti2012 set state=''"_s);
        QCOMPARE(viewOf(connection).answers, QStringList(6, QString()));
        connection.close();
        openSomethingElse();
        QCOMPARE(openAndView(bankPath).answers, QStringList(6, QString()));
    }
};

QTEST_GUILESS_MAIN(TestReopen)
#include "tst_reopen.moc"
