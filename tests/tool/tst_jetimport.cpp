// safedrive-bank on Jet banks: `import` turns one into a bank that `check` passes, `dump` and
// `check` read one directly, and the round trip Jet file -> reader -> SQLCipher copy -> dump gives
// back the bank that was written.
#include "bankfile.h"
#include "commands.h"
#include "jetbank.h"
#include "sourceparser.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

banktool::Bank sampleBank() {
    banktool::Bank bank;
    bank.chapters = {{1, u"道路交通安全法律、法规和规章"_s, 2}, {8, u"（未开放）"_s, 0}};
    banktool::Question single{1, 1, u"1"_s, u"这个标志是何含义？"_s, {}, u"1"_s, {}, {}};
    single.options[0] = u"停车让行"_s;
    single.options[1] = u"减速让行"_s;
    single.options[2] = u"会车让行"_s;
    single.options[3] = u"禁止通行"_s;
    single.picture = u"\\sign_stop.png"_s;
    banktool::Question trueFalse{2, 1, u"1"_s, QString(300, u'驾'), {}, u"2"_s, {}, {}};
    trueFalse.options[0] = u"正确"_s;
    trueFalse.options[1] = u"错误"_s;
    banktool::Question clip{3,  8,      u"3"_s, u"如动画所示，前轮爆胎时驾驶人应当怎样做？"_s,
                            {}, u"2"_s, {},     u"\\clip_tire_blowout.webm"_s};
    clip.options[0] = u"紧急制动"_s;
    clip.options[1] = u"握稳方向盘，缓慢减速"_s;
    clip.options[2] = u"迅速向一侧转向"_s;
    bank.questions = {single, trueFalse, clip};
    return bank;
}

QVariant nullable(const std::optional<QString> &value) {
    return value ? QVariant(*value) : QVariant();
}

void writeJet(const QString &path, const banktool::Bank &bank) {
    QList<fixture::Chapter> chapters;
    for (const banktool::Chapter &c : bank.chapters)
        chapters.append({c.id, c.name, c.state});
    QList<fixture::Question> questions;
    for (const banktool::Question &q : bank.questions) {
        fixture::Question row;
        row.id = q.id;
        row.chapter = q.chapter;
        row.type = q.type;
        row.question = q.question;
        row.ans1 = nullable(q.options[0]);
        row.ans2 = nullable(q.options[1]);
        row.ans3 = nullable(q.options[2]);
        row.ans4 = nullable(q.options[3]);
        row.ans = q.answer;
        row.bmp = nullable(q.picture);
        row.flash = nullable(q.clip);
        questions.append(row);
    }
    jetfixture::writeJetBank(path, chapters, questions);
}

QStringList files(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct Run {
    int status;
    QString out;
    QString err;
};

Run run(const QStringList &arguments) {
    Run result;
    QTextStream out(&result.out), err(&result.err);
    result.status = banktool::runCommand(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

} // namespace

class JetImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_jet;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_jet = path(u"aqc.mdb"_s);
        writeJet(m_jet, sampleBank());
    }

    void importMakesABankThatCheckPasses() {
        const QString out = path(u"imported.dll"_s);
        const Run import = run({u"import"_s, m_jet, out});
        QCOMPARE(import.err, QString());
        QCOMPARE(import.out, out + u": no problems in 2 chapters and 3 questions\n"_s);
        QCOMPARE(import.status, int(banktool::Success));
        QCOMPARE(banktool::readBankFile(out).bank, sampleBank());
    }

    // Jet file -> reader -> SQLCipher copy -> dump -> the source that was written.
    void dumpOfAJetBankGivesBackWhatWasWritten() {
        const QStringList before = files(m_dir.path());
        const Run dump = run({u"dump"_s, m_jet});
        QCOMPARE(dump.err, QString());
        QCOMPARE(dump.status, int(banktool::Success));
        const banktool::ParsedSource parsed = banktool::parseSource(dump.out.toUtf8());
        QCOMPARE(parsed.problems, QList<banktool::Problem>());
        QCOMPARE(parsed.bank, sampleBank());
        QCOMPARE(files(m_dir.path()), before); // the copy lived in a temporary folder
    }

    void checkReadsAJetBank() {
        const Run check = run({u"check"_s, m_jet});
        QCOMPARE(check.status, int(banktool::Success));
        QCOMPARE(check.out, m_jet + u": no problems in 2 chapters and 3 questions\n"_s);
    }

    void importFailuresNameTheFileAndWriteNothing_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("error");
        QTest::newRow("not an Access file")
            << u"text.dll"_s
            << u"text.dll: cannot import the bank: Unrecognized database format 'text.dll': not "
               "an Access database; only Jet 4.0 banks are read\n"_s;
        QTest::newRow("no chapter table")
            << u"nochapters.mdb"_s
            << u"nochapters.mdb: cannot import the bank: The bank 'nochapters.mdb' has no "
               "table 'zhangjie'\n"_s;
    }
    void importFailuresNameTheFileAndWriteNothing() {
        QFETCH(QString, input);
        QFETCH(QString, error);
        QFile text(path(u"text.dll"_s));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a bank") > 0);
        text.close();
        jetfixture::Database noChapters = jetfixture::questionBank({}, {});
        noChapters.tables.removeLast();
        jetfixture::writeJetFile(path(u"nochapters.mdb"_s), noChapters);

        const QStringList before = files(m_dir.path());
        const QString out = path(u"out.dll"_s);
        const Run import = run({u"import"_s, path(input), out});
        QCOMPARE(import.status, int(banktool::Failure));
        QCOMPARE(import.err, QString(error).replace(input, path(input)));
        QCOMPARE(files(m_dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(JetImportTest)
#include "tst_jetimport.moc"
