// Click-to-repaint times of the trainer window: from the click on a control to the window
// painted again, picture decoding and the answer's write included, on banks of 1,500, 15,000
// and 150,000 questions with rows as long as real ones.
// Prints one line per action and size: ui-action <name> N=<questions> p50_ms=… p95_ms=…
#include "fixturebank.h"
#include "trainer/clipplayer.h"
#include "trainer/formmain.h"
#include "trainer/notices.h"
#include "trainer/question.h"
#include "trainer/session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPictures = 12;

class SilentNotices : public trainer::Notices {
public:
    void information(const QString &, const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
};

QString chineseText(QRandomGenerator &random, int min, int max) {
    QString text;
    const int length = random.bounded(min, max + 1);
    for (int i = 0; i < length; ++i)
        text.append(QChar(char16_t(0x4E00 + random.bounded(0x2000))));
    return text;
}

// Stems of 20 to 60 Chinese characters and four options; three in ten questions with one of a
// dozen road pictures, 15 % multi-answer, 15 % animations with one of two real clips.
void writeSampleBank(const QString &folder, int count) {
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
    const QDir clips(QStringLiteral(SAFEDRIVE_CLIPS_DIR));
    QFile::copy(clips.filePath(u"clip_tunnel.webm"_s), folder + u"/anquanimages/c0.webm"_s);
    QFile::copy(clips.filePath(u"clip_railway.webm"_s), folder + u"/anquanimages/c1.webm"_s);

    QRandomGenerator random{quint32(count)};
    QList<fixture::Chapter> chapters;
    for (int c = 1; c <= 8; ++c)
        chapters.append({c, chineseText(random, 4, 12), c <= 7 ? 2 : 1});
    QList<fixture::Question> questions;
    questions.reserve(count);
    for (int id = 1; id <= count; ++id) {
        fixture::Question q;
        q.id = id;
        q.chapter = random.bounded(100) < 95 ? 1 + random.bounded(7) : 8;
        q.question = chineseText(random, 20, 60);
        q.ans1 = chineseText(random, 2, 24);
        q.ans2 = chineseText(random, 2, 24);
        q.ans3 = chineseText(random, 2, 24);
        q.ans4 = chineseText(random, 2, 24);
        const int kind = random.bounded(100);
        q.type = kind < 70 ? u"1"_s : kind < 85 ? u"2"_s : u"3"_s;
        q.ans = kind >= 70 && kind < 85 ? u"134"_s : QString::number(1 + random.bounded(4));
        if (random.bounded(10) < 3)
            q.bmp = u"\\p%1.png"_s.arg(id % kPictures);
        if (kind >= 85)
            q.flash = u"\\c%1.webm"_s.arg(id % 2);
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

void benchActions(int count) {
    QTemporaryDir folder;
    writeSampleBank(folder.path(), count);

    trainer::Edition edition;
    edition.bankFile = u"\\aqc.dll"_s;
    edition.pictureFolder = u"\\anquanimages"_s;
    edition.clipFolder = u"\\anquanimages"_s;
    SilentNotices notices;
    trainer::FormMain form(edition, &notices, folder.path());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::exit(1);
    const int rounds = count >= 150000 ? 20 : count >= 15000 ? 40 : 100;

    const auto control = [&](const QString &name) { return form.findChild<QWidget *>(name); };
    const auto measure = [&](const char *name, int times,
                             const std::function<QWidget *(int)> &before) {
        QList<double> samples;
        for (int round = 0; round < times; ++round) {
            QWidget *target = before(round);
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(target, Qt::LeftButton);
            form.repaint();
            samples.append(double(clock.nsecsElapsed()) / 1e6);
        }
        const Percentiles p = percentiles(samples);
        std::printf("ui-action %s N=%d p50_ms=%.2f p95_ms=%.2f\n", name, count, p.p50, p.p95);
        std::fflush(stdout);
    };

    measure("practice-mode", rounds, [&](int) { return control(u"imgNav(0)"_s); });
    measure("next", rounds, [&](int) { return control(u"imgNext"_s); });
    measure("previous", rounds, [&](int) { return control(u"imgPre"_s); });
    // As the learner answers: the right answer of a single-answer question, judged; the program
    // moves on by itself and so stores it.
    trainer::Question shown;
    QObject::connect(&form.session(), &trainer::Session::questionShown,
                     [&](const trainer::Question &question) { shown = question; });
    measure("answer", rounds, [&](int) {
        while (!shown.isSingleAnswer())
            QTest::mouseClick(control(u"imgNext"_s), Qt::LeftButton);
        const int right =
            shown.rightAnswer.isEmpty() ? 0 : shown.rightAnswer.at(0).unicode() - u'A';
        return control(u"imgAnswer(%1)"_s.arg(right));
    });

    // From a playing clip to the next question (animation practice: the next clip).
    form.imgNav_Click(2);
    measure("leave-clip", 30, [&](int) -> QWidget * {
        if (!QTest::qWaitFor([&] { return form.wmp->playState() == trainer::ClipPlayer::Playing; },
                             5000))
            std::fprintf(stderr, "leave-clip: a clip did not play\n");
        QTest::qWait(200);
        return control(u"imgNext"_s);
    });

    // The cells of a running examination; only the bench's own clicks move the clock's state.
    form.session().setClockInterval(std::chrono::hours(24));
    QTest::mouseClick(control(u"imgNav(4)"_s), Qt::LeftButton);
    const int paperLength = std::max(1, form.session().recordCount());
    measure("cell", rounds,
            [&](int round) { return control(u"optNum(%1)"_s.arg((round * 7) % paperLength)); });

    measure("exam-start", std::min(rounds, 30), [&](int) { return control(u"imgNav(4)"_s); });
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    for (int count : {1500, 15000, 150000})
        benchActions(count);
    return 0;
}
