#include "controls/cFormSubclass.h"
#include "controls/clsWndMsg.h"
#include "controls/CSubclass.h"
#include "controls/EventLog.h"
#include "controls/WindowMessages.h"

#include <QApplication>
#include <QCursor>
#include <QResizeEvent>
#include <QTest>
#include <QThread>

using namespace WindowMessages;

namespace {

// A widget that records the events its own handling saw, and accepts or ignores them
// as told.
class Recorder : public QWidget {
public:
    QList<int> seen;
    bool acceptEvents = true;

protected:
    bool event(QEvent* event) override
    {
        seen << event->type();
        QWidget::event(event);
        event->setAccepted(acceptEvents);
        return true;
    }
};

struct Delivery {
    bool before;
    int message;
    qint32 result;
    qint32 userValue;
    int widgetSawBefore; // how many events the widget had handled at delivery
};

const int Custom = QEvent::User + 7;

void Send(QWidget* widget, int type)
{
    QEvent event { QEvent::Type(type) };
    QApplication::sendEvent(widget, &event);
}

QString LastError()
{
    const QStringList errors = EventLog::RecentErrors();
    return errors.isEmpty() ? QString() : errors.last();
}

class Target : public clsWndMsg {
public:
    QList<int> messages;
    bool passOn = true;
    qint32 Message(QWidget* window, int message, QEvent* event) override
    {
        messages << message;
        return passOn ? CallOldWndProc(window, event) : 0;
    }
};

}

class TestWindowHooks : public QObject {
    Q_OBJECT
private slots:
    void init();
    void deliveryByTable_data();
    void deliveryByTable();
    void beforeHandlerKeepsTheEventFromTheWidget();
    void afterHandlerSetsTheResult();
    void userValueKeptPerWindow();
    void tableLimitAndSlotReuse();
    void addingAndRemovingAll();
    void hookingFailures_data();
    void hookingFailures();
    void hookingTwiceKeepsTheFirstHook();
    void operationsOnUnknownWindows();
    void silentAfterUnhook();
    void endingTheObjectUnhooksEverything();
    void hookedWindowMayEndFirst();
    void mouseLeaveOncePerRequest();
    void formSubclassSeesEverythingAfterTheWindow();
    void msgTargetReceivesEveryEvent();
    void msgTargetEndsBeforeTheWindow();
    void earlierFiltersStillSeeTheEvents_data();
    void earlierFiltersStillSeeTheEvents();
};

void TestWindowHooks::init()
{
    EventLog::ClearRecent();
}

void TestWindowHooks::deliveryByTable_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("when");
    QTest::addColumn<QList<bool>>("expectedFlags"); // the before flags, in order

    QTest::newRow("before") << Custom << int(CSubclass::MSG_BEFORE) << QList<bool> { true };
    QTest::newRow("after") << Custom << int(CSubclass::MSG_AFTER) << QList<bool> { false };
    QTest::newRow("both") << Custom << int(CSubclass::MSG_BEFORE_AND_AFTER) << QList<bool> { true, false };
    QTest::newRow("all messages") << int(CSubclass::ALL_MESSAGES) << int(CSubclass::MSG_AFTER) << QList<bool> { false };
    QTest::newRow("another message") << Custom + 1 << int(CSubclass::MSG_BEFORE_AND_AFTER) << QList<bool> {};
}

void TestWindowHooks::deliveryByTable()
{
    QFETCH(int, message);
    QFETCH(int, when);
    QFETCH(QList<bool>, expectedFlags);
    Recorder widget;
    CSubclass hook;
    QList<Delivery> deliveries;
    connect(&hook, &CSubclass::WindowProc, this,
        [&](bool before, bool&, qint32& result, QWidget*, int msg, QEvent*, qint32& user) {
            deliveries << Delivery { before, msg, result, user, int(widget.seen.count(Custom)) };
        });
    QVERIFY(hook.ssc_Subclass(&widget, 5));
    hook.ssc_AddMsg(&widget, message, when);
    Send(&widget, Custom);

    QList<bool> flags;
    for (const Delivery& delivery : std::as_const(deliveries)) {
        flags << delivery.before;
        QCOMPARE(delivery.message, Custom);
        QCOMPARE(delivery.userValue, 5);
        // Before-delivery comes ahead of the widget's handling, after-delivery behind it.
        QCOMPARE(delivery.widgetSawBefore, delivery.before ? 0 : 1);
    }
    QCOMPARE(flags, expectedFlags);
    QCOMPARE(widget.seen.count(Custom), 1);
    QVERIFY(EventLog::RecentErrors().isEmpty());
}

void TestWindowHooks::beforeHandlerKeepsTheEventFromTheWidget()
{
    Recorder widget;
    CSubclass hook;
    bool afterRaised = false;
    connect(&hook, &CSubclass::WindowProc, this, [&](bool before, bool& handled, qint32& result, QWidget*, int, QEvent*, qint32&) {
        if (before) {
            handled = true;
            result = 0;
        } else {
            afterRaised = true;
        }
    });
    hook.ssc_Subclass(&widget);
    hook.ssc_AddMsg(&widget, Custom, CSubclass::MSG_BEFORE_AND_AFTER);
    QEvent event { QEvent::Type(Custom) };
    QApplication::sendEvent(&widget, &event);
    QVERIFY(!widget.seen.contains(Custom));
    QVERIFY(!afterRaised);
    // The handler's result is what the sender sees.
    QVERIFY(!event.isAccepted());
}

void TestWindowHooks::afterHandlerSetsTheResult()
{
    Recorder widget;
    widget.acceptEvents = false;
    CSubclass hook;
    qint32 seenResult = -1;
    connect(&hook, &CSubclass::WindowProc, this, [&](bool, bool&, qint32& result, QWidget*, int, QEvent*, qint32&) {
        seenResult = result;
        result = 1;
    });
    hook.ssc_Subclass(&widget);
    hook.ssc_AddMsg(&widget, Custom, CSubclass::MSG_AFTER);
    QEvent event { QEvent::Type(Custom) };
    QApplication::sendEvent(&widget, &event);
    QCOMPARE(seenResult, 0);
    QVERIFY(event.isAccepted());
    QCOMPARE(hook.ssc_CallOrigWndProc(&widget, &event), 0);
    QCOMPARE(widget.seen.count(Custom), 2);
}

void TestWindowHooks::userValueKeptPerWindow()
{
    Recorder first;
    Recorder second;
    CSubclass hook;
    connect(&hook, &CSubclass::WindowProc, this, [](bool, bool&, qint32&, QWidget*, int, QEvent*, qint32& user) { user += 1; });
    hook.ssc_Subclass(&first, 10);
    hook.ssc_Subclass(&second, 20);
    hook.ssc_AddMsg(&first, Custom, CSubclass::MSG_BEFORE_AND_AFTER);
    hook.ssc_AddMsg(&second, Custom, CSubclass::MSG_AFTER);
    Send(&first, Custom);
    Send(&second, Custom);
    QCOMPARE(hook.zGet_lParamUser(&first), 12);
    QCOMPARE(hook.zGet_lParamUser(&second), 21);
    hook.zSet_lParamUser(&second, 7);
    QCOMPARE(hook.zGet_lParamUser(&second), 7);
    QCOMPARE(hook.zGet_lParamUser(&first), 12);
}

void TestWindowHooks::tableLimitAndSlotReuse()
{
    Recorder widget;
    CSubclass hook;
    QList<int> delivered;
    connect(&hook, &CSubclass::WindowProc, this, [&](bool, bool&, qint32&, QWidget*, int message, QEvent*, qint32&) {
        delivered << message;
    });
    hook.ssc_Subclass(&widget);
    const int first = QEvent::User + 100;
    for (int i = 0; i < CSubclass::MSG_ENTRIES; ++i)
        hook.ssc_AddMsg(&widget, first + i, CSubclass::MSG_BEFORE);
    QVERIFY(EventLog::RecentErrors().isEmpty());
    // A message already present takes no slot.
    hook.ssc_AddMsg(&widget, first, CSubclass::MSG_BEFORE);
    QVERIFY(EventLog::RecentErrors().isEmpty());

    const int extra = first + CSubclass::MSG_ENTRIES;
    hook.ssc_AddMsg(&widget, extra, CSubclass::MSG_BEFORE);
    QCOMPARE(LastError(),
        QStringLiteral("CSubclass.zAddMsg: Message table overflow. Either increase the value of Const MSG_ENTRIES "
                       "or use ALL_MESSAGES instead of specific message values"));
    Send(&widget, extra);
    QCOMPARE(delivered, QList<int> {});
    // The after table has its own 32 entries.
    hook.ssc_AddMsg(&widget, extra, CSubclass::MSG_AFTER);
    QCOMPARE(EventLog::RecentErrors().size(), 1);

    hook.ssc_DelMsg(&widget, CSubclass::MSG_BEFORE, { first + 3 });
    hook.ssc_AddMsg(&widget, extra, CSubclass::MSG_BEFORE);
    QCOMPARE(EventLog::RecentErrors().size(), 1);
    delivered.clear();
    Send(&widget, extra);
    Send(&widget, first + 3);
    Send(&widget, first + 4);
    QCOMPARE(delivered, (QList<int> { extra, extra, first + 4 }));
}

void TestWindowHooks::addingAndRemovingAll()
{
    Recorder widget;
    CSubclass hook;
    int deliveries = 0;
    connect(&hook, &CSubclass::WindowProc, this, [&] { ++deliveries; });
    hook.ssc_Subclass(&widget);
    hook.ssc_AddMsg(&widget, CSubclass::ALL_MESSAGES, CSubclass::MSG_BEFORE);
    hook.ssc_AddMsg(&widget, Custom, CSubclass::MSG_BEFORE);
    Send(&widget, Custom);
    Send(&widget, Custom + 1);
    QCOMPARE(deliveries, 2);
    hook.ssc_DelMsg(&widget, CSubclass::MSG_BEFORE, { CSubclass::ALL_MESSAGES });
    Send(&widget, Custom);
    QCOMPARE(deliveries, 2);
}

void TestWindowHooks::hookingFailures_data()
{
    QTest::addColumn<bool>("nullWindow");
    QTest::addColumn<QString>("error");
    QTest::newRow("no window") << true << "CSubclass.ssc_Subclass: Invalid window handle";
    QTest::newRow("object of another thread") << false << "CSubclass.ssc_Subclass: Window handle belongs to another process";
}

void TestWindowHooks::hookingFailures()
{
    QFETCH(bool, nullWindow);
    QFETCH(QString, error);
    Recorder widget;
    CSubclass hook;
    if (!nullWindow)
        hook.moveToThread(nullptr);
    QVERIFY(!hook.ssc_Subclass(nullWindow ? nullptr : &widget));
    QCOMPARE(LastError(), error);
    hook.moveToThread(thread());
}

void TestWindowHooks::hookingTwiceKeepsTheFirstHook()
{
    Recorder widget;
    CSubclass hook;
    int deliveries = 0;
    connect(&hook, &CSubclass::WindowProc, this, [&] { ++deliveries; });
    QVERIFY(hook.ssc_Subclass(&widget, 3));
    hook.ssc_AddMsg(&widget, Custom, CSubclass::MSG_AFTER);
    QVERIFY(!hook.ssc_Subclass(&widget, 4));
    QCOMPARE(LastError(), QStringLiteral("CSubclass.ssc_Subclass: Window handle is already subclassed"));
    Send(&widget, Custom);
    QCOMPARE(deliveries, 1);
    QCOMPARE(hook.zGet_lParamUser(&widget), 3);
}

void TestWindowHooks::operationsOnUnknownWindows()
{
    Recorder widget;
    Recorder other;
    CSubclass hook;
    QCOMPARE(hook.zGet_lParamUser(&widget), 0);
    QCOMPARE(LastError(), QStringLiteral("CSubclass.zMap_VFunction: Thunk hasn't been initialized"));
    hook.ssc_Subclass(&widget);
    hook.ssc_AddMsg(&other, Custom, CSubclass::MSG_AFTER);
    QVERIFY(LastError().startsWith(QStringLiteral("CSubclass.zMap_VFunction: Thunk type for ")));
    QVERIFY(LastError().endsWith(QStringLiteral("h does not exist")));
    QEvent event { QEvent::Type(Custom) };
    QCOMPARE(hook.ssc_CallOrigWndProc(&other, &event), 0);
    QVERIFY(other.seen.isEmpty());
}

void TestWindowHooks::silentAfterUnhook()
{
    Recorder widget;
    CSubclass hook;
    int deliveries = 0;
    connect(&hook, &CSubclass::WindowProc, this, [&] { ++deliveries; });
    hook.ssc_Subclass(&widget);
    hook.ssc_AddMsg(&widget, CSubclass::ALL_MESSAGES, CSubclass::MSG_BEFORE_AND_AFTER);
    Send(&widget, Custom);
    QCOMPARE(deliveries, 2);
    hook.ssc_UnSubclass(&widget);
    Send(&widget, Custom);
    widget.resize(40, 40);
    QCOMPARE(deliveries, 2);
    QCOMPARE(widget.seen.count(Custom), 2);
    // Hooking again starts with empty tables.
    QVERIFY(hook.ssc_Subclass(&widget));
    Send(&widget, Custom);
    QCOMPARE(deliveries, 2);
}

void TestWindowHooks::endingTheObjectUnhooksEverything()
{
    Recorder first;
    Recorder second;
    int deliveries = 0;
    {
        CSubclass hook;
        connect(&hook, &CSubclass::WindowProc, this, [&] { ++deliveries; });
        hook.ssc_Subclass(&first);
        hook.ssc_Subclass(&second);
        hook.ssc_AddMsg(&first, Custom, CSubclass::MSG_AFTER);
        hook.ssc_AddMsg(&second, Custom, CSubclass::MSG_AFTER);
    }
    Send(&first, Custom);
    Send(&second, Custom);
    QCOMPARE(deliveries, 0);
    QCOMPARE(first.seen.count(Custom), 1);
    QCOMPARE(second.seen.count(Custom), 1);
}

void TestWindowHooks::hookedWindowMayEndFirst()
{
    CSubclass hook;
    auto* widget = new Recorder;
    hook.ssc_Subclass(widget);
    hook.ssc_AddMsg(widget, CSubclass::ALL_MESSAGES, CSubclass::MSG_BEFORE_AND_AFTER);
    delete widget;
    // A new widget may reuse the address; it is not hooked.
    Recorder next;
    QVERIFY(hook.ssc_Subclass(&next));
}

void TestWindowHooks::mouseLeaveOncePerRequest()
{
    QCursor::setPos(0, 0);
    Recorder widget;
    widget.setGeometry(300, 300, 120, 80);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    CSubclass hook;
    int leaves = 0;
    connect(&hook, &CSubclass::WindowProc, this, [&](bool, bool&, qint32&, QWidget*, int message, QEvent*, qint32&) {
        if (message == WM_MOUSELEAVE)
            ++leaves;
    });
    hook.ssc_Subclass(&widget);
    hook.ssc_AddMsg(&widget, WM_MOUSELEAVE, CSubclass::MSG_BEFORE);

    // Not over the widget: the leave comes at once.
    hook.TrackMouseTracking(&widget);
    QTRY_COMPARE(leaves, 1);

    QCursor::setPos(widget.mapToGlobal(QPoint(60, 40)));
    QTRY_VERIFY(widget.underMouse());
    hook.TrackMouseTracking(&widget);
    hook.TrackMouseTracking(&widget);
    QCursor::setPos(0, 0);
    QTRY_VERIFY(!widget.underMouse());
    QTRY_COMPARE(leaves, 2);

    // Without a new request the next leave goes unreported.
    QCursor::setPos(widget.mapToGlobal(QPoint(60, 40)));
    QTRY_VERIFY(widget.underMouse());
    QCursor::setPos(0, 0);
    QTRY_VERIFY(!widget.underMouse());
    QTest::qWait(50);
    QCOMPARE(leaves, 2);
}

void TestWindowHooks::formSubclassSeesEverythingAfterTheWindow()
{
    Recorder widget;
    QList<int> messages;
    bool allAfter = true;
    bool widgetFirst = true;
    {
        cFormSubclass hook;
        connect(&hook, &cFormSubclass::MsgCome, this,
            [&](bool before, bool&, qint32& result, QWidget*, int message, QEvent*) {
                messages << message;
                allAfter = allAfter && !before;
                widgetFirst = widgetFirst && widget.seen.contains(message);
                result = 0;
            });
        QVERIFY(hook.AddWindowMsgs(&widget));
        Send(&widget, Custom);
        QResizeEvent resize(QSize(50, 30), QSize(10, 10));
        QApplication::sendEvent(&widget, &resize);
        QEvent event { QEvent::Type(Custom + 1) };
        QApplication::sendEvent(&widget, &event);
        QVERIFY(!event.isAccepted());
        // Windows stay hooked until the object ends.
        QVERIFY(!hook.DeleteWindowMsg(&widget));
        Send(&widget, Custom + 2);
    }
    Send(&widget, Custom + 3);
    QVERIFY(messages.contains(Custom));
    QVERIFY(messages.contains(WM_SIZE));
    QVERIFY(messages.contains(Custom + 2));
    QVERIFY(!messages.contains(Custom + 3));
    QVERIFY(allAfter);
    QVERIFY(widgetFirst);
    QVERIFY(EventLog::RecentErrors().isEmpty());
}

void TestWindowHooks::msgTargetReceivesEveryEvent()
{
    Recorder widget;
    Target target;
    AttachMsgTarget(&widget, &target);
    target.passOn = false;
    Send(&widget, Custom);
    QCOMPARE(target.messages, QList<int> { Custom });
    QVERIFY(!widget.seen.contains(Custom));
    target.passOn = true;
    Send(&widget, Custom + 1);
    QVERIFY(widget.seen.contains(Custom + 1));

    // Attaching again replaces the target instead of chaining a second hook.
    Target second;
    AttachMsgTarget(&widget, &second);
    Send(&widget, Custom + 2);
    QVERIFY(!target.messages.contains(Custom + 2));
    QCOMPARE(second.messages, QList<int> { Custom + 2 });
    QCOMPARE(widget.seen.count(Custom + 2), 1);
}

void TestWindowHooks::msgTargetEndsBeforeTheWindow()
{
    Recorder widget;
    {
        Target target;
        AttachMsgTarget(&widget, &target);
        target.passOn = false;
        Send(&widget, Custom);
    }
    Send(&widget, Custom + 1);
    QVERIFY(!widget.seen.contains(Custom));
    QVERIFY(widget.seen.contains(Custom + 1));
}

namespace {

// An event filter that was on the widget before any hook.
class CountingFilter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == Custom;
        return false;
    }
};

} // namespace

void TestWindowHooks::earlierFiltersStillSeeTheEvents_data()
{
    QTest::addColumn<QString>("hook");
    QTest::newRow("after table") << "after";
    QTest::newRow("before and after tables") << "both";
    QTest::newRow("form hook") << "form";
    QTest::newRow("message target") << "target";
}

void TestWindowHooks::earlierFiltersStillSeeTheEvents()
{
    QFETCH(QString, hook);
    Recorder widget;
    CountingFilter earlier;
    widget.installEventFilter(&earlier);
    CSubclass subclass;
    cFormSubclass form;
    Target target;
    target.passOn = true;
    if (hook == QLatin1String("form")) {
        QVERIFY(form.AddWindowMsgs(&widget));
    } else if (hook == QLatin1String("target")) {
        AttachMsgTarget(&widget, &target);
    } else {
        QVERIFY(subclass.ssc_Subclass(&widget));
        subclass.ssc_AddMsg(&widget, Custom, hook == QLatin1String("after") ? CSubclass::MSG_AFTER
                                                                            : CSubclass::MSG_BEFORE_AND_AFTER);
    }
    Send(&widget, Custom);
    QCOMPARE(earlier.count, 1);
    QCOMPARE(widget.seen.count(Custom), 1);
}

QTEST_MAIN(TestWindowHooks)
#include "TestWindowHooks.moc"
