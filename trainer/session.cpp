// The session: loading sets, showing a question, answering, navigation, the clock and scoring.
#include "trainer/session.h"

#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/error.h"
#include "bank/openfailure.h"
#include "bank/recordset.h"
#include "core/guard.h"
#include "core/log.h"
#include "core/mediapath.h"
#include "trainer/answers.h"
#include "trainer/exampaper.h"
#include "trainer/recordfields.h"
#include "trainer/shufflerandom.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// The remaining time as the clock shows it, minutes and seconds with two digits each.
QString clockCaption(int remainingSeconds) {
    return u"%1:%2"_s.arg(remainingSeconds / 60, 2, 10, QChar(u'0'))
        .arg(remainingSeconds % 60, 2, 10, QChar(u'0'));
}

QString letterOf(int index) {
    return QString(QChar(u'A' + index));
}

// The bank's file name as the learner knows it ("aqc.dll").
QString bankFileName(const QString &bankFile) {
    QString name = bankFile;
    name.replace(u'\\', u'/');
    return name.mid(name.lastIndexOf(u'/') + 1);
}

} // namespace

Session::Session(const Edition &edition, const QString &programFolder, QObject *parent)
    : QObject(parent), m_edition(edition), m_programFolder(programFolder) {
    m_cells.fill(legendColor(Swatch::NotAnswered));
    m_lngCellColor.fill(legendColor(Swatch::NotAnswered));
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this,
            [this] { core::tryStep(core::lcTrainer(), "Timer1_Timer", [this] { tick(); }); });
}

Session::~Session() {
    // Records before the connection they were read from.
    m_rsSet.reset();
    m_cnBank.reset();
}

void Session::setShuffleRandom(std::shared_ptr<ShuffleRandom> random) {
    m_random = std::move(random);
}

void Session::setClockInterval(std::chrono::milliseconds interval) {
    m_clock.setInterval(interval);
}

bool Session::hasQuestion() const {
    return m_setHoldsQuestions && m_rsSet && m_rsSet->isOpen() && m_rsSet->recordCount() > 0 &&
           !m_rsSet->bof() && !m_rsSet->eof();
}

int Session::recordCount() const {
    return m_setHoldsQuestions && m_rsSet && m_rsSet->isOpen() ? m_rsSet->recordCount() : 0;
}

void Session::setMode(Mode mode) {
    if (m_mode == mode)
        return;
    m_mode = mode;
    emit modeChanged(mode);
}

// ---- Loading sets -------------------------------------------------------------------------

bool Session::openBank() {
    m_rsSet.reset(); // closed with the connection; its pending answer is stored then
    m_setHoldsQuestions = false;
    m_curBookmark.reset();
    if (!m_cnBank)
        m_cnBank = std::make_unique<bank::Connection>();
    const std::exception_ptr failure =
        ReopenBank(*m_cnBank, bank::BankConnectionString(m_programFolder, m_edition.bankFile));
    return !reportOpenFailure(failure);
}

bool Session::openQuestionSet(const QString &sql) {
    m_rsSet = std::make_unique<bank::RecordSet>();
    m_setHoldsQuestions = true;
    return !reportOpenFailure(core::tryStep(core::lcTrainer(), "opening the question set", [&] {
                                  m_rsSet->open(sql, *m_cnBank, bank::RecordSet::Cursor::Keyset);
                              }).failure);
}

// A failure of the bank itself is told to the learner once, with its reason; other failures
// were only logged by the guard.
bool Session::reportOpenFailure(const std::exception_ptr &failure) {
    if (!failure)
        return false;
    try {
        std::rethrow_exception(failure);
    } catch (const bank::Error &error) {
        const QString file = bankFileName(m_edition.bankFile);
        const QString reason = bank::openFailureReason(error);
        qCWarning(core::lcTrainer).noquote() << u"cannot open the bank "_s + file + u": "_s +
                                                    reason + u" ("_s + error.description() + u')';
        emit bankOpenFailed(file, reason);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void Session::afterSetOpened(SetKind kind, Mode mode) {
    if (!m_rsSet || !m_rsSet->isOpen()) { // the count stays as it was; no question is shown
        setMode(Mode::None);
        clearQuestion();
        return;
    }
    setMode(mode);
    emit setLoaded(kind, m_rsSet->recordCount());
    if (!hasQuestion()) {
        clearQuestion();
        return;
    }
    m_curBookmark = m_rsSet->bookmark();
    readCurrentQuestion();
    showCurrent();
}

void Session::loadPracticeSet(SetKind kind) {
    m_clock.stop();
    QString condition = u"zhangjie<=7"_s;
    if (kind == SetKind::Animation)
        condition += u" and txbz='3'"_s;
    else if (kind == SetKind::MultiAnswer)
        condition += u" and txbz='2'"_s;
    // One message at most: a bank that does not open is not blamed again by the set.
    if (openBank())
        openQuestionSet(questionSelect() + u"where "_s + condition + u" order by id asc"_s);
    afterSetOpened(kind, Mode::Practice);
}

void Session::loadIdSet(SetKind kind, const QList<qint64> &ids) {
    m_clock.stop();
    QStringList list;
    for (const qint64 id : ids)
        list << QString::number(id);
    // An empty list still opens a set, of no question, as an empty chapter does.
    if (openBank())
        openQuestionSet(questionSelect() + u"where zhangjie<=7 and id in("_s +
                        (list.isEmpty() ? u"-1"_s : list.join(u',')) + u") order by id asc"_s);
    afterSetOpened(kind, Mode::Practice);
}

void Session::loadRandomSet() {
    m_clock.stop();
    // The order is fixed when the set opens: random() is taken once per question then.
    if (openBank())
        openQuestionSet(questionSelect() + u"where zhangjie<=7 order by random()"_s);
    afterSetOpened(SetKind::Random, Mode::Practice);
}

QList<Chapter> Session::loadChapterList() {
    m_clock.stop();
    setMode(Mode::None);
    m_rsSet.reset();
    m_setHoldsQuestions = false;
    m_curBookmark.reset();
    if (!m_cnBank)
        m_cnBank = std::make_unique<bank::Connection>();
    const std::exception_ptr failure = ReopenBank(
        *m_cnBank, bank::BankConnectionString(m_programFolder, m_edition.bankFile), false);
    m_rsSet = std::make_unique<bank::RecordSet>();
    QList<Chapter> chapters;
    const core::StepOutcome listed = core::tryStep(core::lcTrainer(), "reading the chapters", [&] {
        m_rsSet->open(u"select zhangjiename,zhangjieid from zhangjie where "_s + u"state=2"_s +
                          u" order by zhangjieid asc"_s,
                      *m_cnBank, bank::RecordSet::Cursor::Keyset);
        for (; !m_rsSet->eof(); m_rsSet->moveNext())
            chapters.append(
                {fieldText(*m_rsSet, u"zhangjieid"_s), fieldText(*m_rsSet, u"zhangjiename"_s)});
    });
    if (!reportOpenFailure(failure))
        reportOpenFailure(listed.failure);
    clearQuestion();
    return chapters;
}

void Session::loadChapters(const QStringList &chapterIds) {
    if (openBank())
        openQuestionSet(questionSelect() + u"where zhangjie in("_s + chapterIds.join(u',') +
                        u") order by id asc"_s);
    afterSetOpened(SetKind::Chapters, Mode::Practice);
}

void Session::startExam() {
    m_clock.stop();
    m_examSeconds = 0;
    if (!m_random)
        m_random = std::make_shared<ShuffleRandom>();
    composePaper();
    const int paperLength = recordCount();
    m_cells.fill(legendColor(Swatch::NotAnswered));
    m_lngCellColor.fill(legendColor(Swatch::NotAnswered)); // no colour of an earlier paper
    emit sheetReset(paperLength);
    if (!hasQuestion()) // no paper: the clock does not start on nothing
        return;
    takeCell(0);
    m_curBookmark = m_rsSet->bookmark();
}

void Session::composePaper() {
    m_rsSet.reset();
    m_curBookmark.reset(); // the old set's bookmarks mean nothing in the new paper
    if (!m_cnBank)
        m_cnBank = std::make_unique<bank::Connection>();
    auto paper = std::make_unique<bank::RecordSet>();
    const std::exception_ptr failure = ComposeExamPaper(
        *m_cnBank, *paper, bank::BankConnectionString(m_programFolder, m_edition.bankFile),
        *m_random);
    m_rsSet = std::move(paper);
    m_setHoldsQuestions = true;
    reportOpenFailure(failure);
    if (m_rsSet->isOpen() && m_rsSet->recordCount() > 0) {
        // The clock runs before the first question is shown, so it shows as in an examination.
        setMode(Mode::Exam);
        emit clockTicked(clockCaption(kExamSeconds));
        m_clock.start();
    }
    afterSetOpened(SetKind::ExamPaper, Mode::Exam);
}

void Session::close() {
    m_clock.stop();
    // The first failure (a set that never opened) ends the clean-up quietly.
    core::tryStep(core::lcTrainer(), "Form_QueryUnload", [this] {
        if (m_rsSet)
            m_rsSet->close();
        if (m_cnBank)
            m_cnBank->close();
    });
    m_rsSet.reset();
    m_cnBank.reset();
    m_setHoldsQuestions = false;
}

// ---- The question on show -----------------------------------------------------------------

void Session::readCurrentQuestion() {
    const bank::RecordSet &record = *m_rsSet;
    Question q;
    q.id = fieldText(record, u"id"_s).toLongLong();
    q.chapter = fieldText(record, u"zhangjie"_s).toLongLong();
    q.position = record.absolutePosition();
    q.type = fieldText(record, u"txbz"_s);
    q.stem = fieldText(record, u"question"_s);
    for (size_t i = 0; i < q.options.size(); ++i)
        q.options[i] = fieldText(record, u"ans"_s + QString::number(i + 1));
    q.rightAnswer = RightAnswerLetters(fieldText(record, u"ans"_s));
    const QString picture = fieldText(record, u"bmp"_s);
    q.hasPicture = !picture.isEmpty();
    q.picturePath =
        core::mediaFilePath(m_programFolder, m_edition.pictureFolder, picture).value_or(QString());
    const QString clip = fieldText(record, u"flash"_s);
    q.hasClip = !clip.isEmpty();
    q.clipPath =
        core::mediaFilePath(m_programFolder, m_edition.clipFolder, clip).value_or(QString());
    q.answer = fieldText(record, u"state"_s);
    m_question = q;
}

// What the answer line shows for the question: in an examination the learner's letters in red
// and nothing else; otherwise the right answer in review, and mine with its mark once answered.
// The colour of mine stays as it was when nothing sets it.
void Session::showCurrent(Mode shownAs) {
    AnswerLine line = m_line;
    line.mine.clear();
    line.mineShown = false;
    line.right.clear();
    line.mark = AnswerLine::Mark::None;
    const QString &answer = m_question.answer;
    if (shownAs == Mode::Exam) {
        line.mine = answer;
        line.mineRight = false;
        line.mineShown = true;
        line.rightShown = false;
    } else {
        line.rightShown = shownAs == Mode::Review;
        line.right = m_question.rightAnswer;
        if (!answer.isEmpty()) {
            line.rightShown = true;
            line.mineShown = true;
            line.mine = answer;
            line.mineRight = line.right == line.mine;
            line.mark = line.mineRight ? AnswerLine::Mark::Right : AnswerLine::Mark::Wrong;
        }
    }
    m_line = line;
    emit questionShown(m_question, m_line);
}

void Session::clearQuestion() {
    m_question = Question();
    m_line.mine.clear();
    m_line.right.clear();
    m_line.mineShown = m_line.rightShown = false;
    m_line.mark = AnswerLine::Mark::None;
    emit questionCleared();
}

// ---- Answering ----------------------------------------------------------------------------

void Session::chooseOption(int index) {
    if (!hasQuestion() || index < 0 || index > 3)
        return;
    m_line.mineShown = true;
    if (!m_question.isSingleAnswer()) {
        // Building a multi-answer: toggle the letter; recorded only by the confirmation.
        const QString letter = letterOf(index);
        QString answer = m_line.mine;
        if (answer.contains(letter))
            answer.remove(letter);
        else
            answer += letter;
        m_line.mine = SortAnswerLetters(answer);
        emit answerLineChanged(m_line);
        return;
    }
    m_line.mine = letterOf(index);
    recordAnswer(m_line.mine);
    if (m_mode == Mode::Exam || m_mode == Mode::Review) {
        m_curBookmark = m_rsSet->bookmark();
        emit answerLineChanged(m_line);
        if (m_autoAdvance)
            next();
        return;
    }
    // Judged against this question's own right answer.
    m_line.rightShown = true;
    m_line.right = m_question.rightAnswer;
    judgeShownAnswer();
}

void Session::confirmAnswer() {
    if (!hasQuestion())
        return;
    if (m_mode == Mode::Exam) {
        recordAnswer(m_line.mine);
        if (m_autoAdvance)
            next();
        return;
    }
    m_line.rightShown = true;
    m_line.right = m_question.rightAnswer;
    recordAnswer(m_line.mine);
    judgeShownAnswer();
}

void Session::recordAnswer(const QString &answer) {
    m_rsSet->setField(u"state"_s, answer);
    m_question.answer = answer;
    emit answerRecorded(m_question, m_mode, answer);
}

void Session::judgeShownAnswer() {
    // A question without a right answer can never be answered right.
    const bool right = !m_line.right.isEmpty() && m_line.mine == m_line.right;
    m_line.mineRight = right;
    m_line.mark = right ? AnswerLine::Mark::Right : AnswerLine::Mark::Wrong;
    emit answerLineChanged(m_line);
    emit answerJudged(m_question, m_mode, m_line.mine, right);
    if (right && m_autoAdvance) // a wrong answer never advances
        next();
}

// ---- Navigation and the answer sheet ------------------------------------------------------

bool Session::currentAnswered() const {
    return fieldPresent(*m_rsSet, u"state"_s);
}

int Session::currentCell() const {
    return m_rsSet->absolutePosition() - 1;
}

bool Session::sheetKept() const {
    return m_mode == Mode::Exam || m_mode == Mode::Review;
}

// The clock is not counting: a judged paper, or an examination in its first second.
bool Session::clockAtRest() const {
    return m_mode == Mode::Review || (m_mode == Mode::Exam && m_examSeconds == 0);
}

void Session::paintCell(int index, quint32 color) {
    if (index < 0 || index >= kSheetCells)
        return;
    m_cells[size_t(index)] = color;
    emit cellChanged(index, color);
}

void Session::releaseCell(int index, bool answered) {
    if (index < 0 || index >= kSheetCells)
        return;
    paintCell(index, clockAtRest()
                         ? m_lngCellColor[size_t(index)]
                         : legendColor(answered ? Swatch::Answered : Swatch::NotAnswered));
}

void Session::takeCell(int index) {
    paintCell(index, legendColor(Swatch::Current));
}

void Session::moveTo(int position) {
    m_rsSet->moveFirst();
    for (int i = 1; i < position; ++i)
        m_rsSet->moveNext();
}

void Session::previous() {
    moveByOne(false);
}

void Session::next() {
    moveByOne(true);
}

void Session::moveByOne(bool forward) {
    if (!hasQuestion())
        return;
    const bool answered = currentAnswered();
    forward ? m_rsSet->moveNext() : m_rsSet->movePrevious();
    if (m_rsSet->eof() || m_rsSet->bof()) { // past either end: back where it was, nothing changes
        forward ? m_rsSet->movePrevious() : m_rsSet->moveNext();
        return;
    }
    if (sheetKept()) {
        m_curBookmark = m_rsSet->bookmark();
        const int n = currentCell();
        releaseCell(forward ? n - 1 : n + 1, answered);
        takeCell(n);
    }
    readCurrentQuestion();
    showCurrent();
}

void Session::goToCell(int index) {
    jumpToCell(index, m_mode);
}

void Session::jumpToCell(int index, Mode shownAs) {
    if (!hasQuestion() || index >= m_rsSet->recordCount())
        return;
    if (m_curBookmark) {
        m_rsSet->setBookmark(*m_curBookmark);
        releaseCell(currentCell(), currentAnswered());
    }
    moveTo(index + 1);
    takeCell(index);
    m_curBookmark = m_rsSet->bookmark();
    readCurrentQuestion();
    showCurrent(shownAs);
}

bool Session::goTo(int number) {
    if (!hasQuestion())
        return true;
    if (number < 1 || number > m_rsSet->recordCount())
        return false;
    if (sheetKept())
        releaseCell(currentCell(), currentAnswered());
    moveTo(number);
    if (m_mode == Mode::Exam) // review paints no new current cell here
        takeCell(number - 1);
    m_curBookmark = m_rsSet->bookmark();
    readCurrentQuestion();
    showCurrent();
    return true;
}

// ---- Clock, hand-in and scoring -----------------------------------------------------------

void Session::tick() {
    ++m_examSeconds;
    if (m_examSeconds < kExamSeconds) {
        emit clockTicked(clockCaption(kExamSeconds - m_examSeconds));
        return;
    }
    // Time is up: the paper is handed in as it stands, as in the real examination.
    m_clock.stop();
    emit timeUp();
    handIn();
}

void Session::handIn() {
    if (m_mode != Mode::Exam)
        return;
    m_clock.stop();
    emit clockTicked(clockCaption(kExamSeconds));
    setMode(Mode::Review);

    PaperResult result;
    if (m_rsSet && m_rsSet->isOpen() && m_rsSet->recordCount() > 0) {
        for (m_rsSet->moveFirst(); !m_rsSet->eof(); m_rsSet->moveNext()) {
            JudgedQuestion judged;
            judged.id = fieldText(*m_rsSet, u"id"_s).toLongLong();
            judged.chapter = fieldText(*m_rsSet, u"zhangjie"_s).toLongLong();
            judged.type = fieldText(*m_rsSet, u"txbz"_s);
            judged.answer = fieldText(*m_rsSet, u"state"_s);
            judged.rightAnswer = RightAnswerLetters(fieldText(*m_rsSet, u"ans"_s));
            judged.right = !judged.answer.isEmpty() && judged.answer == judged.rightAnswer;
            paintCell(currentCell(), legendColor(judged.answer.isEmpty() ? Swatch::NotAnswered
                                                 : judged.right          ? Swatch::Right
                                                                         : Swatch::Wrong));
            if (judged.right)
                result.score += kPointsPerQuestion;
            result.questions.append(judged);
        }
    }
    std::copy(m_cells.begin(), m_cells.end(), m_lngCellColor.begin());
    result.passed = result.score >= kPassMark;

    if (!result.questions.isEmpty()) {
        // Question 1 is shown before the paper counts as handed in, so it shows as in practice.
        m_rsSet->moveFirst(); // off the end of the judged set: the jump needs a record
        jumpToCell(0, Mode::Practice);
    }
    emit paperHandedIn(result);
}

} // namespace trainer
