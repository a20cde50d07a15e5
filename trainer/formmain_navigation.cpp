// Navigation, answering and the answer sheet: clicks forwarded to the session, cells drawn.
#include "formmain.h"

#include "core/twips.h"
#include "notices.h"
#include "picturebox.h"

#include <QLineEdit>

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

using core::pixelsToTwips;

namespace {

// The typed number as a 16-bit whole number, fractions rounded half to even ("2.5" is 2);
// no value for a text that is no number or lies outside the 16-bit range.
std::optional<int> toInteger16(const QString &text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double whole = std::nearbyint(number);
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return int(whole);
}

} // namespace

void FormMain::imgAnswer_Click(int Index) {
    m_session->chooseOption(Index);
}

void FormMain::imgDone_Click() {
    m_session->confirmAnswer();
}

void FormMain::imgPre_Click() {
    m_session->previous();
}

void FormMain::imgNext_Click() {
    m_session->next();
}

void FormMain::optNum_Click(int Index) {
    m_session->goToCell(Index);
}

void FormMain::DrawCellNumber(int Index) {
    if (Index < 0 || Index >= optNum.size())
        return;
    PictureBox *cell = optNum[Index];
    const QString number = QString::number(Index + 1);
    cell->setForeColor(0);
    cell->setPrintPosition((pixelsToTwips(cell->width()) - number.size()) / 3.0, 0);
    cell->print(number);
}

void FormMain::txtCurrent_KeyPress(int &KeyAscii) {
    const bool passes =
        (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == 13 || KeyAscii == 8;
    if (!passes)
        KeyAscii = 0;
}

void FormMain::txtCurrent_Change() {
    if (!m_session->hasQuestion())
        return;
    if (txtCurrent->text().isEmpty())
        txtCurrent->setText(u"1"_s); // jumps to question 1 through this handler
    const std::optional<int> n = toInteger16(txtCurrent->text());
    if (!n || !m_session->goTo(*n)) {
        notices().information(u"题号无效!范围 1-"_s + QString::number(m_session->recordCount()),
                              m_edition.windowTitle);
        txtCurrent->setText(u"1"_s);
    }
}

} // namespace trainer
