// Answering and judging on screen in practice mode, and automatic advance (every mode's decisions
// are the session's, tested in tst_session).
#include "trainerharness.h"

#include "trainer/forecolor.h"

#include <QComboBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;
using fixture::choice;

namespace {

fixture::Question multi(qint64 id, const QString &ans) {
    fixture::Question q = choice(id, 1, ans);
    q.type = u"2"_s;
    return q;
}

enum class Mode { Practice };

void enter(TrainerHarness &h, Mode) {
    h.click(u"imgNav(0)"_s);
}

void setAdvance(TrainerHarness &h, bool automatic) {
    h.get<QComboBox>(u"cboJump"_s)->setCurrentIndex(automatic ? 0 : 1);
}

} // namespace

Q_DECLARE_METATYPE(Mode)

class AnsweringTest : public QObject {
    Q_OBJECT

private slots:
    void singleAnswer_data() {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("titleAfter");
        QTest::addColumn<QString>("mark"); // shown on the question answered, if it stays
        QTest::newRow("practice, right, automatic")
            << Mode::Practice << true << 2 << u"2.Q2"_s << QString();
        QTest::newRow("practice, right, manual")
            << Mode::Practice << false << 2 << u"1.Q1"_s << u"imgOK"_s;
        QTest::newRow("practice, wrong, automatic")
            << Mode::Practice << true << 0 << u"1.Q1"_s << u"imgErr"_s;
    }
    void singleAnswer() {
        QFETCH(Mode, mode);
        QFETCH(bool, automatic);
        QFETCH(int, button);
        QFETCH(QString, titleAfter);
        QFETCH(QString, mark);
        TrainerHarness h({}, {choice(1, 1, u"3"_s), choice(2, 1, u"1"_s)});
        enter(h, mode);
        setAdvance(h, automatic);
        h.click(u"imgAnswer(%1)"_s.arg(button));
        QCOMPARE(h.text(u"lblTitle"_s), titleAfter);
        const QString letter = QString(QChar(u'A' + button));
        if (titleAfter == u"1.Q1"_s) {
            QCOMPARE(h.text(u"lblMyAnswer"_s), letter);
            QVERIFY(h.shown(u"lblMyAnswer"_s));
            QCOMPARE(h.shown(u"imgOK"_s), mark == u"imgOK"_s);
            QCOMPARE(h.shown(u"imgErr"_s), mark == u"imgErr"_s);
            QCOMPARE(h.shown(u"lblRightAnswer"_s), mode == Mode::Practice);
            if (mode == Mode::Practice) {
                QCOMPARE(h.text(u"lblRightAnswer"_s), u"C"_s);
                QCOMPARE(trainer::foreColor(h.get(u"lblMyAnswer"_s)),
                         mark == u"imgOK"_s ? 0x008000u : 0x0000FFu);
            }
            h.click(u"imgNext"_s); // the recorded letter is stored when the set moves on
        }
        QCOMPARE(h.storedState(1).toString(), letter);
    }

    void laterClickReplacesTheRecordedLetter() {
        TrainerHarness h({}, {choice(1, 1, u"3"_s), choice(2, 1)});
        enter(h, Mode::Practice);
        h.click(u"imgAnswer(0)"_s);
        h.click(u"imgAnswer(2)"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        QCOMPARE(h.storedState(1).toString(), u"C"_s);
    }

    // A right answer that is not one digit: judged against this question's own answer, never
    // against what an earlier question left in the right-answer label.
    void singleAnswerJudgedAgainstItsOwnAnswer_data() {
        QTest::addColumn<QVariant>("ans");
        QTest::addColumn<QString>("right");
        QTest::newRow("no option digit") << QVariant(u"9"_s) << QString();
        QTest::newRow("Null") << QVariant() << QString();
        QTest::newRow("two digits") << QVariant(u"21"_s) << u"AB"_s;
    }
    void singleAnswerJudgedAgainstItsOwnAnswer() {
        QFETCH(QVariant, ans);
        QFETCH(QString, right);
        fixture::Question odd = choice(2, 1);
        odd.ans = ans;
        TrainerHarness h({}, {choice(1, 1, u"1"_s), odd});
        enter(h, Mode::Practice);
        setAdvance(h, false);
        h.click(u"imgAnswer(0)"_s); // A, right: the label now says "A"
        h.click(u"imgNext"_s);
        h.click(u"imgAnswer(0)"_s);
        QCOMPARE(h.text(u"lblRightAnswer"_s), right);
        QVERIFY(h.shown(u"imgErr"_s));
        QVERIFY(!h.shown(u"imgOK"_s));
    }

    void multiAnswerToggling() {
        TrainerHarness h({}, {multi(1, u"41"_s), choice(2, 1)});
        enter(h, Mode::Practice);
        for (int button : {1, 0, 3})
            h.click(u"imgAnswer(%1)"_s.arg(button));
        QCOMPARE(h.text(u"lblMyAnswer"_s), u"ABD"_s);
        h.click(u"imgAnswer(1)"_s);
        QCOMPARE(h.text(u"lblMyAnswer"_s), u"AD"_s);
        QVERIFY(!h.shown(u"imgOK"_s));
        QVERIFY(!h.shown(u"lblRightAnswer"_s));
        h.click(u"imgNext"_s); // toggling without confirming records nothing
        QCOMPARE(h.storedState(1).toString(), QString());
    }

    void multiAnswerConfirmed_data() {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<bool>("right");
        QTest::newRow("practice, AD right") << Mode::Practice << QList<int>{3, 0} << true;
        QTest::newRow("practice, A alone wrong") << Mode::Practice << QList<int>{0} << false;
        QTest::newRow("practice, ABD wrong") << Mode::Practice << QList<int>{0, 1, 3} << false;
        QTest::newRow("practice, nothing wrong") << Mode::Practice << QList<int>{} << false;
    }
    void multiAnswerConfirmed() {
        QFETCH(Mode, mode);
        QFETCH(QList<int>, buttons);
        QFETCH(bool, right);
        TrainerHarness h({}, {multi(1, u"41"_s), choice(2, 1)});
        enter(h, mode);
        setAdvance(h, false);
        QString letters;
        for (int button : buttons) {
            h.click(u"imgAnswer(%1)"_s.arg(button));
            letters += QChar(u'A' + button);
        }
        h.click(u"imgDone"_s);
        QVERIFY(h.shown(u"lblRightAnswer"_s));
        QCOMPARE(h.text(u"lblRightAnswer"_s), u"AD"_s);
        QCOMPARE(h.shown(u"imgOK"_s), right);
        QCOMPARE(h.shown(u"imgErr"_s), !right);
        QCOMPARE(trainer::foreColor(h.get(u"lblMyAnswer"_s)), right ? 0x008000u : 0x0000FFu);
        h.click(u"imgNext"_s);
        std::sort(letters.begin(), letters.end());
        QCOMPARE(h.storedState(1).toString(), letters);
    }

    void multiAnswerRightAdvancesWithAutomatic() {
        TrainerHarness h({}, {multi(1, u"14"_s), choice(2, 1)});
        enter(h, Mode::Practice);
        h.click(u"imgAnswer(0)"_s);
        h.click(u"imgAnswer(3)"_s);
        h.click(u"imgDone"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        h.click(u"imgPre"_s);
        QVERIFY(h.shown(u"imgOK"_s));
    }
};

QTEST_MAIN(AnsweringTest)
#include "tst_answering.moc"
