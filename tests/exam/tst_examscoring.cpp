// Hand-in and scoring: the score line and verdict, the judged sheet, multi-answer questions whose
// right answer is stored out of order, and review mode walking the judged sheet.
#include "examharness.h"

using namespace Qt::Literals::StringLiterals;
using namespace exam;

namespace {

// Answers the paper question by question: 'R' right, 'W' wrong, '-' left unanswered.
void answerPaper(TrainerHarness &h, const QString &plan) {
    for (const QChar step : plan) {
        if (step == u'-')
            h.click(u"imgNext"_s);
        else
            answer(h, step == u'R');
    }
}

quint32 judgedColour(QChar step) {
    return step == u'R' ? kRight : (step == u'W' ? kWrong : kNotAnswered);
}

QList<QStringList> handIn(TrainerHarness &h) {
    ResultDialogs results;
    h.notices.answers = {true};
    h.click(u"imgCommit"_s);
    return results.lines;
}

} // namespace

class ExamScoringTest : public QObject {
    Q_OBJECT

private slots:
    void handInScoresAndColours_data() {
        QTest::addColumn<QString>("plan"); // questions 46 to 50 are the multi-answer ones
        QTest::addColumn<QString>("scoreLine");
        QTest::addColumn<QString>("verdict");
        const QString pass = u"祝贺您通过考试！"_s, fail = u"未能通过考试,还需多多练习"_s;
        QTest::newRow("45 right") << QString(45, u'R') + u"-----"_s << u"您的得分：90分！"_s
                                  << pass;
        QTest::newRow("44 right") << QString(44, u'R') + u"W-----"_s << u"您的得分：88分！"_s
                                  << fail;
        QTest::newRow("nothing answered") << QString(50, u'-') << u"您的得分：0分！"_s << fail;
        // ans "31" is answered AC: right, as practice judges it.
        QTest::newRow("only the multi-answer questions, right")
            << QString(45, u'-') + u"RRRRR"_s << u"您的得分：10分！"_s << fail;
        QTest::newRow("every question right")
            << QString(50, u'R') << u"您的得分：100分！"_s << pass;
        QTest::newRow("multi-answer wrong, the rest right")
            << QString(45, u'R') + u"WWWWW"_s << u"您的得分：90分！"_s << pass;
    }
    void handInScoresAndColours() {
        QFETCH(QString, plan);
        QFETCH(QString, scoreLine);
        QFETCH(QString, verdict);
        TrainerHarness h({}, examBank());
        startExam(h);
        answerPaper(h, plan);
        const QList<QStringList> results = handIn(h);

        QCOMPARE(results, QList<QStringList>({{scoreLine, verdict}}));
        QVERIFY(handedIn(h.form()));
        QVERIFY(!h.form().session().clockRunning());
        QVERIFY(!h.shown(u"imgCommit"_s));
        QVERIFY(!h.shown(u"lblTime"_s));
        QCOMPARE(h.text(u"lblTime"_s), u"30:00"_s);
        QCOMPARE(h.text(u"txtCurrent"_s), u"1"_s);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(h.form().session().rememberedCellColor(i), judgedColour(plan[i]));
            QCOMPARE(cell(h, i)->backColor(), i == 0 ? kCurrent : judgedColour(plan[i]));
            QCOMPARE(cell(h, i)->printedText(), QString::number(i + 1));
        }
    }

    // Review mode: moving away from a question gives its cell back the judged colour.
    void reviewWalksTheJudgedSheet() {
        TrainerHarness h({}, examBank());
        startExam(h);
        const QString plan = u"RW-R"_s + QString(41, u'-') + u"RW---"_s;
        answerPaper(h, plan);
        handIn(h);
        QVERIFY(handedIn(h.form()));

        h.click(u"imgNext"_s);
        QCOMPARE(cell(h, 0)->backColor(), kRight);
        QCOMPARE(cell(h, 1)->backColor(), kCurrent);
        QCOMPARE(h.text(u"lblMyAnswer"_s), u"B"_s);
        QVERIFY(h.shown(u"imgErr"_s));

        h.click(u"optNum(46)"_s);
        QCOMPARE(cell(h, 1)->backColor(), kWrong);
        QCOMPARE(cell(h, 46)->backColor(), kCurrent);
        QCOMPARE(h.text(u"lblRightAnswer"_s), u"AC"_s);

        h.click(u"imgPre"_s);
        QCOMPARE(cell(h, 46)->backColor(), kWrong);
        QCOMPARE(cell(h, 45)->backColor(), kCurrent);
        QCOMPARE(h.text(u"lblMyAnswer"_s), u"AC"_s);
        QVERIFY(h.shown(u"imgOK"_s));

        h.click(u"optNum(2)"_s); // not answered: the right answer alone
        QCOMPARE(cell(h, 45)->backColor(), kRight);
        QVERIFY(h.shown(u"lblRightAnswer"_s));
        QVERIFY(!h.shown(u"lblMyAnswer"_s));
    }
};

QTEST_MAIN(ExamScoringTest)
#include "tst_examscoring.moc"
