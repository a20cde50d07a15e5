#include "frame/ruzuvoz.h"

#include "core/guard.h"
#include "core/log.h"
#include "core/twips.h"
#include "frame/errorhook.h"
#include "frame/messagerouter.h"
#include "frame/platformfacts.h"

#include <QEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace frame {

namespace {
// Stored data spells the keys in lower case; they are matched without regard to case.
constexpr OleColor DefaultColorFrom = 0x00404080;
constexpr OleColor DefaultColorTo = 0x00C0E0FF;

OleColor readColour(const PropertyStore &store, const QString &key, OleColor defaultValue) {
    const QVariant value = store.ReadProperty(key, defaultValue);
    return static_cast<OleColor>(static_cast<quint32>(value.toLongLong()));
}
} // namespace

ruZuvoz::ruZuvoz(QWidget *host) : ruZuvoz(host, nullptr) {}

ruZuvoz::ruZuvoz(QWidget *host, const PropertyStore &store) : ruZuvoz(host, &store) {}

ruZuvoz::ruZuvoz(QWidget *host, const PropertyStore *store)
    : QWidget(host), m_Form(host), m_Services(std::make_unique<WindowServices>()),
      m_Subclass(std::make_unique<SubclassTable>(
          [this](bool bBefore, bool &bHandled, qintptr &lReturn, WindowHandle &hWnd, qint32 &uMsg,
                 qintptr &wParam, qintptr &lParam) {
              zSubclass_Proc(bBefore, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
          })),
      m_Router(new MessageRouter(m_Subclass.get(), this)) {
    setObjectName(u"ruZuvoz1"_s);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    buildSystemMenu();
    // A frame with stored settings draws once, when shown, rather than at every step of loading.
    m_drawingDeferred = store != nullptr;
    InitProperties();
    if (store)
        Load(*store);
    host->installEventFilter(this);
}

void ruZuvoz::InitProperties() {
    guarded("UserControl_InitProperties", [&] {
        m_TitleBarHeight = 30;
        m_ThemeColor = tcBlue;
        m_Style = stCylinder;
        m_BackColorStyle = bcSystem;
        m_BorderStyle = bsSizable;
        m_MaxButton = true;
        m_MinButton = true;
        m_IconSize = 16;
        m_CustomBackColor = TranslateOleColor(SystemButtonFace);
        m_ColorFrom = DefaultColorFrom;
        m_ColorTo = DefaultColorTo;
        m_Caption = m_Form->windowTitle();
        m_CloseButton = true;
        m_ChangeAllBackgrounds = false;
        m_Moveable = hostMoveable();
        SetThemeColor();
        m_bTallTitle = m_Style == stGripBar;
        m_BackColor = TranslateOleColor(SystemButtonFace);
        m_TitleFont = m_Form->font();
        m_TitleFont.setBold(true);
        setGeometry(m_Form->rect());
        BorderStyleSetup();
    });
}

ruZuvoz::~ruZuvoz() {
    core::tryStep(core::lcFrame(), "UserControl_Terminate",
                  [&] { m_Subclass->Subclass_StopAll(); });
    // No routed message may reach the table once it is gone.
    delete m_Router;
}

void ruZuvoz::Load(const PropertyStore &store) {
    guarded("UserControl_ReadProperties", [&] {
        m_ThemeColor = store.ReadProperty(u"ThemeColor"_s, tcSystem).toInt();
        m_ColorFrom = readColour(store, u"ColorFrom"_s, DefaultColorFrom);
        m_ColorTo = readColour(store, u"ColorTo"_s, DefaultColorTo);
        m_BackColorStyle = store.ReadProperty(u"BackColorStyle"_s, bcSystem).toInt();
        m_BorderStyle = store.ReadProperty(u"BorderStyle"_s, bsSizable).toInt();
        m_CloseButton = store.ReadProperty(u"CloseButton"_s, true).toBool();
        m_MaxButton = store.ReadProperty(u"MaxButton"_s, true).toBool();
        m_MinButton = store.ReadProperty(u"MinButton"_s, true).toBool();
        m_CustomBackColor =
            readColour(store, u"CustomBackColor"_s, TranslateOleColor(SystemButtonFace));
        m_Style = store.ReadProperty(u"Style"_s, stCylinder).toInt();
        m_IconSize = static_cast<qint16>(store.ReadProperty(u"IconSize"_s, 16).toInt());
        m_ChangeAllBackgrounds = store.ReadProperty(u"ChangeAllBackgrounds"_s, false).toBool();

        m_Caption = m_Form->windowTitle();
        m_TitleFont = m_Form->font();
        m_TitleFont.setBold(true);
        // The title height must be known before the contents are placed under the title.
        TitleBarHeightSetup();
        AdjustHostLayout(false);
        m_layoutPending = true;
        m_bTallTitle = m_Style == stGripBar;
        SetThemeColor();
        applyBackColorByStyle();
        setGeometry(m_Form->rect());
        recordNormalRect();
        BorderStyleSetup();
        startSubclassing();
    });
}

void ruZuvoz::Save(PropertyStore &store) const {
    guarded("UserControl_WriteProperties", [&] {
        store.WriteProperty(u"ThemeColor"_s, m_ThemeColor, tcSystem);
        store.WriteProperty(u"ColorFrom"_s, m_ColorFrom, DefaultColorFrom);
        store.WriteProperty(u"ColorTo"_s, m_ColorTo, DefaultColorTo);
        store.WriteProperty(u"BackColorStyle"_s, m_BackColorStyle, bcSystem);
        store.WriteProperty(u"BorderStyle"_s, m_BorderStyle, bsSizable);
        store.WriteProperty(u"CloseButton"_s, m_CloseButton, true);
        store.WriteProperty(u"MaxButton"_s, m_MaxButton, true);
        store.WriteProperty(u"MinButton"_s, m_MinButton, true);
        store.WriteProperty(u"CustomBackColor"_s, m_CustomBackColor, SystemButtonFace);
        store.WriteProperty(u"Style"_s, m_Style, stCylinder);
        store.WriteProperty(u"IconSize"_s, m_IconSize, qint16(16));
        store.WriteProperty(u"ChangeAllBackgrounds"_s, m_ChangeAllBackgrounds, false);
    });
}

void ruZuvoz::markChanged(const char *name) {
    emit PropertyChanged(QLatin1String(name));
}

// The host's own Moveable setting (a dynamic property); a host without one is moveable.
bool ruZuvoz::hostMoveable() const {
    const QVariant moveable = m_Form->property("Moveable");
    return !moveable.isValid() || moveable.toBool();
}

bool ruZuvoz::hostHasIcon() const {
    return m_Form && !m_Form->windowIcon().isNull();
}

QImage ruZuvoz::image() {
    drawFirstTime();
    return m_Surface.toImage();
}

void ruZuvoz::drawFirstTime() {
    if (!m_drawingDeferred)
        return;
    m_drawingDeferred = false;
    DrawTitleBarInitial();
    DrawTitleBar();
}

void ruZuvoz::paintEvent(QPaintEvent *event) {
    drawFirstTime();
    QPainter painter(this);
    m_Surface.paint(painter, event->rect());
}

void ruZuvoz::resizeEvent(QResizeEvent *) {
    UserControl_Resize();
}

bool ruZuvoz::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_Form) {
        if (event->type() == QEvent::Resize) {
            // The frame fills its host whatever resized it.
            setGeometry(m_Form->rect());
        } else if (event->type() == QEvent::WindowTitleChange) {
            // The caption follows the host's, as it is taken at creation and load.
            m_Caption = m_Form->windowTitle();
            DrawTitleBar();
        } else if (event->type() == QEvent::WindowIconChange) {
            Refresh();
        } else if (event->type() == QEvent::Show) {
            // Contents created after loading are placed under the title when first shown.
            if (m_layoutPending) {
                m_layoutPending = false;
                AdjustHostLayout(false);
            }
            drawFirstTime();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The surface always has the control's size, with room at the top for the tallest title the
// title bar's height allows and what hangs under it; a new one starts from the persistent
// picture.
void ruZuvoz::ensureSurface() {
    if (m_drawingDeferred)
        return;
    constexpr int kUnderTitle = 20; // a grip bar's 10 rows, the shadow and the border's corners
    constexpr int kBottomRows = 8;  // the border's lower edges
    const QSize wanted = size().expandedTo(QSize(1, 1));
    const int topRows = m_TitleBarHeight + kUnderTitle;
    if (m_Surface.fits(wanted, topRows))
        return;
    m_Surface.reset(wanted, topRows, kBottomRows);
    clearToPicture();
}

void ruZuvoz::clearToPicture() {
    if (m_drawingDeferred)
        return;
    m_Surface.fill(toQColor(TranslateOleColor(m_BackColor)).rgb());
    // Below its title rows the picture is the back colour, which changes only with a new picture.
    const int rows = std::min(m_Picture.height(), m_Surface.topRows().height());
    const int bytes = std::min(m_Picture.width(), m_Surface.width()) * int(sizeof(QRgb));
    for (int y = 0; y < rows; ++y)
        std::memcpy(m_Surface.row(y), m_Picture.constScanLine(y), size_t(bytes));
    m_Canvas.takeDirtyRect();
    m_lastPainted = m_Surface.rect();
    update();
}

void ruZuvoz::flushPaint() {
    m_lastPainted = m_Canvas.takeDirtyRect();
    if (!m_lastPainted.isEmpty())
        update(m_lastPainted);
}

} // namespace frame
