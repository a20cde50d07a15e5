// The program with a Jet 4.0 bank beside it as aqc.dll: practice and examination run on the
// bank's copy in the cache folder, the answers are stored there, the Jet file stays as it was.
#include "examharness.h"
#include "jetbank.h"

#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"

#include <QCryptographicHash>
#include <QDirIterator>

using namespace Qt::Literals::StringLiterals;
using namespace exam;

namespace {

QByteArray checksum(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// The state of question `id` as the program's bank (the copy) holds it.
QVariant storedState(TrainerHarness &h, qint64 id) {
    bank::Connection connection;
    connection.setConnectionString(bank::BankConnectionString(h.folder(), u"\\aqc.dll"_s));
    connection.open();
    bank::RecordSet set;
    set.open(u"select state from shiti2012 where id="_s + QString::number(id), connection);
    return set.field(u"state"_s);
}

QList<fixture::Chapter> chapters() {
    QList<fixture::Chapter> chapters;
    for (qint64 id = 1; id <= 8; ++id)
        chapters.append({id, u"第%1章"_s.arg(id), id <= 7 ? 2 : 0});
    return chapters;
}

} // namespace

class JetBankProgramTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_cache;

    // The bank copies in the cache folder (where other libraries keep their own files too).
    qsizetype copies() const {
        qsizetype count = 0;
        for (QDirIterator it(m_cache.path(), {u"*.bank"_s}, QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext(); it.next())
            ++count;
        return count;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_cache.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
    }

    void practisesOnAJetBank() {
        TrainerHarness h;
        jetfixture::writeJetBank(h.bankPath(), chapters(), examBank());
        const QByteArray jet = checksum(h.bankPath());

        h.click(u"imgNav(0)"_s);
        QCOMPARE(h.text(u"lblAll"_s), u"50 题"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        h.click(u"imgAnswer(0)"_s); // right: automatic advance stores the answer
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        QCOMPARE(storedState(h, 1), QVariant(u"A"_s));

        QCOMPARE(checksum(h.bankPath()), jet);
        QCOMPARE(copies(), 1);
    }

    void examinesOnAJetBank() {
        TrainerHarness h;
        jetfixture::writeJetBank(h.bankPath(), chapters(), examBank());
        const QByteArray jet = checksum(h.bankPath());

        startExam(h);
        QCOMPARE(h.text(u"lblAll"_s), u"50 题"_s);
        for (int i = 0; i < 50; ++i)
            answer(h, true);
        ResultDialogs results;
        h.notices.answers = {true};
        h.click(u"imgCommit"_s);
        QCOMPARE(results.lines,
                 QList<QStringList>({{u"您的得分：100分！"_s, u"祝贺您通过考试！"_s}}));

        QCOMPARE(checksum(h.bankPath()), jet);
    }
};

QTEST_MAIN(JetBankProgramTest)
#include "tst_jetbank.moc"
