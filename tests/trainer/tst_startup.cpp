// Start-up state, shut-down, and banks that cannot be read.
#include "trainerharness.h"

#include "frame/ruzuvoz.h"
#include "trainer/imagebutton.h"
#include "trainer/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using fixture::choice;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstView() {
        TrainerHarness h;
        QCOMPARE(h.text(u"txtCurrent"_s), u"0"_s);
        QCOMPARE(h.text(u"lblAll"_s), u"xxxx"_s);
        QCOMPARE(h.get<QComboBox>(u"cboJump"_s)->currentText(), u"自动"_s);
        QVERIFY(!h.form().session().clockRunning());
        QVERIFY(h.shown(u"Frame1"_s));
        QVERIFY(h.shown(u"imgBack"_s));
        for (int i = 0; i < 5; ++i)
            QVERIFY(h.shown(u"imgNav(%1)"_s.arg(i)));
        for (const char *hidden : {"FR0", "Fr4", "lblTime", "imgCommit", "imgDone"})
            QVERIFY2(!h.shown(QString::fromLatin1(hidden)), hidden);
        // The chapter page lies behind the start page.
        QWidget *container = h.get(u"ruZuvoz1"_s);
        const QObjectList order = container->children();
        QVERIFY(order.indexOf(h.get(u"Fr1"_s)) < order.indexOf(h.get(u"Frame1"_s)));
        QCOMPARE(container->geometry(), h.form().rect());
        QVERIFY(h.form().windowFlags().testFlag(Qt::FramelessWindowHint));
        // The window's first focus goes to no picture button, which would take Space for itself.
        QVERIFY(!qobject_cast<trainer::ImageButton *>(QApplication::focusWidget()));
        // Start-up does not open the bank.
        QCOMPARE(h.form().session().mode(), trainer::Session::Mode::None);
        QVERIFY(!h.form().session().hasQuestion());
    }

    void legendAndCellColours() {
        TrainerHarness h;
        const quint32 expected[] = {0xFEFDFF, 0x0042BE, 0x84BFFE, 0xFE7F80, 0x0000FE};
        const char *captions[] = {"未答题", "当前答题", "已答题", "回答正确", "回答错误"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(h.get<trainer::PictureBox>(u"optE(%1)"_s.arg(i))->backColor(), expected[i]);
            QCOMPARE(h.text(u"lbl(%1)"_s.arg(8 - i)), QString::fromUtf8(captions[i]));
        }
        QCOMPARE(h.get<trainer::PictureBox>(u"optNum(0)"_s)->backColor(), 0xFEFDFFu);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(h.form().session().rememberedCellColor(i), 0xFEFDFFu);
    }

    void designGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Frame1") << u"Frame1"_s << QRect(4, 36, 977, 624);
        QTest::newRow("FR0") << u"FR0"_s << QRect(0, 100, 987, 520);
        QTest::newRow("lblTitle") << u"lblTitle"_s << QRect(17, 55, 912, 71);
        QTest::newRow("optNum(0)") << u"optNum(0)"_s << QRect(8, 9, 36, 18);
        QTest::newRow("imgNav(4)") << u"imgNav(4)"_s << QRect(783, 63, 182, 37);
        QTest::newRow("chkChapter(0)") << u"chkChapter(0)"_s << QRect(34, 40, 549, 27);
        QTest::newRow("optE(2)") << u"optE(2)"_s << QRect(214, 3, 32, 18);
    }
    void designGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        TrainerHarness h;
        // The frame lowers what it holds so that the highest control, Frame1 at 36, stands 20
        // pixels below the title bar.
        const auto *frame = h.get<frame::ruZuvoz>(u"ruZuvoz1"_s);
        if (h.get(name)->parentWidget() == frame)
            pixels.translate(0, frame->CaptionHeight() + 20 - 36);
        QCOMPARE(h.get(name)->geometry(), pixels);
    }

    void handCursors() {
        TrainerHarness h;
        QStringList pointed = {u"imgPre"_s,    u"imgNext"_s,   u"imgDone"_s,
                               u"imgCommit"_s, u"imgSelect"_s, u"optNum(0)"_s};
        for (int i = 0; i < 5; ++i)
            pointed << u"imgNav(%1)"_s.arg(i);
        for (int i = 0; i < 4; ++i)
            pointed << u"imgAnswer(%1)"_s.arg(i);
        for (const QString &name : pointed)
            QVERIFY2(h.get(name)->testAttribute(Qt::WA_SetCursor), qPrintable(name));
        QVERIFY(!h.get(u"lblTitle"_s)->testAttribute(Qt::WA_SetCursor));
    }

    // Screen readers name each picture button by the caption it shows; the mode buttons by the
    // captions drawn in the start picture under them.
    void buttonNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const QString modes[] = {u"顺序练习"_s, u"章节练习"_s, u"动画练习"_s, u"多选练习"_s,
                                 u"模拟考试"_s};
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(u"imgNav(%1)"_s.arg(i))) << u"imgNav(%1)"_s.arg(i) << modes[i];
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(u"imgAnswer(%1)"_s.arg(i)))
                << u"imgAnswer(%1)"_s.arg(i) << QString(QChar(u'A' + i));
        QTest::newRow("imgDone") << u"imgDone"_s << u"确定"_s;
        QTest::newRow("imgPre") << u"imgPre"_s << u"上一题"_s;
        QTest::newRow("imgNext") << u"imgNext"_s << u"下一题"_s;
        QTest::newRow("imgCommit") << u"imgCommit"_s << u"交卷"_s;
        QTest::newRow("imgSelect") << u"imgSelect"_s << u"开始练习"_s;
    }
    void buttonNames() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TrainerHarness h;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(h.get(name));
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), caption);
    }

    // The shared pictures compiled into the trainer library reach its controls.
    void buttonPictures() {
        if (!QFileInfo::exists(QStringLiteral(SAFEDRIVE_ASSETS_QRC)))
            QSKIP("the shared pictures are not generated yet");
        TrainerHarness h;
        for (const char *name : {"imgAnswer(0)", "imgAnswer(3)", "imgPre", "imgNext", "imgDone",
                                 "imgCommit", "imgSelect"})
            QVERIFY2(!h.get<trainer::ImageButton>(QString::fromLatin1(name))->pixmap().isNull(),
                     name);
        QCOMPARE(h.get<QLabel>(u"imgOK"_s)->pixmap().size(), QSize(18, 18));
        QVERIFY(!h.get<QLabel>(u"imgErr"_s)->pixmap().isNull());
        QCOMPARE(h.get(u"imgNext"_s)->cursor().shape(), Qt::BitmapCursor);
    }

    void closingWithNothingOpen() {
        TrainerHarness h;
        QVERIFY(h.form().close());
        QVERIFY(!h.form().session().hasQuestion());
        QVERIFY(h.notices.shown.isEmpty());
    }

    void closingWithASetOpenReleasesIt() {
        TrainerHarness h({}, {choice(1, 1)});
        h.click(u"imgNav(0)"_s);
        h.click(u"imgAnswer(0)"_s); // pending on the current record until the set closes
        QVERIFY(h.form().session().hasQuestion());
        QVERIFY(h.form().close());
        QVERIFY(!h.form().session().hasQuestion());
        QCOMPARE(h.storedState(1).toString(), u"A"_s);
        QVERIFY(h.notices.shown.isEmpty());
    }

    // Every mode on a bank that cannot be opened: one message naming the file and the reason,
    // then the page switches, no question, the count keeps its text, the clock stays still, and
    // the controls do nothing afterwards.
    void unopenableBank_data() {
        QTest::addColumn<QString>("content"); // empty: no bank file at all
        QTest::addColumn<bool>("otherPassword");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QString() << false << u"无法打开题库 aqc.dll：文件不存在。"_s;
        QTest::newRow("not a bank")
            << u"this is not a database"_s << false << u"无法打开题库 aqc.dll：不是题库文件。"_s;
        QTest::newRow("wrong password")
            << QString() << true << u"无法打开题库 aqc.dll：密码错误。"_s;
    }
    void unopenableBank() {
        QFETCH(QString, content);
        QFETCH(bool, otherPassword);
        QFETCH(QString, message);
        TrainerHarness h;
        if (!content.isEmpty()) {
            QFile file(h.bankPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
        }
        if (otherPassword) {
            bank::sqlite::Database db(h.bankPath(), bank::sqlite::Database::Mode::Create);
            db.key("another password");
            db.exec(bank::schemaSql());
            db.exec(u"insert into shiti2012 (id, question, txbz, zhangjie) "
                    "values (1, 'Q1', '1', 1)"_s);
        }
        for (int mode : {0, 2, 3, 4, 1}) {
            h.notices.shown.clear();
            h.click(u"imgNav(%1)"_s.arg(mode));
            QCOMPARE(h.notices.texts(), QStringList{message});
            QCOMPARE(h.notices.shown[0].title, TrainerHarness::edition().windowTitle);
            QCOMPARE(h.text(u"lblAll"_s), u"xxxx"_s);
            QCOMPARE(h.text(u"lblTitle"_s), QString());
            QVERIFY(h.shown(u"FR0"_s));
            QVERIFY(!h.form().session().clockRunning());
            QVERIFY(!h.shown(u"lblTime"_s));
            QVERIFY(!h.shown(u"imgCommit"_s));
        }
        QVERIFY(h.shown(u"Fr1"_s));
        QCOMPARE(h.get<QCheckBox>(u"chkChapter(0)"_s)->text(), u"章节"_s);
        h.get<QCheckBox>(u"chkChapter(0)"_s)->setChecked(true);
        h.notices.shown.clear();
        h.click(u"imgSelect"_s);
        QCOMPARE(h.notices.texts(), QStringList{message});
        h.click(u"imgNav(0)"_s);
        h.notices.shown.clear();
        for (const char *control : {"imgAnswer(0)", "imgDone", "imgPre", "imgNext"})
            QTest::mouseClick(h.get(QString::fromLatin1(control)), Qt::LeftButton);
        QTest::keyClicks(h.get(u"txtCurrent"_s), u"5"_s);
        QVERIFY(h.notices.shown.isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
