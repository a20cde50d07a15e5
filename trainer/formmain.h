#pragma once

#include "trainer/edition.h"
#include "trainer/question.h"
#include "trainer/session.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QThread;

namespace progress {
class ProgressStore;
}

namespace trainer {

class ClipPlayer;
class HistoryPage;
class ImageButton;
class ProgressRecorder;
class StatisticsPage;
class Notices;
class PictureBox;

// The trainer's only working window: start page, question page, exam panel and chapter page.
// A view of its Session: it renders what the session signals and forwards the learner's clicks;
// it keeps no state but its controls. Split by concern: start-up and controls (formmain.cpp,
// formmain_controls.cpp), display, study modes, navigation and the examination (formmain_*.cpp).
class FormMain : public QWidget {
    Q_OBJECT

public:
    // notices: the message boxes (a QMessageBox one when null); programFolder: where the bank
    // and the media folders lie (the application's folder when empty).
    explicit FormMain(const Edition &edition, Notices *notices = nullptr,
                      const QString &programFolder = QString(), QWidget *parent = nullptr);
    ~FormMain() override;

    // Controls, named as designed; every one carries its name as objectName.
    QWidget *ruZuvoz1 = nullptr;
    QWidget *Frame1 = nullptr;
    QWidget *FR0 = nullptr;
    QGroupBox *FR01 = nullptr;
    QWidget *Fr4 = nullptr;
    QList<PictureBox *> optNum; // cell 0 exists from the start; more are loaded on demand
    QWidget *Frame2 = nullptr;
    std::array<PictureBox *, 5> optE{};
    std::array<QLabel *, 9> lbl{};
    QWidget *FrameBack = nullptr;
    QLabel *imgTitlePic = nullptr;
    ClipPlayer *wmp = nullptr;
    QComboBox *cboJump = nullptr;
    QLineEdit *txtCurrent = nullptr;
    QLabel *lblAll = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblAnswer = nullptr;
    std::array<ImageButton *, 4> imgAnswer{};
    ImageButton *imgDone = nullptr;
    ImageButton *imgPre = nullptr;
    ImageButton *imgNext = nullptr;
    ImageButton *imgCommit = nullptr;
    QLabel *lblTime = nullptr;
    QLabel *lblMyAnswer = nullptr;
    QLabel *lblRightAnswer = nullptr;
    QLabel *imgOK = nullptr;
    QLabel *imgErr = nullptr;
    std::array<ImageButton *, 5> imgNav{};
    QLabel *imgBack = nullptr;
    QWidget *Fr1 = nullptr;
    QList<QCheckBox *> chkChapter; // box 0 exists from the start; more are created on demand
    ImageButton *imgSelect = nullptr;

    // The learner's own controls, beside the design's: the start page's summary and links, the
    // favourite mark on the question page.
    QLabel *lblSummary = nullptr;
    QLabel *lblLinks = nullptr;
    QPushButton *cmdFavourite = nullptr;
    QPlainTextEdit *txtExplanation = nullptr; // the explanation and its basis, plain text
    QCheckBox *chkExplanation = nullptr;      // shows or hides it; remembered between runs

    // The session the window renders; every decision about questions lives there.
    Session &session() const { return *m_session; }
    progress::ProgressStore &progressStore() const { return *m_progress; }
    ProgressRecorder &progressRecorder() const { return *m_recorder; }

    // Where the learner's progress is kept: the user's data folder, never the program's.
    static QString defaultProgressFile();

    // The added views, reached from the system menu and the start page's links.
    enum class View { Book, Favourites, Random, History, Statistics };
    void openView(View view);
    void toggleFavourite();
    void refreshSummary();
    // Merges an export file into the store; says what was added or why nothing was.
    QString importProgressFile(const QString &path);

    // Start-up and shut-down.
    void Form_Load();
    void Form_QueryUnload();
    void SetHandCursors();

    // Question display: the question the session shows, step by step.
    void ShowQuestion(const Question &question, const AnswerLine &line);
    void ClearQuestion();   // an empty set shows no question
    void ShowExplanation(); // the panel as the mode and the answer line allow
    void PlayClip(const QString &path);
    void wmp_PlayStateChange(int NewState);

    // Study modes.
    void imgNav_Click(int Index);
    void LoadChapterList();
    void imgSelect_Click();
    void SwitchPage(int Index); // shows the page of mode button Index

    // Answering.
    void imgAnswer_Click(int Index);
    void imgDone_Click();

    // Navigation and answer sheet.
    void imgPre_Click();
    void imgNext_Click();
    void optNum_Click(int Index);
    void txtCurrent_KeyPress(int &KeyAscii);
    void txtCurrent_Change();
    void DrawCellNumber(int Index);
    PictureBox *LoadOptNum(int Index); // creates cell Index like cell 0 (hidden), or reuses it
    void LayOutAnswerSheet(int paperLength); // one cell per question, two touching rows of 25

    // Examination.
    void imgCommit_Click();
    void ShowResultDialog(const QString &line1, const QString &line2);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectSession();
    void showStemAndNumber(const Question &question);
    void showOptions(const Question &question);
    void showPicture(const Question &question);
    void showClip(const Question &question);
    void showAnswerLine(const AnswerLine &line);
    void createControls();
    void createStartPage();
    void createQuestionPage();
    void createExamPanel();
    void createChapterPage();
    void connectHandlers();
    QCheckBox *chapterBox(int Index); // box Index, created like box 0 when missing
    Notices &notices() const { return *m_notices; }
    void createProgress();
    void createExplanationPanel();
    void readBankQuestionsAhead();
    void showFavouriteMark();
    void hideProgressPages();
    void showProgressPage(QWidget *page);
    HistoryPage *historyPage();
    StatisticsPage *statisticsPage();
    void placeProgressPage(QWidget *page);
    void showPastPaper(qint64 examId);
    void saveCharts();
    void exportProgress();
    void importProgress();
    void resetProgress();

    Edition m_edition;
    QString m_programFolder;
    Session *m_session = nullptr;
    std::unique_ptr<progress::ProgressStore> m_progress;
    ProgressRecorder *m_recorder = nullptr;
    HistoryPage *m_history = nullptr;
    StatisticsPage *m_statistics = nullptr;
    std::unique_ptr<Notices> m_ownNotices;
    Notices *m_notices = nullptr;
    QPointer<QThread> m_bankReader; // until it has read the bank's questions
};

} // namespace trainer
