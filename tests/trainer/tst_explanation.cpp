// The explanation panel: after a judged answer in practice, throughout a review, never in a
// running exam; cleared by the next question; plain text, clipped, and never over the sheet.
#include "../exam/examharness.h"
#include "bank/bankformat.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

// Adds the explanation columns to a fixture bank and fills them for the given ids.
void explain(const QString &bankPath, const QList<std::tuple<qint64, QVariant, QVariant>> &rows) {
    bank::sqlite::Database db(bankPath, bank::sqlite::Database::Mode::ReadWrite);
    db.key(QByteArray(bank::kBankPassword));
    bank::applyBankFormat(db.handle());
    db.exec(u"pragma busy_timeout = 10000"_s); // the window reads the bank on a thread of its own
    db.exec(u"alter table shiti2012 add column jiexi text"_s);
    db.exec(u"alter table shiti2012 add column yiju text"_s);
    bank::sqlite::Statement update(db, u"update shiti2012 set jiexi=?, yiju=? where id=?"_s);
    for (const auto &[id, explanation, basis] : rows) {
        update.bind(1, explanation);
        update.bind(2, basis);
        update.bind(3, id);
        update.step();
        update.reset();
    }
}

} // namespace

class TestExplanation : public QObject {
    Q_OBJECT
private slots:
    void shownOnceJudgedInPractice();
    void neverInARunningExamAlwaysInReview();
    void hostileTexts_data();
    void hostileTexts();
    void keyAndToggleHideIt();
};

void TestExplanation::shownOnceJudgedInPractice() {
    TrainerHarness h({{1, u"第一章"_s}},
                     {fixture::choice(1, 1), fixture::choice(2, 1), fixture::choice(3, 1)});
    explain(h.bankPath(), {{1, u"第一题的理由。"_s, u"《道路交通安全法》第三十八条"_s},
                           {2, u"第二题的理由。"_s, u"安全驾驶常识"_s}});
    h.restart();
    h.click(u"imgNav(0)"_s);
    auto *panel = h.get<QPlainTextEdit>(u"txtExplanation"_s);
    QVERIFY(!panel->isVisible()); // not before the answer
    h.click(u"imgAnswer(1)"_s);   // wrong
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->toPlainText(), u"第一题的理由。\n依据：《道路交通安全法》第三十八条"_s);
    // Below the previous/next buttons, inside the question frame.
    QVERIFY(panel->geometry().top() >= h.get(u"imgNext"_s)->geometry().bottom());
    h.click(u"imgNext"_s);
    QVERIFY(!panel->isVisible()); // cleared with the next question
    h.click(u"imgAnswer(0)"_s);   // right: judged, then on to question 3
    QVERIFY(!panel->isVisible());
    h.click(u"imgPre"_s);
    h.click(u"imgAnswer(0)"_s); // question 2 again
    h.click(u"imgNext"_s);      // question 3 has none
    h.click(u"imgAnswer(1)"_s);
    QVERIFY(!panel->isVisible());
}

void TestExplanation::neverInARunningExamAlwaysInReview() {
    TrainerHarness h({}, exam::examBank());
    QList<std::tuple<qint64, QVariant, QVariant>> rows;
    for (const fixture::Question &q : exam::examBank())
        rows.append({q.id, u"理由 %1"_s.arg(q.id), u"依据 %1"_s.arg(q.id)});
    explain(h.bankPath(), rows);
    h.restart();
    h.click(u"imgNav(4)"_s);
    auto *panel = h.get<QPlainTextEdit>(u"txtExplanation"_s);
    for (int i = 0; i < 3; ++i) {
        h.click(u"imgAnswer(1)"_s);
        QVERIFY(!panel->isVisible());
    }
    exam::ResultDialogs results;
    h.notices.answers = {true};
    h.click(u"imgCommit"_s);
    QVERIFY(panel->isVisible());
    QVERIFY(panel->toPlainText().startsWith(u"理由 "_s));
    QWidget *sheet = h.get(u"Fr4"_s);
    QVERIFY(sheet->isVisible());
    QVERIFY(!panel->geometry().intersects(sheet->geometry()));
    // The panel draws its text, and the sheet looks the same with the panel shown or hidden.
    const QImage drawn = panel->grab().toImage();
    int dark = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            dark += qGray(drawn.pixel(x, y)) < 128;
    QVERIFY(dark > 20);
    const QImage withPanel = sheet->grab().toImage();
    QTest::keyClick(&h.form(), Qt::Key_E);
    QVERIFY(!panel->isVisible());
    QCOMPARE(sheet->grab().toImage(), withPanel);
    QTest::keyClick(&h.form(), Qt::Key_E);
    h.click(u"imgNext"_s);
    QVERIFY(panel->isVisible());
}

void TestExplanation::hostileTexts_data() {
    QTest::addColumn<QVariant>("explanation");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("starts");
    QTest::newRow("null") << QVariant() << false << QString();
    QTest::newRow("empty") << QVariant(QString()) << false << QString();
    QTest::newRow("markup") << QVariant(u"<b>粗体</b><script>x</script>"_s) << true
                            << u"<b>粗体</b><script>x</script>"_s;
    QTest::newRow("100,000 characters")
        << QVariant(QString(100000, u'长')) << true << QString(2000, u'长') + u"…"_s;
}

void TestExplanation::hostileTexts() {
    QFETCH(QVariant, explanation);
    QFETCH(bool, shown);
    QFETCH(QString, starts);
    TrainerHarness h({{1, u"第一章"_s}}, {fixture::choice(1, 1)});
    explain(h.bankPath(), {{1, explanation, QVariant()}});
    h.restart();
    const QSize before = h.form().size();
    h.click(u"imgNav(0)"_s);
    h.click(u"imgAnswer(1)"_s);
    auto *panel = h.get<QPlainTextEdit>(u"txtExplanation"_s);
    QCOMPARE(panel->isVisible(), shown);
    if (shown)
        QCOMPARE(panel->toPlainText(), starts);
    QCOMPARE(h.form().size(), before);
}

void TestExplanation::keyAndToggleHideIt() {
    TrainerHarness h({{1, u"第一章"_s}}, {fixture::choice(1, 1)});
    explain(h.bankPath(), {{1, u"理由。"_s, u"依据"_s}});
    h.restart();
    auto *toggle = h.get<QCheckBox>(u"chkExplanation"_s);
    toggle->setChecked(true);
    h.click(u"imgNav(0)"_s);
    h.click(u"imgAnswer(1)"_s);
    auto *panel = h.get<QPlainTextEdit>(u"txtExplanation"_s);
    QVERIFY(panel->isVisible());
    QTest::keyClick(&h.form(), Qt::Key_E);
    QVERIFY(!panel->isVisible());
    QVERIFY(!toggle->isChecked());
    h.restart(); // remembered between runs
    QVERIFY(!h.get<QCheckBox>(u"chkExplanation"_s)->isChecked());
    h.get<QCheckBox>(u"chkExplanation"_s)->setChecked(true);
}

QTEST_MAIN(TestExplanation)
#include "tst_explanation.moc"
