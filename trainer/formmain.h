#pragma once

#include "bank/connection.h"
#include "bank/recordset.h"
#include "trainer/edition.h"

#include <QList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace trainer {

class ClipPlayer;
class ImageButton;
class Notices;
class PictureBox;

// The trainer's only working window: start page, question page, exam panel and chapter page.
// One class split by concern: start-up and controls (formmain.cpp, formmain_controls.cpp),
// display, study modes, answering, navigation and the examination (formmain_*.cpp).
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
    QTimer *Timer1 = nullptr;
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

    // Member state shared by every concern of the window.
    std::unique_ptr<bank::Connection> cnBank;
    std::unique_ptr<bank::RecordSet> rsSet;
    std::optional<bank::Bookmark> vCurBookmark;
    bool bSettingNo = false;
    qint16 nExamSeconds = 0;
    bool bHandedIn = false;
    std::array<quint32, 100> lngCellColor{};

    // Start-up and shut-down.
    void Form_Load();
    void Form_QueryUnload();
    void SetHandCursors();

    // Question display.
    void ShowQuestion();
    void PlayClip(const QString &path);
    void wmp_PlayStateChange(int NewState);

    // Study modes.
    void imgNav_Click(int Index);
    void LoadPracticeSet(bool bByType, bool bAnimation);
    void LoadChapterList();
    void imgSelect_Click();
    void SwitchPage(int Index); // shows the page of mode button Index

    // Answering and judging.
    void imgAnswer_Click(int Index);
    void imgDone_Click();
    void JudgeShownAnswer(); // my answer against the right one: colour, mark, advance

    // Navigation and answer sheet.
    void imgPre_Click();
    void imgNext_Click();
    void MoveByOne(bool forward); // previous/next: the two mirror images
    void optNum_Click(int Index);
    void txtCurrent_KeyPress(int &KeyAscii);
    void txtCurrent_Change();
    void DrawCellNumber(int Index);
    void ReleaseCell(int Index, bool answered);
    void TakeCell(int Index);
    PictureBox *LoadOptNum(int Index); // creates cell Index like cell 0 (hidden), or reuses it

    // Window modes, as every handler tests them.
    bool examMode() const;   // the clock runs
    bool reviewMode() const; // handed in, clock stopped
    bool hasCurrentRecord() const;
    bool currentAnswered() const; // state of the current record neither Null nor empty
    quint32 swatchColor(int Index) const;

    // Opening the bank as every loader does: closes rsSet and cnBank, opens a new connection.
    void OpenBank();
    // Empties every recorded answer, then opens a new rsSet on sql (each step may fail quietly).
    void OpenQuestionSet(const QString &sql);
    void SetCountLabel(); // lblAll = record count + " 题"

    Notices &notices() const { return *m_notices; }

    // Examination (formmain_exam.cpp)
    void StartExam();         // mode button 4: clock, paper, answer sheet, question 1
    void ComposeExamPaper();  // reopens the bank, opens a new paper, shows its first question
    void LayOutAnswerSheet(); // one cell per question, two touching rows of 25
    void Timer1_Timer();
    void imgCommit_Click();
    void HandIn(); // judges every question, colours the sheet, shows the result, review mode
    void ShowResultDialog(const QString &line1, const QString &line2);
    // The generator behind the paper's shuffles; clock-seeded unless a test seeds its own.
    std::shared_ptr<class ShuffleRandom> examRandom;
    // End of examination

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createStartPage();
    void createQuestionPage();
    void createExamPanel();
    void createChapterPage();
    void connectHandlers();
    QCheckBox *chapterBox(int Index); // box Index, created like box 0 when missing

    Edition m_edition;
    QString m_programFolder;
    std::unique_ptr<Notices> m_ownNotices;
    Notices *m_notices = nullptr;
};

} // namespace trainer
