// The session without any widget: judging and advancing in every mode, multi-answer toggling,
// the examination clock to time-up, scoring and the pass mark, review colours, short papers,
// empty sets and banks that cannot be opened.
#include "bank/schema.h"
#include "bank/sqlite.h"
#include "fixturebank.h"
#include "trainer/legend.h"
#include "trainer/session.h"
#include "trainer/shufflerandom.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using trainer::AnswerLine;
using trainer::Session;
using Mark = trainer::AnswerLine::Mark;
using Mode = trainer::Session::Mode;
using trainer::legendColor;
using trainer::Swatch;

namespace {

constexpr int kConfirm = -1; // in a list of clicks: the multi-answer confirmation

fixture::Question single(qint64 id, qint64 chapter, const QVariant &ans) {
    fixture::Question q = fixture::choice(id, chapter);
    q.ans = ans;
    return q;
}

fixture::Question multi(qint64 id, qint64 chapter, const QString &ans) {
    fixture::Question q = fixture::choice(id, chapter, ans);
    q.type = u"2"_s;
    return q;
}

// A bank whose paper is ten questions: chapter 1's five single answers (right with A), then
// five multi-answers (right with A and D); no other chapter can fill its quota.
QList<fixture::Question> tenQuestionPaper() {
    QList<fixture::Question> questions;
    for (qint64 id = 1; id <= 5; ++id)
        questions.append(single(id, 1, u"1"_s));
    for (qint64 id = 6; id <= 10; ++id)
        questions.append(multi(id, 2, u"41"_s));
    return questions;
}

// A full paper: the chapter quotas in single answers (right with A), five multi-answers (right
// with A and C, stored "31").
QList<fixture::Question> fullPaper() {
    QList<fixture::Question> questions;
    const int quotas[] = {5, 10, 10, 5, 5, 5, 5};
    qint64 id = 0;
    for (int chapter = 1; chapter <= 7; ++chapter) {
        for (int i = 0; i < quotas[chapter - 1]; ++i)
            questions.append(single(++id, chapter, u"1"_s));
    }
    for (int i = 0; i < 5; ++i)
        questions.append(multi(++id, i + 1, u"31"_s));
    return questions;
}

trainer::Edition edition() {
    trainer::Edition e;
    e.bankFile = u"\\aqc.dll"_s;
    e.pictureFolder = u"\\anquanimages"_s;
    e.clipFolder = u"\\anquanimages"_s;
    return e;
}

// A session over a fixture bank in a fresh folder; only the test ticks its clock.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<Session> session;

    explicit Fixture(const QList<fixture::Question> &questions,
                     const QList<fixture::Chapter> &chapters = {}) {
        if (!questions.isEmpty() || !chapters.isEmpty())
            fixture::writeBank(bankPath(), chapters, questions);
        session = std::make_unique<Session>(edition(), dir.path());
        session->setClockInterval(std::chrono::hours(24));
        session->setShuffleRandom(std::make_shared<trainer::ShuffleRandom>(
            [next = quint64(1)]() mutable { return next++; }));
    }
    QString bankPath() const { return dir.filePath(u"aqc.dll"_s); }
    Session &s() { return *session; }

    void click(const QList<int> &clicks) {
        for (int option : clicks)
            option == kConfirm ? session->confirmAnswer() : session->chooseOption(option);
    }
    // Answers the question on show right or wrong, as its kind asks.
    void answer(bool right) {
        if (session->question().showsConfirm())
            click(right ? QList<int>{0, 2, kConfirm} : QList<int>{1, kConfirm});
        else
            session->chooseOption(right ? 0 : 1);
    }
    QVariant storedState(qint64 id) {
        bank::sqlite::Database db(bankPath(), bank::sqlite::Database::Mode::ReadOnly);
        db.key(QByteArray(bank::kBankPassword));
        bank::sqlite::Statement select(db, u"select state from shiti2012 where id=?"_s);
        select.bind(1, id);
        return select.step() ? select.column(0) : QVariant();
    }
};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    // Practice: a single answer is recorded and judged at once, a multi-answer is built by
    // toggling and judged on confirmation; only a right answer advances, and only with "自动".
    void practiceJudging_data() {
        QTest::addColumn<QVariant>("type");
        QTest::addColumn<QVariant>("ans");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("positionAfter");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("mark");       // on question 1, when it stays
        QTest::addColumn<QString>("stored"); // null: nothing recorded
        const int none = int(Mark::None), ok = int(Mark::Right), err = int(Mark::Wrong);
        const QVariant one = u"1"_s, two = u"2"_s;
        QTest::newRow("single, right, automatic")
            << one << QVariant(u"3"_s) << QList<int>{2} << true << 2 << QString() << QString()
            << none << u"C"_s;
        QTest::newRow("single, right, manual") << one << QVariant(u"3"_s) << QList<int>{2} << false
                                               << 1 << u"C"_s << u"C"_s << ok << u"C"_s;
        QTest::newRow("single, wrong, automatic") << one << QVariant(u"3"_s) << QList<int>{0}
                                                  << true << 1 << u"A"_s << u"C"_s << err << u"A"_s;
        QTest::newRow("animation, right, manual")
            << QVariant(u"3"_s) << QVariant(u"2"_s) << QList<int>{1} << false << 1 << u"B"_s
            << u"B"_s << ok << u"B"_s;
        QTest::newRow("single, no option digit") << one << QVariant(u"9"_s) << QList<int>{0} << true
                                                 << 1 << u"A"_s << QString() << err << u"A"_s;
        QTest::newRow("single, Null answer") << one << QVariant() << QList<int>{0} << true << 1
                                             << u"A"_s << QString() << err << u"A"_s;
        QTest::newRow("multi, toggled, not confirmed")
            << two << QVariant(u"41"_s) << QList<int>{1, 0, 3, 1} << true << 1 << u"AD"_s
            << QString() << none << QString();
        QTest::newRow("multi, right, manual")
            << two << QVariant(u"41"_s) << QList<int>{3, 0, kConfirm} << false << 1 << u"AD"_s
            << u"AD"_s << ok << u"AD"_s;
        QTest::newRow("multi, right, automatic")
            << two << QVariant(u"41"_s) << QList<int>{3, 0, kConfirm} << true << 2 << QString()
            << QString() << none << u"AD"_s;
        QTest::newRow("multi, A alone wrong") << two << QVariant(u"41"_s) << QList<int>{0, kConfirm}
                                              << true << 1 << u"A"_s << u"AD"_s << err << u"A"_s;
        QTest::newRow("multi, ABD wrong")
            << two << QVariant(u"41"_s) << QList<int>{0, 1, 3, kConfirm} << true << 1 << u"ABD"_s
            << u"AD"_s << err << u"ABD"_s;
        QTest::newRow("multi, nothing chosen")
            << two << QVariant(u"41"_s) << QList<int>{kConfirm} << true << 1 << QString() << u"AD"_s
            << err << QString();
        QTest::newRow("unknown type is built like a multi-answer")
            << QVariant(u"7"_s) << QVariant(u"1"_s) << QList<int>{0, kConfirm} << false << 1
            << u"A"_s << u"A"_s << ok << u"A"_s;
    }
    void practiceJudging() {
        QFETCH(QVariant, type);
        QFETCH(QVariant, ans);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, automatic);
        QFETCH(int, positionAfter);
        QFETCH(QString, mine);
        QFETCH(QString, right);
        QFETCH(int, mark);
        QFETCH(QString, stored);
        fixture::Question first = single(1, 1, ans);
        first.type = type;
        Fixture f({first, single(2, 1, u"1"_s)});
        Session &s = f.s();
        s.setAutoAdvance(automatic);
        s.loadPracticeSet(Session::SetKind::Sequential);
        QCOMPARE(s.mode(), Mode::Practice);
        QSignalSpy recorded(&s, &Session::answerRecorded);
        QSignalSpy judged(&s, &Session::answerJudged);
        f.click(clicks);

        QCOMPARE(s.question().position, positionAfter);
        if (positionAfter == 1) {
            const AnswerLine &line = s.answerLine();
            QCOMPARE(line.mine, mine);
            QCOMPARE(line.mineShown, clicks.first() != kConfirm); // confirming alone shows none
            QCOMPARE(int(line.mark), mark);
            QCOMPARE(line.rightShown, mark != int(Mark::None));
            if (line.rightShown)
                QCOMPARE(line.right, right);
            QCOMPARE(line.mineRight, mark == int(Mark::Right));
        }
        QCOMPARE(recorded.size(), stored.isNull() && !clicks.contains(kConfirm) ? 0 : 1);
        if (!recorded.isEmpty()) {
            const auto question = recorded[0][0].value<trainer::Question>();
            QCOMPARE(question.id, qint64(1));
            QCOMPARE(question.chapter, qint64(1));
            QCOMPARE(recorded[0][1].value<Mode>(), Mode::Practice);
            QCOMPARE(recorded[0][2].toString(), stored.isNull() ? QString() : stored);
            QCOMPARE(judged.size(), 1);
            QCOMPARE(judged[0][3].toBool(), mark == int(Mark::Right) || positionAfter == 2);
        }
        s.close(); // stores what the current record still holds
        QCOMPARE(f.storedState(1).toString(), stored.isNull() ? QString() : stored);
    }

    // In an examination answers are only recorded; after the hand-in a single answer is
    // recorded silently and a multi-answer confirmation is judged as in practice.
    void examAndReviewAnswering_data() {
        QTest::addColumn<bool>("review");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("positionAfter");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("judgedRight"); // -1: not judged
        QTest::newRow("exam, single, automatic")
            << false << 1 << QList<int>{1} << true << 2 << u"B"_s << -1;
        QTest::newRow("exam, single, manual")
            << false << 1 << QList<int>{0} << false << 1 << u"A"_s << -1;
        QTest::newRow("exam, last question stays")
            << false << 10 << QList<int>{3, kConfirm} << true << 10 << u"D"_s << -1;
        QTest::newRow("exam, multi, manual")
            << false << 6 << QList<int>{2, 1, kConfirm} << false << 6 << u"BC"_s << -1;
        QTest::newRow("exam, multi, automatic")
            << false << 6 << QList<int>{2, 1, kConfirm} << true << 7 << u"BC"_s << -1;
        QTest::newRow("exam, multi, not confirmed")
            << false << 6 << QList<int>{2, 1} << true << 6 << QString() << -1;
        QTest::newRow("review, single, manual")
            << true << 2 << QList<int>{3} << false << 2 << u"D"_s << -1;
        QTest::newRow("review, single, automatic")
            << true << 2 << QList<int>{3} << true << 3 << u"D"_s << -1;
        QTest::newRow("review, multi, right")
            << true << 6 << QList<int>{0, 3, kConfirm} << false << 6 << u"AD"_s << 1;
        QTest::newRow("review, multi, wrong")
            << true << 6 << QList<int>{1, kConfirm} << true << 6 << u"B"_s << 0;
    }
    void examAndReviewAnswering() {
        QFETCH(bool, review);
        QFETCH(int, position);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, automatic);
        QFETCH(int, positionAfter);
        QFETCH(QString, stored);
        QFETCH(int, judgedRight);
        Fixture f(tenQuestionPaper());
        Session &s = f.s();
        s.startExam();
        QCOMPARE(s.mode(), Mode::Exam);
        QCOMPARE(s.recordCount(), 10);
        if (review)
            s.handIn();
        QCOMPARE(s.mode(), review ? Mode::Review : Mode::Exam);
        s.setAutoAdvance(automatic);
        QVERIFY(s.goTo(position));
        const qint64 id = s.question().id;
        QSignalSpy judged(&s, &Session::answerJudged);
        f.click(clicks);

        QCOMPARE(s.question().position, positionAfter);
        QCOMPARE(judged.size(), judgedRight < 0 ? 0 : 1);
        if (judgedRight >= 0) {
            QCOMPARE(judged[0][3].toBool(), judgedRight == 1);
            QCOMPARE(s.answerLine().mark, judgedRight ? Mark::Right : Mark::Wrong);
            QVERIFY(s.answerLine().rightShown);
        }
        if (!review && positionAfter == position) {
            // Nothing during an examination tells whether an answer is right.
            QVERIFY(!s.answerLine().rightShown);
            QCOMPARE(s.answerLine().mark, Mark::None);
            QVERIFY(!s.answerLine().mineRight);
        }
        s.close();
        QCOMPARE(f.storedState(id).toString(), stored);
    }

    // What a question shows when it comes up: in an examination my letters in red and nothing
    // else; in review the right answer always, and mine with its mark once answered.
    void answerLineByMode_data() {
        QTest::addColumn<bool>("review");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("mineShown");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<bool>("green");
        QTest::addColumn<bool>("rightShown");
        QTest::addColumn<int>("mark");
        const int none = int(Mark::None), ok = int(Mark::Right), err = int(Mark::Wrong);
        QTest::newRow("exam, not answered")
            << false << QList<int>{} << true << QString() << false << false << none;
        QTest::newRow("exam, right")
            << false << QList<int>{0, 3, kConfirm} << true << u"AD"_s << false << false << none;
        QTest::newRow("exam, wrong")
            << false << QList<int>{1, kConfirm} << true << u"B"_s << false << false << none;
        QTest::newRow("review, not answered")
            << true << QList<int>{} << false << QString() << false << true << none;
        QTest::newRow("review, right")
            << true << QList<int>{3, 0, kConfirm} << true << u"AD"_s << true << true << ok;
        QTest::newRow("review, wrong")
            << true << QList<int>{1, kConfirm} << true << u"B"_s << false << true << err;
    }
    void answerLineByMode() {
        QFETCH(bool, review);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, mineShown);
        QFETCH(QString, mine);
        QFETCH(bool, green);
        QFETCH(bool, rightShown);
        QFETCH(int, mark);
        Fixture f(tenQuestionPaper());
        Session &s = f.s();
        s.setAutoAdvance(false);
        s.startExam();
        QVERIFY(s.goTo(6)); // a multi-answer, right with A and D
        f.click(clicks);
        if (review)
            s.handIn();
        QVERIFY(s.goTo(7));
        QSignalSpy shown(&s, &Session::questionShown);
        QVERIFY(s.goTo(6));
        QCOMPARE(shown.size(), 1);
        const auto line = shown[0][1].value<AnswerLine>();
        QCOMPARE(line.mineShown, mineShown);
        QCOMPARE(line.mine, mine);
        QCOMPARE(line.mineRight, green);
        QCOMPARE(line.rightShown, rightShown);
        if (rightShown)
            QCOMPARE(line.right, u"AD"_s);
        QCOMPARE(int(line.mark), mark);
        QVERIFY(shown[0][0].value<trainer::Question>().showsConfirm());
    }

    // The clock counts down once a second and at 30 minutes hands the paper in by itself.
    void clockToTimeUp() {
        Fixture f(tenQuestionPaper());
        Session &s = f.s();
        QSignalSpy captions(&s, &Session::clockTicked);
        QSignalSpy timeUp(&s, &Session::timeUp);
        QSignalSpy handedIn(&s, &Session::paperHandedIn);
        s.startExam();
        QVERIFY(s.clockRunning());
        QCOMPARE(captions.last()[0].toString(), u"30:00"_s);
        f.answer(true);
        for (int i = 0; i < 1799; ++i)
            s.tick();
        QCOMPARE(captions.last()[0].toString(), u"00:01"_s);
        QVERIFY(s.clockRunning());
        QVERIFY(timeUp.isEmpty());
        s.tick();
        QCOMPARE(timeUp.size(), 1);
        QCOMPARE(handedIn.size(), 1);
        QVERIFY(!s.clockRunning());
        QCOMPARE(s.mode(), Mode::Review);
        QCOMPARE(handedIn[0][0].value<trainer::PaperResult>().score, 2);
        s.handIn(); // a late confirmation hands in nothing more
        QCOMPARE(handedIn.size(), 1);
    }

    // Two points per right question; 90 passes. A multi-answer is right only as a whole.
    void scoringAndPassMark_data() {
        QTest::addColumn<int>("rightCount");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("passed");
        QTest::newRow("all") << 50 << 100 << true;
        QTest::newRow("pass mark") << 45 << 90 << true;
        QTest::newRow("one short") << 44 << 88 << false;
        QTest::newRow("none right") << 0 << 0 << false;
    }
    void scoringAndPassMark() {
        QFETCH(int, rightCount);
        QFETCH(int, score);
        QFETCH(bool, passed);
        Fixture f(fullPaper());
        Session &s = f.s();
        s.startExam();
        QCOMPARE(s.recordCount(), 50);
        for (int position = 1; position <= 50; ++position) {
            QVERIFY(s.goTo(position));
            f.answer(position > 50 - rightCount); // the last ones right, multi-answers included
        }
        QSignalSpy handedIn(&s, &Session::paperHandedIn);
        s.handIn();
        QCOMPARE(handedIn.size(), 1);
        const auto result = handedIn[0][0].value<trainer::PaperResult>();
        QCOMPARE(result.score, score);
        QCOMPARE(result.passed, passed);
        QCOMPARE(result.scoreLine(), u"您的得分："_s + QString::number(score) + u"分！"_s);
        QCOMPARE(result.verdictLine(),
                 passed ? u"祝贺您通过考试！"_s : u"未能通过考试,还需多多练习"_s);
        QCOMPARE(result.questions.size(), 50);
        QSet<qint64> ids;
        for (const trainer::JudgedQuestion &q : result.questions)
            ids.insert(q.id);
        QCOMPARE(ids.size(), 50);
        QCOMPARE(result.questions.last().right, rightCount > 0);
        QCOMPARE(result.questions.first().right, rightCount == 50);
    }

    // After the hand-in every cell keeps its judged colour; the current one gets it back when
    // the learner moves on. A typed jump releases the old cell without painting the new one.
    void reviewColours() {
        Fixture f(tenQuestionPaper());
        Session &s = f.s();
        s.setAutoAdvance(false);
        s.startExam();
        QCOMPARE(s.cellColor(0), legendColor(Swatch::Current));
        s.tick(); // in its first second the clock rests, and a left cell takes its kept colour
        f.answer(true);
        s.next();
        f.answer(false);
        s.next(); // question 3 left unanswered
        QCOMPARE(s.cellColor(1), legendColor(Swatch::Answered));
        s.handIn();
        QCOMPARE(s.rememberedCellColor(0), legendColor(Swatch::Right));
        QCOMPARE(s.cellColor(0), legendColor(Swatch::Current));
        QCOMPARE(s.cellColor(1), legendColor(Swatch::Wrong));
        QCOMPARE(s.cellColor(2), legendColor(Swatch::NotAnswered));
        QCOMPARE(s.question().position, 1);
        s.next();
        QCOMPARE(s.cellColor(0), legendColor(Swatch::Right));
        QCOMPARE(s.cellColor(1), legendColor(Swatch::Current));
        s.goToCell(4);
        QCOMPARE(s.cellColor(1), legendColor(Swatch::Wrong));
        QCOMPARE(s.cellColor(4), legendColor(Swatch::Current));
        QVERIFY(s.goTo(3));
        QCOMPARE(s.cellColor(4), legendColor(Swatch::NotAnswered));
        QCOMPARE(s.cellColor(2), legendColor(Swatch::NotAnswered)); // not painted current
    }

    // A chapter short of its quota drops out: the paper and its sheet are that much shorter.
    void shortPaper() {
        QList<fixture::Question> questions;
        for (qint64 id = 1; id <= 5; ++id)
            questions.append(single(id, 1, u"1"_s));
        for (qint64 id = 6; id <= 14; ++id) // chapter 2 needs ten
            questions.append(single(id, 2, u"1"_s));
        Fixture f(questions);
        Session &s = f.s();
        QSignalSpy sheet(&s, &Session::sheetReset);
        QSignalSpy loaded(&s, &Session::setLoaded);
        s.startExam();
        QCOMPARE(sheet.size(), 1);
        QCOMPARE(sheet[0][0].toInt(), 5);
        QCOMPARE(loaded[0][1].toInt(), 5);
        QVERIFY(s.question().chapter == 1);
        s.goTo(5);
        f.answer(true);
        QVERIFY(!s.goTo(6));
        QSignalSpy handedIn(&s, &Session::paperHandedIn);
        s.handIn();
        const auto result = handedIn[0][0].value<trainer::PaperResult>();
        QCOMPARE(result.questions.size(), 5);
        QCOMPARE(result.score, 2);
    }

    // A set with no question shows none and leaves nothing to answer or move.
    void emptySetShowsNoQuestion() {
        Fixture f({single(1, 1, u"1"_s)}); // no animation question
        Session &s = f.s();
        s.loadPracticeSet(Session::SetKind::Sequential);
        QVERIFY(s.hasQuestion());
        QSignalSpy cleared(&s, &Session::questionCleared);
        QSignalSpy loaded(&s, &Session::setLoaded);
        s.loadPracticeSet(Session::SetKind::Animation);
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded[0][1].toInt(), 0);
        QCOMPARE(cleared.size(), 1);
        QVERIFY(!s.hasQuestion());
        QSignalSpy recorded(&s, &Session::answerRecorded);
        s.chooseOption(0);
        s.confirmAnswer();
        s.next();
        QVERIFY(s.goTo(1)); // nothing to jump in: no complaint either
        QVERIFY(recorded.isEmpty());
    }

    // Every way a mode button can find the bank unusable: one failure signal with the file and
    // the reason, no set, no question, and no clock.
    void bankThatFailsToOpen_data() {
        QTest::addColumn<QString>("content"); // "missing", "text" or "password"
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("reason");
        const QString missing = u"文件不存在"_s, notABank = u"不是题库文件"_s,
                      password = u"密码错误"_s;
        for (int button : {0, 1, 4}) {
            QTest::addRow("missing, button %d", button) << u"missing"_s << button << missing;
            QTest::addRow("not a bank, button %d", button) << u"text"_s << button << notABank;
            QTest::addRow("wrong password, button %d", button)
                << u"password"_s << button << password;
        }
    }
    void bankThatFailsToOpen() {
        QFETCH(QString, content);
        QFETCH(int, button);
        QFETCH(QString, reason);
        Fixture f({});
        if (content == u"text"_s) {
            QFile file(f.bankPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no bank here\n");
        } else if (content == u"password"_s) {
            bank::sqlite::Database db(f.bankPath(), bank::sqlite::Database::Mode::Create);
            db.key("another password");
            db.exec(bank::schemaSql());
        }
        Session &s = f.s();
        QSignalSpy failed(&s, &Session::bankOpenFailed);
        QSignalSpy loaded(&s, &Session::setLoaded);
        QSignalSpy shown(&s, &Session::questionShown);
        if (button == 0)
            s.loadPracticeSet(Session::SetKind::Sequential);
        else if (button == 1)
            QVERIFY(s.loadChapterList().isEmpty());
        else
            s.startExam();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(), u"aqc.dll"_s);
        QCOMPARE(failed[0][1].toString(), reason);
        QVERIFY(loaded.isEmpty());
        QVERIFY(shown.isEmpty());
        QCOMPARE(s.mode(), Mode::None);
        QVERIFY(!s.hasQuestion());
        QVERIFY(!s.clockRunning());
        s.chooseOption(0);
        s.handIn();
        QCOMPARE(s.mode(), Mode::None);
    }

    // The chapter page's list, then the questions of the chapters chosen, in id order, each
    // shown with its identity.
    void chaptersInIdOrder() {
        Fixture f({single(5, 2, u"1"_s), single(3, 1, u"1"_s), single(4, 3, u"1"_s),
                   single(1, 2, u"1"_s)},
                  {{1, u"一"_s, 2}, {2, u"二"_s, 2}, {3, u"三"_s, 0}});
        Session &s = f.s();
        const QList<trainer::Chapter> chapters = s.loadChapterList();
        QCOMPARE(chapters.size(), 2);
        QCOMPARE(chapters[1].id, u"2"_s);
        QCOMPARE(chapters[1].name, u"二"_s);
        QSignalSpy shown(&s, &Session::questionShown);
        s.loadChapters({u"2"_s, u"1"_s});
        QCOMPARE(s.recordCount(), 3);
        QList<qint64> ids;
        for (int position = 1; position <= 3; ++position) {
            QVERIFY(s.goTo(position));
            ids.append(s.question().id);
        }
        QCOMPARE(ids, (QList<qint64>{1, 3, 5}));
        QCOMPARE(shown[0][0].value<trainer::Question>().chapter, qint64(2));
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
