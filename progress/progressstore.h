// The learner's progress for one edition: every judged answer, exams, favourites, and what is
// derived from them (the wrong-answer book, per-chapter statistics, the start page's summary).
// When the file cannot be used, studying goes on and recordingStopped says why, once.
#pragma once

#include "records.h"
#include "storefile.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace bank {
class Error;
}

namespace progress {

// Everything the store holds that is not derived, as exported and imported.
struct ProgressData {
    struct Favourite {
        QuestionRef question;
        QDateTime added;
    };
    QList<AnswerRecord> answers;
    QList<ExamRecord> exams;
    QList<Favourite> favourites;
};

// How many answers, exams and favourites a merge added (what it already had is not counted).
struct MergeCount {
    int answers = 0;
    int exams = 0;
    int favourites = 0;
};

class ProgressStore : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultRightsToLeave = 3;

    // The file is opened at its first use, so that a window can show before it is read.
    explicit ProgressStore(const QString &path, QObject *parent = nullptr);
    ~ProgressStore() override;

    bool isRecording() { return opened().db != nullptr; }
    // Why progress is not recorded ("" while it is).
    QString problem() { return opened().problem; }
    // Where a corrupt file was moved at opening ("" when none was).
    QString setAsidePath() { return opened().setAside; }

    // The questions of the bank in use: statistics, the summary and the practice lists count
    // only these (an edited question is another question).
    void setBankQuestions(const QList<QuestionRef> &questions);

    void recordAnswer(const AnswerRecord &answer);
    // Records the exam and each item as an answer judged at the hand-in; returns the exam's id
    // (0 when nothing was recorded).
    qint64 recordExam(const ExamRecord &exam);

    // Toggles the favourite mark; returns whether the question is now a favourite.
    bool toggleFavourite(const QuestionRef &question);
    bool isFavourite(const QuestionIdentity &question);

    // Bank ids of the bank's questions in the wrong-answer book / among the favourites, ascending.
    QList<qint64> bookIds();
    QList<qint64> favouriteIds();

    QList<ExamRecord> exams();          // newest first, without items
    ExamRecord exam(qint64 id);         // with its items; id 0 when there is no such exam
    QList<ChapterStats> chapterStats(); // the bank's chapters, ascending
    Summary summary();

    // Right answers in a row that take a question out of the wrong-answer book.
    int rightsToLeave() {
        opened();
        return m_rightsToLeave;
    }
    void setRightsToLeave(int rights); // at least 1; rebuilds the book

    ProgressData allData();
    MergeCount merge(const ProgressData &data);
    void reset(); // forgets answers, exams and favourites

signals:
    // Progress stopped being recorded (the file failed while in use); said once.
    void recordingStopped(const QString &reason);

private:
    OpenedStore &opened();
    bank::sqlite::Database &db() { return *opened().db; }
    template <class Result> Result guarded(Result fallback, const std::function<Result()> &work);
    void guarded(const std::function<void()> &work);
    void stopRecording(const bank::Error &error);
    qint64 questionKey(const QuestionRef &question);
    bool insertAnswer(qint64 qkey, const AnswerRecord &answer);
    void applyToDerived(qint64 qkey, bool right);
    void rebuildDerived();
    qint64 insertExam(const ExamRecord &exam);
    QList<ExamRecord> readExams();
    ExamRecord readExam(qint64 id);
    QList<qint64> currentIds(const QString &table);

    std::optional<OpenedStore> m_opened;
    QString m_path;
    QHash<QString, qint64> m_keys; // "bankId:hash" -> qkey
    int m_rightsToLeave = kDefaultRightsToLeave;
};

} // namespace progress
