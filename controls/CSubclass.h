#pragma once

#include "controls/MessageTable.h"

#include <QList>
#include <QObject>
#include <QWidget>

#include <memory>
#include <vector>

// Hooks the events of widgets it does not own. Per hooked widget it keeps a table of
// messages (event types, see WindowMessages.h) delivered before the widget's own
// handling and one delivered after it, and a user value handed to every delivery.
//
// Before-delivery: WindowProc(before = true); a handler that sets `handled` keeps the
// event from the widget. After-delivery: the widget handles the event first, then
// WindowProc(before = false) sees its result. `result` is the event's accepted flag
// (1 accepted, 0 ignored), as the sender of the event sees it afterwards. Events in
// neither table go their usual way.
//
// Failures are never raised: they go to the event log and the call answers false or 0.
class CSubclass : public QObject {
    Q_OBJECT
public:
    static constexpr int MSG_ENTRIES = MessageTable::MaxEntries;
    static constexpr int ALL_MESSAGES = MessageTable::AllMessages;
    enum When { MSG_BEFORE = 1, MSG_AFTER = 2, MSG_BEFORE_AND_AFTER = 3 };

    explicit CSubclass(QObject* parent = nullptr);
    ~CSubclass() override;

    // Asks for one WM_MOUSELEAVE when the pointer leaves the hooked widget; at once
    // when it is not over the widget now. Ask again after each one.
    void TrackMouseTracking(QWidget* window);
    bool ssc_Subclass(QWidget* window, qint32 userValue = 0);
    // Unhooks every widget, newest first.
    void ssc_Terminate();
    void ssc_UnSubclass(QWidget* window);
    // The widget's own handling of `event`; 0 for a widget not hooked.
    qint32 ssc_CallOrigWndProc(QWidget* window, QEvent* event);
    void ssc_AddMsg(QWidget* window, int message, int when = MSG_AFTER);
    void ssc_DelMsg(QWidget* window, int when, const QList<int>& messages);
    void zSet_lParamUser(QWidget* window, qint32 value);
    qint32 zGet_lParamUser(QWidget* window);

signals:
    void WindowProc(bool before, bool& handled, qint32& result, QWidget* window, int message,
        QEvent* event, qint32& userValue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Hook {
        QWidget* window = nullptr;
        MessageTable before;
        MessageTable after;
        qint32 userValue = 0;
        bool trackingLeave = false;
    };

    Hook* find(const QObject* window) const;
    Hook* lookUp(QWidget* window) const;
    void forget(const QObject* window);
    void addTo(MessageTable& table, int message);

    std::vector<std::unique_ptr<Hook>> m_hooks;
    bool m_everHooked = false;
};

// Hands `event` on to what handled `window`'s events before the hook `filter` came:
// the event filters installed before it, then the widget itself, as a subclassed
// window procedure calls the one it replaced. Answers 1 when the event was handled and
// accepted, 0 otherwise. Filters installed after the hook see the event a second time.
qint32 CallPreviousHandling(const QObject* filter, QWidget* window, QEvent* event);
// True while `filter` hands `event` on; the filter lets it pass then.
bool IsHandingOn(const QObject* filter, const QEvent* event);
