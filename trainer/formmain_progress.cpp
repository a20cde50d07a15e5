// The learner's progress in the window: the store and what files the session's answers in it,
// the start page's summary and links, the added system-menu items and pages, the favourite
// mark and the study keys. None of it moves a control of the design.
#include "formmain.h"

#include "bankquestions.h"
#include "core/guard.h"
#include "core/log.h"
#include "core/twips.h"
#include "frame/ruzuvoz.h"
#include "historypage.h"
#include "notices.h"
#include "progress/exchange.h"
#include "progressrecorder.h"
#include "statisticspage.h"

#include "bank/connectionstring.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// The added views, in the order of their menu items and start-page links.
struct ProgressView {
    FormMain::View view;
    QString caption;
};
const ProgressView kViews[] = {{FormMain::View::Book, u"错题本"_s},
                               {FormMain::View::Favourites, u"收藏"_s},
                               {FormMain::View::Random, u"随机练习"_s},
                               {FormMain::View::History, u"考试记录"_s},
                               {FormMain::View::Statistics, u"学习统计"_s}};

void place(QWidget *widget, double left, double top, double width, double height) {
    widget->setGeometry(core::twipsRect(left, top, width, height));
}

// Runs work once: after the widget's first paint has been handled, or after a while if it is
// never painted (a window started minimised).
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget *watched, std::function<void()> work)
        : QObject(watched), m_work(std::move(work)) {
        watched->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { run(); });
    }

    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    static constexpr int kLatestMs = 1000;

    void run() {
        if (!m_work)
            return;
        std::exchange(m_work, {})();
        deleteLater();
    }

    std::function<void()> m_work;
};

void runAfterFirstPaint(QWidget *watched, std::function<void()> work) {
    new AfterFirstPaint(watched, std::move(work));
}

} // namespace

QString FormMain::defaultProgressFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/progress.db"_s;
}

void FormMain::createProgress() {
    m_progress = std::make_unique<progress::ProgressStore>(defaultProgressFile());
    m_recorder = new ProgressRecorder(*m_session, *m_progress, this);
    connect(m_progress.get(), &progress::ProgressStore::recordingStopped, this,
            [this](const QString &reason) {
                notices().information(reason, m_edition.windowTitle);
                refreshSummary();
            });

    // The summary and the links sit in the empty foot of the start page's panel.
    lblSummary = new QLabel(Frame1);
    lblSummary->setObjectName(u"lblSummary"_s);
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setAlignment(Qt::AlignCenter);
    place(lblSummary, 600, 8130, 13500, 300);
    lblLinks = new QLabel(Frame1);
    lblLinks->setObjectName(u"lblLinks"_s);
    lblLinks->setAlignment(Qt::AlignCenter);
    QStringList links;
    for (const ProgressView &view : kViews)
        links << u"<a href=\"%1\" style=\"color:#1565c0\">%2</a>"_s.arg(int(view.view))
                     .arg(view.caption);
    lblLinks->setText(links.join(u"&nbsp;&nbsp;|&nbsp;&nbsp;"_s));
    place(lblLinks, 600, 8460, 13500, 300);
    connect(lblLinks, &QLabel::linkActivated, this,
            [this](const QString &link) { openView(View(link.toInt())); });

    if (auto *frame = qobject_cast<frame::ruZuvoz *>(ruZuvoz1)) {
        for (size_t i = 0; i < std::size(kViews); ++i)
            frame->FormMenuAdd(kViews[i].caption, i == 0);
        connect(frame, &frame::ruZuvoz::MenuItemSelected, this,
                [this](int, const QString &caption) {
                    for (const ProgressView &view : kViews)
                        if (view.caption == caption)
                            openView(view.view);
                });
    }

    cmdFavourite = new QPushButton(FR01);
    cmdFavourite->setObjectName(u"cmdFavourite"_s);
    cmdFavourite->setFlat(true);
    cmdFavourite->setFocusPolicy(Qt::NoFocus);
    cmdFavourite->setCursor(Qt::PointingHandCursor);
    cmdFavourite->setToolTip(u"收藏本题（F）"_s);
    place(cmdFavourite, 8800, 270, 1500, 400);
    cmdFavourite->hide();
    connect(cmdFavourite, &QPushButton::clicked, this, &FormMain::toggleFavourite);
    connect(m_session, &Session::questionShown, this, [this] { showFavouriteMark(); });
    connect(m_session, &Session::questionCleared, cmdFavourite, &QWidget::hide);
    connect(m_session, &Session::answerJudged, this, [this] { refreshSummary(); });
    connect(m_session, &Session::paperHandedIn, this, [this] { refreshSummary(); });

    // Not before the start page is on the screen: opening the store and reading the bank would
    // take the processor and memory the window's start wants.
    runAfterFirstPaint(ruZuvoz1, [this] {
        refreshSummary();
        readBankQuestionsAhead();
    });
}

// The bank's questions are hashed on a thread of their own: on a large bank it takes a while,
// and the start page must show at once. Answers given before it ends wait in the recorder.
// Opening the bank derives its key, so the first mode click finds it ready.
void FormMain::readBankQuestionsAhead() {
    const QString connection = bank::BankConnectionString(m_programFolder, m_edition.bankFile);
    m_bankReader = QThread::create([this, connection] {
        QList<progress::QuestionRef> questions;
        core::tryStep(core::lcTrainer(), "reading the bank's questions for the progress store",
                      [&] { questions = readBankQuestions(connection); });
        QMetaObject::invokeMethod(this, [this, questions] {
            m_recorder->setBankQuestions(questions);
            refreshSummary();
        });
    });
    connect(m_bankReader, &QThread::finished, m_bankReader, &QObject::deleteLater);
    m_bankReader->start();
}

void FormMain::refreshSummary() {
    if (!m_progress->isRecording()) {
        lblSummary->setText(m_progress->problem());
        lblSummary->setStyleSheet(u"color: rgb(200, 0, 0)"_s);
        return;
    }
    const progress::Summary summary = m_progress->summary();
    QString text = u"已练 %1 / %2 题    错题本 %3 题"_s.arg(summary.answered)
                       .arg(summary.total)
                       .arg(summary.bookSize);
    text += summary.lastExamScore ? u"    上次模拟考试 %1 分"_s.arg(*summary.lastExamScore)
                                  : u"    还没有模拟考试记录"_s;
    if (!m_progress->setAsidePath().isEmpty())
        text = u"原学习记录已损坏，已另存为 %1。 "_s.arg(m_progress->setAsidePath()) + text;
    lblSummary->setText(text);
    lblSummary->setStyleSheet(u"color: rgb(21, 101, 192)"_s);
}

// The pages are made when first opened: the start page does not need them.
HistoryPage *FormMain::historyPage() {
    if (!m_history) {
        m_history = new HistoryPage(ruZuvoz1);
        placeProgressPage(m_history);
        connect(m_history, &HistoryPage::examChosen, this, &FormMain::showPastPaper);
    }
    return m_history;
}

StatisticsPage *FormMain::statisticsPage() {
    if (!m_statistics) {
        m_statistics = new StatisticsPage(ruZuvoz1);
        placeProgressPage(m_statistics);
        connect(m_statistics, &StatisticsPage::saveRequested, this, &FormMain::saveCharts);
        connect(m_statistics, &StatisticsPage::exportRequested, this, &FormMain::exportProgress);
        connect(m_statistics, &StatisticsPage::importRequested, this, &FormMain::importProgress);
        connect(m_statistics, &StatisticsPage::resetRequested, this, &FormMain::resetProgress);
    }
    return m_statistics;
}

void FormMain::placeProgressPage(QWidget *page) {
    place(page, 360, 2370, 14055, 7245);
    page->setAutoFillBackground(true);
    page->hide();
}

void FormMain::showProgressPage(QWidget *page) {
    txtExplanation->hide(); // it would show below the page's foot
    page->raise();
    page->show();
}

void FormMain::hideProgressPages() {
    for (QWidget *page : {static_cast<QWidget *>(m_history), static_cast<QWidget *>(m_statistics)})
        if (page)
            page->hide();
}

void FormMain::openView(View view) {
    hideProgressPages();
    switch (view) {
    case View::Book:
        m_session->loadIdSet(Session::SetKind::Book, m_progress->bookIds());
        break;
    case View::Favourites:
        m_session->loadIdSet(Session::SetKind::Favourites, m_progress->favouriteIds());
        break;
    case View::Random:
        m_session->loadRandomSet();
        break;
    case View::History:
        historyPage()->showExams(m_progress->exams());
        showProgressPage(m_history);
        return;
    case View::Statistics:
        statisticsPage()->showStatistics(m_progress->chapterStats(), m_progress->exams());
        showProgressPage(m_statistics);
        return;
    }
    SwitchPage(0);
}

void FormMain::showFavouriteMark() {
    const std::optional<progress::QuestionRef> question =
        m_recorder->questionRef(m_session->question().id);
    const bool practising = m_session->mode() == Session::Mode::Practice;
    cmdFavourite->setVisible(practising && question.has_value() && m_progress->isRecording());
    const bool marked = question && m_progress->isFavourite(question->identity);
    cmdFavourite->setText(marked ? u"★ 已收藏"_s : u"☆ 收藏"_s);
}

void FormMain::toggleFavourite() {
    if (const auto question = m_recorder->questionRef(m_session->question().id)) {
        m_progress->toggleFavourite(*question);
        showFavouriteMark();
    }
}

void FormMain::showPastPaper(qint64 examId) {
    const progress::ExamRecord exam = m_progress->exam(examId);
    QList<qint64> ids;
    for (const progress::ExamItem &item : exam.items)
        ids << item.question.identity.bankId;
    QHash<qint64, PaperLine> lines; // a bank that cannot be read leaves the stems empty
    core::tryStep(core::lcTrainer(), "reading a past paper's questions", [&] {
        lines =
            readPaperLines(bank::BankConnectionString(m_programFolder, m_edition.bankFile), ids);
    });
    historyPage()->showPaper(exam, lines);
}

void FormMain::saveCharts() {
    const QString path =
        QFileDialog::getSaveFileName(this, u"保存图表"_s, u"学习统计.png"_s, u"PNG 图片 (*.png)"_s);
    if (!path.isEmpty() && !statisticsPage()->saveCharts(path))
        notices().information(u"无法保存图表到 %1。"_s.arg(path), m_edition.windowTitle);
}

void FormMain::exportProgress() {
    const QString path = QFileDialog::getSaveFileName(
        this, u"导出学习记录"_s, QCoreApplication::applicationName() + u"-学习记录.json"_s,
        u"JSON 文件 (*.json)"_s);
    if (path.isEmpty())
        return;
    QFile file(path);
    const QByteArray data =
        progress::exportProgress(m_progress->allData(), QCoreApplication::applicationName());
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        notices().information(u"无法写入 %1。"_s.arg(path), m_edition.windowTitle);
}

void FormMain::importProgress() {
    const QString path =
        QFileDialog::getOpenFileName(this, u"导入学习记录"_s, QString(), u"JSON 文件 (*.json)"_s);
    if (path.isEmpty())
        return;
    notices().information(importProgressFile(path), m_edition.windowTitle);
    openView(View::Statistics);
    refreshSummary();
}

QString FormMain::importProgressFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"无法读取 %1。"_s.arg(path);
    QString error;
    const auto data =
        progress::importProgress(file.readAll(), QCoreApplication::applicationName(), &error);
    if (!data)
        return u"未导入：%1"_s.arg(error);
    const progress::MergeCount added = m_progress->merge(*data);
    return u"已导入 %1 条答题记录、%2 次模拟考试、%3 个收藏。"_s.arg(added.answers)
        .arg(added.exams)
        .arg(added.favourites);
}

void FormMain::resetProgress() {
    if (!notices().question(u"确定要清空全部学习记录吗？清空后无法恢复。"_s, m_edition.windowTitle))
        return;
    m_progress->reset();
    openView(View::Statistics);
    refreshSummary();
}

// The study keys. The go-to box keeps its own keys while it has the focus (it takes it only
// when clicked or by Ctrl+G); everything else reaches the session as the buttons do.
void FormMain::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool exam = m_session->mode() == Session::Mode::Exam;
    if (control && key == Qt::Key_G) {
        txtCurrent->setFocus(Qt::ShortcutFocusReason);
        txtCurrent->selectAll();
    } else if (control && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (exam)
            imgCommit_Click();
    } else if (key >= Qt::Key_1 && key <= Qt::Key_4 && !control) {
        imgAnswer_Click(key - Qt::Key_1);
    } else if (key >= Qt::Key_A && key <= Qt::Key_D && !control) {
        imgAnswer_Click(key - Qt::Key_A);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (m_session->hasQuestion() && m_session->question().showsConfirm())
            imgDone_Click();
    } else if (key == Qt::Key_Left || key == Qt::Key_PageUp) {
        imgPre_Click();
    } else if (key == Qt::Key_Right || key == Qt::Key_PageDown) {
        imgNext_Click();
    } else if (key == Qt::Key_Home) {
        m_session->goTo(1);
    } else if (key == Qt::Key_End) {
        m_session->goTo(m_session->recordCount());
    } else if (key == Qt::Key_F && !control) {
        if (cmdFavourite->isVisible())
            toggleFavourite();
    } else if (key == Qt::Key_E && !control) {
        chkExplanation->toggle();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace trainer
