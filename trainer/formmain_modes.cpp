// Study modes: the mode buttons, the chapter page and its start button.
#include "formmain.h"

#include "core/twips.h"
#include "core/wholenumber.h"
#include "imagebutton.h"
#include "notices.h"

#include <QCheckBox>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

using core::pixelsToTwips;
using core::twipsToPixels;

void FormMain::imgNav_Click(int Index) {
    switch (Index) {
    case 0:
        m_session->loadPracticeSet(Session::SetKind::Sequential);
        break;
    case 1:
        LoadChapterList();
        break;
    case 2:
        m_session->loadPracticeSet(Session::SetKind::Animation);
        break;
    case 3:
        m_session->loadPracticeSet(Session::SetKind::MultiAnswer);
        break;
    case 4:
        m_session->startExam();
        break;
    default:
        return;
    }
    SwitchPage(Index);
}

void FormMain::SwitchPage(int Index) {
    hideProgressPages(); // an added page lies over the question page
    if (Index == 1) {    // the chapter page covers the question page
        Fr1->raise();
        Fr1->show();
    } else {
        Fr1->hide();
    }
    FR0->raise();
    FR0->show();
    Fr4->setVisible(Index == 4);
}

// One box per offered chapter, 1.2 box heights apart; an unreadable list leaves box 0 as it was.
void FormMain::LoadChapterList() {
    const QList<Chapter> chapters = m_session->loadChapterList();
    for (int index = 0; index < chapters.size(); ++index) {
        QCheckBox *box = chapterBox(index);
        box->setText(chapters[index].name);
        box->setProperty("Tag", chapters[index].id);
        box->setChecked(false);
        if (index > 0) {
            const QCheckBox *previous = chkChapter[index - 1];
            const double top =
                pixelsToTwips(previous->y()) + pixelsToTwips(chkChapter[0]->height()) * 1.2;
            box->move(chkChapter[0]->x(), twipsToPixels(top));
            box->show();
        }
    }
}

void FormMain::imgSelect_Click() {
    // The first seven boxes; a chapter number that is not a whole number is never pasted.
    bool anyChecked = false;
    QStringList chapters;
    for (int i = 0; i < std::min<qsizetype>(7, chkChapter.size()); ++i) {
        const QString tag = chkChapter[i]->property("Tag").toString();
        anyChecked = anyChecked || chkChapter[i]->isChecked();
        if (chkChapter[i]->isChecked() && core::isWholeNumber(tag))
            chapters.append(tag);
    }
    if (!anyChecked) {
        notices().information(u"请选择章节！"_s, m_edition.windowTitle);
        return;
    }
    m_session->loadChapters(chapters);
    Fr1->hide();
}

} // namespace trainer
