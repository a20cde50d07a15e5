#include "progressrecorder.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

ProgressRecorder::ProgressRecorder(Session &session, progress::ProgressStore &store,
                                   QObject *parent)
    : QObject(parent), m_store(store) {
    connect(&session, &Session::setLoaded, this,
            [this](Session::SetKind kind) { onSetLoaded(kind); });
    connect(&session, &Session::questionShown, this,
            [this](const Question &question) { onQuestionShown(question); });
    connect(&session, &Session::answerJudged, this, &ProgressRecorder::onAnswerJudged);
    connect(&session, &Session::paperHandedIn, this, &ProgressRecorder::onPaperHandedIn);
}

QString ProgressRecorder::setName(Session::SetKind kind) {
    switch (kind) {
    case Session::SetKind::Sequential:
        return u"sequential"_s;
    case Session::SetKind::Chapters:
        return u"chapters"_s;
    case Session::SetKind::Animation:
        return u"animation"_s;
    case Session::SetKind::MultiAnswer:
        return u"multi"_s;
    case Session::SetKind::Book:
        return u"book"_s;
    case Session::SetKind::Favourites:
        return u"favourites"_s;
    case Session::SetKind::Random:
        return u"random"_s;
    case Session::SetKind::ExamPaper:
        return u"exam"_s;
    }
    return {};
}

void ProgressRecorder::setBankQuestions(const QList<progress::QuestionRef> &questions) {
    m_questions.clear();
    m_questions.reserve(questions.size());
    for (const progress::QuestionRef &question : questions)
        m_questions.insert(question.identity.bankId, question);
    m_store.setBankQuestions(questions);
    m_bankKnown = true;
    flushWaiting();
}

std::optional<progress::QuestionRef> ProgressRecorder::questionRef(qint64 bankId) const {
    const auto found = m_questions.constFind(bankId);
    if (found == m_questions.cend())
        return std::nullopt;
    return *found;
}

void ProgressRecorder::onSetLoaded(Session::SetKind kind) {
    m_setName = setName(kind);
    if (kind == Session::SetKind::ExamPaper)
        m_examStarted = QDateTime::currentDateTime();
}

void ProgressRecorder::onQuestionShown(const Question &question) {
    if (question.id != m_shownId) {
        m_shownId = question.id;
        m_sinceShown.start();
    }
}

void ProgressRecorder::onAnswerJudged(const Question &question, Session::Mode mode,
                                      const QString &answer, bool right) {
    if (mode != Session::Mode::Practice)
        return; // a review shows verdicts that the hand-in has filed already
    const qint64 spent = question.id == m_shownId ? m_sinceShown.elapsed() : 0;
    m_waitingAnswers.append(
        {QDateTime::currentDateTime(), m_setName, question.id, answer, right, spent});
    flushWaiting();
}

void ProgressRecorder::onPaperHandedIn(const PaperResult &result) {
    m_waitingPapers.append({m_examStarted, QDateTime::currentDateTime(), result});
    flushWaiting();
}

void ProgressRecorder::flushWaiting() {
    if (!m_bankKnown)
        return;
    for (const WaitingAnswer &waiting : std::as_const(m_waitingAnswers))
        if (const auto question = questionRef(waiting.id))
            m_store.recordAnswer({waiting.at, waiting.mode, *question, waiting.given, waiting.right,
                                  waiting.spentMs});
    m_waitingAnswers.clear();
    for (const WaitingPaper &paper : std::as_const(m_waitingPapers)) {
        progress::ExamRecord exam{
            0, paper.started, paper.ended, paper.result.score, paper.result.passed, {}};
        for (const JudgedQuestion &judged : paper.result.questions)
            if (const auto question = questionRef(judged.id))
                exam.items.append({*question, judged.answer, judged.right});
        m_store.recordExam(exam);
    }
    m_waitingPapers.clear();
}

} // namespace trainer
