// The command line: every usage and input error with its message and exit status, in process;
// and the built program itself, through QProcess, for its exit statuses.
#include "bankfile.h"
#include "commands.h"
#include "sourceparser.h"

#include "bank/bankformat.h"
#include "bank/schema.h"
#include "bank/sqlite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kSound = R"({
  "chapters": [ { "id": 1, "name": "第一章", "state": 2 } ],
  "questions": [
    { "id": 1, "chapter": 1, "type": 1, "question": "q1", "options": ["正确", "错误"],
      "answer": "1", "picture": "p.png", "explanation": "e1", "basis": "b1" },
    { "id": 2, "chapter": 1, "type": 3, "question": "q2", "options": ["a", "b", "c"],
      "answer": "3", "clip": "c.webm", "explanation": "e2", "basis": "b2" }
  ]
})";

// Two problems the format checks and two the bank checks.
const QByteArray kBroken = R"({
  "chapters": [ { "id": 1, "name": "第一章", "state": 2 } ],
  "questions": [
    { "id": 1, "chapter": "1", "type": 1, "question": "q1", "options": ["a", "b"] },
    { "id": 2, "chapter": 1, "type": 1, "question": "q2", "options": ["正确", "错误"], "answer": "3",
      "basis": "b2" }
  ]
})";

void write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList files(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Fills `<dir>` in with the test folder.
    QStringList resolve(QStringList texts) const {
        for (QString &text : texts)
            text.replace(u"<dir>"_s, m_dir.path());
        return texts;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        write(path(u"sound.json"_s), kSound);
        write(path(u"broken.json"_s), kBroken);
        write(path(u"text.dll"_s), "not a bank");
        QVERIFY(QDir().mkpath(path(u"pictures"_s)) && QDir().mkpath(path(u"clips"_s)));
        write(path(u"pictures/p.png"_s), "png");
        write(path(u"clips/c.webm"_s), "webm");
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(banktool::runCommand({u"build"_s, path(u"sound.json"_s), path(u"sound.dll"_s)},
                                      outStream, errStream),
                 banktool::Success);
        // Written past build's checks: a bank of ours whose question 2 has no explanation.
        banktool::Bank unexplained = banktool::parseSource(kSound).bank;
        unexplained.questions[1].explanation = std::nullopt;
        banktool::writeBankFile(unexplained, path(u"unexplained.dll"_s));
    }

    void commandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QString>("firstErrorLine");
        auto row = [](const char *name, const QStringList &arguments, int status,
                      const QStringList &out, const QString &firstErrorLine) {
            QTest::newRow(name) << arguments << status << out << firstErrorLine;
        };
        const int usage = banktool::Usage;
        const int failure = banktool::Failure;
        row("no command", {}, usage, {}, u"safedrive-bank: a command is missing"_s);
        row("unknown command", {u"make"_s}, usage, {},
            u"safedrive-bank: unknown command \"make\""_s);
        row("build without OUT", {u"build"_s, u"<dir>/sound.json"_s}, usage, {},
            u"safedrive-bank: build expects SOURCE.json and OUT"_s);
        row("dump without BANK", {u"dump"_s}, usage, {}, u"safedrive-bank: dump expects a BANK"_s);
        row("dump with two banks", {u"dump"_s, u"a"_s, u"b"_s}, usage, {},
            u"safedrive-bank: dump expects a BANK"_s);
        row("check without BANK", {u"check"_s}, usage, {},
            u"safedrive-bank: check expects a BANK"_s);
        row("check with an option first", {u"check"_s, u"--media"_s, u"<dir>"_s}, usage, {},
            u"safedrive-bank: check expects a BANK"_s);
        row("check option without folder", {u"check"_s, u"<dir>/sound.dll"_s, u"--media"_s}, usage,
            {}, u"safedrive-bank: check: --media expects a folder"_s);
        row("check unknown option", {u"check"_s, u"<dir>/sound.dll"_s, u"--colour"_s, u"x"_s},
            usage, {}, u"safedrive-bank: check: unknown argument \"--colour\""_s);
        row("check missing folder",
            {u"check"_s, u"<dir>/sound.dll"_s, u"--clips"_s, u"<dir>/none"_s}, usage, {},
            u"safedrive-bank: check: --clips folder \"<dir>/none\" does not exist"_s);
        row("build unreadable source", {u"build"_s, u"<dir>/none.json"_s, u"<dir>/none.dll"_s},
            failure, {}, u"<dir>/none.json: cannot read: No such file or directory"_s);
        row("build broken source", {u"build"_s, u"<dir>/broken.json"_s, u"<dir>/broken.dll"_s},
            failure, {}, u"<dir>/broken.json: question 1: \"chapter\" must be a whole number"_s);
        row("build into a missing folder",
            {u"build"_s, u"<dir>/sound.json"_s, u"<dir>/none/out.dll"_s}, failure, {},
            u"<dir>/none/out.dll: cannot write the bank: cannot create a temporary file in "
            "<dir>/none: No such file or directory"_s);
        row("dump missing bank", {u"dump"_s, u"<dir>/none.dll"_s}, failure, {},
            u"<dir>/none.dll: cannot read the bank: Could not find file '<dir>/none.dll'"_s);
        row("dump a file that is not a bank", {u"dump"_s, u"<dir>/text.dll"_s}, failure, {},
            u"<dir>/text.dll: cannot read the bank: Not a question bank: '<dir>/text.dll'"_s);
        row("check a file that is not a bank", {u"check"_s, u"<dir>/text.dll"_s}, failure, {},
            u"<dir>/text.dll: cannot read the bank: Not a question bank: '<dir>/text.dll'"_s);
        row("check without media", {u"check"_s, u"<dir>/sound.dll"_s}, banktool::Success,
            {u"<dir>/sound.dll: no problems in 1 chapters and 2 questions"_s}, QString());
        row("check with both folders",
            {u"check"_s, u"<dir>/sound.dll"_s, u"--media"_s, u"<dir>/pictures"_s, u"--clips"_s,
             u"<dir>/clips"_s},
            banktool::Success, {u"<dir>/sound.dll: no problems in 1 chapters and 2 questions"_s},
            QString());
        row("check a bank with a question unexplained", {u"check"_s, u"<dir>/unexplained.dll"_s},
            failure, {u"<dir>/unexplained.dll: question 2: \"explanation\" is missing"_s},
            QString());
        row("clips looked for among the pictures without --clips",
            {u"check"_s, u"<dir>/sound.dll"_s, u"--media"_s, u"<dir>/pictures"_s}, failure,
            {u"<dir>/sound.dll: question 2: clip \"c.webm\" is missing from <dir>/pictures"_s},
            QString());
        row("pictures missing from the clips folder",
            {u"check"_s, u"<dir>/sound.dll"_s, u"--media"_s, u"<dir>/clips"_s}, failure,
            {u"<dir>/sound.dll: question 1: picture \"p.png\" is missing from <dir>/clips"_s},
            QString());
    }
    void commandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, out);
        QFETCH(QString, firstErrorLine);
        const QStringList before = files(m_dir.path());
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(banktool::runCommand(resolve(arguments), outStream, errStream), status);
        outStream.flush();
        errStream.flush();
        QCOMPARE(outText.split(u'\n', Qt::SkipEmptyParts), resolve(out));
        QCOMPARE(errText.section(u'\n', 0, 0), resolve({firstErrorLine}).first());
        if (status == banktool::Usage)
            QVERIFY(errText.contains(u"usage: safedrive-bank build SOURCE.json OUT"_s));
        QCOMPARE(files(m_dir.path()), before); // nothing written by a failing or reading command
    }

    // Every problem of a broken source, one line each.
    void buildReportsEveryProblem() {
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(banktool::runCommand({u"build"_s, path(u"broken.json"_s), path(u"b.dll"_s)},
                                      outStream, errStream),
                 banktool::Failure);
        errStream.flush();
        const QString source = path(u"broken.json"_s);
        QCOMPARE(errText.split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{source + u": question 1: \"chapter\" must be a whole number"_s,
                              source + u": question 1: \"answer\" is missing"_s,
                              source + u": question 2: answer digit \"3\" names empty option C"_s,
                              source + u": question 2: \"explanation\" is missing"_s}));
    }

    // The built program, run for real: its exit statuses and what it leaves behind.
    void programExitStatuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("usage") << QStringList{u"build"_s} << int(banktool::Usage);
        QTest::newRow("broken source")
            << QStringList{u"build"_s, u"<dir>/broken.json"_s, u"<dir>/p.dll"_s}
            << int(banktool::Failure);
        QTest::newRow("sound source")
            << QStringList{u"build"_s, u"<dir>/sound.json"_s, u"<dir>/p.dll"_s}
            << int(banktool::Success);
        QTest::newRow("check of the bank just built")
            << QStringList{u"check"_s,          u"<dir>/p.dll"_s, u"--media"_s,
                           u"<dir>/pictures"_s, u"--clips"_s,     u"<dir>/clips"_s}
            << int(banktool::Success);
        QTest::newRow("check with clips missing")
            << QStringList{u"check"_s, u"<dir>/p.dll"_s, u"--media"_s, u"<dir>/pictures"_s}
            << int(banktool::Failure);
        QTest::newRow("dump") << QStringList{u"dump"_s, u"<dir>/p.dll"_s} << int(banktool::Success);
        QTest::newRow("dump of a non-bank")
            << QStringList{u"dump"_s, u"<dir>/text.dll"_s} << int(banktool::Failure);
    }
    void programExitStatuses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QProcess program;
        program.start(QStringLiteral(SAFEDRIVE_BANK_EXE), resolve(arguments));
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
    }

    // The dump printed by the program builds the same bank again.
    void programDumpBuildsAgain() {
        QProcess dump;
        dump.setStandardOutputFile(path(u"dumped.json"_s));
        dump.start(QStringLiteral(SAFEDRIVE_BANK_EXE), {u"dump"_s, path(u"sound.dll"_s)});
        QVERIFY(dump.waitForFinished(60000) && dump.exitCode() == 0);
        QString outText, errText;
        QTextStream outStream(&outText), errStream(&errText);
        QCOMPARE(banktool::runCommand({u"build"_s, path(u"dumped.json"_s), path(u"again.dll"_s)},
                                      outStream, errStream),
                 banktool::Success);
        QProcess redump;
        redump.start(QStringLiteral(SAFEDRIVE_BANK_EXE), {u"dump"_s, path(u"again.dll"_s)});
        QVERIFY(redump.waitForFinished(60000));
        QFile dumped(path(u"dumped.json"_s));
        QVERIFY(dumped.open(QIODevice::ReadOnly));
        QCOMPARE(redump.readAllStandardOutput(), dumped.readAll());
    }

    // A bank keyed with another password is reported in one line naming the file, with no
    // word from SQLCipher itself (4.x logs each failed key to stderr unless told not to).
    void programReportsForeignBankInOneLine() {
        const QString foreign = path(u"foreign.dll"_s);
        {
            bank::sqlite::Database db(foreign, bank::sqlite::Database::Mode::Create);
            bank::keyNewBank(db, u"another password"_s);
            db.exec(bank::schemaSql());
        }
        QProcess program;
        program.start(QStringLiteral(SAFEDRIVE_BANK_EXE), {u"dump"_s, foreign});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), int(banktool::Failure));
        const QStringList lines =
            QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(foreign +
                                          u": cannot read the bank: Not a question bank, "
                                          "or not keyed with its password: '"_s +
                                          foreign + u"' (tried "_s),
                 qPrintable(lines.first()));
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }

    // Keyed in passphrase form in the bank format, so the standard SQLCipher shell opens it.
    void standardClientOpensTheBank() {
        const QString shell = QStandardPaths::findExecutable(u"sqlcipher"_s);
        if (shell.isEmpty())
            QSKIP("the sqlcipher shell is not installed");
        QProcess client;
        client.start(shell, {path(u"sound.dll"_s)});
        client.write("PRAGMA key='" + QByteArray(bank::kBankPassword) +
                     "';\nselect group_concat(id || ':' || txbz || ':' || ifnull(ans3, 'Null') "
                     "|| ':' || ifnull(bmp, '') || ':' || ifnull(flash, ''), ' ') from "
                     "shiti2012;\n");
        client.closeWriteChannel();
        QVERIFY(client.waitForFinished(60000));
        QCOMPARE(client.readAllStandardOutput().trimmed().split('\n').last(),
                 QByteArray("1:1:Null:\\p.png: 2:3:c::\\c.webm"));
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
