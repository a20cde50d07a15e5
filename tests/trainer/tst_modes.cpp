// The study modes: each mode's set and count, chapter practice, the page switching.
#include "trainerharness.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using fixture::choice;

namespace {

fixture::Question typed(qint64 id, qint64 chapter, const QString &type) {
    fixture::Question q = choice(id, chapter, type == u"2"_s ? u"13"_s : u"1"_s);
    q.type = type;
    return q;
}

// Chapters 1 to 8 (8 is never offered), questions of every type, out of id order, with one in
// chapter 8 and stale answers left in the bank.
TrainerHarness *mixedBank() {
    QList<fixture::Chapter> chapters;
    for (int c = 1; c <= 8; ++c)
        chapters.append({c, u"第%1章"_s.arg(c), c == 8 ? 1 : 2});
    QList<fixture::Question> questions = {
        typed(30, 3, u"1"_s), typed(10, 1, u"1"_s), typed(21, 2, u"2"_s),
        typed(52, 5, u"3"_s), typed(20, 2, u"1"_s), typed(50, 5, u"2"_s),
        typed(80, 8, u"1"_s), typed(81, 8, u"2"_s), typed(70, 7, u"3"_s),
    };
    for (fixture::Question &q : questions)
        q.state = u"A"_s; // left over from an earlier run
    return new TrainerHarness(chapters, questions);
}

QStringList titlesThroughNext(TrainerHarness &h) {
    QStringList titles;
    for (QString title = h.text(u"lblTitle"_s);; title = h.text(u"lblTitle"_s)) {
        titles.append(title);
        h.click(u"imgNext"_s);
        if (h.text(u"lblTitle"_s) == title)
            return titles;
    }
}

} // namespace

class ModesTest : public QObject {
    Q_OBJECT

private slots:
    void practiceSets_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("sequential")
            << 0 << QStringList{u"1.Q10"_s, u"2.Q20"_s, u"3.Q21"_s, u"4.Q30"_s,
                                u"5.Q50"_s, u"6.Q52"_s, u"7.Q70"_s};
        QTest::newRow("animation") << 2 << QStringList{u"1.Q52"_s, u"2.Q70"_s};
        QTest::newRow("multi-answer") << 3 << QStringList{u"1.Q21"_s, u"2.Q50"_s};
    }
    void practiceSets() {
        QFETCH(int, button);
        QFETCH(QStringList, titles);
        std::unique_ptr<TrainerHarness> h(mixedBank());
        h->click(u"imgNav(%1)"_s.arg(button));
        QCOMPARE(h->text(u"lblAll"_s), u"%1 题"_s.arg(titles.size()));
        QVERIFY(h->shown(u"FR0"_s));
        QVERIFY(!h->shown(u"Fr1"_s));
        QVERIFY(!h->shown(u"Fr4"_s));
        QCOMPARE(h->text(u"txtCurrent"_s), u"1"_s);
        QCOMPARE(titlesThroughNext(*h), titles);
        // Loading a set empties every recorded answer of the bank, chapter 8 included.
        for (qint64 id : {10, 21, 80, 81})
            QCOMPARE(h->storedState(id).toString(), QString());
    }

    void multiAnswerPracticeShowsConfirmOnEveryQuestion() {
        std::unique_ptr<TrainerHarness> h(mixedBank());
        h->click(u"imgNav(3)"_s);
        QVERIFY(h->shown(u"imgDone"_s));
        h->click(u"imgNext"_s);
        QCOMPARE(h->text(u"lblTitle"_s), u"2.Q50"_s);
        QVERIFY(h->shown(u"imgDone"_s));
        h->click(u"imgNav(0)"_s);
        QVERIFY(!h->shown(u"imgDone"_s));
    }

    void chapterPageListsOfferedChapters() {
        std::unique_ptr<TrainerHarness> h(mixedBank());
        h->click(u"imgNav(1)"_s);
        QVERIFY(h->shown(u"Fr1"_s));
        QVERIFY(h->shown(u"FR0"_s));
        // The chapter page lies in front of the start page and so of the question page.
        const QObjectList order = h->get(u"ruZuvoz1"_s)->children();
        QVERIFY(order.indexOf(h->get(u"Fr1"_s)) > order.indexOf(h->get(u"Frame1"_s)));
        QCOMPARE(h->form().chkChapter.size(), 7);
        const QCheckBox *first = h->form().chkChapter[0];
        for (int i = 0; i < 7; ++i) {
            const QCheckBox *box = h->get<QCheckBox>(u"chkChapter(%1)"_s.arg(i));
            QCOMPARE(box->text(), u"第%1章"_s.arg(i + 1));
            QVERIFY(box->isVisible());
            QVERIFY(!box->isChecked());
            QCOMPARE(box->x(), first->x());
            if (i > 0) { // 1.2 box heights apart: 486 twips
                const int gap = box->y() - h->form().chkChapter[i - 1]->y();
                QCOMPARE(gap, 32);
            }
        }
    }

    void chaptersTwoAndFive() {
        std::unique_ptr<TrainerHarness> h(mixedBank());
        h->click(u"imgNav(1)"_s);
        h->get<QCheckBox>(u"chkChapter(1)"_s)->setChecked(true);
        h->get<QCheckBox>(u"chkChapter(4)"_s)->setChecked(true);
        h->click(u"imgSelect"_s);
        QVERIFY(h->notices.shown.isEmpty());
        QVERIFY(!h->shown(u"Fr1"_s));
        QVERIFY(h->shown(u"FR0"_s));
        QCOMPARE(h->text(u"lblAll"_s), u"4 题"_s);
        QCOMPARE(titlesThroughNext(*h),
                 (QStringList{u"1.Q20"_s, u"2.Q21"_s, u"3.Q50"_s, u"4.Q52"_s}));
    }

    void startWithNothingChecked() {
        std::unique_ptr<TrainerHarness> h(mixedBank());
        h->click(u"imgNav(0)"_s);
        h->click(u"imgNav(1)"_s);
        h->click(u"imgSelect"_s);
        QCOMPARE(h->notices.texts(), QStringList{u"请选择章节！"_s});
        QVERIFY(h->shown(u"Fr1"_s));
        QCOMPARE(h->text(u"lblAll"_s), u"7 题"_s); // the count of the last question set
    }

    void returningUnchecksEveryBox() {
        std::unique_ptr<TrainerHarness> h(mixedBank());
        h->click(u"imgNav(1)"_s);
        for (QCheckBox *box : h->form().chkChapter)
            box->setChecked(true);
        h->click(u"imgSelect"_s);
        h->click(u"imgNav(1)"_s);
        QCOMPARE(h->form().chkChapter.size(), 7); // boxes are reused, not created again
        for (QCheckBox *box : h->form().chkChapter)
            QVERIFY(!box->isChecked());
    }

    void hostileChapterIdIsNeverPasted() {
        TrainerHarness h({{2, u"第二章"_s, 2}, {3, u"第三章"_s, 2}}, {choice(1, 2), choice(2, 3)});
        h.click(u"imgNav(1)"_s);
        QCOMPARE(h.form().chkChapter.size(), 2);
        h.form().chkChapter[1]->setProperty("Tag", u"0) or (1=1"_s);
        for (QCheckBox *box : h.form().chkChapter)
            box->setChecked(true);
        h.click(u"imgSelect"_s);
        QCOMPARE(h.text(u"lblAll"_s), u"1 题"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        // Only the hostile box checked: an empty set, never the whole bank.
        h.click(u"imgNav(1)"_s);
        h.form().chkChapter[1]->setProperty("Tag", u"3 or 1=1"_s);
        h.form().chkChapter[1]->setChecked(true);
        h.click(u"imgSelect"_s);
        QVERIFY(h.notices.shown.isEmpty());
        QCOMPARE(h.text(u"lblAll"_s), u"0 题"_s);
    }

    void emptySetShowsZeroAndNoQuestion() {
        TrainerHarness h({}, {choice(1, 1)});
        h.click(u"imgNav(0)"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        h.click(u"imgNav(2)"_s); // no animation questions
        QCOMPARE(h.text(u"lblAll"_s), u"0 题"_s);
        for (const char *control : {"imgAnswer(0)", "imgPre", "imgNext", "imgDone"})
            QTest::mouseClick(h.get(QString::fromLatin1(control)), Qt::LeftButton);
        QTest::keyClicks(h.get(u"txtCurrent"_s), u"3"_s);
        QVERIFY(h.notices.shown.isEmpty());
    }

    // A set that comes back empty shows no question: nothing of the previous one stays.
    void anEmptySetShowsNoQuestion() {
        TrainerHarness h({}, {typed(1, 1, u"2"_s), typed(2, 1, u"1"_s)}); // no animation
        h.click(u"imgNav(0)"_s);
        h.click(u"imgAnswer(0)"_s);
        h.click(u"imgDone"_s);
        QVERIFY(h.shown(u"imgDone"_s));
        h.click(u"imgNav(2)"_s);
        QCOMPARE(h.text(u"lblAll"_s), u"0 题"_s);
        QCOMPARE(h.text(u"lblTitle"_s), QString());
        QCOMPARE(h.text(u"lblAnswer"_s), QString());
        for (const char *gone : {"imgAnswer(0)", "imgAnswer(1)", "imgAnswer(2)", "imgAnswer(3)",
                                 "imgDone", "lblMyAnswer", "lblRightAnswer", "imgOK", "imgErr"})
            QVERIFY2(!h.shown(QString::fromLatin1(gone)), gone);
        QVERIFY(h.get<QLabel>(u"imgTitlePic"_s)->pixmap().isNull());
        QVERIFY(h.notices.shown.isEmpty());
    }

    void practiceButtonStopsARunningExamination_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("sequential") << 0;
        QTest::newRow("chapters") << 1;
        QTest::newRow("animation") << 2;
        QTest::newRow("multi-answer") << 3;
    }
    void practiceButtonStopsARunningExamination() {
        QFETCH(int, button);
        QList<fixture::Question> paper; // chapter 1's quota: a paper of five
        for (int id = 1; id <= 5; ++id)
            paper.append(typed(id, 1, u"1"_s));
        auto h =
            std::make_unique<TrainerHarness>(QList<fixture::Chapter>{{1, u"第1章"_s, 2}}, paper);
        trainer::FormMain &form = h->form();
        form.session().setClockInterval(std::chrono::hours(24));
        h->click(u"imgNav(4)"_s);
        QCOMPARE(form.session().mode(), trainer::Session::Mode::Exam);
        QVERIFY(h->shown(u"Fr4"_s));
        QVERIFY(h->shown(u"lblTime"_s));
        h->click(u"imgNav(%1)"_s.arg(button));
        QVERIFY(!form.session().clockRunning());
        QVERIFY(form.session().mode() != trainer::Session::Mode::Exam);
        QVERIFY(!h->shown(u"lblTime"_s));
        QVERIFY(!h->shown(u"imgCommit"_s));
        QVERIFY(!h->shown(u"Fr4"_s));
    }
};

QTEST_MAIN(ModesTest)
#include "tst_modes.moc"
