// The JSON source format: every way a source can break it is reported with its place.
#include "sourceparser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace banktool;

namespace {

QJsonObject soundChapter() {
    return {{u"id"_s, 1}, {u"name"_s, u"第一章"_s}, {u"state"_s, 2}};
}

QJsonObject soundQuestion() {
    return {{u"id"_s, 7},
            {u"chapter"_s, 1},
            {u"type"_s, 1},
            {u"question"_s, u"题干"_s},
            {u"options"_s, QJsonArray{u"正确"_s, u"错误"_s}},
            {u"answer"_s, u"1"_s}};
}

QByteArray source(const QJsonObject &chapter, const QJsonObject &question) {
    const QJsonObject top{{u"chapters"_s, QJsonArray{chapter}},
                          {u"questions"_s, QJsonArray{question}}};
    return QJsonDocument(top).toJson();
}

// Sets key to value; an undefined value removes the key.
QJsonObject with(QJsonObject object, const QString &key, const QJsonValue &value) {
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    return object;
}

QStringList lines(const QList<Problem> &problems) {
    QStringList out;
    for (const Problem &problem : problems)
        out.append(describe(u"s.json"_s, problem));
    return out;
}

const QJsonValue kMissing(QJsonValue::Undefined);

} // namespace

class TestSourceParser : public QObject {
    Q_OBJECT

private slots:
    void documentProblems_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty file")
            << QByteArray(" \n") << QStringList{u"s.json: the file is empty"_s};
        QTest::newRow("top level is an array")
            << QByteArray("[]") << QStringList{u"s.json: the document must be a JSON object"_s};
        QTest::newRow("lists missing") << QByteArray("{}")
                                       << QStringList{u"s.json: \"chapters\" is missing"_s,
                                                      u"s.json: \"questions\" is missing"_s};
        QTest::newRow("lists of the wrong type")
            << QByteArray(R"({"chapters": {}, "questions": "none"})")
            << QStringList{u"s.json: \"chapters\" must be an array"_s,
                           u"s.json: \"questions\" must be an array"_s};
        QTest::newRow("elements that are not objects")
            << QByteArray(R"({"chapters": [1], "questions": [[], null]})")
            << QStringList{u"s.json: chapters[0]: must be an object"_s,
                           u"s.json: questions[0]: must be an object"_s,
                           u"s.json: questions[1]: must be an object"_s};
        QTest::newRow("unknown top-level field")
            << QByteArray(R"({"chapters": [], "questions": [], "chapter": []})")
            << QStringList{u"s.json: unknown field \"chapter\""_s};
    }
    void documentProblems() {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(parseSource(json).problems), expected);
    }

    // Syntax errors name the line and the column (Qt points at or just past the bad character).
    void malformedJsonNamesItsPosition_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("where");
        QTest::newRow("double comma")
            << QByteArray("{\n  \"chapters\": [1,,2]\n}") << u"line 2, column 19"_s;
        QTest::newRow("unterminated string after unicode")
            << QByteArray("{\"chapters\": [],\n \"questions\": [\n\"题目\n")
            << u"line 4, column 1"_s;
        QTest::newRow("garbage after the document")
            << QByteArray("{}\n\n}") << u"line 3, column 1"_s;
        QTest::newRow("columns count characters, not bytes")
            << QByteArray("{\"题目\": 1,,}") << u"line 1, column 11"_s;
    }
    void malformedJsonNamesItsPosition() {
        QFETCH(QByteArray, json);
        QFETCH(QString, where);
        const QList<Problem> problems = parseSource(json).problems;
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems[0].where, where);
        QVERIFY2(problems[0].what.startsWith(u"malformed JSON: "_s), qPrintable(problems[0].what));
    }

    void questionFieldProblems_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QString &key, const QJsonValue &value,
                      const QString &expected) { QTest::newRow(name) << key << value << expected; };
        row("id missing", u"id"_s, kMissing, u"s.json: questions[0]: \"id\" is missing"_s);
        row("id fractional", u"id"_s, 7.5,
            u"s.json: questions[0]: \"id\" must be a whole number"_s);
        row("id as text", u"id"_s, u"7"_s,
            u"s.json: questions[0]: \"id\" must be a whole number"_s);
        row("id beyond exact doubles", u"id"_s, 1e20,
            u"s.json: questions[0]: \"id\" must be a whole number"_s);
        row("id null", u"id"_s, QJsonValue(),
            u"s.json: questions[0]: \"id\" must be a whole number"_s);
        row("chapter missing", u"chapter"_s, kMissing,
            u"s.json: question 7: \"chapter\" is missing"_s);
        row("chapter as text", u"chapter"_s, u"1"_s,
            u"s.json: question 7: \"chapter\" must be a whole number"_s);
        row("type missing", u"type"_s, kMissing, u"s.json: question 7: \"type\" is missing"_s);
        row("type as text", u"type"_s, u"1"_s,
            u"s.json: question 7: \"type\" must be a whole number"_s);
        row("stem missing", u"question"_s, kMissing,
            u"s.json: question 7: \"question\" is missing"_s);
        row("stem as number", u"question"_s, 3,
            u"s.json: question 7: \"question\" must be a text"_s);
        row("options missing", u"options"_s, kMissing,
            u"s.json: question 7: \"options\" is missing"_s);
        row("options as text", u"options"_s, u"正确"_s,
            u"s.json: question 7: \"options\" must be an array"_s);
        row("one option", u"options"_s, QJsonArray{u"a"_s},
            u"s.json: question 7: \"options\" must hold 2 to 4 texts, not 1"_s);
        row("five options", u"options"_s, QJsonArray{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s},
            u"s.json: question 7: \"options\" must hold 2 to 4 texts, not 5"_s);
        row("option as number", u"options"_s, QJsonArray{u"a"_s, 2, u"c"_s},
            u"s.json: question 7: options[1] must be a text"_s);
        row("option null", u"options"_s, QJsonArray{u"a"_s, u"b"_s, QJsonValue()},
            u"s.json: question 7: options[2] must be a text"_s);
        row("answer missing", u"answer"_s, kMissing,
            u"s.json: question 7: \"answer\" is missing"_s);
        row("answer as number", u"answer"_s, 1, u"s.json: question 7: \"answer\" must be a text"_s);
        row("picture as number", u"picture"_s, 5,
            u"s.json: question 7: \"picture\" must be a text"_s);
        row("clip null", u"clip"_s, QJsonValue(), u"s.json: question 7: \"clip\" must be a text"_s);
        row("explanation as number", u"explanation"_s, 1,
            u"s.json: question 7: \"explanation\" must be a text"_s);
        row("basis null", u"basis"_s, QJsonValue(),
            u"s.json: question 7: \"basis\" must be a text"_s);
        row("misspelt field", u"picutre"_s, u"a.png"_s,
            u"s.json: question 7: unknown field \"picutre\""_s);
    }
    void questionFieldProblems() {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, expected);
        const ParsedSource parsed =
            parseSource(source(soundChapter(), with(soundQuestion(), key, value)));
        QCOMPARE(lines(parsed.problems), QStringList{expected});
        QVERIFY(parsed.bank.questions.isEmpty()); // a broken question is never written
    }

    void chapterFieldProblems_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("id missing")
            << u"id"_s << kMissing << u"s.json: chapters[0]: \"id\" is missing"_s;
        QTest::newRow("id as text") << u"id"_s << QJsonValue(u"1"_s)
                                    << u"s.json: chapters[0]: \"id\" must be a whole number"_s;
        QTest::newRow("name missing")
            << u"name"_s << kMissing << u"s.json: chapter 1: \"name\" is missing"_s;
        QTest::newRow("name as number")
            << u"name"_s << QJsonValue(1) << u"s.json: chapter 1: \"name\" must be a text"_s;
        QTest::newRow("state missing")
            << u"state"_s << kMissing << u"s.json: chapter 1: \"state\" is missing"_s;
        QTest::newRow("state as boolean")
            << u"state"_s << QJsonValue(true)
            << u"s.json: chapter 1: \"state\" must be a whole number"_s;
        QTest::newRow("unknown field")
            << u"title"_s << QJsonValue(u"x"_s) << u"s.json: chapter 1: unknown field \"title\""_s;
    }
    void chapterFieldProblems() {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, expected);
        const ParsedSource parsed =
            parseSource(source(with(soundChapter(), key, value), soundQuestion()));
        QCOMPARE(lines(parsed.problems), QStringList{expected});
    }

    // A chapter whose id reads is kept, so its questions are not reported as orphans too.
    void brokenChapterStillCountsAsChapter() {
        const ParsedSource parsed =
            parseSource(source(with(soundChapter(), u"state"_s, u"2"_s), soundQuestion()));
        QCOMPARE(parsed.bank.chapters.size(), 1);
        QCOMPARE(parsed.bank.chapters[0].id, 1);
    }

    void everyProblemOfOneQuestionIsReported() {
        QJsonObject question = with(soundQuestion(), u"type"_s, u"x"_s);
        question = with(question, u"answer"_s, kMissing);
        question = with(question, u"extra"_s, 1);
        QCOMPARE(lines(parseSource(source(soundChapter(), question)).problems),
                 (QStringList{u"s.json: question 7: \"type\" must be a whole number"_s,
                              u"s.json: question 7: \"answer\" is missing"_s,
                              u"s.json: question 7: unknown field \"extra\""_s}));
    }

    // The rows as the bank stores them: media with their leading "\", the type as its digit.
    void soundSourceReadsAsBankRows() {
        QJsonObject question = with(soundQuestion(), u"type"_s, 3);
        question = with(question, u"picture"_s, u"sign_stop.png"_s);
        question = with(question, u"clip"_s, u"clip_tire.webm"_s);
        question = with(question, u"explanation"_s, u"解析"_s);
        question = with(question, u"basis"_s, u"安全驾驶常识"_s);
        const ParsedSource parsed = parseSource(source(soundChapter(), question));
        QVERIFY(parsed.problems.isEmpty());
        QCOMPARE(parsed.bank.chapters, (QList<Chapter>{{1, u"第一章"_s, 2}}));
        QCOMPARE(parsed.bank.questions.size(), 1);
        const Question &row = parsed.bank.questions[0];
        QCOMPARE(row.id, 7);
        QCOMPARE(row.chapter, 1);
        QCOMPARE(row.type, u"3"_s);
        QCOMPARE(row.question, u"题干"_s);
        QCOMPARE(row.options[0], std::optional(u"正确"_s));
        QCOMPARE(row.options[1], std::optional(u"错误"_s));
        QVERIFY(!row.options[2] && !row.options[3]);
        QCOMPARE(row.answer, u"1"_s);
        QCOMPARE(row.picture, std::optional(u"\\sign_stop.png"_s));
        QCOMPARE(row.clip, std::optional(u"\\clip_tire.webm"_s));
        QCOMPARE(row.explanation, std::optional(u"解析"_s));
        QCOMPARE(row.basis, std::optional(u"安全驾驶常识"_s));
        QVERIFY(parsed.bank.explained);
    }
};

QTEST_GUILESS_MAIN(TestSourceParser)
#include "tst_sourceparser.moc"
