// Start-up, shut-down, the hand cursors and how events reach the handlers.
#include "formmain.h"

#include "bank/error.h"
#include "clipplayer.h"
#include "fonts.h"
#include "imagebutton.h"
#include "notices.h"
#include "picturebox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// Registers the shared pictures compiled into this static library (outside any namespace).
static void registerSharedAssets() {
#ifdef SAFEDRIVE_HAS_ASSETS
    Q_INIT_RESOURCE(assets);
#endif
}

namespace trainer {

namespace {

// The legend colours, in swatch order: not answered, current, answered, right, wrong.
constexpr std::array<quint32, 5> kLegendColors = {0xFEFDFF, 0x0042BE, 0x84BFFE, 0xFE7F80, 0x0000FE};

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
      m_notices(notices) {
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
    Form_Load();
}

FormMain::~FormMain() {
    // Records before the connection they were read from.
    rsSet.reset();
    cnBank.reset();
}

void FormMain::Form_Load() {
    SetHandCursors();
    cboJump->setCurrentIndex(0);
    optNum[0]->setBackColor(0xFEFDFF);
    for (int i = 0; i < 5; ++i)
        optE[i]->setBackColor(kLegendColors[i]);
    lngCellColor.fill(0xFEFDFF);
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
    // The first failure (a set that never opened) ends the clean-up quietly.
    bank::tryStep([this] {
        if (rsSet)
            rsSet->close();
        if (cnBank)
            cnBank->close();
    });
    rsSet.reset();
    cnBank.reset();
}

void FormMain::closeEvent(QCloseEvent *event) {
    Form_QueryUnload();
    event->accept();
}

bool FormMain::examMode() const {
    return Timer1->isActive();
}

bool FormMain::reviewMode() const {
    return bHandedIn && !Timer1->isActive();
}

bool FormMain::hasCurrentRecord() const {
    return rsSet && rsSet->isOpen() && rsSet->recordCount() > 0 && !rsSet->bof() && !rsSet->eof();
}

quint32 FormMain::swatchColor(int Index) const {
    return optE[Index]->backColor();
}

void FormMain::connectHandlers() {
    // The handlers rely on what their callers checked; a failure of the bank never escapes an
    // event into the toolkit.
    const auto guarded = [](auto step) { return [step] { bank::tryStep(step); }; };
    for (int i = 0; i < 5; ++i)
        connect(imgNav[i], &ImageButton::clicked, this, guarded([this, i] { imgNav_Click(i); }));
    for (int i = 0; i < 4; ++i)
        connect(imgAnswer[i], &ImageButton::clicked, this,
                guarded([this, i] { imgAnswer_Click(i); }));
    connect(imgDone, &ImageButton::clicked, this, guarded([this] { imgDone_Click(); }));
    connect(imgPre, &ImageButton::clicked, this, guarded([this] { imgPre_Click(); }));
    connect(imgNext, &ImageButton::clicked, this, guarded([this] { imgNext_Click(); }));
    connect(imgCommit, &ImageButton::clicked, this, guarded([this] { imgCommit_Click(); }));
    connect(imgSelect, &ImageButton::clicked, this, guarded([this] { imgSelect_Click(); }));
    connect(optNum[0], &PictureBox::clicked, this, guarded([this] { optNum_Click(0); }));
    connect(Timer1, &QTimer::timeout, this, guarded([this] { Timer1_Timer(); }));
    connect(txtCurrent, &QLineEdit::textChanged, this, guarded([this] { txtCurrent_Change(); }));
    connect(wmp, &ClipPlayer::PlayStateChange, this,
            [this](int state) { bank::tryStep([&] { wmp_PlayStateChange(state); }); });
    txtCurrent->installEventFilter(this);
}

bool FormMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtCurrent && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty()) { // keys without a character (arrows, Delete) are no key press
            int keyAscii = text.at(0).unicode();
            txtCurrent_KeyPress(keyAscii);
            if (keyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trainer
