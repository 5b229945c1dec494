#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// Implemented by a form that wants every raw event of a widget. Once attached with
// AttachMsgTarget, each event of the widget goes to Message and nowhere else: the
// target passes on what the widget should still handle with CallOldWndProc. The
// answer becomes the event's accepted flag (non-zero accepted).
class clsWndMsg {
public:
    virtual ~clsWndMsg();
    virtual qint32 Message(QWidget* window, int message, QEvent* event);

private:
    friend void AttachMsgTarget(QWidget* window, clsWndMsg* target);
    QList<QPointer<QWidget>> m_windows;
};

// Sends every event of `window` to `target` (not owned). Attaching again replaces the
// target. The hook ends with the window or with the target, whichever ends first.
void AttachMsgTarget(QWidget* window, clsWndMsg* target);

// The widget's own handling of an event that reached its message target.
qint32 CallOldWndProc(QWidget* window, QEvent* event);
