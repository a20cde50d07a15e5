// Navigation: previous/next at the ends, answer-sheet colours in exam and review mode, cells,
// and the go-to box with its key filter and invalid numbers.
#include "../exam/examharness.h"
#include "trainerharness.h"

#include "trainer/picturebox.h"
#include "trainer/shufflerandom.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;
using fixture::choice;

namespace {

constexpr quint32 kNotAnswered = 0xFEFDFF, kCurrent = 0x0042BE, kAnswered = 0x84BFFE,
                  kRight = 0xFE7F80, kWrong = 0x0000FE;

QList<fixture::Question> fiveQuestions() {
    QList<fixture::Question> questions;
    for (int id = 1; id <= 5; ++id)
        questions.append(choice(id, 1, u"1"_s));
    return questions;
}

// A real examination on a bank whose paper is its five questions (chapter 1's quota), in an
// order the seeded shuffle decides; only the test ticks the clock.
void startExam(TrainerHarness &h) {
    h.form().session().setShuffleRandom(
        std::make_shared<trainer::ShuffleRandom>([next = quint64(1)]() mutable { return next++; }));
    h.form().session().setClockInterval(std::chrono::hours(24));
    h.click(u"imgNav(4)"_s);
    h.form().session().tick(); // the clock is counting
}

// The number of the question on show, as its title starts.
QString number(TrainerHarness &h) {
    return h.text(u"lblTitle"_s).section(u'.', 0, 0);
}

QList<quint32> sheet(TrainerHarness &h) {
    QList<quint32> colours;
    for (int i = 0; i < h.form().session().recordCount(); ++i)
        colours.append(h.form().optNum[i]->backColor());
    return colours;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void endsOfTheSetChangeNothing() {
        TrainerHarness h({}, fiveQuestions());
        h.click(u"imgNav(0)"_s);
        h.get<QComboBox>(u"cboJump"_s)->setCurrentIndex(1);
        h.click(u"imgAnswer(1)"_s);
        h.click(u"imgPre"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        QCOMPARE(h.text(u"lblMyAnswer"_s), u"B"_s);
        QVERIFY(h.shown(u"imgErr"_s));
        QVERIFY(h.shown(u"lblRightAnswer"_s));
        for (int i = 0; i < 4; ++i)
            h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"5.Q5"_s);
        h.click(u"imgAnswer(3)"_s);
        h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"5.Q5"_s);
        QCOMPARE(h.text(u"txtCurrent"_s), u"5"_s);
        QCOMPARE(h.text(u"lblMyAnswer"_s), u"D"_s);
        QVERIFY(h.shown(u"imgErr"_s));
        h.click(u"imgPre"_s); // the set still moves from the last question
        QCOMPARE(h.text(u"lblTitle"_s), u"4.Q4"_s);
    }

    void examSheetFollowsTheLearner() {
        TrainerHarness h({}, fiveQuestions());
        startExam(h);
        h.get<QComboBox>(u"cboJump"_s)->setCurrentIndex(1);
        QCOMPARE(sheet(h), (QList<quint32>{kCurrent, kNotAnswered, kNotAnswered, kNotAnswered,
                                           kNotAnswered}));
        h.click(u"imgNext"_s);
        h.click(u"imgNext"_s);
        h.click(u"imgAnswer(2)"_s); // question 3 answered
        h.click(u"imgNext"_s);
        QCOMPARE(sheet(h),
                 (QList<quint32>{kNotAnswered, kNotAnswered, kAnswered, kCurrent, kNotAnswered}));
        h.click(u"imgNext"_s); // leaving unanswered question 4
        QCOMPARE(sheet(h),
                 (QList<quint32>{kNotAnswered, kNotAnswered, kAnswered, kNotAnswered, kCurrent}));
        h.click(u"imgNext"_s); // past the end: nothing changes
        QCOMPARE(sheet(h).last(), kCurrent);
        h.click(u"optNum(1)"_s);
        QCOMPARE(number(h), u"2"_s);
        QCOMPARE(sheet(h),
                 (QList<quint32>{kNotAnswered, kCurrent, kAnswered, kNotAnswered, kNotAnswered}));
        h.click(u"imgPre"_s);
        QCOMPARE(sheet(h),
                 (QList<quint32>{kCurrent, kNotAnswered, kAnswered, kNotAnswered, kNotAnswered}));
        h.click(u"imgPre"_s); // before the start: nothing changes
        QCOMPARE(sheet(h).first(), kCurrent);
        h.get<QLineEdit>(u"txtCurrent"_s)->setText(u"3"_s);
        QCOMPARE(number(h), u"3"_s);
        QCOMPARE(sheet(h), (QList<quint32>{kNotAnswered, kNotAnswered, kCurrent, kNotAnswered,
                                           kNotAnswered}));
        // Every cell shows its own number, drawn again after each colouring.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(h.form().optNum[i]->printedText(), QString::number(i + 1));
    }

    void automaticAdvanceMovesTheCurrentCell() {
        TrainerHarness h({}, fiveQuestions());
        startExam(h);
        h.click(u"imgAnswer(1)"_s);
        QCOMPARE(number(h), u"2"_s);
        QCOMPARE(sheet(h).mid(0, 2), (QList<quint32>{kAnswered, kCurrent}));
    }

    void reviewRestoresJudgedColours() {
        TrainerHarness h({}, fiveQuestions());
        startExam(h);
        h.get<QComboBox>(u"cboJump"_s)->setCurrentIndex(1);
        // Right, wrong, not answered, right, wrong; then handed in.
        for (int button : {0, 1, -1, 0, 1}) {
            if (button >= 0)
                h.click(u"imgAnswer(%1)"_s.arg(button));
            h.click(u"imgNext"_s);
        }
        h.notices.answers = {true};
        {
            exam::ResultDialogs results;
            h.click(u"imgCommit"_s);
        }
        QCOMPARE(sheet(h), (QList<quint32>{kCurrent, kWrong, kNotAnswered, kRight, kWrong}));
        h.click(u"imgNext"_s);
        QCOMPARE(sheet(h).mid(0, 2), (QList<quint32>{kRight, kCurrent}));
        h.click(u"optNum(3)"_s);
        QCOMPARE(sheet(h).mid(0, 4), (QList<quint32>{kRight, kWrong, kNotAnswered, kCurrent}));
        h.click(u"imgPre"_s);
        QCOMPARE(sheet(h).mid(2, 2), (QList<quint32>{kCurrent, kRight}));
        // A typed jump releases the old cell but does not paint the new one in review mode.
        h.get<QLineEdit>(u"txtCurrent"_s)->setText(u"5"_s);
        QCOMPARE(number(h), u"5"_s);
        QCOMPARE(sheet(h), (QList<quint32>{kRight, kWrong, kNotAnswered, kRight, kWrong}));
    }

    void typedJump_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("message");
        QTest::newRow("in range") << u"4"_s << u"4.Q4"_s << false;
        QTest::newRow("last") << u"5"_s << u"5.Q5"_s << false;
        QTest::newRow("half rounds down to even") << u"2.5"_s << u"2.Q2"_s << false;
        QTest::newRow("half rounds up to even") << u"3.5"_s << u"4.Q4"_s << false;
        QTest::newRow("fraction") << u"4.4"_s << u"4.Q4"_s << false;
        QTest::newRow("emptied") << QString() << u"1.Q1"_s << false;
        QTest::newRow("zero") << u"0"_s << u"1.Q1"_s << true;
        QTest::newRow("beyond the set") << u"6"_s << u"1.Q1"_s << true;
        QTest::newRow("rounds to zero") << u"0.5"_s << u"1.Q1"_s << true;
        QTest::newRow("lone point") << u"."_s << u"1.Q1"_s << true;
        QTest::newRow("two points") << u"1.2.3"_s << u"1.Q1"_s << true;
        QTest::newRow("beyond 16 bits") << u"99999"_s << u"1.Q1"_s << true;
        QTest::newRow("pasted letters") << u"abc"_s << u"1.Q1"_s << true;
    }
    void typedJump() {
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(bool, message);
        TrainerHarness h({}, fiveQuestions());
        h.click(u"imgNav(0)"_s);
        h.click(u"imgNext"_s);
        h.click(u"imgNext"_s); // start from question 3
        h.get<QLineEdit>(u"txtCurrent"_s)->setText(typed);
        QCOMPARE(h.text(u"lblTitle"_s), title);
        QCOMPARE(h.text(u"txtCurrent"_s), title.section(u'.', 0, 0));
        QCOMPARE(h.notices.texts(), message ? QStringList{u"题号无效!范围 1-5"_s} : QStringList());
        if (message)
            QCOMPARE(h.notices.shown.first().title, TrainerHarness::edition().windowTitle);
    }

    void keyFilterLetsOnlyNumbersThrough() {
        TrainerHarness h({}, fiveQuestions());
        h.click(u"imgNav(0)"_s);
        auto *box = h.get<QLineEdit>(u"txtCurrent"_s);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, u"x-+ "_s);
        QCOMPARE(box->text(), u"1"_s);
        QTest::keyClicks(box, u"4"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"4.Q4"_s);
        QTest::keyClick(box, Qt::Key_Backspace); // emptied: question 1
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        QCOMPARE(box->text(), u"1"_s);
        QVERIFY(h.notices.shown.isEmpty());

        // Delete edits as Backspace does, also as X11 delivers it (the character 127).
        box->selectAll();
        QTest::keyClicks(box, u"3"_s);
        QCOMPARE(number(h), u"3"_s);
        QTest::keyClick(box, Qt::Key_Home);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
        QApplication::sendEvent(box, &del); // emptied: question 1
        QCOMPARE(box->text(), u"1"_s);
        QCOMPARE(number(h), u"1"_s);
        QVERIFY(h.notices.shown.isEmpty());

        const QList<int> passing = {'0', '5', '9', '.', 13, 8};
        for (int key : passing) {
            int code = key;
            h.form().txtCurrent_KeyPress(code);
            QCOMPARE(code, key);
        }
        for (int key : QList<int>{'a', 'Z', '-', ',', ' ', 9, 22, 0x4E00}) {
            int code = key;
            h.form().txtCurrent_KeyPress(code);
            QCOMPARE(code, 0);
        }
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
