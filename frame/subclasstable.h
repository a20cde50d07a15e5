#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>

namespace frame {

// A window as the routing table knows it; 0 marks a free record.
using WindowHandle = quintptr;

// The When argument of Subclass_AddMsg/Subclass_DelMsg, a bit set.
inline constexpr int ROUTE_AFTER = 1;
inline constexpr int ROUTE_BEFORE = 2;
// The message key that routes every message.
inline constexpr qint32 ANY_MESSAGE = -1;

// The message numbers the frame routes.
inline constexpr qint32 WM_NULL = 0x0000;
inline constexpr qint32 WM_SETCURSOR = 0x0020;
inline constexpr qint32 WM_MOUSEMOVE = 0x0200;
inline constexpr qint32 WM_MOUSELEAVE = 0x02A3;

// One subclassed window: its before/after routing tables. A table's entries 1..count are kept
// at positions 0..count-1; a 0 entry is a hole left by a deletion, filled first by the next add.
struct SubclassRecord {
    WindowHandle hWnd = 0;
    qint32 AfterCount = 0; // ANY_MESSAGE (-1): every message; 0: none
    qint32 BeforeCount = 0;
    QList<qint32> AfterTable;
    QList<qint32> BeforeTable;
};

// The routed call: bBefore, then bHandled, lReturn, hWnd, uMsg, wParam, lParam by reference.
// Setting bHandled in the call before suppresses the window's own handling and the call after.
using SubclassCallback =
    std::function<void(bool bBefore, bool &bHandled, qintptr &lReturn, WindowHandle &hWnd,
                       qint32 &uMsg, qintptr &wParam, qintptr &lParam)>;
// A window's own handling of one message.
using WindowProcedure = std::function<qintptr(WindowHandle, qint32, qintptr, qintptr)>;

// The frame's table of subclassed windows and the messages each routes to the frame, before
// and/or after the window's own handling. One procedure serves every window: it finds the
// window's record by its handle.
class SubclassTable {
public:
    explicit SubclassTable(SubclassCallback callback) : m_callback(std::move(callback)) {}

    qint32 Subclass_Start(WindowHandle lng_hWnd);
    void Subclass_Stop(WindowHandle lng_hWnd);
    void Subclass_StopAll();
    void Subclass_AddMsg(WindowHandle lng_hWnd, qint32 uMsg, int When);
    void Subclass_DelMsg(WindowHandle lng_hWnd, qint32 uMsg, int When);
    // The record of a window (bAdd false, reporting when there is none) or the highest free
    // record (bAdd true); -1 when nothing is found.
    qint32 zIdx(WindowHandle lng_hWnd, bool bAdd) const;

    static void zAddMsg(qint32 uMsg, QList<qint32> &table, qint32 &count);
    static void zDelMsg(qint32 uMsg, QList<qint32> &table, qint32 &count);

    // Whether a message to this window reaches the frame at all.
    bool routes(WindowHandle hWnd, qint32 uMsg) const;
    // The window procedure: the call before, the window's own handling, the call after.
    qintptr Dispatch(WindowHandle hWnd, qint32 uMsg, qintptr wParam, qintptr lParam,
                     const WindowProcedure &ownProcedure);

    const QList<SubclassRecord> &records() const { return m_SubclassData; }

private:
    qint32 recordOf(WindowHandle hWnd) const;
    static bool tableRoutes(const QList<qint32> &table, qint32 count, qint32 uMsg);

    bool m_started = false;
    QList<SubclassRecord> m_SubclassData;
    SubclassCallback m_callback;
};

} // namespace frame
