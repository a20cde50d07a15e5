// The explanation panel: why the right answer is right and the rule it rests on, shown once an
// answer is judged in practice and throughout a review, never while an examination runs. It
// lies in the free foot of the question page, beside the answer sheet in a review.
#include "formmain.h"

#include "core/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

// Enough for any real explanation; a longer text is cut here, the rest marked by an ellipsis.
constexpr qsizetype kShownCharacters = 2000;
const QString kVisibleSetting = u"explanation/visible"_s;

} // namespace

void FormMain::createExplanationPanel() {
    txtExplanation = new QPlainTextEdit(FR01);
    txtExplanation->setObjectName(u"txtExplanation"_s);
    txtExplanation->setReadOnly(true); // plain text: markup in a bank is shown, never run
    txtExplanation->setFocusPolicy(Qt::NoFocus);
    txtExplanation->setFont(QFont(u"Tahoma"_s, 10));
    // Dark text on cream in a thin orange line (the frame's line is the window-text colour).
    txtExplanation->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = txtExplanation->palette();
    palette.setColor(QPalette::Base, QColor(255, 250, 235));
    palette.setColor(QPalette::Text, QColor(60, 60, 60));
    palette.setColor(QPalette::WindowText, QColor(255, 128, 0));
    txtExplanation->setPalette(palette);
    txtExplanation->hide();

    chkExplanation = new QCheckBox(u"显示解析（E）"_s, FR01);
    chkExplanation->setObjectName(u"chkExplanation"_s);
    chkExplanation->setFocusPolicy(Qt::NoFocus);
    chkExplanation->setGeometry(core::twipsRect(6600, 310, 2000, 330));
    chkExplanation->setChecked(QSettings().value(kVisibleSetting, true).toBool());
    connect(chkExplanation, &QCheckBox::toggled, this, [this](bool on) {
        QSettings().setValue(kVisibleSetting, on);
        ShowExplanation();
    });
    connect(m_session, &Session::questionShown, this, [this] { ShowExplanation(); });
    connect(m_session, &Session::answerLineChanged, this, [this] { ShowExplanation(); });
    connect(m_session, &Session::questionCleared, txtExplanation, &QWidget::hide);
    connect(m_session, &Session::modeChanged, this, [this] { ShowExplanation(); });
}

void FormMain::ShowExplanation() {
    const Session::Mode mode = m_session->mode();
    const Question &question = m_session->question();
    const bool judged =
        mode == Session::Mode::Practice && m_session->answerLine().mark != AnswerLine::Mark::None;
    const bool due = judged || mode == Session::Mode::Review;
    chkExplanation->setVisible(mode == Session::Mode::Practice || mode == Session::Mode::Review);
    if (!due || !chkExplanation->isChecked() || !m_session->hasQuestion() ||
        question.explanation.isEmpty()) {
        txtExplanation->hide();
        return;
    }
    QString text = question.explanation;
    if (text.size() > kShownCharacters)
        text = text.left(kShownCharacters) + u"…"_s;
    if (!question.basis.isEmpty())
        text += u"\n依据："_s + question.basis.left(kShownCharacters);
    txtExplanation->setPlainText(text);
    // In a review the answer sheet fills the foot: the panel takes the row beside the jump box.
    txtExplanation->setGeometry(mode == Session::Mode::Review
                                    ? core::twipsRect(3400, 5760, 6050, 560)
                                    : core::twipsRect(300, 6380, 13650, 1180));
    txtExplanation->show();
    txtExplanation->raise();
}

} // namespace trainer
