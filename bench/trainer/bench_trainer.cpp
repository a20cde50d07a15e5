// Click-to-repaint times of the trainer window: from the click on a control to the window
// painted again, offscreen, picture decoding included, on a 1,500-question bank.
// Prints one line per action: ui-action <name> p50_ms=… p95_ms=…
#include "fixturebank.h"
#include "trainer/formmain.h"
#include "trainer/notices.h"
#include "trainer/picturebox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kQuestions = 1500;
constexpr int kPictures = 12;
constexpr int kRounds = 200;

class SilentNotices : public trainer::Notices {
public:
    void information(const QString &, const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
};

// Every third question has one of a dozen road pictures, every fifth is a multi-answer one.
void writeSampleBank(const QString &folder) {
    QDir(folder).mkpath(u"anquanimages"_s);
    for (int i = 0; i < kPictures; ++i) {
        QImage picture(480, 210, QImage::Format_RGB32);
        picture.fill(QColor(90 + i * 10, 120, 160));
        QPainter painter(&picture);
        for (int x = 0; x < 480; x += 24)
            painter.fillRect(x, 100 + (x * 7 + i * 13) % 60, 16, 4, Qt::white);
        painter.end();
        picture.save(folder + u"/anquanimages/p%1.png"_s.arg(i));
    }
    QList<fixture::Chapter> chapters;
    for (int c = 1; c <= 7; ++c)
        chapters.append({c, u"第%1章"_s.arg(c), 2});
    QList<fixture::Question> questions;
    for (int id = 1; id <= kQuestions; ++id) {
        fixture::Question q = fixture::choice(id, 1 + id % 7, QString::number(1 + id % 4));
        q.question = u"第%1题：驾驶机动车在道路上行驶时，遇到这种情况应当怎样做？"_s.arg(id);
        if (id % 3 == 0)
            q.bmp = u"\\p%1.png"_s.arg(id % kPictures);
        if (id % 5 == 0) {
            q.type = u"2"_s;
            q.ans = u"13"_s;
        }
        questions.append(q);
    }
    fixture::writeBank(folder + u"/aqc.dll"_s, chapters, questions);
}

struct Percentiles {
    double p50, p95;
};

Percentiles percentiles(QList<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[qsizetype(q * double(samples.size() - 1))]; };
    return {at(0.50), at(0.95)};
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeSampleBank(folder.path());

    trainer::Edition edition;
    edition.bankFile = u"\\aqc.dll"_s;
    edition.pictureFolder = u"\\anquanimages"_s;
    edition.clipFolder = u"\\anquanimages"_s;
    SilentNotices notices;
    trainer::FormMain form(edition, &notices, folder.path());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.cboJump->setCurrentIndex(1); // answers stay on their question

    const auto control = [&](const QString &name) { return form.findChild<QWidget *>(name); };
    const auto measure = [&](const char *name, const std::function<QWidget *(int)> &before) {
        QList<double> samples;
        for (int round = 0; round < kRounds; ++round) {
            QWidget *target = before(round);
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(target, Qt::LeftButton);
            form.repaint();
            samples.append(double(clock.nsecsElapsed()) / 1e6);
        }
        const Percentiles p = percentiles(samples);
        std::printf("ui-action %s p50_ms=%.2f p95_ms=%.2f\n", name, p.p50, p.p95);
    };

    measure("practice-mode", [&](int) { return control(u"imgNav(0)"_s); });
    measure("next", [&](int) { return control(u"imgNext"_s); });
    measure("previous", [&](int) { return control(u"imgPre"_s); });
    measure("answer", [&](int round) {
        QTest::mouseClick(control(u"imgNext"_s), Qt::LeftButton); // a fresh question each time
        return control(u"imgAnswer(%1)"_s.arg(round % 4));
    });

    // The cells of a running examination; only the bench's own clicks move the clock's state.
    form.session().setClockInterval(std::chrono::hours(24));
    QTest::mouseClick(control(u"imgNav(4)"_s), Qt::LeftButton);
    const int paperLength = std::max(1, form.session().recordCount());
    measure("cell",
            [&](int round) { return control(u"optNum(%1)"_s.arg((round * 7) % paperLength)); });
    return 0;
}
