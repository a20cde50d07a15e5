// The frame's properties, their persistence and the colour themes.
#include "frame/ruzuvoz.h"
#include "framehelpers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace frame;
using namespace frametest;
using namespace Qt::Literals::StringLiterals;

namespace {
constexpr OleColor BlueDark = 0x009C6113, BlueLight = 0x00FEECDD;
constexpr OleColor SilverDark = 0x006F5F5F, SilverLight = 0x00FBF4F4;
constexpr OleColor OliveDark = 0x00385D3F, OliveLight = 0x00E1F9F7;
constexpr OleColor GoldDark = 0x001E5B75, GoldLight = 0x00A5EFFF;

struct Window {
    QWidget host;
    ruZuvoz *frame;
    Window() {
        host.setWindowFlag(Qt::FramelessWindowHint);
        host.setWindowTitle(u"Host"_s);
        host.resize(300, 200);
        frame = new ruZuvoz(&host);
    }
};
} // namespace

class TestFrameProperties : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_facts = std::make_unique<ScriptedFacts>();
        m_scope = std::make_unique<ScopedPlatformFacts>(m_facts.get());
    }
    void cleanup() {
        m_scope.reset();
        m_facts.reset();
    }

    void creationDefaults();
    void loadingNothingGivesTheDefaults();
    void keysMatchWithoutRegardToCase();
    void savingWritesOnlyWhatDiffersInOrder();
    void closeButtonFalseSurvivesSaveAndLoad();
    void wearingLoadsTheWindowsSettings_data();
    void wearingLoadsTheWindowsSettings();
    void fixedThemes_data();
    void fixedThemes();
    void outOfRangeThemeKeepsColours_data();
    void outOfRangeThemeKeepsColours();
    void visualStyleBranches_data();
    void visualStyleBranches();
    void sameThemeRepaintsNothingSameBackStyleRepaints();
    void customColoursShowOnlyUnderCustomTheme();
    void customBackColourRepaintsOnlyWhenUsed();
    void backColourFollowsItsStyle_data();
    void backColourFollowsItsStyle();
    void untranslatableColourIsStoredAsMinusOne();
    void changeAllBackgroundsRecoloursTheHostsControls();

private:
    std::unique_ptr<ScriptedFacts> m_facts;
    std::unique_ptr<ScopedPlatformFacts> m_scope;
};

void TestFrameProperties::creationDefaults() {
    Window w;
    QCOMPARE(w.frame->ThemeColor(), qint32(tcBlue));
    QCOMPARE(w.frame->Style(), qint32(stCylinder));
    QCOMPARE(w.frame->BackColorStyle(), qint32(bcSystem));
    QCOMPARE(w.frame->BorderStyle(), qint32(bsSizable));
    QVERIFY(w.frame->CloseButton() && w.frame->MaxButton() && w.frame->MinButton());
    QVERIFY(!w.frame->ChangeAllBackgrounds());
    QCOMPARE(w.frame->IconSize(), qint16(16));
    QCOMPARE(w.frame->CustomBackColor(), m_facts->buttonFace);
    QCOMPARE(w.frame->ColorFrom(), OleColor(0x00404080));
    QCOMPARE(w.frame->ColorTo(), OleColor(0x00C0E0FF));
    QCOMPARE(w.frame->ColorDark(), BlueDark);
    QCOMPARE(w.frame->Caption(), u"Host"_s);
    QCOMPARE(w.frame->geometry(), w.host.rect());
    QCOMPARE(w.frame->objectName(), u"ruZuvoz1"_s);
    // The caption follows the host's.
    w.host.setWindowTitle(u"Renamed"_s);
    QCOMPARE(w.frame->Caption(), u"Renamed"_s);
}

void TestFrameProperties::loadingNothingGivesTheDefaults() {
    Window w;
    w.frame->Load(PropertyStore());
    QCOMPARE(w.frame->ThemeColor(), qint32(tcSystem));
    QCOMPARE(w.frame->Style(), qint32(stCylinder));
    QCOMPARE(w.frame->BackColorStyle(), qint32(bcSystem));
    QCOMPARE(w.frame->BorderStyle(), qint32(bsSizable));
    QVERIFY(w.frame->CloseButton() && w.frame->MaxButton() && w.frame->MinButton());
    for (int i = 0; i < 3; ++i)
        QVERIFY(w.frame->captionButton(i).Visible);
    QVERIFY(!w.frame->ChangeAllBackgrounds());
    QCOMPARE(w.frame->IconSize(), qint16(16));
    // A missing custom back colour loads the button face as a plain colour.
    QCOMPARE(w.frame->CustomBackColor(), m_facts->buttonFace);
    QCOMPARE(w.frame->ColorFrom(), OleColor(0x00404080));
    QCOMPARE(w.frame->ColorTo(), OleColor(0x00C0E0FF));
}

void TestFrameProperties::keysMatchWithoutRegardToCase() {
    Window w;
    w.frame->Load(PropertyStore::fromVariantMap(
        {{u"THEMECOLOR"_s, 2}, {u"Style"_s, 3}, {u"iconsize"_s, 24}, {u"MaxButton"_s, false}}));
    QCOMPARE(w.frame->ThemeColor(), qint32(tcOlive));
    QCOMPARE(w.frame->Style(), qint32(stLinear));
    QCOMPARE(w.frame->IconSize(), qint16(24));
    QVERIFY(!w.frame->MaxButton());
    QVERIFY(!w.frame->captionButton(BtnMaxRestore).Visible);
}

void TestFrameProperties::savingWritesOnlyWhatDiffersInOrder() {
    Window w;
    w.frame->Load(PropertyStore());
    {
        PropertyStore store;
        w.frame->Save(store);
        // Only the plain button face differs from its stored default (the system reference).
        QCOMPARE(store.keys(), QStringList{u"custombackcolor"_s});
    }
    w.frame->setChangeAllBackgrounds(true);
    w.frame->setIconSize(20);
    w.frame->setStyle(stGripBar);
    w.frame->setCustomBackColor(SystemButtonFace);
    w.frame->setMinButton(false);
    w.frame->setMaxButton(false);
    w.frame->setCloseButton(false);
    w.frame->setBorderStyle(bsFixed);
    w.frame->setBackColorStyle(bcTheme);
    w.frame->setColorTo(RGB(1, 2, 3));
    w.frame->setColorFrom(RGB(4, 5, 6));
    w.frame->setThemeColor(tcGold);
    PropertyStore store;
    w.frame->Save(store);
    const QStringList expected{u"themecolor"_s,     u"colorfrom"_s,           u"colorto"_s,
                               u"backcolorstyle"_s, u"borderstyle"_s,         u"closebutton"_s,
                               u"maxbutton"_s,      u"minbutton"_s,           u"style"_s,
                               u"iconsize"_s,       u"changeallbackgrounds"_s};
    QCOMPARE(store.keys(), expected);
    QCOMPARE(store.ReadProperty(u"ThemeColor"_s).toInt(), int(tcGold));
    QCOMPARE(store.ReadProperty(u"colorfrom"_s).toInt(), int(RGB(4, 5, 6)));
}

void TestFrameProperties::closeButtonFalseSurvivesSaveAndLoad() {
    PropertyStore store;
    {
        Window w;
        w.frame->Load(PropertyStore());
        w.frame->setCloseButton(false);
        w.frame->Save(store);
    }
    const PropertyStore reread = PropertyStore::fromJson(store.toJson());
    Window w;
    w.frame->Load(reread);
    QVERIFY(!w.frame->CloseButton());
    QVERIFY(!w.frame->captionButton(BtnClose).Visible);
    QCOMPARE(w.frame->LastBtn(), qint16(BtnMinimise));
    const auto items = w.frame->findChild<QMenu *>(u"SysMnu"_s)->actions();
    QVERIFY(!items.at(4)->isEnabled());
}

void TestFrameProperties::wearingLoadsTheWindowsSettings_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("style");
    QTest::addColumn<OleColor>("dark");
    // A custom back colour is kept but not shown while the back colour follows the system.
    const QVariantMap khakiLinear{{u"themecolor"_s, 3},
                                  {u"closebutton"_s, true},
                                  {u"custombackcolor"_s, 14215660},
                                  {u"style"_s, 3}};
    const QVariantMap systemCylinder{{u"closebutton"_s, true}, {u"custombackcolor"_s, 14215660}};
    QTest::newRow("khaki linear") << khakiLinear << 3 << 3 << OleColor(0x00486B62);
    QTest::newRow("system cylinder") << systemCylinder << 6 << 0 << BlueDark;
}

void TestFrameProperties::wearingLoadsTheWindowsSettings() {
    QFETCH(QVariantMap, settings);
    QFETCH(int, theme);
    QFETCH(int, style);
    QFETCH(OleColor, dark);
    QWidget host;
    host.resize(360, 193);
    auto *worn = new ruZuvoz(&host, PropertyStore::fromVariantMap(settings));
    QCOMPARE(worn->parentWidget(), &host);
    QCOMPARE(worn->objectName(), u"ruZuvoz1"_s);
    QCOMPARE(worn->geometry(), host.rect());
    QCOMPARE(worn->ThemeColor(), theme);
    QCOMPARE(worn->Style(), style);
    QCOMPARE(worn->ColorDark(), dark);
    QVERIFY(worn->CloseButton());
    QCOMPARE(worn->CustomBackColor(), RGB(236, 233, 216));
    QCOMPARE(worn->BackColorStyle(), qint32(bcSystem));
    QCOMPARE(worn->BackColor(), SystemButtonFace);
    QCOMPARE(pixel(worn->image(), 180, 150), m_facts->buttonFace);
}

void TestFrameProperties::fixedThemes_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<OleColor>("dark");
    QTest::addColumn<OleColor>("light");
    QTest::newRow("blue") << 0 << RGB(19, 97, 156) << RGB(221, 236, 254);
    QTest::newRow("silver") << 1 << RGB(95, 95, 111) << RGB(244, 244, 251);
    QTest::newRow("olive") << 2 << RGB(63, 93, 56) << RGB(247, 249, 225);
    QTest::newRow("khaki") << 3 << RGB(98, 107, 72) << RGB(248, 248, 242);
    QTest::newRow("gold") << 4 << RGB(117, 91, 30) << RGB(255, 239, 165);
    QTest::newRow("custom") << 5 << RGB(128, 64, 64) << RGB(255, 224, 192);
}

void TestFrameProperties::fixedThemes() {
    QFETCH(int, theme);
    QFETCH(OleColor, dark);
    QFETCH(OleColor, light);
    Window w;
    w.frame->setThemeColor(tcSystem);
    w.frame->setThemeColor(theme);
    QCOMPARE(w.frame->ColorDark(), dark);
    QCOMPARE(w.frame->ColorLight(), light);
    // The title bar is painted in the new dark colour.
    QCOMPARE(pixel(w.frame->image(), 0, w.frame->height() / 2), dark);
}

void TestFrameProperties::outOfRangeThemeKeepsColours_data() {
    QTest::addColumn<int>("theme");
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
}

void TestFrameProperties::outOfRangeThemeKeepsColours() {
    QFETCH(int, theme);
    Window w;
    w.frame->setThemeColor(tcOlive);
    w.frame->setThemeColor(theme);
    QCOMPARE(w.frame->ThemeColor(), theme);
    QCOMPARE(w.frame->ColorDark(), OliveDark);
    QCOMPARE(w.frame->ColorLight(), OliveLight);
    Window loaded;
    loaded.frame->setThemeColor(tcGold);
    loaded.frame->Load(PropertyStore::fromVariantMap({{u"themecolor"_s, theme}}));
    QCOMPARE(loaded.frame->ColorDark(), GoldDark);
}

void TestFrameProperties::visualStyleBranches_data() {
    QTest::addColumn<bool>("library");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<QString>("scheme"); // empty: no theme data opens
    QTest::addColumn<OleColor>("dark");
    QTest::addColumn<OleColor>("light");
    QTest::addColumn<QString>("name");
    // Before switching to the platform style the frame shows the gold theme.
    QTest::newRow("NormalColor") << true << true << u"NormalColor"_s << BlueDark << BlueLight
                                 << u"NormalColor"_s;
    QTest::newRow("Metallic") << true << true << u"Metallic"_s << SilverDark << SilverLight
                              << u"Metallic"_s;
    QTest::newRow("HomeStead") << true << true << u"HomeStead"_s << OliveDark << OliveLight
                               << u"HomeStead"_s;
    QTest::newRow("unknown scheme keeps colours")
        << true << true << u"Royale"_s << GoldDark << GoldLight << u"Royale"_s;
    QTest::newRow("names compare case-sensitively")
        << true << true << u"metallic"_s << GoldDark << GoldLight << u"metallic"_s;
    QTest::newRow("no theme data")
        << true << true << QString() << GoldDark << GoldLight << u"Classic"_s;
    QTest::newRow("not themed uses blue")
        << true << false << u"Metallic"_s << BlueDark << BlueLight << u"Metallic"_s;
    QTest::newRow("no visual-style library")
        << false << false << u"Metallic"_s << BlueDark << BlueLight << u"before"_s;
}

void TestFrameProperties::visualStyleBranches() {
    QFETCH(bool, library);
    QFETCH(bool, themed);
    QFETCH(QString, scheme);
    QFETCH(OleColor, dark);
    QFETCH(OleColor, light);
    QFETCH(QString, name);
    m_facts->scheme = u"before"_s;
    m_facts->themed = true;
    Window w;
    w.frame->setThemeColor(tcSystem);
    QCOMPARE(w.frame->ThemeName(), u"before"_s);
    w.frame->setThemeColor(tcGold);
    m_facts->library = library;
    m_facts->themed = themed;
    m_facts->scheme = scheme.isEmpty() ? std::nullopt : std::optional<QString>(scheme);
    w.frame->setThemeColor(tcSystem);
    QCOMPARE(w.frame->ColorDark(), dark);
    QCOMPARE(w.frame->ColorLight(), light);
    QCOMPARE(w.frame->ThemeName(), name);
}

void TestFrameProperties::sameThemeRepaintsNothingSameBackStyleRepaints() {
    Window w;
    QSignalSpy repaints(w.frame, &ruZuvoz::ReSize);
    QSignalSpy changes(w.frame, &ruZuvoz::PropertyChanged);
    w.frame->setThemeColor(w.frame->ThemeColor());
    QCOMPARE(repaints.size(), 0);
    QCOMPARE(changes.size(), 0);
    w.frame->setBackColorStyle(w.frame->BackColorStyle());
    QCOMPARE(repaints.size(), 1);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().first().toString(), u"BackColorStyle"_s);
    w.frame->setStyle(w.frame->Style());
    w.frame->setIconSize(w.frame->IconSize());
    QCOMPARE(repaints.size(), 1);
}

void TestFrameProperties::customColoursShowOnlyUnderCustomTheme() {
    Window w;
    const OleColor from = RGB(200, 10, 10), to = RGB(10, 200, 10);
    w.frame->setColorFrom(from);
    w.frame->setColorTo(to);
    QCOMPARE(w.frame->ColorDark(), BlueDark);
    QCOMPARE(w.frame->ColorLight(), BlueLight);
    QCOMPARE(pixel(w.frame->image(), 0, 100), BlueDark);
    w.frame->setThemeColor(tcCustom);
    QCOMPARE(w.frame->ColorDark(), from);
    QCOMPARE(w.frame->ColorLight(), to);
    QCOMPARE(pixel(w.frame->image(), 0, 100), from);
    // Under the custom theme a new colour shows at once, translated.
    w.frame->setColorFrom(SystemButtonFace);
    QCOMPARE(w.frame->ColorDark(), m_facts->buttonFace);
}

void TestFrameProperties::customBackColourRepaintsOnlyWhenUsed() {
    Window w;
    QSignalSpy repaints(w.frame, &ruZuvoz::ReSize);
    w.frame->setCustomBackColor(RGB(1, 1, 1));
    QCOMPARE(repaints.size(), 0);
    QCOMPARE(w.frame->CustomBackColor(), RGB(1, 1, 1));
    w.frame->setBackColorStyle(bcCustom);
    repaints.clear();
    // Stored untranslated.
    w.frame->setCustomBackColor(SystemButtonFace);
    QCOMPARE(repaints.size(), 1);
    QCOMPARE(w.frame->CustomBackColor(), SystemButtonFace);
}

void TestFrameProperties::backColourFollowsItsStyle_data() {
    QTest::addColumn<int>("backStyle");
    QTest::addColumn<OleColor>("body");
    QTest::newRow("system") << 0 << RGB(212, 208, 200);
    QTest::newRow("theme") << 1 << RGB(248, 248, 242);
    QTest::newRow("custom") << 2 << RGB(236, 233, 216);
}

void TestFrameProperties::backColourFollowsItsStyle() {
    QFETCH(int, backStyle);
    QFETCH(OleColor, body);
    Window w;
    w.frame->Load(PropertyStore::fromVariantMap({{u"themecolor"_s, 3},
                                                 {u"backcolorstyle"_s, backStyle},
                                                 {u"custombackcolor"_s, 0x00D8E9EC}}));
    QCOMPARE(pixel(w.frame->image(), 150, 150), body);
}

void TestFrameProperties::untranslatableColourIsStoredAsMinusOne() {
    Window w;
    w.frame->setColorTo(static_cast<OleColor>(0x80000063));
    QCOMPARE(w.frame->ColorTo(), OleColor(-1));
}

void TestFrameProperties::changeAllBackgroundsRecoloursTheHostsControls() {
    Window w;
    auto *label = new QLabel(u"Label"_s, w.frame);
    auto *button = new QPushButton(u"Button"_s, w.frame);
    auto *edit = new QLineEdit(w.frame); // on the window background: left alone
    const QColor editBase = edit->palette().color(QPalette::Base);
    w.frame->Load(PropertyStore::fromVariantMap({{u"backcolorstyle"_s, bcCustom},
                                                 {u"custombackcolor"_s, 0x00D8E9EC},
                                                 {u"changeallbackgrounds"_s, true}}));
    w.frame->Refresh();
    const QColor custom(236, 233, 216);
    QCOMPARE(label->palette().color(QPalette::Window), custom);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(button->palette().color(QPalette::Button), custom);
    QCOMPARE(edit->palette().color(QPalette::Base), editBase);
    QVERIFY(!edit->autoFillBackground());
    QCOMPARE(pixel(w.frame->image(), 150, 150), RGB(236, 233, 216));
}

QTEST_MAIN(TestFrameProperties)
#include "tst_frame_properties.moc"
