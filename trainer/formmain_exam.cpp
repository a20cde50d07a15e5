// The examination: the answer sheet, the hand-in and the result dialog.
#include "formmain.h"

#include "dlgmsg.h"
#include "notices.h"
#include "picturebox.h"

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

constexpr int kSheetColumns = 25;

} // namespace

// Cells beyond a short paper's last question are hidden, so no cell leads off the paper.
void FormMain::LayOutAnswerSheet(int paperLength) {
    const PictureBox *first = optNum[0];
    for (int i = 0; i < Session::kSheetCells; ++i) {
        PictureBox *cell = LoadOptNum(i);
        if (i > 0) {
            cell->move(first->x() + (i % kSheetColumns) * first->width(),
                       first->y() + (i / kSheetColumns) * first->height());
        }
        cell->setBackColor(m_session->cellColor(i));
        DrawCellNumber(i);
        cell->setVisible(i < paperLength);
    }
}

void FormMain::imgCommit_Click() {
    if (!notices().question(u"你确定要交卷吗?"_s, u"交卷"_s))
        return;
    // The clock kept ticking while the question waited: time may have run out and handed the
    // paper in already, in which case the session hands in nothing.
    m_session->handIn();
}

void FormMain::ShowResultDialog(const QString &line1, const QString &line2) {
    DlgMsg dialog(m_edition.windowTitle);
    dialog.str1 = line1;
    dialog.str2 = line2;
    dialog.exec();
}

} // namespace trainer
