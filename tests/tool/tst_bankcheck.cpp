// The checks of a bank's rows: every problem is named with its question, and sound rows pass.
#include "bankcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace banktool;

namespace {

Question soundQuestion() {
    Question q;
    q.id = 7;
    q.chapter = 1;
    q.type = u"1"_s;
    q.question = u"题干"_s;
    q.options[0] = u"a"_s;
    q.options[1] = u"b"_s;
    q.options[2] = u"c"_s;
    q.options[3] = u"d"_s;
    q.answer = u"1"_s;
    q.explanation = u"解析"_s;
    q.basis = u"安全驾驶常识"_s;
    return q;
}

Bank bankOf(const QList<Question> &questions) {
    return {{{1, u"第一章"_s, 2}}, questions};
}

QStringList lines(const QList<Problem> &problems) {
    QStringList out;
    for (const Problem &problem : problems)
        out.append(describe(u"b.dll"_s, problem));
    return out;
}

using Change = std::function<void(Question &)>;

void makeTrueFalse(Question &q) {
    q.options[0] = u"正确"_s;
    q.options[1] = u"错误"_s;
    q.options[2] = q.options[3] = std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestBankCheck : public QObject {
    Q_OBJECT

private slots:
    void questionProblems_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char *name, Change change, const QStringList &expected) {
            QTest::newRow(name) << change << expected;
        };
        row("sound choice", [](Question &) {}, {});
        row("sound true/false", makeTrueFalse, {});
        row("sound multi-answer", [](Question &q) { q.type = u"2"_s, q.answer = u"134"_s; }, {});
        row("sound animation", [](Question &q) { q.type = u"3"_s, q.clip = u"\\c.webm"_s; }, {});
        row("type 4", [](Question &q) { q.type = u"4"_s; },
            {u"b.dll: question 7: type \"4\" is outside 1-3"_s});
        row("type empty", [](Question &q) { q.type.clear(); },
            {u"b.dll: question 7: type \"\" is outside 1-3"_s});
        row("chapter not in the table", [](Question &q) { q.chapter = 9; },
            {u"b.dll: question 7: chapter 9 is not in the chapter table"_s});
        row("empty stem", [](Question &q) { q.question.clear(); },
            {u"b.dll: question 7: the question text is empty"_s});
        row("empty answer", [](Question &q) { q.answer.clear(); },
            {u"b.dll: question 7: the answer is empty"_s});
        row("digit 5", [](Question &q) { q.answer = u"5"_s; },
            {u"b.dll: question 7: answer digit \"5\" is outside 1-4"_s});
        row("digit 0", [](Question &q) { q.answer = u"0"_s; },
            {u"b.dll: question 7: answer digit \"0\" is outside 1-4"_s});
        row("letter instead of digit", [](Question &q) { q.answer = u"A"_s; },
            {u"b.dll: question 7: answer digit \"A\" is outside 1-4"_s});
        row("digit names a Null option",
            [](Question &q) {
                makeTrueFalse(q);
                q.answer = u"3"_s;
            },
            {u"b.dll: question 7: answer digit \"3\" names empty option C"_s});
        row("digit names an empty option",
            [](Question &q) {
                q.options[3] = QString();
                q.answer = u"4"_s;
            },
            {u"b.dll: question 7: answer digit \"4\" names empty option D"_s});
        row("single answer with two digits", [](Question &q) { q.answer = u"12"_s; },
            {u"b.dll: question 7: a single-answer question (type 1) has 2 answer digits \"12\""_s});
        row("animation with two digits",
            [](Question &q) {
                q.type = u"3"_s;
                q.clip = u"\\c.webm"_s;
                q.answer = u"24"_s;
            },
            {u"b.dll: question 7: a single-answer question (type 3) has 2 answer digits \"24\""_s});
        row("multi-answer with one digit",
            [](Question &q) {
                q.type = u"2"_s;
                q.answer = u"3"_s;
            },
            {u"b.dll: question 7: a multi-answer question (type 2) has only one answer digit"_s});
        row("multi-answer out of order",
            [](Question &q) {
                q.type = u"2"_s;
                q.answer = u"31"_s;
            },
            {u"b.dll: question 7: answer digits \"31\" are not in ascending order"_s});
        row("repeated digit",
            [](Question &q) {
                q.type = u"2"_s;
                q.answer = u"113"_s;
            },
            {u"b.dll: question 7: answer digit \"1\" appears more than once"_s});
        row("gap between options", [](Question &q) { q.options[1] = std::nullopt; },
            {u"b.dll: question 7: option B is empty but option C is not"_s});
        row("two options other than true/false",
            [](Question &q) { q.options[2] = q.options[3] = std::nullopt; },
            {u"b.dll: question 7: a two-option question must have the options \"正确\", \"错误\""_s});
        row("true/false the wrong way round",
            [](Question &q) {
                q.options[0] = u"错误"_s;
                q.options[1] = u"正确"_s;
                q.options[2] = q.options[3] = std::nullopt;
            },
            {u"b.dll: question 7: a two-option question must have the options \"正确\", \"错误\""_s});
        row("option A missing",
            [](Question &q) {
                q.options[0] = std::nullopt;
                q.answer = u"2"_s;
            },
            {u"b.dll: question 7: option A is empty but option B is not"_s});
        row("two gaps",
            [](Question &q) {
                q.options[0] = q.options[2] = QString();
                q.answer = u"2"_s;
            },
            {u"b.dll: question 7: option A is empty but option B is not"_s,
             u"b.dll: question 7: option C is empty but option D is not"_s});
        row("one option",
            [](Question &q) { q.options[1] = q.options[2] = q.options[3] = std::nullopt; },
            {u"b.dll: question 7: has 1 option(s); a question needs at least two"_s});
        row("animation without clip", [](Question &q) { q.type = u"3"_s; },
            {u"b.dll: question 7: an animation question (type 3) has no clip"_s});
        row("picture without leading backslash", [](Question &q) { q.picture = u"a.png"_s; },
            {u"b.dll: question 7: picture \"a.png\" does not start with \"\\\""_s});
        row("picture reaching the parent folder", [](Question &q) { q.picture = u"\\..\\a.png"_s; },
            {u"b.dll: question 7: picture \"..\\a.png\" is not a plain file name"_s});
        row("clip with a drive letter", [](Question &q) { q.clip = u"\\C:x.webm"_s; },
            {u"b.dll: question 7: clip \"C:x.webm\" is not a plain file name"_s});
        row("clip in a subfolder", [](Question &q) { q.clip = u"\\a/x.webm"_s; },
            {u"b.dll: question 7: clip \"a/x.webm\" is not a plain file name"_s});
        row("picture that is only the backslash", [](Question &q) { q.picture = u"\\"_s; },
            {u"b.dll: question 7: picture \"\" is not a plain file name"_s});
        row("empty media names mean none", [](Question &q) { q.picture = q.clip = QString(); }, {});
        row("explanation of 200 characters",
            [](Question &q) { q.explanation = QString(200, u'解'); }, {});
        row("explanation of 201 characters",
            [](Question &q) { q.explanation = QString(201, u'解'); },
            {u"b.dll: question 7: the explanation has 201 characters; at most 200"_s});
        row("characters beyond the basic plane count once",
            [](Question &q) { q.explanation = QString(100, u'解') + u"😀"_s.repeated(100); }, {});
        row("explanation missing", [](Question &q) { q.explanation = std::nullopt; },
            {u"b.dll: question 7: \"explanation\" is missing"_s});
        row("explanation and basis empty", [](Question &q) { q.explanation = q.basis = QString(); },
            {u"b.dll: question 7: \"explanation\" is missing"_s,
             u"b.dll: question 7: \"basis\" is missing"_s});
        row("several problems at once",
            [](Question &q) {
                q.type = u"9"_s;
                q.answer = u"15"_s;
            },
            {u"b.dll: question 7: type \"9\" is outside 1-3"_s,
             u"b.dll: question 7: answer digit \"5\" is outside 1-4"_s});
    }
    void questionProblems() {
        QFETCH(Change, change);
        QFETCH(QStringList, expected);
        Question question = soundQuestion();
        change(question);
        QCOMPARE(lines(checkBank(bankOf({question}))), expected);
    }

    // Older banks and other tools' banks have no explanation columns and are not asked for them.
    void unexplainedBankNeedsNoExplanations() {
        Bank bank = bankOf({soundQuestion()});
        bank.explained = false;
        bank.questions[0].explanation.reset();
        bank.questions[0].basis.reset();
        QCOMPARE(lines(checkBank(bank)), QStringList{});
        bank.questions[0].explanation = QString(201, u'解');
        QCOMPARE(
            lines(checkBank(bank)),
            QStringList{u"b.dll: question 7: the explanation has 201 characters; at most 200"_s});
    }

    void duplicateIdsAreReportedOnce() {
        Question other = soundQuestion();
        other.id = 8;
        Bank bank = bankOf({soundQuestion(), other, soundQuestion(), soundQuestion()});
        bank.chapters.append(bank.chapters[0]);
        QCOMPARE(lines(checkBank(bank)),
                 (QStringList{u"b.dll: chapter 1: id used by 2 chapters"_s,
                              u"b.dll: question 7: id used by 3 questions"_s}));
    }

    // Pictures are looked for in the pictures folder, clips in the clips folder, and only there.
    void missingMediaFiles_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("both present") << u"p.png"_s << u"c.webm"_s << QStringList{};
        QTest::newRow("picture missing")
            << u"q.png"_s << u"c.webm"_s
            << QStringList{u"b.dll: question 7: picture \"q.png\" is missing from <pictures>"_s};
        QTest::newRow("clip lies among the pictures")
            << u"p.png"_s << u"p.png"_s
            << QStringList{u"b.dll: question 7: clip \"p.png\" is missing from <clips>"_s};
        QTest::newRow("names differ in case")
            << u"P.png"_s << u"c.webm"_s
            << QStringList{u"b.dll: question 7: picture \"P.png\" is missing from <pictures>"_s};
        QTest::newRow("a folder is not a file")
            << u"sub"_s << u"c.webm"_s
            << QStringList{u"b.dll: question 7: picture \"sub\" is missing from <pictures>"_s};
    }
    void missingMediaFiles() {
        QFETCH(QString, picture);
        QFETCH(QString, clip);
        QFETCH(QStringList, expected);
        QTemporaryDir root;
        const QString pictures = root.filePath(u"pictures"_s);
        const QString clips = root.filePath(u"clips"_s);
        QVERIFY(QDir().mkpath(pictures + u"/sub"_s) && QDir().mkpath(clips));
        QVERIFY(QFile(pictures + u"/p.png"_s).open(QIODevice::WriteOnly));
        QVERIFY(QFile(clips + u"/c.webm"_s).open(QIODevice::WriteOnly));

        Question question = soundQuestion();
        question.picture = u"\\"_s + picture;
        question.clip = u"\\"_s + clip;
        for (QString &line : expected)
            line.replace(u"<pictures>"_s, pictures).replace(u"<clips>"_s, clips);
        QCOMPARE(lines(checkBank(bankOf({question}), {pictures, clips})), expected);
        // Without folders the names are not looked up at all.
        QCOMPARE(lines(checkBank(bankOf({question}))), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestBankCheck)
#include "tst_bankcheck.moc"
