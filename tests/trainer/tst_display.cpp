// The question display: title, options, picture, clip and what each mode reveals.
#include "trainerharness.h"

#include "trainer/clipplayer.h"
#include "trainer/forecolor.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using fixture::choice;

namespace {

void writePicture(const QString &folder, const QString &name, QSize size) {
    QDir(folder).mkpath(u"anquanimages"_s);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(folder + u"/anquanimages/"_s + name));
}

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT

private slots:
    void titleAndPositionWithoutJumping() {
        QList<fixture::Question> questions;
        for (int id = 1; id <= 12; ++id)
            questions.append(choice(id, 1));
        questions[11].question = u"停车时应注意什么？"_s;
        TrainerHarness h({}, questions);
        h.click(u"imgNav(0)"_s);
        h.get<QLineEdit>(u"txtCurrent"_s)->setText(u"12"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"12.停车时应注意什么？"_s);
        QCOMPARE(h.get(u"lblTitle"_s)->toolTip(), u"12.停车时应注意什么？"_s);
        QCOMPARE(h.text(u"txtCurrent"_s), u"12"_s);
        // Writing the number did not re-trigger navigation: still question 12, no message.
        h.click(u"imgPre"_s);
        QCOMPARE(h.text(u"txtCurrent"_s), u"11"_s);
        QVERIFY(h.notices.shown.isEmpty());
    }

    void optionLines_data() {
        QTest::addColumn<QVariantList>("options");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("buttons");
        QTest::newRow("four") << QVariantList{u"甲"_s, u"乙"_s, u"丙"_s, u"丁"_s}
                              << u"A、甲\r\nB、乙\r\nC、丙\r\nD、丁"_s
                              << QList<bool>{true, true, true, true};
        QTest::newRow("true/false, Null")
            << QVariantList{u"对"_s, u"错"_s, {}, {}} << u"A、对\r\nB、错\r\n"_s
            << QList<bool>{true, true, false, false};
        QTest::newRow("true/false, empty")
            << QVariantList{u"对"_s, u"错"_s, u""_s, u""_s} << u"A、对\r\nB、错\r\n"_s
            << QList<bool>{true, true, false, false};
        QTest::newRow("no option A")
            << QVariantList{{}, u"乙"_s, u"丙"_s, {}} << u"B、乙\r\nC、丙\r\n"_s
            << QList<bool>{false, true, true, false};
    }
    void optionLines() {
        QFETCH(QVariantList, options);
        QFETCH(QString, text);
        QFETCH(QList<bool>, buttons);
        fixture::Question first = choice(1, 1);
        fixture::Question q = choice(2, 1);
        q.ans1 = options[0];
        q.ans2 = options[1];
        q.ans3 = options[2];
        q.ans4 = options[3];
        TrainerHarness h({}, {first, q});
        h.click(u"imgNav(0)"_s);
        h.click(u"imgNext"_s); // the previous question's options must not linger
        QCOMPARE(h.text(u"lblAnswer"_s), text);
        QCOMPARE(h.get(u"lblAnswer"_s)->toolTip(), text);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(h.shown(u"imgAnswer(%1)"_s.arg(i)), buttons[i]);
    }

    // What practice reveals on screen (every mode's answer line: tst_session).
    void modeTable_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("myShown");
        QTest::addColumn<uint>("myColour");
        QTest::addColumn<bool>("rightShown");
        QTest::addColumn<QString>("mark");
        QTest::newRow("practice, not answered")
            << u"practice"_s << u""_s << false << 0u << false << u""_s;
        QTest::newRow("practice, right")
            << u"practice"_s << u"AC"_s << true << 0x008000u << true << u"imgOK"_s;
        QTest::newRow("practice, wrong")
            << u"practice"_s << u"A"_s << true << 0x0000FFu << true << u"imgErr"_s;
    }
    void modeTable() {
        QFETCH(QString, mode);
        QFETCH(QString, state);
        QFETCH(bool, myShown);
        QFETCH(uint, myColour);
        QFETCH(bool, rightShown);
        QFETCH(QString, mark);
        fixture::Question q = choice(1, 1, u"31"_s);
        q.type = u"2"_s;
        TrainerHarness h({}, {q, choice(2, 1)});
        h.click(u"imgNav(0)"_s);
        // Record the answer the way the learner does, then come back to the question.
        if (!state.isEmpty()) {
            for (const QChar letter : state)
                h.click(u"imgAnswer(%1)"_s.arg(letter.unicode() - u'A'));
            h.form().cboJump->setCurrentIndex(1);
            h.click(u"imgDone"_s);
        }
        h.click(u"imgNext"_s);
        h.click(u"imgPre"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        QCOMPARE(h.shown(u"lblMyAnswer"_s), myShown);
        if (myShown) {
            QCOMPARE(h.text(u"lblMyAnswer"_s), state);
            QCOMPARE(trainer::foreColor(h.get(u"lblMyAnswer"_s)), quint32(myColour));
        }
        QCOMPARE(h.shown(u"lblRightAnswer"_s), rightShown);
        if (rightShown)
            QCOMPARE(h.text(u"lblRightAnswer"_s), u"AC"_s);
        QCOMPARE(h.shown(u"imgOK"_s), mark == u"imgOK"_s);
        QCOMPARE(h.shown(u"imgErr"_s), mark == u"imgErr"_s);
        QVERIFY(h.shown(u"imgDone"_s));
    }

    void pictureIsCentred_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("left");
        QTest::newRow("narrow") << 100 << 199; // (7470 - 1500) / 2 twips
        QTest::newRow("wide") << 600 << -51;   // (7470 - 9000) / 2 twips
        QTest::newRow("exact") << 498 << 0;
    }
    void pictureIsCentred() {
        QFETCH(int, width);
        QFETCH(int, left);
        fixture::Question q = choice(1, 1);
        q.bmp = u"\\sign.png"_s;
        TrainerHarness h({}, {q});
        writePicture(h.folder(), u"sign.png"_s, QSize(width, 120));
        h.click(u"imgNav(0)"_s);
        auto *picture = h.get<QLabel>(u"imgTitlePic"_s);
        QVERIFY(picture->isVisible());
        QVERIFY(h.shown(u"FrameBack"_s));
        QVERIFY(!h.shown(u"wmp"_s));
        QCOMPARE(picture->geometry(), QRect(left, 0, width, 120));
    }

    void missingOrUnsafeMediaLeavesTheAreaEmpty_data() {
        QTest::addColumn<QVariant>("bmp");
        QTest::addColumn<QVariant>("flash");
        QTest::newRow("missing picture") << QVariant(u"nothere.png"_s) << QVariant();
        QTest::newRow("picture outside its folder") << QVariant(u"..\\..\\aqc.dll"_s) << QVariant();
        QTest::newRow("not a picture") << QVariant(u"\\bad.png"_s) << QVariant();
        QTest::newRow("missing clip") << QVariant() << QVariant(u"\\nothere.webm"_s);
        QTest::newRow("clip that is no video") << QVariant() << QVariant(u"\\bad.png"_s);
    }
    void missingOrUnsafeMediaLeavesTheAreaEmpty() {
        QFETCH(QVariant, bmp);
        QFETCH(QVariant, flash);
        fixture::Question q = choice(1, 1);
        q.bmp = bmp;
        q.flash = flash;
        TrainerHarness h({}, {q, choice(2, 1)});
        QDir(h.folder()).mkpath(u"anquanimages"_s);
        QFile bad(h.folder() + u"/anquanimages/bad.png"_s);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        h.click(u"imgNav(0)"_s);
        QTest::qWait(50); // let the player report what it could not play
        QVERIFY(h.get<QLabel>(u"imgTitlePic"_s)->pixmap().isNull());
        QCOMPARE(h.shown(u"wmp"_s), flash.isValid());
        QCOMPARE(h.shown(u"FrameBack"_s), !flash.isValid());
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        h.click(u"imgNext"_s); // and the program goes on
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        QVERIFY(!h.shown(u"wmp"_s));
        QVERIFY(h.form().wmp->url().isEmpty());
    }

    void clipTakesThePicturesPlace() {
        fixture::Question q = choice(1, 1);
        q.type = u"3"_s;
        q.bmp = u"\\sign.png"_s;
        q.flash = u"\\clip.webm"_s;
        TrainerHarness h({}, {q, choice(2, 1)});
        writePicture(h.folder(), u"sign.png"_s, QSize(100, 100));
        h.click(u"imgNav(2)"_s);
        QVERIFY(!h.shown(u"FrameBack"_s));
        QVERIFY(h.shown(u"wmp"_s));
        QCOMPARE(QDir::fromNativeSeparators(h.form().wmp->url()),
                 h.folder() + u"/anquanimages/clip.webm"_s);
        h.click(u"imgNav(0)"_s);
        h.click(u"imgNext"_s); // a question without a clip empties the player
        QVERIFY(h.form().wmp->url().isEmpty());
        QVERIFY(!h.shown(u"wmp"_s));
        QVERIFY(h.shown(u"FrameBack"_s));
    }

    void unexpectedNullsAndAHugeStem() {
        fixture::Question nulls;
        nulls.id = 1;
        nulls.chapter = 1;
        nulls.type = {};
        nulls.state = {};
        fixture::Question huge = choice(2, 1);
        huge.question = QString(100000, u'长');
        TrainerHarness h({}, {nulls, huge});
        h.click(u"imgNav(0)"_s);
        QCOMPARE(h.text(u"lblAll"_s), u"2 题"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1."_s);
        QCOMPARE(h.text(u"lblAnswer"_s), QString());
        QVERIFY(!h.shown(u"imgDone"_s));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!h.shown(u"imgAnswer(%1)"_s.arg(i)));
        QVERIFY(!h.shown(u"lblMyAnswer"_s));
        h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"lblTitle"_s).size(), 100002);
        h.click(u"imgAnswer(0)"_s);
        QVERIFY(h.shown(u"imgOK"_s));
    }
};

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
