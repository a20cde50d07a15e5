// Start-up, shut-down, the hand cursors, and how clicks reach the session and its signals reach
// the controls.
#include "formmain.h"

#include "clipplayer.h"
#include "core/guard.h"
#include "core/log.h"
#include "fonts.h"
#include "imagebutton.h"
#include "legend.h"
#include "notices.h"
#include "picturebox.h"
#include "picturepreload.h"
#include "progress/progressstore.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

// Registers the shared pictures compiled into this static library (outside any namespace).
static void registerSharedAssets() {
#ifdef SAFEDRIVE_HAS_ASSETS
    Q_INIT_RESOURCE(assets);
#endif
}

namespace trainer {

namespace {

QCursor handCursor() {
    const QPixmap hand(u":/assets/cursors/hand.png"_s);
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}

} // namespace

FormMain::FormMain(const Edition &edition, Notices *notices, const QString &programFolder,
                   QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_edition(edition),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder),
      m_session(new Session(edition, m_programFolder, this)), m_notices(notices) {
    if (!m_notices) {
        m_ownNotices = std::make_unique<MessageBoxNotices>(this);
        m_notices = m_ownNotices.get();
    }
    registerSharedAssets();
    setObjectName(u"FormMain"_s);
    setWindowTitle(m_edition.windowTitle);
    setWindowIcon(QIcon(m_edition.windowIcon));
    installFontSubstitutions();
    setFont(QFont(u"Tahoma"_s, 9));
    createControls();
    connectHandlers();
    connectSession();
    createProgress();
    createExplanationPanel();
    // Taken last, so that its decoding on another thread has had the whole building to end.
    imgBack->setPixmap(takePreloadedPixmap(m_edition.startPicture));
    Form_Load();
}

// The bank's reader is joined before any part of the window goes; it may still be reading.
FormMain::~FormMain() {
    if (m_bankReader) {
        m_bankReader->wait();
        delete m_bankReader.get(); // its deleteLater would wait for an event loop
    }
}

void FormMain::Form_Load() {
    SetHandCursors();
    cboJump->setCurrentIndex(0);
    optNum[0]->setBackColor(legendColor(Swatch::NotAnswered));
    for (size_t i = 0; i < optE.size(); ++i)
        optE[i]->setBackColor(kLegendColors[i]);
}

void FormMain::SetHandCursors() {
    const QCursor hand = handCursor();
    QList<QWidget *> pointed;
    for (ImageButton *button : imgNav)
        pointed.append(button);
    for (ImageButton *button : imgAnswer)
        pointed.append(button);
    pointed += {imgPre, imgNext, imgDone, imgCommit, imgSelect, optNum[0]};
    for (QWidget *widget : pointed)
        widget->setCursor(hand);
}

void FormMain::Form_QueryUnload() {
    m_session->close();
}

void FormMain::closeEvent(QCloseEvent *event) {
    Form_QueryUnload();
    event->accept();
}

void FormMain::connectHandlers() {
    // A failure of the bank never escapes an event into the toolkit; the guard logs it.
    const auto guarded = [](const char *handler, auto step) {
        return [handler, step] { core::tryStep(core::lcTrainer(), handler, step); };
    };
    for (int i = 0; i < 5; ++i)
        connect(imgNav[i], &ImageButton::clicked, this,
                guarded("imgNav_Click", [this, i] { imgNav_Click(i); }));
    for (int i = 0; i < 4; ++i)
        connect(imgAnswer[i], &ImageButton::clicked, this,
                guarded("imgAnswer_Click", [this, i] { imgAnswer_Click(i); }));
    connect(imgDone, &ImageButton::clicked, this,
            guarded("imgDone_Click", [this] { imgDone_Click(); }));
    connect(imgPre, &ImageButton::clicked, this,
            guarded("imgPre_Click", [this] { imgPre_Click(); }));
    connect(imgNext, &ImageButton::clicked, this,
            guarded("imgNext_Click", [this] { imgNext_Click(); }));
    connect(imgCommit, &ImageButton::clicked, this,
            guarded("imgCommit_Click", [this] { imgCommit_Click(); }));
    connect(imgSelect, &ImageButton::clicked, this,
            guarded("imgSelect_Click", [this] { imgSelect_Click(); }));
    connect(optNum[0], &PictureBox::clicked, this,
            guarded("optNum_Click", [this] { optNum_Click(0); }));
    connect(txtCurrent, &QLineEdit::textChanged, this,
            guarded("txtCurrent_Change", [this] { txtCurrent_Change(); }));
    connect(cboJump, &QComboBox::currentIndexChanged, m_session,
            [this](int index) { m_session->setAutoAdvance(index == 0); });
    connect(wmp, &ClipPlayer::PlayStateChange, this, [this](int state) {
        core::tryStep(core::lcTrainer(), "wmp_PlayStateChange",
                      [&] { wmp_PlayStateChange(state); });
    });
    txtCurrent->installEventFilter(this);
}

void FormMain::connectSession() {
    Session *s = m_session;
    connect(s, &Session::setLoaded, this, [this](Session::SetKind, int count) {
        lblAll->setText(QString::number(count) + u" 题"_s);
    });
    connect(s, &Session::bankOpenFailed, this, [this](const QString &file, const QString &reason) {
        notices().information(u"无法打开题库 "_s + file + u"："_s + reason + u"。"_s,
                              m_edition.windowTitle);
    });
    connect(s, &Session::questionShown, this, &FormMain::ShowQuestion);
    connect(s, &Session::questionCleared, this, &FormMain::ClearQuestion);
    connect(s, &Session::answerLineChanged, this, &FormMain::showAnswerLine);
    connect(s, &Session::modeChanged, this, [this](Session::Mode mode) {
        // The clock and the hand-in button belong to a running examination.
        lblTime->setVisible(mode == Session::Mode::Exam);
        imgCommit->setVisible(mode == Session::Mode::Exam);
    });
    connect(s, &Session::clockTicked, lblTime, &QLabel::setText);
    connect(s, &Session::timeUp, this,
            [this] { notices().information(u"考试时间到!"_s, m_edition.windowTitle); });
    connect(s, &Session::sheetReset, this, &FormMain::LayOutAnswerSheet);
    connect(s, &Session::cellChanged, this, [this](int index, quint32 color) {
        if (index >= optNum.size())
            return;
        optNum[index]->setBackColor(color);
        DrawCellNumber(index);
    });
    connect(s, &Session::paperHandedIn, this, [this](const PaperResult &result) {
        ShowResultDialog(result.scoreLine(), result.verdictLine());
    });
}

bool FormMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtCurrent && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Keys without a character (arrows) are no key press; nor is Delete, which some
        // platforms deliver as the character 127: it edits the box as Backspace does.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Delete) {
            int keyAscii = key->text().at(0).unicode();
            txtCurrent_KeyPress(keyAscii);
            if (keyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trainer
