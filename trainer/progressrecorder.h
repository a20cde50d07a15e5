// Files what the session does in the learner's progress store: every judged answer with the
// time spent on it, and every handed-in paper. Answers judged before the bank's questions are
// known wait for them, so none is lost.
#pragma once

#include "progress/progressstore.h"
#include "trainer/session.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>

namespace trainer {

class ProgressRecorder : public QObject {
    Q_OBJECT

public:
    ProgressRecorder(Session &session, progress::ProgressStore &store, QObject *parent = nullptr);

    // The bank's questions (read in the background at start); files what waited for them.
    void setBankQuestions(const QList<progress::QuestionRef> &questions);
    bool knowsBank() const { return m_bankKnown; }
    std::optional<progress::QuestionRef> questionRef(qint64 bankId) const;

    // The short name the records give the set being practised ("sequential", "book", ...).
    static QString setName(Session::SetKind kind);

private:
    void onSetLoaded(Session::SetKind kind);
    void onQuestionShown(const Question &question);
    void onAnswerJudged(const Question &question, Session::Mode mode, const QString &answer,
                        bool right);
    void onPaperHandedIn(const PaperResult &result);
    void flushWaiting();

    progress::ProgressStore &m_store;
    QHash<qint64, progress::QuestionRef> m_questions;
    bool m_bankKnown = false;
    QString m_setName;
    QDateTime m_examStarted;
    qint64 m_shownId = 0;
    QElapsedTimer m_sinceShown;

    // Filed once the bank's questions are known.
    struct WaitingAnswer {
        QDateTime at;
        QString mode;
        qint64 id;
        QString given;
        bool right;
        qint64 spentMs;
    };
    QList<WaitingAnswer> m_waitingAnswers;
    struct WaitingPaper {
        QDateTime started, ended;
        PaperResult result;
    };
    QList<WaitingPaper> m_waitingPapers;
};

} // namespace trainer
