// Study modes: the mode buttons, the practice-set loaders and the chapter page.
#include "formmain.h"

#include "bank/connectionstring.h"
#include "bank/error.h"
#include "formmain_fields.h"
#include "imagebutton.h"
#include "notices.h"
#include "units.h"

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

const QString kQuestionColumns =
    u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from shiti2012 where "_s;

// A chapter number goes into SQL only when it is a plain whole number.
bool isWholeNumber(const QString &text) {
    static const QRegularExpression digits(u"^[0-9]{1,9}$"_s);
    return digits.match(text).hasMatch();
}

} // namespace

void FormMain::imgNav_Click(int Index) {
    if (Index == 4) { // the examination start does its own page switching
        StartExam();
        return;
    }
    bHandedIn = false;
    Timer1->stop();
    lblTime->hide();
    imgCommit->hide();

    switch (Index) {
    case 0:
        LoadPracticeSet(false, false);
        break;
    case 1:
        LoadChapterList();
        break;
    case 2:
        LoadPracticeSet(true, true);
        break;
    case 3:
        LoadPracticeSet(true, false);
        break;
    default:
        return;
    }
    SwitchPage(Index);
}

void FormMain::SwitchPage(int Index) {
    if (Index == 1) { // the chapter page covers the question page
        Fr1->raise();
        Fr1->show();
    } else {
        Fr1->hide();
    }
    FR0->raise();
    FR0->show();
    Fr4->setVisible(Index == 4);
}

void FormMain::OpenBank() {
    bank::tryStep([this] {
        if (rsSet)
            rsSet->close();
    });
    bank::tryStep([this] {
        if (cnBank)
            cnBank->close();
    });
    rsSet.reset(); // records go before the connection they were read from
    cnBank = std::make_unique<bank::Connection>();
    bank::tryStep([this] {
        cnBank->setConnectionString(
            bank::BankConnectionString(m_programFolder, m_edition.bankFile));
    });
    bank::tryStep([this] { cnBank->open(); });
}

void FormMain::OpenQuestionSet(const QString &sql) {
    bank::tryStep([this] { cnBank->execute(u"update shiti2012 set state=''"_s); });
    rsSet = std::make_unique<bank::RecordSet>();
    bank::tryStep([&] { rsSet->open(sql, *cnBank, bank::RecordSet::Cursor::Keyset); });
}

void FormMain::SetCountLabel() {
    if (rsSet && rsSet->isOpen()) // an unreadable bank leaves the label as it was
        lblAll->setText(QString::number(rsSet->recordCount()) + u" 题"_s);
}

void FormMain::LoadPracticeSet(bool bByType, bool bAnimation) {
    OpenBank();
    QString condition = u"zhangjie<=7"_s;
    if (bByType)
        condition += bAnimation ? u" and txbz='3'"_s : u" and txbz='2'"_s;
    OpenQuestionSet(kQuestionColumns + condition + u" order by id asc"_s);
    bank::tryStep([this] { SetCountLabel(); });
    bank::tryStep([this] {
        if (hasCurrentRecord())
            ShowQuestion();
    });
    bank::tryStep([this] { vCurBookmark = rsSet->bookmark(); });
}

void FormMain::LoadChapterList() {
    OpenBank();
    rsSet = std::make_unique<bank::RecordSet>();
    bank::tryStep([this] {
        rsSet->open(u"select zhangjiename,zhangjieid from zhangjie where "_s + u"state=2"_s +
                        u" order by zhangjieid asc"_s,
                    *cnBank, bank::RecordSet::Cursor::Keyset);
    });
    bank::tryStep([this] {
        if (rsSet->eof())
            return;
        int index = 0;
        while (!rsSet->eof()) {
            QCheckBox *box = chapterBox(index);
            box->setText(fieldText(*rsSet, u"zhangjiename"_s));
            box->setProperty("Tag", fieldText(*rsSet, u"zhangjieid"_s));
            box->setChecked(false);
            if (index > 0) {
                const QCheckBox *previous = chkChapter[index - 1];
                const double top =
                    pixelsToTwips(previous->y()) + pixelsToTwips(chkChapter[0]->height()) * 1.2;
                box->move(chkChapter[0]->x(), twipsToPixels(top));
                box->show();
            }
            rsSet->moveNext();
            ++index;
        }
    });
    bank::tryStep([this] { vCurBookmark = rsSet->bookmark(); });
}

void FormMain::imgSelect_Click() {
    // The first seven boxes; a chapter number that is not a whole number is never pasted.
    bool anyChecked = false;
    QStringList chapters;
    for (int i = 0; i < std::min<qsizetype>(7, chkChapter.size()); ++i) {
        const QString tag = chkChapter[i]->property("Tag").toString();
        anyChecked = anyChecked || chkChapter[i]->isChecked();
        if (chkChapter[i]->isChecked() && isWholeNumber(tag))
            chapters.append(tag);
    }
    if (!anyChecked) {
        notices().information(u"请选择章节！"_s, m_edition.windowTitle);
        return;
    }
    OpenBank();
    OpenQuestionSet(kQuestionColumns + u"zhangjie in("_s + chapters.join(u',') +
                    u") order by id asc"_s);
    bank::tryStep([this] {
        SetCountLabel();
        if (hasCurrentRecord())
            ShowQuestion();
    });
    Fr1->hide();
}

} // namespace trainer
