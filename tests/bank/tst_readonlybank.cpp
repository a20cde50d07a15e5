// A bank that cannot be written still works for the whole run and its file stays untouched.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "fixturebank.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSequential = u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from "
                            "shiti2012 where zhangjie<=7 order by id asc"_s;

QByteArray checksum(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList states(bank::Connection &connection) {
    bank::RecordSet set;
    set.open(kSequential, connection);
    QStringList values;
    for (; !set.eof(); set.moveNext())
        values.append(set.field(u"state"_s).toString());
    return values;
}

} // namespace

class TestReadOnlyBank : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_bank;

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_bank = m_dir.filePath(u"aqc.dll"_s);
        QList<fixture::Question> questions;
        for (qint64 id = 1; id <= 3; ++id) {
            questions.append(fixture::choice(id, 1));
            questions.last().state = u"A"_s; // left from an earlier run
        }
        fixture::writeBank(m_bank, {{1, u"one"_s, 2}}, questions);
    }

    void cleanup() {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_bank, QFile::ReadOwner | QFile::WriteOwner);
    }

    void worksForTheRun_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("readOnly"); // whether this user is really kept from writing
        const bool root = ::geteuid() == 0; // permissions do not stop root
        QTest::newRow("Mode=Read") << u"mode"_s << true;
        QTest::newRow("read-only file") << u"file"_s << !root;
        QTest::newRow("read-only folder") << u"folder"_s << !root;
    }
    void worksForTheRun() {
        QFETCH(QString, how);
        QFETCH(bool, readOnly);
        QString text = bank::BankConnectionString(m_dir.path(), u"\\aqc.dll"_s);
        if (how == u"mode"_s)
            text += u";Mode=Read"_s;
        else if (how == u"file"_s)
            QVERIFY(QFile::setPermissions(m_bank, QFile::ReadOwner));
        else
            QVERIFY(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray before = checksum(m_bank);

        bank::Connection connection;
        connection.setConnectionString(text);
        connection.open();
        QCOMPARE(connection.isReadOnly(), readOnly);
        QCOMPARE(states(connection), QStringList(3, u"A"_s));
        connection.execute(u"update shiti2012 set state=''"_s);
        {
            bank::RecordSet set;
            set.open(kSequential, connection);
            set.setField(u"state"_s, u"B"_s);
            set.moveNext();
            set.setField(u"state"_s, u"CD"_s);
            set.moveFirst();
            QCOMPARE(set.field(u"state"_s).toString(), u"B"_s);
        }
        QCOMPARE(states(connection), (QStringList{u"B"_s, u"CD"_s, QString()}));
        connection.execute(u"update shiti2012 set state=''"_s);
        QCOMPARE(states(connection), QStringList(3, QString()));
        connection.close();

        if (!readOnly)
            return;
        QCOMPARE(checksum(m_bank), before);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"aqc.dll"_s});
        connection.open(); // the next run starts from the file again
        QCOMPARE(states(connection), QStringList(3, u"A"_s));
    }

    void chapterTableIsReadFromTheFile() {
        bank::Connection connection;
        connection.setConnectionString(bank::BankConnectionString(m_dir.path(), u"\\aqc.dll"_s) +
                                       u";mode=read"_s);
        connection.open();
        QVERIFY(connection.isReadOnly());
        bank::RecordSet chapters;
        chapters.open(u"select zhangjiename,zhangjieid from zhangjie where state=2 order by "
                      "zhangjieid asc"_s,
                      connection);
        QCOMPARE(chapters.recordCount(), 1);
        QCOMPARE(chapters.field(u"zhangjiename"_s).toString(), u"one"_s);
    }
};

QTEST_GUILESS_MAIN(TestReadOnlyBank)
#include "tst_readonlybank.moc"
