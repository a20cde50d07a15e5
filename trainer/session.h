#pragma once

#include "trainer/edition.h"
#include "trainer/legend.h"
#include "trainer/question.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <chrono>
#include <memory>
#include <optional>

namespace bank {
class Connection;
class RecordSet;
} // namespace bank

namespace trainer {

class ShuffleRandom;

// One chapter offered on the chapter page.
struct Chapter {
    QString id; // zhangjieid as text
    QString name;
};

// The trainer's state without a widget: the connection and the open set, the mode, the
// question on show with the learner's answer, the answer sheet's colours, the clock and the
// scoring. The window renders what it signals and forwards the learner's clicks to it.
class Session : public QObject {
    Q_OBJECT

public:
    enum class Mode {
        None,     // no question set open
        Practice, // answers judged at once
        Exam,     // the clock runs; answers only recorded
        Review,   // the paper was handed in; its judged sheet can be walked through
    };
    Q_ENUM(Mode)

    // Which set a mode button loads.
    // Book, Favourites and Random are the learner's own sets, practised as Sequential is.
    enum class SetKind {
        Sequential,
        Chapters,
        Animation,
        MultiAnswer,
        ExamPaper,
        Book,
        Favourites,
        Random,
    };
    Q_ENUM(SetKind)

    static constexpr int kExamSeconds = 1800;
    static constexpr int kPassMark = 90;
    static constexpr int kPointsPerQuestion = 2;
    static constexpr int kSheetCells = 50;

    // programFolder: where the bank and the media folders lie.
    Session(const Edition &edition, const QString &programFolder, QObject *parent = nullptr);
    ~Session() override;

    Mode mode() const { return m_mode; }
    bool hasQuestion() const; // a question set stands on a record
    const Question &question() const { return m_question; }
    const AnswerLine &answerLine() const { return m_line; }
    int recordCount() const; // of the open question set, 0 when none
    quint32 cellColor(int index) const { return m_cells[size_t(index)]; }
    quint32 rememberedCellColor(int index) const { return m_lngCellColor[size_t(index)]; }
    int examSeconds() const { return m_examSeconds; }
    bool clockRunning() const { return m_clock.isActive(); }

    // Answering moves on by itself after a recorded or right answer ("自动").
    void setAutoAdvance(bool on) { m_autoAdvance = on; }
    // The generator of the paper's shuffles; clock-seeded unless a test seeds its own.
    void setShuffleRandom(std::shared_ptr<ShuffleRandom> random);
    // How often the clock ticks; tests slow it down and call tick() themselves.
    void setClockInterval(std::chrono::milliseconds interval);

    // Mode buttons: the practice sets, the chapter list, the examination.
    void loadPracticeSet(SetKind kind);
    // The questions with these ids (whole numbers, from the progress store) in id order.
    void loadIdSet(SetKind kind, const QList<qint64> &ids);
    // Every offered question, in an order shuffled afresh at each call.
    void loadRandomSet();
    QList<Chapter> loadChapterList();
    void loadChapters(const QStringList &chapterIds);
    void startExam();

    // Answering: an option button (0 to 3 for A to D) and the confirmation of a multi-answer.
    void chooseOption(int index);
    void confirmAnswer();

    // Navigation; each does nothing without a question. goTo refuses a number outside the set.
    void previous();
    void next();
    void goToCell(int index);
    bool goTo(int number);

    // The clock's tick (called by the clock once a second during an examination).
    void tick();
    // Judges every question of the paper, colours the sheet and enters review mode (only
    // during an examination).
    void handIn();

    // Closes the set and the connection, as the window does when it closes.
    void close();

signals:
    void modeChanged(trainer::Session::Mode mode);
    // A question set (or the paper) was opened: count questions; a count of 0 shows none.
    void setLoaded(trainer::Session::SetKind kind, int count);
    // A mode button found the bank unusable: its file name and the reason in the learner's words.
    void bankOpenFailed(const QString &file, const QString &reason);
    // The current question was put on show (mine and right as the answer line shows them).
    void questionShown(const trainer::Question &question, const trainer::AnswerLine &line);
    // No question is on show any more (an empty set, a bank that cannot be read).
    void questionCleared();
    // The answer line changed without a new question (an option toggled, a verdict).
    void answerLineChanged(const trainer::AnswerLine &line);
    // An answer was written into the question's record, in any mode.
    void answerRecorded(const trainer::Question &question, trainer::Session::Mode mode,
                        const QString &answer);
    // An answer was judged where the learner sees the verdict.
    void answerJudged(const trainer::Question &question, trainer::Session::Mode mode,
                      const QString &answer, bool right);
    // The answer sheet was laid out afresh for a paper of paperLength questions.
    void sheetReset(int paperLength);
    void cellChanged(int index, quint32 color);
    void clockTicked(const QString &caption);
    void timeUp();
    void paperHandedIn(const trainer::PaperResult &result);

private:
    bool openBank();
    bool openQuestionSet(const QString &sql);
    bool reportOpenFailure(const std::exception_ptr &failure);
    void afterSetOpened(SetKind kind, Mode mode);
    void composePaper();
    void setMode(Mode mode);

    void readCurrentQuestion();
    void showCurrent(Mode shownAs);
    void showCurrent() { showCurrent(m_mode); }
    void clearQuestion();
    void recordAnswer(const QString &answer);
    void judgeShownAnswer();
    bool currentAnswered() const;
    int currentCell() const; // position - 1
    bool sheetKept() const;  // exam or review: cells follow the current question
    bool clockAtRest() const;

    void moveByOne(bool forward);
    void releaseCell(int index, bool answered);
    void takeCell(int index);
    void paintCell(int index, quint32 color);
    void moveTo(int position);
    void jumpToCell(int index, Mode shownAs);

    Edition m_edition;
    QString m_programFolder;
    std::unique_ptr<bank::Connection> m_cnBank;
    std::unique_ptr<bank::RecordSet> m_rsSet;
    bool m_setHoldsQuestions = false; // false while it holds the chapter list
    std::shared_ptr<ShuffleRandom> m_random;

    Mode m_mode = Mode::None;
    Question m_question;
    AnswerLine m_line;
    bool m_autoAdvance = true;
    std::optional<int> m_curBookmark; // the question whose cell is painted as current
    std::array<quint32, kSheetCells> m_cells{};
    std::array<quint32, 100> m_lngCellColor{};

    QTimer m_clock;
    int m_examSeconds = 0;
};

} // namespace trainer
