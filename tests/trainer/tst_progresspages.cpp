// The added pages: the statistics page draws its bars and its readiness line and saves its
// charts; the history page lists the exams and opens the one the learner picks.
#include "progress/readiness.h"
#include "trainer/historypage.h"
#include "trainer/statisticspage.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using progress::ExamRecord;

namespace {

ExamRecord exam(qint64 id, int score, int minutes = 20) {
    const QDateTime start = QDateTime(QDate(2026, 12, 1), QTime(9, 0)).addDays(id);
    return {id, start, start.addSecs(minutes * 60 + 5), score, score >= 90, {}};
}

// How many pixels of image are close to colour.
int pixelsNear(const QImage &image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                         std::abs(c.blue() - colour.blue()) <
                     24;
        }
    return count;
}

} // namespace

class TestProgressPages : public QObject {
    Q_OBJECT
private slots:
    void readiness_data();
    void readiness();
    void statisticsDrawsItsBars();
    void statisticsSavesTheCharts();
    void historyListsAndOpensExams();
};

void TestProgressPages::readiness_data() {
    QTest::addColumn<QList<int>>("scores"); // newest first
    QTest::addColumn<QString>("line");
    QTest::newRow("none yet") << QList<int>{} << u"已完成 0 次模拟考试，再考 5 次"_s;
    QTest::newRow("four") << QList<int>{99, 98, 97, 96} << u"再考 1 次"_s;
    QTest::newRow("five passes") << QList<int>{90, 92, 100, 94, 96} << u"均达到 90 分"_s;
    QTest::newRow("an older fail does not count")
        << QList<int>{90, 92, 100, 94, 96, 40} << u"均达到 90 分"_s;
    QTest::newRow("one recent fail") << QList<int>{90, 88, 100, 94, 96} << u"有 4 次达到 90 分"_s;
}

void TestProgressPages::readiness() {
    QFETCH(QList<int>, scores);
    QFETCH(QString, line);
    QList<ExamRecord> exams;
    for (int i = 0; i < scores.size(); ++i)
        exams << exam(i + 1, scores[i]);
    const QString said = progress::readinessLine(exams);
    QVERIFY2(said.contains(line), qPrintable(said));
}

void TestProgressPages::statisticsDrawsItsBars() {
    trainer::StatisticsPage page;
    page.resize(937, 483);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QImage empty = page.charts()->grab().toImage();
    page.showStatistics({{1, 20, 10, 12, 9}, {2, 40, 40, 50, 45}, {3, 40, 4, 4, 1}},
                        {exam(3, 96), exam(2, 84), exam(1, 70)});
    const QImage drawn = page.charts()->grab().toImage();
    const QColor practisedBlue(0x1e, 0x88, 0xe5), rightGreen(0x43, 0xa0, 0x47);
    // The legend shows each colour in a small square; the bars add far more of it.
    QVERIFY(pixelsNear(drawn, practisedBlue) > pixelsNear(empty, practisedBlue) + 500);
    QVERIFY(pixelsNear(drawn, rightGreen) > pixelsNear(empty, rightGreen) + 500);
    const auto *readiness = page.findChild<QLabel *>(u"lblReadiness"_s);
    QVERIFY(readiness->text().contains(u"再考 2 次"_s));
}

void TestProgressPages::statisticsSavesTheCharts() {
    trainer::StatisticsPage page;
    page.resize(937, 483);
    page.showStatistics({{1, 20, 10, 12, 9}}, {exam(1, 92)});
    QTemporaryDir dir;
    const QString path = dir.filePath(u"charts.png"_s);
    QVERIFY(page.saveCharts(path));
    const QImage saved(path);
    QCOMPARE(saved.size(), page.charts()->size());
    QVERIFY(!page.saveCharts(dir.filePath(u"missing/folder/charts.png"_s)));
}

void TestProgressPages::historyListsAndOpensExams() {
    trainer::HistoryPage page;
    page.showExams({exam(7, 94, 12), exam(5, 60, 30)});
    QTableWidget *table = page.table();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(), u"2026-12-08 09:00"_s);
    QCOMPARE(table->item(0, 1)->text(), u"94"_s);
    QCOMPARE(table->item(0, 2)->text(), u"12:05"_s);
    QCOMPARE(table->item(0, 3)->text(), u"合格"_s);
    QCOMPARE(table->item(1, 3)->text(), u"不合格"_s);
    QSignalSpy chosen(&page, &trainer::HistoryPage::examChosen);
    table->setCurrentCell(1, 0);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].toLongLong(), 5);
}

QTEST_MAIN(TestProgressPages)
#include "tst_progresspages.moc"
