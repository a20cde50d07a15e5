// The frame's system menu: built-in items, where it opens, and the added items.
#include "windowfixture.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

using namespace frame;
using namespace frametest;
using namespace Qt::Literals::StringLiterals;

namespace {
QMenu *systemMenu(const FramedWindow &w) {
    return w.frame->findChild<QMenu *>(u"SysMnu"_s);
}
// The menu as the learner reads it: "-" for a separator, which must show no text of its own.
QStringList captions(const FramedWindow &w) {
    QStringList result;
    for (const QAction *item : systemMenu(w)->actions()) {
        if (item->isSeparator() && !item->text().isEmpty())
            result << u"separator with text "_s + item->text();
        else
            result << (item->isSeparator() ? u"-"_s : item->text());
    }
    return result;
}
const QStringList BuiltIn{u"还原"_s, u"最小化"_s,  u"最大化"_s, u"-"_s, u"关闭            Alt+F4"_s,
                          u"-"_s,    u"窗体置顶"_s};
} // namespace

class TestFrameMenu : public QObject {
    Q_OBJECT

private slots:
    void init() { m_scope = std::make_unique<ScopedPlatformFacts>(&m_facts); }
    void cleanup() { m_scope.reset(); }

    void addWithSeparatorThenRemoveBoth();
    void builtInItemsAreNeverRemoved_data();
    void builtInItemsAreNeverRemoved();
    void removingAMissingItemDoesNothing();
    void modifyWithOnlyTheIndexResetsFlags();
    void modifyLeavesBuiltInItems();
    void addAfterRemovingBelowTheHighest();
    void itemValues_data();
    void itemValues();
    void choosingAnAddedItemRaisesMenuItemSelected();
    void topmostTwiceReturnsToNormal();
    void closeItemDisabledWithoutCloseButton();
    void closeItemClosesWithoutBtnCloseClick();
    void restoreAndMaximiseItemsStayOpposite();
    void minimiseItem();
    void opensWhere_data();
    void opensWhere();

private:
    ScriptedFacts m_facts;
    std::unique_ptr<ScopedPlatformFacts> m_scope;
};

void TestFrameMenu::addWithSeparatorThenRemoveBoth() {
    FramedWindow w;
    w.frame->FormMenuAdd(u"A"_s, true);
    QCOMPARE(w.frame->GetMenuItemValue(7, 0).toString(), u"-"_s);
    QCOMPARE(w.frame->GetMenuItemValue(8, 0).toString(), u"A"_s);
    QVERIFY(systemMenu(w)->actions().at(7)->isSeparator());
    w.frame->FormMenuRemove(8);
    QCOMPARE(captions(w), BuiltIn);
    // A separator that is not directly below the removed last item stays.
    w.frame->FormMenuAdd(u"B"_s, true);
    w.frame->FormMenuAdd(u"C"_s);
    w.frame->FormMenuRemove(9);
    QCOMPARE(captions(w), BuiltIn + QStringList({u"-"_s, u"B"_s}));
}

void TestFrameMenu::builtInItemsAreNeverRemoved_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i <= 6; ++i)
        QTest::addRow("%d", i) << i;
}

void TestFrameMenu::builtInItemsAreNeverRemoved() {
    QFETCH(int, index);
    FramedWindow w;
    w.frame->FormMenuAdd(u"A"_s);
    w.frame->FormMenuRemove(qint16(index));
    QCOMPARE(captions(w), BuiltIn + QStringList({u"A"_s}));
}

void TestFrameMenu::removingAMissingItemDoesNothing() {
    FramedWindow w;
    RecordingHook hook;
    w.frame->FormMenuRemove(7);
    w.frame->ModifyAddedMenu(9, u"X"_s);
    QCOMPARE(captions(w), BuiltIn);
    QCOMPARE(hook.procedures(), (QStringList{u"FormMenuRemove"_s, u"ModifyAddedMenu"_s}));
    QVERIFY(!w.frame->GetMenuItemValue(7, 0).isValid());
}

void TestFrameMenu::modifyWithOnlyTheIndexResetsFlags() {
    FramedWindow w;
    w.frame->FormMenuAdd(u"A"_s, false, false, true, false);
    QCOMPARE(w.frame->GetMenuItemValue(7, 1).toBool(), false);
    QCOMPARE(w.frame->GetMenuItemValue(7, 2).toBool(), true);
    QCOMPARE(w.frame->GetMenuItemValue(7, 3).toBool(), false);
    w.frame->ModifyAddedMenu(7);
    QCOMPARE(w.frame->GetMenuItemValue(7, 0).toString(), u"A"_s);
    QCOMPARE(w.frame->GetMenuItemValue(7, 1).toBool(), true);
    QCOMPARE(w.frame->GetMenuItemValue(7, 2).toBool(), false);
    QCOMPARE(w.frame->GetMenuItemValue(7, 3).toBool(), true);
    w.frame->ModifyAddedMenu(7, u"B"_s, false, true, true);
    QCOMPARE(w.frame->GetMenuItemValue(7, 0).toString(), u"B"_s);
    QCOMPARE(w.frame->GetMenuItemValue(7, 2).toBool(), true);
}

void TestFrameMenu::modifyLeavesBuiltInItems() {
    FramedWindow w;
    for (qint16 i = 0; i <= 6; ++i)
        w.frame->ModifyAddedMenu(i, u"X"_s, false, true, false);
    QCOMPARE(captions(w), BuiltIn);
    QVERIFY(w.frame->GetMenuItemValue(4, 1).toBool());
    QVERIFY(!w.frame->GetMenuItemValue(6, 2).toBool());
}

void TestFrameMenu::addAfterRemovingBelowTheHighest() {
    FramedWindow w;
    RecordingHook hook;
    w.frame->FormMenuAdd(u"A"_s);
    w.frame->FormMenuAdd(u"B"_s);
    w.frame->FormMenuAdd(u"C"_s);
    w.frame->FormMenuRemove(8);
    w.frame->FormMenuAdd(u"D"_s);
    // The new item takes the index above the highest in use; the others keep theirs.
    QCOMPARE(w.frame->GetMenuItemValue(7, 0).toString(), u"A"_s);
    QVERIFY(!w.frame->GetMenuItemValue(8, 0).isValid());
    QCOMPARE(w.frame->GetMenuItemValue(9, 0).toString(), u"C"_s);
    QCOMPARE(w.frame->GetMenuItemValue(10, 0).toString(), u"D"_s);
    QCOMPARE(captions(w), BuiltIn + QStringList({u"A"_s, u"C"_s, u"D"_s}));
    // With gaps below it, the highest item can still be removed.
    w.frame->FormMenuRemove(7);
    w.frame->FormMenuRemove(10);
    QCOMPARE(captions(w), BuiltIn + QStringList({u"C"_s}));
    QVERIFY(!hook.procedures().contains(u"FormMenuAdd"_s));
    QVERIFY(!hook.procedures().contains(u"FormMenuRemove"_s));
}

void TestFrameMenu::itemValues_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("close caption") << 4 << 0 << QVariant(u"关闭            Alt+F4"_s);
    QTest::newRow("close enabled") << 4 << 1 << QVariant(true);
    QTest::newRow("restore enabled") << 0 << 1 << QVariant(false);
    QTest::newRow("topmost checked") << 6 << 2 << QVariant(false);
    QTest::newRow("minimise visible") << 1 << 3 << QVariant(true);
    QTest::newRow("unknown property") << 4 << 4 << QVariant();
    QTest::newRow("missing item") << 12 << 0 << QVariant();
}

void TestFrameMenu::itemValues() {
    QFETCH(int, item);
    QFETCH(int, property);
    QFETCH(QVariant, value);
    FramedWindow w;
    QCOMPARE(w.frame->GetMenuItemValue(qint16(item), property), value);
}

void TestFrameMenu::choosingAnAddedItemRaisesMenuItemSelected() {
    FramedWindow w;
    w.frame->FormMenuAdd(u"Extra"_s, true, true, true);
    QSignalSpy spy(w.frame, &ruZuvoz::MenuItemSelected);
    systemMenu(w)->actions().at(8)->trigger();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().at(0).toInt(), 8);
    QCOMPARE(spy.first().at(1).toString(), u"Extra"_s);
    // Choosing an item leaves its check mark to the host.
    QVERIFY(w.frame->GetMenuItemValue(8, 2).toBool());
}

void TestFrameMenu::topmostTwiceReturnsToNormal() {
    FramedWindow w;
    QVERIFY(w.show());
    QAction *topmost = systemMenu(w)->actions().at(6);
    topmost->trigger();
    QVERIFY(topmost->isChecked());
    QVERIFY(w.host->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.host->isVisible());
    topmost->trigger();
    QVERIFY(!topmost->isChecked());
    QVERIFY(!(w.host->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(w.host->isVisible());
}

void TestFrameMenu::closeItemDisabledWithoutCloseButton() {
    FramedWindow w({{u"closebutton"_s, false}});
    QAction *close = systemMenu(w)->actions().at(4);
    QVERIFY(close->isVisible());
    QVERIFY(!close->isEnabled());
    w.frame->setCloseButton(true);
    QVERIFY(close->isEnabled());
}

void TestFrameMenu::closeItemClosesWithoutBtnCloseClick() {
    FramedWindow w;
    QVERIFY(w.show());
    QSignalSpy spy(w.frame, &ruZuvoz::BtnCloseClick);
    systemMenu(w)->actions().at(4)->trigger();
    QVERIFY(!w.host->isVisible());
    QCOMPARE(spy.size(), 0);
}

void TestFrameMenu::restoreAndMaximiseItemsStayOpposite() {
    FramedWindow w;
    QVERIFY(w.show());
    const auto items = systemMenu(w)->actions();
    items.at(2)->trigger();
    QCOMPARE(w.frame->WindowState(), qint16(2));
    QVERIFY(items.at(0)->isEnabled() && !items.at(2)->isEnabled());
    items.at(0)->trigger();
    QCOMPARE(w.frame->WindowState(), qint16(0));
    QVERIFY(!items.at(0)->isEnabled() && items.at(2)->isEnabled());
}

void TestFrameMenu::minimiseItem() {
    FramedWindow w;
    QVERIFY(w.show());
    hover(w.frame, w.buttonCentre(2));
    systemMenu(w)->actions().at(1)->trigger();
    QVERIFY(w.host->windowState() & Qt::WindowMinimized);
    QCOMPARE(w.frame->HotBtn(), qint16(-1));
}

void TestFrameMenu::opensWhere_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QPoint>("menuAt"); // in frame coordinates; null: at the mouse
    QTest::newRow("left press on the icon area")
        << int(Qt::LeftButton) << QPoint(10, 8) << true << QPoint(3, -1);
    QTest::newRow("left press right of the icon area")
        << int(Qt::LeftButton) << QPoint(30, 8) << false << QPoint();
    QTest::newRow("right release on the title")
        << int(Qt::RightButton) << QPoint(120, 8) << true << QPoint();
    QTest::newRow("right release over the buttons")
        << int(Qt::RightButton) << QPoint(340, 8) << false << QPoint();
    QTest::newRow("right release below the title")
        << int(Qt::RightButton) << QPoint(120, 120) << false << QPoint();
}

void TestFrameMenu::opensWhere() {
    QFETCH(int, button);
    QFETCH(QPoint, at);
    QFETCH(bool, opens);
    QFETCH(QPoint, menuAt);
    FramedWindow w;
    QVERIFY(w.show());
    QMenu *menu = systemMenu(w);
    w.click(at, Qt::MouseButton(button));
    QCOMPARE(menu->isVisible(), opens);
    if (opens) {
        const QPoint expected = menuAt.isNull() ? at : QPoint(menuAt.x(), w.ch());
        QCOMPARE(menu->pos(), w.frame->mapToGlobal(expected));
        QCOMPARE(menu->defaultAction(), menu->actions().at(4));
        menu->hide();
    }
}

QTEST_MAIN(TestFrameMenu)
#include "tst_frame_menu.moc"
