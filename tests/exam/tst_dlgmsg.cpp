// The result dialog DlgMsg: its two lines, their centring and font, the frame, closing.
#include "trainer/dlgmsg.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using trainer::DlgMsg;

namespace {

// Left and right margins of a line inside Frame1 (negative when the line is cut).
std::pair<int, int> margins(const DlgMsg &dialog, const QLabel *line) {
    return {line->x(), dialog.Frame1->width() - (line->x() + line->width())};
}

} // namespace

class DlgMsgTest : public QObject {
    Q_OBJECT

private slots:
    void linesAreCentredInTheFrame_data() {
        QTest::addColumn<QString>("str1");
        QTest::addColumn<QString>("str2");
        QTest::addColumn<bool>("overLong");
        QTest::newRow("a pass") << u"您的得分：90分！"_s << u"祝贺您通过考试！"_s << false;
        QTest::newRow("a fail") << u"您的得分：0分！"_s << u"未能通过考试,还需多多练习"_s << false;
        QTest::newRow("an over-long line")
            << u"您的得分：100分！"_s << u"未能通过考试,还需多多练习,还需多多练习,还需多多练习"_s
            << true;
        QTest::newRow("an empty second line") << u"您的得分：88分！"_s << QString() << false;
    }
    void linesAreCentredInTheFrame() {
        QFETCH(QString, str1);
        QFETCH(QString, str2);
        QFETCH(bool, overLong);
        DlgMsg dialog;
        dialog.str1 = str1;
        dialog.str2 = str2;
        dialog.Form_Load();

        for (const auto &[line, text] :
             {std::pair{dialog.lblLabel1, str1}, {dialog.lblLabel2, str2}}) {
            QCOMPARE(line->text(), text);
            // The label takes the width of its whole text: nothing wraps, nothing shrinks.
            QVERIFY(line->width() >= line->fontMetrics().horizontalAdvance(text));
            const auto [left, right] = margins(dialog, line);
            QVERIFY2(qAbs(left - right) <= 1, qPrintable(u"%1 / %2"_s.arg(left).arg(right)));
        }
        QCOMPARE(dialog.lblLabel2->width() > dialog.Frame1->width(), overLong);
        QCOMPARE(dialog.lblLabel2->x() < 0, overLong);
    }

    void linesStandOneBelowTheOther() {
        DlgMsg dialog;
        dialog.str1 = u"您的得分：90分！"_s;
        dialog.str2 = u"祝贺您通过考试！"_s;
        dialog.Form_Load();
        QVERIFY(dialog.lblLabel1->geometry().bottom() < dialog.lblLabel2->y());
        QVERIFY(dialog.lblLabel2->geometry().bottom() < dialog.cmd->y());
    }

    // A missing CJK font would draw the lines as empty boxes.
    void theLinesFontHasEveryGlyph() {
        DlgMsg dialog;
        const QString text = u"您的得分：分！祝贺您通过考试！未能通过考试,还需多多练习"_s;
        const QFont font = dialog.lblLabel1->font();
        QVERIFY(QFontInfo(font).family() != u"宋体"_s);
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY(raw.isValid());
        const QList<quint32> glyphs = raw.glyphIndexesForString(text);
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            QVERIFY2(glyphs[i] != 0, qPrintable(text.mid(i, 1)));
        QCOMPARE(dialog.lblLabel2->font(), font);
        QCOMPARE(dialog.lblLabel1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void isAFramelessWindowInsideItsFrameContainer() {
        DlgMsg dialog(u"安全驾驶"_s);
        QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(dialog.windowTitle(), u"安全驾驶"_s);
        QCOMPARE(dialog.findChild<QWidget *>(u"ruZuvoz1"_s), dialog.ruZuvoz1);
        QCOMPARE(dialog.Frame1->parentWidget(), dialog.ruZuvoz1);
        QCOMPARE(dialog.ruZuvoz1->size(), dialog.size());
    }

    void theButtonClosesTheModalDialog() {
        DlgMsg dialog;
        dialog.str1 = u"您的得分：90分！"_s;
        dialog.str2 = u"祝贺您通过考试！"_s;
        QString shownWhileOpen;
        bool wasModal = false;
        QTimer::singleShot(0, &dialog, [&] {
            wasModal = QApplication::activeModalWidget() == &dialog;
            shownWhileOpen = dialog.lblLabel1->text();
            auto *button = dialog.findChild<QPushButton *>(u"cmd"_s);
            QVERIFY(button);
            QCOMPARE(button->text(), u"确定"_s);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(wasModal);
        QCOMPARE(shownWhileOpen, u"您的得分：90分！"_s);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(DlgMsgTest)
#include "tst_dlgmsg.moc"
