#pragma once

// The skinned window frame: a control that fills its frameless host window, paints its own
// gradient title bar, caption buttons and border, and moves, resizes and maximises the host.
//
// A window wears it like this (the host is a frameless top-level QWidget or QDialog whose title,
// icon, font and size are set first):
//
//     auto *ruZuvoz1 = new frame::ruZuvoz(this, settings);  // objectName "ruZuvoz1"
//
// where settings is the window's own stored frame::PropertyStore (a JSON resource read by
// PropertyStore::fromFile, say), kept with the window: the frame knows nothing of the windows
// that wear it. The window's own controls are then created with the frame as their parent at their
// design positions; when the host is first shown the frame moves them so the highest sits 20 pixels
// below the title bar and grows the host by the same amount (AdjustHostLayout).
//
// A window written with a plain QWidget named "ruZuvoz1" as its container switches with two
// lines (its target links safedrive_frame):
//
//     #include "frame/ruzuvoz.h"
//     ruZuvoz1 = new frame::ruZuvoz(this, settings);  // was: new QWidget
//
// The member may stay a QWidget pointer; nothing else of the window changes.
//
// The host's dynamic properties "Moveable" (false: the title does not drag the window) and
// "Tag" (a non-empty text replaces the caption at the next repaint) are read as the window's own
// settings. The frame reports its failures only to its hook (frame/errorhook.h).

#include "frame/canvas.h"
#include "frame/olecolor.h"
#include "frame/propertystore.h"
#include "frame/resizegrip.h"
#include "frame/subclasstable.h"
#include "frame/windowservices.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <map>
#include <memory>

class QMenu;
class QAction;

namespace frame {

class MessageRouter;

// One caption button of the title bar.
struct CaptionBtn {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;
    qint32 State = 0; // 0 normal, true (-1) while drawn hot
    QString ToolTip;
    bool Visible = false;
};

enum ThemeColorValue : qint32 {
    tcBlue = 0,
    tcSilver = 1,
    tcOlive = 2,
    tcKhaki = 3,
    tcGold = 4,
    tcCustom = 5,
    tcSystem = 6,
};
enum StyleValue : qint32 { stCylinder = 0, stGripBar = 1, stSolid = 2, stLinear = 3 };
enum BackColorStyleValue : qint32 { bcSystem = 0, bcTheme = 1, bcCustom = 2 };
enum BorderStyleValue : qint32 { bsFixed = 0, bsSizable = 1 };

// Mouse pointers by the platform's numbers; 99 is the frame's own hand.
enum MousePointerValue : int {
    mpDefault = 0,
    mpSizeNS = 7,
    mpSizeNWSE = 8,
    mpSizeWE = 9,
    mpCustom = 99,
};

// The host's position and size in twips, for restoring.
struct NormalRect {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;
};

// Caption-button indices.
enum CaptionButtonIndex : qint16 { BtnClose = 0, BtnMaxRestore = 1, BtnMinimise = 2 };

class ruZuvoz : public QWidget {
    Q_OBJECT

public:
    // The creation sequence: first placement on a host, before any stored data.
    explicit ruZuvoz(QWidget *host);
    // A frame sited with stored settings: they are read at once, and the frame first draws when
    // its host is shown (or its image is asked for), after the host's contents are placed.
    ruZuvoz(QWidget *host, const PropertyStore &store);
    ~ruZuvoz() override;

    // Loading from and saving to the host's stored settings.
    void Load(const PropertyStore &store);
    void Save(PropertyStore &store) const;

    // Public properties. Setters run their design steps in order ("mark changed" emits
    // PropertyChanged). Enumerations are taken as plain numbers: stored data may hold any value.
    qint32 ThemeColor() const { return m_ThemeColor; }
    void setThemeColor(qint32 value);
    qint32 Style() const { return m_Style; }
    void setStyle(qint32 value);
    qint32 BackColorStyle() const { return m_BackColorStyle; }
    void setBackColorStyle(qint32 value);
    qint32 BorderStyle() const { return m_BorderStyle; }
    void setBorderStyle(qint32 value);
    bool MaxButton() const { return m_MaxButton; }
    void setMaxButton(bool value);
    bool MinButton() const { return m_MinButton; }
    void setMinButton(bool value);
    bool CloseButton() const { return m_CloseButton; }
    void setCloseButton(bool value);
    bool ChangeAllBackgrounds() const { return m_ChangeAllBackgrounds; }
    void setChangeAllBackgrounds(bool value);
    OleColor CustomBackColor() const { return m_CustomBackColor; }
    void setCustomBackColor(OleColor value);
    OleColor ColorFrom() const { return m_ColorFrom; }
    void setColorFrom(OleColor value);
    OleColor ColorTo() const { return m_ColorTo; }
    void setColorTo(OleColor value);
    qint16 IconSize() const { return m_IconSize; }
    void setIconSize(qint16 value);

    // Repaints everything: title background, title bar, border and buttons.
    void Refresh();
    void BorderStyleSetup();
    void TitleBarHeightSetup();
    // Moves the contained controls so the highest sits 20 pixels below the title bar.
    void AdjustHostLayout(bool bStyleChange);
    qint16 GetTopOffset(qint16 minTop) const;

    // Title bar and caption buttons.
    void CaptionBtnSetup();
    void DrawTitleBarInitial();
    void DrawTitleBar();
    QString TrimWord(const QString &text, qint32 width) const;
    void PaintCaptionBtns(qint16 index);
    void DrawCaptionBtns(bool hot, OleColor colour, qint16 index);
    qint16 HitCaptionBtn(qint16 x, qint16 y) const;

    // Window states: toggles maximised (to the work area) and normal.
    void jcWindowState();

    // The system menu's added items; the index is the only handle.
    void FormMenuAdd(const QString &strMenuCaption, bool blnAddSeparator = false,
                     bool blnEnabled = true, bool blnChecked = false, bool blnVisible = true);
    void ModifyAddedMenu(qint16 intMenuID, const QString &strMenuCaption = QString(),
                         bool blnEnabled = true, bool blnChecked = false, bool blnVisible = true);
    void FormMenuRemove(qint16 intMenuID);
    // 0 caption, 1 enabled, 2 checked, 3 visible; anything else (or a missing item) is empty.
    QVariant GetMenuItemValue(qint16 iMenuID, qint32 PropertyID) const;
    void MnuSyst_Click(int index);

    // The routed-message callback: the frame's share of its windows' messages.
    void zSubclass_Proc(bool bBefore, bool &bHandled, qintptr &lReturn, WindowHandle &lng_hWnd,
                        qint32 &uMsg, qintptr &wParam, qintptr &lParam);

    // Replaces the window services (tests script a platform that refuses its own move).
    void setWindowServices(std::unique_ptr<WindowServices> services);

    // What the frame shows and holds, for its host and its tests.
    const SubclassTable &subclassTable() const { return *m_Subclass; }
    bool isTrackingMouse() const { return m_bTrack; }
    qint16 HotBtn() const { return m_HotBtn; }
    qint16 ResizeMode() const { return m_ResizeMode; }
    QImage image(); // the whole drawing as one image, drawn first if it has not been yet
    const CaptionBtn &captionButton(int index) const { return m_Btn.at(index); }
    qint16 LastBtn() const { return m_LastBtn; }
    qint32 CaptionHeight() const { return m_CaptionHeight; }
    qint32 TitleBarHeight() const { return m_TitleBarHeight; }
    qint32 BtnTop() const { return m_BtnTop; }
    qint32 RepaintLeft() const { return m_RepaintLeft; }
    OleColor ColorDark() const { return m_ColorDark; }
    OleColor ColorLight() const { return m_ColorLight; }
    OleColor BackColor() const { return m_BackColor; }
    OleColor ForeColor() const { return m_ForeColor; }
    const QString &ThemeName() const { return m_ThemeName; }
    const QString &Caption() const { return m_Caption; }
    qint16 WindowState() const { return m_WindowState; }
    const NormalRect &normalRect() const { return m_NormalRect; }
    int MousePointer() const { return m_MousePointer; }
    // The part of the image painted by the last painting operation.
    QRect lastPaintedRect() const { return m_lastPainted; }

signals:
    void Click();
    void DblClick();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void BtnCloseClick();
    void ReSize();
    void MenuItemSelected(int MenuItem, const QString &MenuCaption);
    // The host should save its settings: this property was modified.
    void PropertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetThemeColor();
    void SetDefaultThemeColor(qint32 theme);
    void GetGradientColor();
    void ReadThemeName();
    bool AppIsThemed() const;
    void applyBackColorByStyle();
    void recolourHostControls(OleColor colour);
    void UserControl_Resize();
    ruZuvoz(QWidget *host, const PropertyStore *store);
    void InitProperties();
    void drawFirstTime();
    void clearToPicture();
    void ensureSurface();
    void keepPicture();
    void paintTitleBackground(int x, int width);
    void paintTitleGradients(int x, int w, bool outlineCylinder);
    QRect paintTitleBand(int buttonsLeft);
    void paintBodyBorder();
    void placeCaptionButtons();
    void paintCaption(const QRect &text);
    void drawGlyph(int index, int left, int top, OleColor colour);
    void markChanged(const char *name);
    void UserControl_MouseDown(int Button, int Shift, float X, float Y);
    void UserControl_MouseMove(int Button, int Shift, float X, float Y);
    void UserControl_MouseUp(int Button, int Shift, float X, float Y);
    void UserControl_DblClick();
    void UserControl_KeyDown(int KeyCode, int Shift);
    void resizeHost(float &X, float &Y);
    bool overCaptionButtonArea(float X) const;
    void MaximizeToWorkArea();
    NormalRect TB_GetDesktopWorkArea() const;
    void recordNormalRect();
    void moveHostTo(const NormalRect &twips);
    void minimiseHost();
    void openSystemMenu(QPoint at);
    void startSubclassing();
    bool IsFunctionExported(const QString &function, const QString &module) const;
    void TrackMouseLeave(WindowHandle lng_hWnd);
    void setPointer(int pointer);
    void flushPaint();
    bool hostHasIcon() const;
    bool hostMoveable() const;
    QList<QWidget *> containedControls() const;
    void createGrips();
    void gripMouseEvent(ResizeGrip *grip, ResizeGrip::Action action, Qt::MouseButtons buttons,
                        QPointF position);
    void placeGrips();

    // State of the control (names as the design gives them).
    qint32 m_ThemeColor = tcBlue;
    qint32 m_Style = stCylinder;
    qint32 m_BackColorStyle = bcSystem;
    qint32 m_BorderStyle = bsSizable;
    bool m_CloseButton = true;
    bool m_MaxButton = true;
    bool m_MinButton = true;
    bool m_ChangeAllBackgrounds = false;
    OleColor m_CustomBackColor = 0;
    OleColor m_ColorFrom = 0;
    OleColor m_ColorTo = 0;
    qint16 m_IconSize = 16;
    OleColor m_ColorDark = 0;
    OleColor m_ColorLight = 0;
    QString m_ThemeName;
    qint32 m_TitleBarHeight = 30;
    qint32 m_CaptionHeight = 30;
    QString m_Caption;
    qint32 m_BtnTop = 0;
    QIcon m_Icon;
    qint32 m_RepaintLeft = 0;
    std::array<CaptionBtn, 3> m_Btn;
    qint16 m_LastBtn = 0;
    QPointer<QWidget> m_Form;
    bool m_Moveable = true;
    bool m_bTallTitle = false;

    // Window state (moving, resizing, maximising).
    qint16 m_WindowState = 0;
    NormalRect m_NormalRect;
    qint16 m_ResizeMode = 0;
    qint16 m_BtnUnderMouse = -1;
    qint16 m_HotBtn = -1;
    bool m_bOverTitle = false;
    qint16 m_LastButton = 0;
    QPointF m_mouseGlobal;
    QPointF m_pressGlobal;
    bool m_pressOverButtons = false;
    std::unique_ptr<WindowServices> m_Services;

    // Routing of the windows' messages.
    bool m_bTrack = false;
    bool m_bTrackUser32 = false;
    bool m_bInCtrl = false;
    std::unique_ptr<SubclassTable> m_Subclass;
    MessageRouter *m_Router = nullptr;
    bool m_bGripsCreated = false;
    QPointer<ResizeGrip> m_picRight;
    QPointer<ResizeGrip> m_picBottom;

    // The drawing surface, its persistent picture, colours and font.
    FrameSurface m_Surface;
    QImage m_Picture; // the title rows of the persistent picture
    FrameCanvas m_Canvas{&m_Surface};
    OleColor m_BackColor = SystemButtonFace;
    OleColor m_ForeColor = 0;
    QFont m_TitleFont;
    int m_MousePointer = mpDefault;
    QRect m_lastPainted;
    bool m_layoutPending = false;
    // Nothing is drawn until the host is shown: settings and contents are placed first.
    bool m_drawingDeferred = false;

    // System menu items 0 to 6 and those added; the index is the item's handle.
    QMenu *SysMnu = nullptr;
    std::map<int, QAction *> MnuSyst;
    void buildSystemMenu();
    QAction *createMenuItem(int index);
    QAction *menuItem(int index) const;
};

} // namespace frame
