#pragma once

// The trainer window over an examination bank, with seeded papers and the result dialog
// answered by the test.
#include "../trainer/trainerharness.h"

#include "trainer/dlgmsg.h"
#include "trainer/picturebox.h"
#include "trainer/shufflerandom.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace exam {

inline constexpr quint32 kNotAnswered = 0xFEFDFF, kCurrent = 0x0042BE, kAnswered = 0x84BFFE,
                         kRight = 0xFE7F80, kWrong = 0x0000FE;

// A bank whose paper is known in kind: the single-answer questions are right with "A" (ans
// "1"), the multi-answer ones with "AC" (ans stored "31"). perChapter gives the single-answer
// questions of chapters 1 to 7; chapter 8 holds more of both kinds, never to be drawn.
inline QList<fixture::Question> examBank(const QList<int> &perChapter = {5, 10, 10, 5, 5, 5, 5},
                                         int multis = 5) {
    QList<fixture::Question> questions;
    qint64 id = 0;
    for (qsizetype c = 0; c < perChapter.size(); ++c) {
        for (int i = 0; i < perChapter[c]; ++i) {
            fixture::Question q = fixture::choice(++id, c + 1, QStringLiteral("1"));
            q.type = i % 3 == 2 ? QStringLiteral("3") : QStringLiteral("1");
            questions.append(q);
        }
    }
    for (int i = 0; i < multis; ++i) {
        fixture::Question q = fixture::choice(++id, i % 7 + 1, QStringLiteral("31"));
        q.type = QStringLiteral("2");
        questions.append(q);
    }
    for (int i = 0; i < 6; ++i) {
        fixture::Question q =
            fixture::choice(++id, 8, i % 2 ? QStringLiteral("1") : QStringLiteral("24"));
        q.type = i % 2 ? QStringLiteral("1") : QStringLiteral("2");
        questions.append(q);
    }
    return questions;
}

// Closes every result dialog that opens while it lives, noting its two lines.
class ResultDialogs : public QObject {
public:
    ResultDialogs() {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<trainer::DlgMsg *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            lines.append({dialog->lblLabel1->text(), dialog->lblLabel2->text()});
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmd")),
                              Qt::LeftButton);
        });
        m_poll.start(5);
    }
    QList<QStringList> lines;

private:
    QTimer m_poll;
};

// Starts an examination with a seeded paper by pressing the examination button. The test ticks
// the clock itself: the clock is slowed down so that no real second slips in.
inline void startExam(TrainerHarness &h, quint64 seed = 1) {
    h.form().session().setShuffleRandom(
        std::make_shared<trainer::ShuffleRandom>([next = seed]() mutable { return next++; }));
    h.form().session().setClockInterval(std::chrono::hours(24));
    h.click(QStringLiteral("imgNav(4)"));
}

inline bool handedIn(const trainer::FormMain &form) {
    return form.session().mode() == trainer::Session::Mode::Review;
}

inline trainer::PictureBox *cell(TrainerHarness &h, int index) {
    return h.get<trainer::PictureBox>(QStringLiteral("optNum(%1)").arg(index));
}

inline QList<quint32> sheetColours(TrainerHarness &h) {
    QList<quint32> colours;
    for (int i = 0; i < h.form().session().recordCount(); ++i)
        colours.append(cell(h, i)->backColor());
    return colours;
}

// Answers the question on screen: right or wrong, as the learner would with the buttons.
// Automatic advance moves on afterwards.
inline void answer(TrainerHarness &h, bool right) {
    if (h.shown(QStringLiteral("imgDone"))) { // multi-answer: right is A and C
        h.click(QStringLiteral("imgAnswer(0)"));
        h.click(QStringLiteral("imgAnswer(%1)").arg(right ? 2 : 1));
        h.click(QStringLiteral("imgDone"));
    } else {
        h.click(QStringLiteral("imgAnswer(%1)").arg(right ? 0 : 1));
    }
}

} // namespace exam
