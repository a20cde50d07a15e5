// The examination clock: its captions, time-up handing the paper in by itself, and the
// confirmation of the hand-in, declined or overtaken by the clock.
#include "examharness.h"

using namespace Qt::Literals::StringLiterals;
using namespace exam;

namespace {

void tick(TrainerHarness &h, int times) {
    for (int i = 0; i < times; ++i)
        h.form().session().tick();
}

// Notices whose hand-in question lets the clock run out before it is answered Yes.
class ClockRunsOutWhileAsking : public ScriptedNotices {
public:
    trainer::FormMain *form = nullptr;
    bool question(const QString &text, const QString &title) override {
        ScriptedNotices::question(text, title);
        while (form->session().clockRunning())
            form->session().tick();
        return true;
    }
};

} // namespace

class ExamClockTest : public QObject {
    Q_OBJECT

private slots:
    void theClockCountsDown_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("caption");
        QTest::newRow("one second") << 1 << u"29:59"_s;
        QTest::newRow("one minute") << 60 << u"29:00"_s;
        QTest::newRow("ten minutes and a second") << 601 << u"19:59"_s;
        QTest::newRow("the last second") << 1799 << u"00:01"_s;
    }
    void theClockCountsDown() {
        QFETCH(int, ticks);
        QFETCH(QString, caption);
        TrainerHarness h({}, examBank());
        startExam(h);
        tick(h, ticks);
        QCOMPARE(h.text(u"lblTime"_s), caption);
        QVERIFY(h.form().session().clockRunning());
        QVERIFY(h.shown(u"imgCommit"_s));
        QVERIFY(h.notices.shown.isEmpty());
    }

    // At 30 minutes the paper is handed in as it stands, without asking.
    void timeUpHandsThePaperIn() {
        TrainerHarness h({}, examBank());
        startExam(h);
        answer(h, true);
        answer(h, false);
        tick(h, 1799);
        ResultDialogs results;
        tick(h, 1);

        QVERIFY(!h.form().session().clockRunning());
        QCOMPARE(h.notices.shown.size(), 1);
        QCOMPARE(h.notices.shown[0].text, u"考试时间到!"_s);
        QCOMPARE(h.notices.shown[0].title, TrainerHarness::edition().windowTitle);
        QVERIFY(!h.notices.shown[0].question);
        QCOMPARE(results.lines,
                 QList<QStringList>({{u"您的得分：2分！"_s, u"未能通过考试,还需多多练习"_s}}));
        QVERIFY(handedIn(h.form()));
        QVERIFY(!h.shown(u"lblTime"_s));
        QCOMPARE(h.text(u"lblTime"_s), u"30:00"_s);
        QVERIFY(!h.shown(u"imgCommit"_s));
        QCOMPARE(cell(h, 0)->backColor(), kCurrent);
        QCOMPARE(h.form().session().rememberedCellColor(0), kRight);
        QCOMPARE(cell(h, 1)->backColor(), kWrong);
        QCOMPARE(cell(h, 2)->backColor(), kNotAnswered);

        // Question 1 is shown for review.
        QCOMPARE(h.text(u"lblTitle"_s).left(2), u"1."_s);
        QVERIFY(h.shown(u"lblRightAnswer"_s));
    }

    void declinedConfirmationLeavesTheExamRunning() {
        TrainerHarness h({}, examBank());
        startExam(h);
        answer(h, true);
        answer(h, false);
        tick(h, 5);
        const QList<quint32> before = sheetColours(h);
        const QString title = h.text(u"lblTitle"_s);
        ResultDialogs results;
        h.notices.answers = {false};
        h.click(u"imgCommit"_s);

        QCOMPARE(h.notices.shown.size(), 1);
        QCOMPARE(h.notices.shown[0].text, u"你确定要交卷吗?"_s);
        QCOMPARE(h.notices.shown[0].title, u"交卷"_s);
        QVERIFY(h.notices.shown[0].question);
        QVERIFY(results.lines.isEmpty());
        QVERIFY(h.form().session().clockRunning());
        QVERIFY(!handedIn(h.form()));
        QVERIFY(h.shown(u"imgCommit"_s));
        QVERIFY(h.shown(u"lblTime"_s));
        QCOMPARE(h.text(u"lblTime"_s), u"29:55"_s);
        QCOMPARE(sheetColours(h), before);
        QCOMPARE(h.text(u"lblTitle"_s), title);
        tick(h, 1);
        QCOMPARE(h.text(u"lblTime"_s), u"29:54"_s);
    }

    // The clock keeps ticking while the confirmation waits; when it runs out first, the paper is
    // handed in once, and the late Yes changes nothing.
    void theClockRunsOutWhileTheConfirmationWaits() {
        TrainerHarness h({}, examBank()); // the bank and its folder
        ClockRunsOutWhileAsking notices;
        trainer::FormMain form(TrainerHarness::edition(), &notices, h.folder());
        notices.form = &form;
        form.show();
        form.session().setShuffleRandom(std::make_shared<trainer::ShuffleRandom>(
            [next = quint64(3)]() mutable { return next++; }));
        form.session().setClockInterval(std::chrono::hours(24)); // only the test ticks the clock
        form.imgNav_Click(4);
        form.imgAnswer_Click(0);
        ResultDialogs results;
        form.imgCommit_Click();

        QCOMPARE(notices.texts(), QStringList({u"你确定要交卷吗?"_s, u"考试时间到!"_s}));
        QCOMPARE(results.lines,
                 QList<QStringList>({{u"您的得分：2分！"_s, u"未能通过考试,还需多多练习"_s}}));
        QVERIFY(handedIn(form));
        QVERIFY(!form.session().clockRunning());
        QCOMPARE(form.session().rememberedCellColor(0), kRight);
    }
};

QTEST_MAIN(ExamClockTest)
#include "tst_examclock.moc"
