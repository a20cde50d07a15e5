// The routing table of subclassed windows, without windows; and the event-to-message table.
#include "frame/messagerouter.h"
#include "frame/subclasstable.h"
#include "framehelpers.h"

#include <QTest>

using namespace frame;
using namespace frametest;
using namespace Qt::Literals::StringLiterals;

namespace {
constexpr WindowHandle WindowA = 0x1000, WindowB = 0x2000, WindowC = 0x3000, WindowD = 0x4000;

// A table whose callback records what reached it, and a window procedure that records too.
struct Routing {
    QStringList calls;
    bool suppress = false;
    qint32 rewriteTo = -1;
    SubclassTable table{[this](bool before, bool &handled, qintptr &, WindowHandle &, qint32 &uMsg,
                               qintptr &, qintptr &) {
        calls << QStringLiteral("%1 %2").arg(before ? u"before" : u"after").arg(uMsg);
        if (before && suppress)
            handled = true;
        if (before && rewriteTo >= 0)
            uMsg = rewriteTo;
    }};
    void send(WindowHandle window, qint32 uMsg) {
        table.Dispatch(window, uMsg, 0, 0, [this](WindowHandle, qint32 msg, qintptr, qintptr) {
            calls << QStringLiteral("own %1").arg(msg);
            return qintptr(0);
        });
    }
    const SubclassRecord &record(int index) const { return table.records().at(index); }
};
} // namespace

class TestFrameRouting : public QObject {
    Q_OBJECT

private slots:
    void addingTwiceLeavesOneEntry();
    void deletingLeavesAHoleTheNextAddFills();
    void aHoleBeforeAnEntryTakesTheSecondAdd();
    void anyMessage();
    void nullMessageReachesTheCallbackThroughAHole();
    void routingOrder_data();
    void routingOrder();
    void firstStartUsesRecordZero();
    void secondWindowReusesTheHighestFreeRecord();
    void unknownWindowReportsAndChangesNothing_data();
    void unknownWindowReportsAndChangesNothing();
    void stopAllFreesEveryRecord();
    void eventsCarryTheirMessages_data();
    void eventsCarryTheirMessages();
};

void TestFrameRouting::addingTwiceLeavesOneEntry() {
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER);
    QCOMPARE(r.record(0).AfterCount, 1);
    QCOMPARE(r.record(0).AfterTable, QList<qint32>{WM_MOUSEMOVE});
    QCOMPARE(r.record(0).BeforeCount, 0);
    r.send(WindowA, WM_MOUSEMOVE);
    QCOMPARE(r.calls, (QStringList{u"own 512"_s, u"after 512"_s}));
}

void TestFrameRouting::deletingLeavesAHoleTheNextAddFills() {
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER | ROUTE_BEFORE);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSELEAVE, ROUTE_AFTER);
    r.table.Subclass_DelMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER | ROUTE_BEFORE);
    QCOMPARE(r.record(0).AfterCount, 2);
    QCOMPARE(r.record(0).AfterTable, (QList<qint32>{0, WM_MOUSELEAVE}));
    QCOMPARE(r.record(0).BeforeTable, QList<qint32>{0});
    r.send(WindowA, WM_MOUSEMOVE);
    QCOMPARE(r.calls, QStringList{u"own 512"_s});
    r.table.Subclass_AddMsg(WindowA, WM_SETCURSOR, ROUTE_AFTER);
    QCOMPARE(r.record(0).AfterCount, 2);
    QCOMPARE(r.record(0).AfterTable, (QList<qint32>{WM_SETCURSOR, WM_MOUSELEAVE}));
}

void TestFrameRouting::aHoleBeforeAnEntryTakesTheSecondAdd() {
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_AddMsg(WindowA, WM_SETCURSOR, ROUTE_AFTER);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER);
    r.table.Subclass_DelMsg(WindowA, WM_SETCURSOR, ROUTE_AFTER);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER);
    QCOMPARE(r.record(0).AfterTable, (QList<qint32>{WM_MOUSEMOVE, WM_MOUSEMOVE}));
    r.send(WindowA, WM_MOUSEMOVE);
    QCOMPARE(r.calls, (QStringList{u"own 512"_s, u"after 512"_s}));
}

void TestFrameRouting::anyMessage() {
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_AddMsg(WindowA, WM_SETCURSOR, ROUTE_AFTER);
    r.table.Subclass_AddMsg(WindowA, ANY_MESSAGE, ROUTE_AFTER);
    QCOMPARE(r.record(0).AfterCount, ANY_MESSAGE);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER);
    QCOMPARE(r.record(0).AfterCount, ANY_MESSAGE);
    for (qint32 message : {WM_MOUSEMOVE, 0x0100, WM_SETCURSOR})
        QVERIFY(r.table.routes(WindowA, message));
    r.send(WindowA, 0x0100);
    QCOMPARE(r.calls, (QStringList{u"own 256"_s, u"after 256"_s}));
    r.table.Subclass_DelMsg(WindowA, ANY_MESSAGE, ROUTE_AFTER);
    QCOMPARE(r.record(0).AfterCount, 0);
    // Whatever the table holds, nothing reaches the callback now.
    QVERIFY(!r.table.routes(WindowA, WM_SETCURSOR));
    r.calls.clear();
    r.send(WindowA, WM_SETCURSOR);
    QCOMPARE(r.calls, QStringList{u"own 32"_s});
}

void TestFrameRouting::nullMessageReachesTheCallbackThroughAHole() {
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.send(WindowA, WM_NULL);
    QCOMPARE(r.calls, QStringList{u"own 0"_s});
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_BEFORE);
    r.table.Subclass_DelMsg(WindowA, WM_MOUSEMOVE, ROUTE_BEFORE);
    r.calls.clear();
    r.send(WindowA, WM_NULL);
    QCOMPARE(r.calls, (QStringList{u"before 0"_s, u"own 0"_s}));
}

void TestFrameRouting::routingOrder_data() {
    QTest::addColumn<int>("when");
    QTest::addColumn<bool>("suppress");
    QTest::addColumn<int>("rewriteTo");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("after") << ROUTE_AFTER << false << -1
                           << QStringList{u"own 512"_s, u"after 512"_s};
    QTest::newRow("before") << ROUTE_BEFORE << false << -1
                            << QStringList{u"before 512"_s, u"own 512"_s};
    QTest::newRow("both") << (ROUTE_BEFORE | ROUTE_AFTER) << false << -1
                          << QStringList{u"before 512"_s, u"own 512"_s, u"after 512"_s};
    QTest::newRow("handled before")
        << (ROUTE_BEFORE | ROUTE_AFTER) << true << -1 << QStringList{u"before 512"_s};
    QTest::newRow("rewritten before")
        << ROUTE_BEFORE << false << 0x0201 << QStringList{u"before 512"_s, u"own 513"_s};
}

void TestFrameRouting::routingOrder() {
    QFETCH(int, when);
    QFETCH(bool, suppress);
    QFETCH(int, rewriteTo);
    QFETCH(QStringList, calls);
    Routing r;
    r.suppress = suppress;
    r.rewriteTo = rewriteTo;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, when);
    r.send(WindowA, WM_MOUSEMOVE);
    r.send(WindowA, WM_SETCURSOR); // not routed: only the window's own handling
    calls << u"own 32"_s;
    QCOMPARE(r.calls, calls);
}

void TestFrameRouting::firstStartUsesRecordZero() {
    Routing r;
    QCOMPARE(r.table.Subclass_Start(WindowA), 0);
    QCOMPARE(r.table.Subclass_Start(WindowB), 1);
    QCOMPARE(r.table.records().size(), 2);
}

void TestFrameRouting::secondWindowReusesTheHighestFreeRecord() {
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_Start(WindowB);
    r.table.Subclass_Start(WindowC);
    r.table.Subclass_AddMsg(WindowB, WM_MOUSEMOVE, ROUTE_AFTER);
    r.table.Subclass_Stop(WindowA);
    r.table.Subclass_Stop(WindowB);
    QCOMPARE(r.record(1).hWnd, WindowHandle(0));
    QCOMPARE(r.record(1).AfterCount, 0);
    QVERIFY(r.record(1).AfterTable.isEmpty());
    QCOMPARE(r.table.Subclass_Start(WindowD), 1);
    QCOMPARE(r.table.Subclass_Start(WindowB), 0);
    QCOMPARE(r.table.Subclass_Start(WindowA), 3);
    QCOMPARE(r.table.records().size(), 4);
    // The reused record starts with empty tables.
    QVERIFY(!r.table.routes(WindowD, WM_MOUSEMOVE));
}

void TestFrameRouting::unknownWindowReportsAndChangesNothing_data() {
    QTest::addColumn<int>("operation");
    QTest::newRow("stop") << 0;
    QTest::newRow("add") << 1;
    QTest::newRow("delete") << 2;
}

void TestFrameRouting::unknownWindowReportsAndChangesNothing() {
    QFETCH(int, operation);
    Routing r;
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_AddMsg(WindowA, WM_MOUSEMOVE, ROUTE_AFTER);
    const QList<SubclassRecord> before = r.table.records();
    RecordingHook hook;
    if (operation == 0)
        r.table.Subclass_Stop(WindowB);
    else if (operation == 1)
        r.table.Subclass_AddMsg(WindowB, WM_MOUSEMOVE, ROUTE_AFTER);
    else
        r.table.Subclass_DelMsg(WindowB, WM_MOUSEMOVE, ROUTE_AFTER);
    QCOMPARE(hook.reports.size(), 1);
    QCOMPARE(hook.reports.first().number, 0);
    QCOMPARE(hook.reports.first().description, u"hWnd 不存在, 程序出错"_s);
    QCOMPARE(hook.reports.first().source, u"ruZuvoz"_s);
    QCOMPARE(hook.reports.first().procedure, u"zIdx"_s);
    QCOMPARE(r.table.records().size(), before.size());
    QCOMPARE(r.record(0).hWnd, before.first().hWnd);
    QCOMPARE(r.record(0).AfterTable, before.first().AfterTable);
    QCOMPARE(r.record(0).AfterCount, before.first().AfterCount);
}

void TestFrameRouting::stopAllFreesEveryRecord() {
    Routing r;
    r.table.Subclass_StopAll(); // nothing started: nothing happens, nothing is reported
    r.table.Subclass_Start(WindowA);
    r.table.Subclass_Start(WindowB);
    r.table.Subclass_AddMsg(WindowA, ANY_MESSAGE, ROUTE_AFTER);
    r.table.Subclass_StopAll();
    for (const SubclassRecord &record : r.table.records())
        QCOMPARE(record.hWnd, WindowHandle(0));
    QVERIFY(!r.table.routes(WindowA, WM_MOUSEMOVE));
}

void TestFrameRouting::eventsCarryTheirMessages_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("message");
    QTest::newRow("mouse move") << int(QEvent::MouseMove) << WM_MOUSEMOVE;
    QTest::newRow("leave") << int(QEvent::Leave) << WM_MOUSELEAVE;
    QTest::newRow("hover over the host") << int(QEvent::HoverMove) << WM_SETCURSOR;
    QTest::newRow("no routed message") << int(QEvent::Paint) << -1;
}

void TestFrameRouting::eventsCarryTheirMessages() {
    QFETCH(int, type);
    QFETCH(int, message);
    QCOMPARE(MessageRouter::messageFor(QEvent::Type(type)), message);
}

QTEST_APPLESS_MAIN(TestFrameRouting)
#include "tst_frame_routing.moc"
