// Right-answer letters and the design arithmetic the window's geometry rests on.
#include "trainer/answers.h"
#include "trainer/units.h"

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

    void twipsToPixels_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole") << 14790.0 << 986;
        QTest::newRow("half rounds to even, down") << 37.5 << 2; // 2.5
        QTest::newRow("half rounds to even, up") << 52.5 << 4;   // 3.5
        QTest::newRow("below half") << 535.0 << 36;              // 35.67
        QTest::newRow("box spacing") << 486.0 << 32;             // 32.4
        QTest::newRow("negative half") << -22.5 << -2;           // -1.5
    }
    void twipsToPixels() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(trainer::twipsToPixels(twips), pixels);
    }

    void colours_data() {
        QTest::addColumn<uint>("bgr");
        QTest::addColumn<QColor>("color");
        QTest::newRow("not answered") << 0xFEFDFFu << QColor(255, 253, 254);
        QTest::newRow("current") << 0x0042BEu << QColor(190, 66, 0);
        QTest::newRow("wrong") << 0x0000FEu << QColor(254, 0, 0);
    }
    void colours() {
        QFETCH(uint, bgr);
        QFETCH(QColor, color);
        QCOMPARE(colorFromBgr(bgr), color);
        QCOMPARE(bgrFromColor(color), quint32(bgr));
    }
};

QTEST_APPLESS_MAIN(AnswersTest)
#include "tst_answers.moc"
