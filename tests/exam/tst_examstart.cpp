// The examination start: clock, paper, the answer sheet of two touching rows of 25 (created once,
// reused), and a short paper whose sheet, navigation and hand-in stop at its last question.
#include "examharness.h"

#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;
using namespace exam;

class ExamStartTest : public QObject {
    Q_OBJECT

private slots:
    void theExamButtonStartsClockPaperAndSheet() {
        TrainerHarness h({}, examBank());
        startExam(h);
        trainer::FormMain &form = h.form();

        QVERIFY(form.session().clockRunning());
        QCOMPARE(form.session().examSeconds(), 0);
        QVERIFY(h.shown(u"lblTime"_s));
        QCOMPARE(h.text(u"lblTime"_s), u"30:00"_s);
        QVERIFY(h.shown(u"imgCommit"_s));
        QVERIFY(h.shown(u"Fr4"_s));
        QVERIFY(!h.shown(u"Fr1"_s));
        QCOMPARE(h.text(u"lblAll"_s), u"50 题"_s);
        QVERIFY(h.text(u"lblTitle"_s).startsWith(u"1.Q"_s));
        QCOMPARE(h.text(u"txtCurrent"_s), u"1"_s);

        const trainer::PictureBox *first = cell(h, 0);
        for (int i = 0; i < 50; ++i) {
            const trainer::PictureBox *c = cell(h, i);
            QVERIFY(c->isVisible());
            QCOMPARE(c->size(), first->size());
            QCOMPARE(c->printedText(), QString::number(i + 1));
            QCOMPARE(c->backColor(), i == 0 ? kCurrent : kNotAnswered);
            // Two rows of 25 that touch: each cell right beside the one before it, the second
            // row right below the first.
            QCOMPARE(c->x(), first->x() + (i % 25) * first->width());
            QCOMPARE(c->y(), first->y() + (i / 25) * first->height());
        }
        QCOMPARE(form.optNum.size(), 50);
    }

    void aSecondExaminationReusesTheCells() {
        TrainerHarness h({}, examBank());
        startExam(h, 1);
        answer(h, true);
        answer(h, false);
        const QList<trainer::PictureBox *> cells = h.form().optNum;
        h.form().session().tick();

        startExam(h, 500);
        QCOMPARE(h.form().optNum, cells);
        QCOMPARE(h.form().session().examSeconds(), 0);
        QCOMPARE(h.text(u"lblTime"_s), u"30:00"_s);
        const QList<quint32> colours = sheetColours(h);
        QCOMPARE(colours.first(), kCurrent);
        QCOMPARE(colours.count(kNotAnswered), 49);
        QCOMPARE(
            h.form().findChildren<trainer::PictureBox *>(QRegularExpression(u"^optNum"_s)).size(),
            50);
    }

    // Chapter 3 holds nine questions for its quota of ten: it drops out, the paper has 40.
    void aShortPaperEndsAtItsLastQuestion() {
        TrainerHarness h({}, examBank({5, 10, 9, 5, 5, 5, 5}));
        startExam(h);
        QCOMPARE(h.text(u"lblAll"_s), u"40 题"_s);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(cell(h, i)->isVisible(), i < 40);

        h.click(u"optNum(39)"_s);
        QCOMPARE(h.text(u"txtCurrent"_s), u"40"_s);
        QVERIFY(h.shown(u"imgDone"_s)); // the multi-answer questions close the short paper too
        h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"txtCurrent"_s), u"40"_s);
        QCOMPARE(cell(h, 39)->backColor(), kCurrent);

        h.form().optNum_Click(45); // a hidden cell leads nowhere
        QCOMPARE(h.text(u"txtCurrent"_s), u"40"_s);

        h.get<QLineEdit>(u"txtCurrent"_s)->setText(u"41"_s);
        QVERIFY(h.notices.texts().contains(u"题号无效!范围 1-40"_s));

        // Every question right is 80 points: the pass mark stays 90.
        h.click(u"optNum(0)"_s);
        for (int i = 0; i < 40; ++i)
            answer(h, true);
        ResultDialogs results;
        h.notices.answers = {true};
        h.click(u"imgCommit"_s);
        QCOMPARE(results.lines,
                 QList<QStringList>({{u"您的得分：80分！"_s, u"未能通过考试,还需多多练习"_s}}));
        for (int i = 1; i < 40; ++i)
            QCOMPARE(cell(h, i)->backColor(), kRight);
        for (int i = 40; i < 50; ++i)
            QVERIFY(!cell(h, i)->isVisible());
    }

    // The reason is told, and the clock does not start on a paper of no question.
    void aBankThatCannotBeOpenedShowsNoCells() {
        TrainerHarness h; // no bank in the program folder
        startExam(h);
        QCOMPARE(h.notices.texts(), QStringList{u"无法打开题库 aqc.dll：文件不存在。"_s});
        QVERIFY(!h.form().session().clockRunning());
        QVERIFY(!h.shown(u"lblTime"_s));
        QVERIFY(!h.shown(u"imgCommit"_s));
        for (int i = 0; i < 50; ++i)
            QVERIFY(!cell(h, i)->isVisible());
        QCOMPARE(h.text(u"lblAll"_s), u"xxxx"_s);
    }
};

QTEST_MAIN(ExamStartTest)
#include "tst_examstart.moc"
