// Answer letters: sorting what the learner chose, and the right answer as the learner sees it.
#include "trainer/answers.h"

#include <QTest>

using namespace trainer;
using namespace Qt::Literals::StringLiterals;

class AnswersTest : public QObject {
    Q_OBJECT

private slots:
    void sortAnswerLetters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sorted");
        QTest::newRow("empty") << u""_s << u""_s;
        QTest::newRow("one") << u"C"_s << u"C"_s;
        QTest::newRow("reversed") << u"DCBA"_s << u"ABCD"_s;
        QTest::newRow("repeated") << u"BAB"_s << u"AB"_s;
        QTest::newRow("lower case dropped") << u"abcD"_s << u"D"_s;
        QTest::newRow("other characters dropped") << u"E1A-C "_s << u"AC"_s;
        QTest::newRow("letters beyond D dropped") << u"XYZ"_s << u""_s;
    }
    void sortAnswerLetters() {
        QFETCH(QString, text);
        QFETCH(QString, sorted);
        QCOMPARE(SortAnswerLetters(text), sorted);
    }

    void rightAnswerLetters_data() {
        QTest::addColumn<QString>("ans");
        QTest::addColumn<QString>("letters");
        QTest::newRow("single") << u"2"_s << u"B"_s;
        QTest::newRow("digits out of order") << u"31"_s << u"AC"_s;
        QTest::newRow("all four reversed") << u"4321"_s << u"ABCD"_s;
        QTest::newRow("repeated digit") << u"11"_s << u"A"_s;
        QTest::newRow("not an option digit") << u"5"_s << u""_s;
        QTest::newRow("zero") << u"0"_s << u""_s;
        QTest::newRow("empty") << u""_s << u""_s;
        QTest::newRow("letters are not digits") << u"AC"_s << u"AC"_s;
        QTest::newRow("mixed with separators") << u"1,4"_s << u"AD"_s;
    }
    void rightAnswerLetters() {
        QFETCH(QString, ans);
        QFETCH(QString, letters);
        QCOMPARE(RightAnswerLetters(ans), letters);
    }
};

QTEST_APPLESS_MAIN(AnswersTest)
#include "tst_answers.moc"
