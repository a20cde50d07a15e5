// The learner's progress through the window: wrong answers fill the book and survive a restart,
// three rights in a row empty it, favourites and random practice, exams in the history, the
// study keys, and imports that are refused.
#include "../exam/examharness.h"
#include "progress/progressstore.h"
#include "trainer/progressrecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QLoggingCategory>
#include <QMutex>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using trainer::FormMain;

namespace {

QList<fixture::Question> twelveQuestions() {
    QList<fixture::Question> questions;
    for (qint64 id = 1; id <= 12; ++id)
        questions << fixture::choice(id, 1, u"1"_s); // A is right
    return questions;
}

void waitForBank(TrainerHarness &h) {
    QTRY_VERIFY(h.form().progressRecorder().knowsBank());
}

// Messages of the safedrive.* categories, from any thread.
QMutex g_loggedLock;
QStringList g_logged;

void recordMessage(QtMsgType, const QMessageLogContext &context, const QString &message) {
    const QMutexLocker lock(&g_loggedLock);
    if (QLatin1String(context.category).startsWith("safedrive."_L1))
        g_logged.append(message);
}

} // namespace

class TestProgressFlow : public QObject {
    Q_OBJECT
private slots:
    void wrongAnswersFillTheBookAndRightsEmptyIt();
    void favouritesAndRandomPractice();
    void examsAppearInTheHistory();
    void studyKeys();
    void spaceConfirmsAndCtrlEnterHandsIn();
    void keysFollowTheFocus();
    void goToBoxKeepsItsKeys();
    void badImportChangesNothing();
    void deletedWindowWaitsForItsBankReader();
};

void TestProgressFlow::wrongAnswersFillTheBookAndRightsEmptyIt() {
    TrainerHarness h({{1, u"第一章"_s}}, twelveQuestions());
    waitForBank(h);
    h.click(u"imgNav(0)"_s);
    for (int i = 0; i < 10; ++i) { // B is wrong: no automatic advance
        h.click(u"imgAnswer(1)"_s);
        h.click(u"imgNext"_s);
    }
    h.restart();
    waitForBank(h);
    QVERIFY(h.text(u"lblSummary"_s).contains(u"错题本 10 题"_s));
    h.form().openView(FormMain::View::Book);
    QCOMPARE(h.text(u"lblAll"_s), u"10 题"_s);
    for (int round = 0; round < 3; ++round) {
        h.form().openView(FormMain::View::Book);
        for (int i = 0; i < 10; ++i)
            h.click(u"imgAnswer(0)"_s); // right: advances by itself
    }
    h.form().openView(FormMain::View::Book);
    QCOMPARE(h.text(u"lblAll"_s), u"0 题"_s);
    QVERIFY(h.text(u"lblSummary"_s).contains(u"错题本 0 题"_s));
}

void TestProgressFlow::favouritesAndRandomPractice() {
    TrainerHarness h({{1, u"第一章"_s}}, twelveQuestions());
    waitForBank(h);
    h.click(u"imgNav(0)"_s);
    h.click(u"imgNext"_s); // question 2
    QVERIFY(h.shown(u"cmdFavourite"_s));
    h.click(u"cmdFavourite"_s);
    QCOMPARE(h.get<QPushButton>(u"cmdFavourite"_s)->text(), u"★ 已收藏"_s);
    h.form().openView(FormMain::View::Favourites);
    QCOMPARE(h.text(u"lblAll"_s), u"1 题"_s);
    QVERIFY(h.text(u"lblTitle"_s).contains(u"Q2"_s));

    h.form().openView(FormMain::View::Random);
    QCOMPARE(h.text(u"lblAll"_s), u"12 题"_s);
    QSet<QString> seen;
    for (int i = 0; i < 12; ++i) {
        seen.insert(h.text(u"lblTitle"_s).section(u'.', 1));
        h.click(u"imgNext"_s);
    }
    QCOMPARE(seen.size(), 12); // every question once
}

void TestProgressFlow::examsAppearInTheHistory() {
    TrainerHarness h({}, exam::examBank());
    waitForBank(h);
    exam::ResultDialogs results;
    for (int exam = 0; exam < 2; ++exam) {
        h.click(u"imgNav(4)"_s);
        h.click(u"imgAnswer(0)"_s);
        h.notices.answers = {true};
        h.click(u"imgCommit"_s);
    }
    h.form().openView(FormMain::View::History);
    auto *table = h.get<QTableWidget>(u"tblExams"_s);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 1)->text(), u"2"_s); // one right answer: 2 points
    table->setCurrentCell(0, 0);
    h.click(u"cmdOpenExam"_s);
    auto *paper = h.get<QTableWidget>(u"tblPaper"_s);
    QCOMPARE(paper->rowCount(), 50);
    QCOMPARE(h.form().progressStore().summary().lastExamScore, std::optional<int>(2));
}

void TestProgressFlow::studyKeys() {
    QList<fixture::Question> questions = twelveQuestions();
    questions[2].type = u"2"_s; // question 3 is a multi-answer, right answer AC
    questions[2].ans = u"13"_s;
    TrainerHarness h({{1, u"第一章"_s}}, questions);
    waitForBank(h);
    FormMain &form = h.form();
    h.click(u"imgNav(0)"_s);
    QTest::keyClick(&form, Qt::Key_B); // wrong: stays
    QCOMPARE(h.text(u"lblMyAnswer"_s), u"B"_s);
    QTest::keyClick(&form, Qt::Key_Right);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"2."_s));
    QTest::keyClick(&form, Qt::Key_1); // right: advances to 3
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"3."_s));
    QTest::keyClick(&form, Qt::Key_A);
    QTest::keyClick(&form, Qt::Key_3);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"3."_s)); // a multi-answer waits to be confirmed
    QTest::keyClick(&form, Qt::Key_Return);             // confirms AC: right, so on to 4
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"4."_s));
    QTest::keyClick(&form, Qt::Key_End);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"12."_s));
    QTest::keyClick(&form, Qt::Key_PageUp);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"11."_s));
    QTest::keyClick(&form, Qt::Key_Home);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"1."_s));
    QTest::keyClick(&form, Qt::Key_PageDown);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"2."_s));
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_F);
    QCOMPARE(form.progressStore().favouriteIds(), QList<qint64>{1});
    QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier); // no exam: nothing to hand in
    QVERIFY(h.notices.shown.isEmpty());
}

void TestProgressFlow::spaceConfirmsAndCtrlEnterHandsIn() {
    TrainerHarness h({}, exam::examBank());
    waitForBank(h);
    FormMain &form = h.form();
    h.click(u"imgNav(3)"_s); // the multi-answer practice
    QTest::keyClick(&form, Qt::Key_A);
    QTest::keyClick(&form, Qt::Key_C);
    QTest::keyClick(&form, Qt::Key_Space); // AC is right: on to the next one
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"2."_s));
    h.click(u"imgNav(4)"_s);
    exam::ResultDialogs results;
    h.notices.answers = {true};
    QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(h.notices.texts(), QStringList{u"你确定要交卷吗?"_s});
    QCOMPARE(form.session().mode(), trainer::Session::Mode::Review);
}

// The keys as the platform delivers them: to whatever has the focus, from which they travel up
// to the window unless that control uses them.
void TestProgressFlow::keysFollowTheFocus() {
    QList<fixture::Question> questions = twelveQuestions();
    questions[2].type = u"2"_s; // question 3 is a multi-answer, right answer AC
    questions[2].ans = u"13"_s;
    TrainerHarness h({{1, u"第一章"_s}}, questions);
    waitForBank(h);
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto title = [&h] { return h.text(u"lblTitle"_s).section(u'.', 0, 0); };
    h.click(u"imgNav(0)"_s); // a click on a button leaves the focus with the frame
    QVERIFY(QApplication::focusWidget());
    press(Qt::Key_B);
    QCOMPARE(h.text(u"lblMyAnswer"_s), u"B"_s);
    press(Qt::Key_Right);
    QCOMPARE(title(), u"2"_s);

    // Tab walks the shown controls up to the answer button A, which is named by its letter.
    QWidget *answerA = h.get(u"imgAnswer(0)"_s);
    for (int tabs = 0; tabs < 12 && QApplication::focusWidget() != answerA; ++tabs) {
        press(Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget()->isVisible(),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }
    QCOMPARE(QApplication::focusWidget(), answerA);
    QCOMPARE(QAccessible::queryAccessibleInterface(answerA)->text(QAccessible::Name), u"A"_s);
    // The arrows still step through the questions; the focus stays on the button.
    press(Qt::Key_Left);
    QCOMPARE(title(), u"1"_s);
    press(Qt::Key_Right);
    QCOMPARE(title(), u"2"_s);
    QCOMPARE(QApplication::focusWidget(), answerA);

    // Space answers A as a click does: right, so on to the multi-answer question 3.
    press(Qt::Key_Space);
    QCOMPARE(title(), u"3"_s);
    press(Qt::Key_Space);
    press(Qt::Key_C);
    QCOMPARE(h.text(u"lblMyAnswer"_s), u"AC"_s);
    press(Qt::Key_Return); // the window's confirm key, whatever has the focus
    QCOMPARE(title(), u"4"_s);

    // A press on B released beside it answers nothing.
    QWidget *answerB = h.get(u"imgAnswer(1)"_s);
    QTest::mousePress(answerB, Qt::LeftButton);
    QTest::mouseRelease(answerB, Qt::LeftButton, {}, QPoint(answerB->width() + 3, 5));
    QCOMPARE(h.text(u"lblMyAnswer"_s), QString());
    QCOMPARE(title(), u"4"_s);
}

void TestProgressFlow::goToBoxKeepsItsKeys() {
    TrainerHarness h({{1, u"第一章"_s}}, twelveQuestions());
    waitForBank(h);
    FormMain &form = h.form();
    h.click(u"imgNav(0)"_s);
    auto *box = h.get<QLineEdit>(u"txtCurrent"_s);
    QVERIFY(!box->hasFocus());
    QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_5);
    QVERIFY(h.text(u"lblTitle"_s).startsWith(u"5."_s)); // typed into the box, not answered
    QCOMPARE(h.text(u"lblMyAnswer"_s), QString());
}

void TestProgressFlow::badImportChangesNothing() {
    TrainerHarness h({{1, u"第一章"_s}}, twelveQuestions());
    waitForBank(h);
    h.click(u"imgNav(0)"_s);
    h.click(u"imgAnswer(1)"_s);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"other.json"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "safedrive-progress", "version": 1, "edition": "safedrive-heavy",
                   "answers": [], "exams": [], "favourites": []})");
    file.close();
    QVERIFY(h.form().importProgressFile(path).contains(u"未导入"_s));
    QCOMPARE(h.form().progressStore().allData().answers.size(), 1);
}

// The bank's questions are read on a thread of the window's own. A window deleted while that
// thread still waits for a locked bank lets it end first: nothing it does outlives the window.
void TestProgressFlow::deletedWindowWaitsForItsBankReader() {
    TrainerHarness h({{1, u"第一章"_s}}, twelveQuestions());
    waitForBank(h);
    bank::sqlite::Database writer(h.bankPath(), bank::sqlite::Database::Mode::ReadWrite);
    writer.key(QByteArray(bank::kBankPassword));
    bank::applyBankFormat(writer.handle());
    writer.exec(u"begin exclusive"_s); // the reader waits out its busy timeout, then gives up
    QLoggingCategory::setFilterRules(u"safedrive.*=true"_s);
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    {
        // The reader starts once the window has been painted.
        FormMain window(TrainerHarness::edition(), &h.notices, h.folder());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(100);
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    writer.exec(u"rollback"_s);
    QCOMPARE(g_logged.size(), 1);
    QVERIFY2(g_logged.first().startsWith(
                 u"reading the bank's questions for the progress store failed"_s),
             qPrintable(g_logged.first()));
    QCoreApplication::sendPostedEvents(); // what the reader sent finds no window
}

QTEST_MAIN(TestProgressFlow)
#include "tst_progressflow.moc"
