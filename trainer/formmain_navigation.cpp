// Navigation and the answer sheet: previous/next, cell clicks, the go-to box, cell colours.
#include "formmain.h"

#include "formmain_fields.h"
#include "notices.h"
#include "picturebox.h"
#include "units.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

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

bool FormMain::currentAnswered() const {
    return fieldPresent(*rsSet, u"state"_s);
}

void FormMain::ReleaseCell(int Index, bool answered) {
    if (Index < 0 || Index >= optNum.size())
        return;
    PictureBox *cell = optNum[Index];
    cell->setBackColor(swatchColor(answered ? 2 : 0));
    // The clock is not counting (a judged paper): the cell gets back its judged colour.
    if (lblTime->text() == u"30:00"_s)
        cell->setBackColor(lngCellColor[size_t(Index)]);
    DrawCellNumber(Index);
}

void FormMain::TakeCell(int Index) {
    if (Index < 0 || Index >= optNum.size())
        return;
    optNum[Index]->setBackColor(swatchColor(1));
    DrawCellNumber(Index);
}

void FormMain::DrawCellNumber(int Index) {
    if (Index < 0 || Index >= optNum.size())
        return;
    PictureBox *cell = optNum[Index];
    const QString number = QString::number(Index + 1);
    cell->setForeColor(0);
    cell->setPrintPosition((pixelsToTwips(cell->width()) - number.size()) / 3, 0);
    cell->print(number);
}

void FormMain::imgPre_Click() {
    MoveByOne(false);
}

void FormMain::imgNext_Click() {
    MoveByOne(true);
}

void FormMain::MoveByOne(bool forward) {
    if (!hasCurrentRecord())
        return;
    const bool answered = currentAnswered();
    forward ? rsSet->moveNext() : rsSet->movePrevious();
    if (rsSet->eof() || rsSet->bof()) { // past either end: back where it was, nothing changes
        forward ? rsSet->movePrevious() : rsSet->moveNext();
        return;
    }
    if (bHandedIn || examMode()) {
        vCurBookmark = rsSet->bookmark();
        const int n = rsSet->absolutePosition() - 1;
        ReleaseCell(forward ? n - 1 : n + 1, answered);
        TakeCell(n);
    }
    ShowQuestion();
}

void FormMain::optNum_Click(int Index) {
    if (!hasCurrentRecord() || Index >= rsSet->recordCount())
        return;
    if (vCurBookmark) {
        rsSet->setBookmark(*vCurBookmark);
        ReleaseCell(rsSet->absolutePosition() - 1, currentAnswered());
    }
    rsSet->moveFirst();
    for (int i = 0; i < Index; ++i)
        rsSet->moveNext();
    TakeCell(Index);
    vCurBookmark = rsSet->bookmark();
    ShowQuestion();
}

void FormMain::txtCurrent_KeyPress(int &KeyAscii) {
    const bool passes =
        (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == 13 || KeyAscii == 8;
    if (!passes)
        KeyAscii = 0;
}

void FormMain::txtCurrent_Change() {
    if (bSettingNo || !hasCurrentRecord())
        return;
    if (txtCurrent->text().isEmpty())
        txtCurrent->setText(u"1"_s); // jumps to question 1 through this handler
    const int count = rsSet->recordCount();
    const std::optional<int> n = toInteger16(txtCurrent->text());
    if (!n || *n < 1 || *n > count) {
        notices().information(u"题号无效!范围 1-"_s + QString::number(count),
                              m_edition.windowTitle);
        txtCurrent->setText(u"1"_s);
        return;
    }
    if (bHandedIn || examMode())
        ReleaseCell(rsSet->absolutePosition() - 1, currentAnswered());
    rsSet->moveFirst();
    for (int i = 1; i < *n; ++i)
        rsSet->moveNext();
    if (examMode())
        TakeCell(*n - 1);
    vCurBookmark = rsSet->bookmark();
    ShowQuestion();
}

} // namespace trainer
