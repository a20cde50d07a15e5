#include "frame/subclasstable.h"

#include "frame/errorhook.h"

using namespace Qt::Literals::StringLiterals;

namespace frame {

qint32 SubclassTable::Subclass_Start(WindowHandle lng_hWnd) {
    qint32 index = -1;
    guarded("Subclass_Start", [&] {
        if (m_started) {
            index = zIdx(lng_hWnd, true);
            if (index == -1) {
                m_SubclassData.append(SubclassRecord());
                index = qint32(m_SubclassData.size() - 1);
            }
        } else {
            m_started = true;
            m_SubclassData = {SubclassRecord()};
            index = 0;
        }
        // Tables start empty: until messages are added everything passes straight through.
        m_SubclassData[index] = SubclassRecord();
        m_SubclassData[index].hWnd = lng_hWnd;
    });
    return index;
}

void SubclassTable::Subclass_Stop(WindowHandle lng_hWnd) {
    guarded("Subclass_Stop", [&] {
        const qint32 index = zIdx(lng_hWnd, false);
        if (index == -1)
            return;
        m_SubclassData[index] = SubclassRecord();
    });
}

void SubclassTable::Subclass_StopAll() {
    for (qsizetype i = m_SubclassData.size() - 1; i >= 0; --i) {
        if (m_SubclassData.at(i).hWnd != 0)
            Subclass_Stop(m_SubclassData.at(i).hWnd);
    }
}

void SubclassTable::Subclass_AddMsg(WindowHandle lng_hWnd, qint32 uMsg, int When) {
    guarded("Subclass_AddMsg", [&] {
        const qint32 index = zIdx(lng_hWnd, false);
        if (index == -1)
            return;
        SubclassRecord &record = m_SubclassData[index];
        if (When & ROUTE_BEFORE)
            zAddMsg(uMsg, record.BeforeTable, record.BeforeCount);
        if (When & ROUTE_AFTER)
            zAddMsg(uMsg, record.AfterTable, record.AfterCount);
    });
}

void SubclassTable::Subclass_DelMsg(WindowHandle lng_hWnd, qint32 uMsg, int When) {
    guarded("Subclass_DelMsg", [&] {
        const qint32 index = zIdx(lng_hWnd, false);
        if (index == -1)
            return;
        SubclassRecord &record = m_SubclassData[index];
        if (When & ROUTE_BEFORE)
            zDelMsg(uMsg, record.BeforeTable, record.BeforeCount);
        if (When & ROUTE_AFTER)
            zDelMsg(uMsg, record.AfterTable, record.AfterCount);
    });
}

qint32 SubclassTable::zIdx(WindowHandle lng_hWnd, bool bAdd) const {
    const WindowHandle wanted = bAdd ? 0 : lng_hWnd;
    for (qsizetype i = m_SubclassData.size() - 1; i >= 0; --i) {
        if (m_SubclassData.at(i).hWnd == wanted)
            return qint32(i);
    }
    if (!bAdd)
        reportError(0, u"hWnd 不存在, 程序出错"_s, u"zIdx"_s);
    return -1;
}

void SubclassTable::zAddMsg(qint32 uMsg, QList<qint32> &table, qint32 &count) {
    guarded("zAddMsg", [&] {
        if (uMsg == ANY_MESSAGE) {
            count = ANY_MESSAGE;
            return;
        }
        // A table that routes every message already routes this one.
        if (count == ANY_MESSAGE)
            return;
        for (qint32 i = 0; i < count && i < table.size(); ++i) {
            if (table.at(i) == 0) {
                table[i] = uMsg;
                return;
            }
            if (table.at(i) == uMsg)
                return;
        }
        count += 1;
        table.resize(count);
        table[count - 1] = uMsg;
    });
}

void SubclassTable::zDelMsg(qint32 uMsg, QList<qint32> &table, qint32 &count) {
    guarded("zDelMsg", [&] {
        if (uMsg == ANY_MESSAGE) {
            count = 0;
            return;
        }
        for (qint32 i = 0; i < count && i < table.size(); ++i) {
            if (table.at(i) == uMsg)
                table[i] = 0;
        }
    });
}

qint32 SubclassTable::recordOf(WindowHandle hWnd) const {
    for (qsizetype i = m_SubclassData.size() - 1; i >= 0; --i) {
        if (hWnd != 0 && m_SubclassData.at(i).hWnd == hWnd)
            return qint32(i);
    }
    return -1;
}

bool SubclassTable::tableRoutes(const QList<qint32> &table, qint32 count, qint32 uMsg) {
    if (count < 0)
        return true;
    for (qint32 i = 0; i < count && i < table.size(); ++i) {
        if (table.at(i) == uMsg)
            return true;
    }
    return false;
}

bool SubclassTable::routes(WindowHandle hWnd, qint32 uMsg) const {
    const qint32 index = recordOf(hWnd);
    if (index == -1)
        return false;
    const SubclassRecord &record = m_SubclassData.at(index);
    return tableRoutes(record.BeforeTable, record.BeforeCount, uMsg) ||
           tableRoutes(record.AfterTable, record.AfterCount, uMsg);
}

qintptr SubclassTable::Dispatch(WindowHandle hWnd, qint32 uMsg, qintptr wParam, qintptr lParam,
                                const WindowProcedure &ownProcedure) {
    qintptr lReturn = 0;
    bool bHandled = false;
    const auto routedBy = [&](bool before) {
        // The record is looked up afresh: a routed call may have stopped the window.
        const qint32 index = recordOf(hWnd);
        if (index == -1)
            return false;
        const SubclassRecord &record = m_SubclassData.at(index);
        return before ? tableRoutes(record.BeforeTable, record.BeforeCount, uMsg)
                      : tableRoutes(record.AfterTable, record.AfterCount, uMsg);
    };
    if (routedBy(true))
        m_callback(true, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    if (bHandled)
        return lReturn;
    lReturn = ownProcedure(hWnd, uMsg, wParam, lParam);
    if (routedBy(false))
        m_callback(false, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    return lReturn;
}

} // namespace frame
