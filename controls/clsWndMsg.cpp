#include "controls/clsWndMsg.h"

#include "controls/CSubclass.h"

#include <QEvent>

namespace {

const char* const HookName = "MsgTargetHook";

// Stands in for the window's replaced procedure: hands every event to the window's
// message target.
class MsgTargetHook : public QObject {
public:
    MsgTargetHook(QWidget* window, clsWndMsg* target)
        : QObject(window)
        , m_target(target)
    {
        setObjectName(QString::fromLatin1(HookName));
        window->installEventFilter(this);
    }

    clsWndMsg* target() const { return m_target; }
    void setTarget(clsWndMsg* target) { m_target = target; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (IsHandingOn(this, event))
            return false;
        auto* window = static_cast<QWidget*>(watched);
        event->setAccepted(m_target->Message(window, event->type(), event) != 0);
        return true;
    }

private:
    clsWndMsg* m_target;
};

MsgTargetHook* HookOf(const QWidget* window)
{
    return window->findChild<MsgTargetHook*>(QString::fromLatin1(HookName), Qt::FindDirectChildrenOnly);
}

}

clsWndMsg::~clsWndMsg()
{
    for (const QPointer<QWidget>& window : std::as_const(m_windows)) {
        MsgTargetHook* hook = window ? HookOf(window) : nullptr;
        if (hook && hook->target() == this)
            delete hook;
    }
}

qint32 clsWndMsg::Message(QWidget* window, int message, QEvent* event)
{
    Q_UNUSED(window);
    Q_UNUSED(message);
    Q_UNUSED(event);
    return 0;
}

void AttachMsgTarget(QWidget* window, clsWndMsg* target)
{
    if (!window || !target)
        return;
    if (MsgTargetHook* hook = HookOf(window))
        hook->setTarget(target);
    else
        new MsgTargetHook(window, target);
    if (!target->m_windows.contains(window))
        target->m_windows.append(window);
}

qint32 CallOldWndProc(QWidget* window, QEvent* event)
{
    if (!window || !event)
        return 0;
    return CallPreviousHandling(HookOf(window), window, event);
}
