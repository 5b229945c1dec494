#include "controls/CSubclass.h"

#include "controls/EventLog.h"
#include "controls/WindowMessages.h"

#include <QCoreApplication>
#include <QThread>

namespace {

const QString ClassName = QStringLiteral("CSubclass");

QString KeyOf(const QWidget* window)
{
    return QString::number(reinterpret_cast<quintptr>(window)) + QLatin1Char('h');
}

}

namespace {

// The events being handed on, innermost last, with the hook that hands each on.
QList<std::pair<const QObject*, const QEvent*>>& handedOn()
{
    static QList<std::pair<const QObject*, const QEvent*>> events;
    return events;
}

} // namespace

qint32 CallPreviousHandling(const QObject* filter, QWidget* window, QEvent* event)
{
    // Sent again, the event passes `filter` and goes on down the filter chain.
    handedOn().append({filter, event});
    const bool recognised = QCoreApplication::sendEvent(window, event);
    handedOn().removeLast();
    return recognised && event->isAccepted() ? 1 : 0;
}

bool IsHandingOn(const QObject* filter, const QEvent* event)
{
    return handedOn().contains(std::pair<const QObject*, const QEvent*>(filter, event));
}

CSubclass::CSubclass(QObject* parent)
    : QObject(parent)
{
}

CSubclass::~CSubclass()
{
    ssc_Terminate();
}

CSubclass::Hook* CSubclass::find(const QObject* window) const
{
    for (const auto& hook : m_hooks) {
        if (hook->window == window)
            return hook.get();
    }
    return nullptr;
}

CSubclass::Hook* CSubclass::lookUp(QWidget* window) const
{
    if (!m_everHooked) {
        EventLog::LogError(ClassName, QStringLiteral("zMap_VFunction"), QStringLiteral("Thunk hasn't been initialized"));
        return nullptr;
    }
    Hook* hook = window ? find(window) : nullptr;
    if (!hook) {
        EventLog::LogError(ClassName, QStringLiteral("zMap_VFunction"),
            QStringLiteral("Thunk type for ") + KeyOf(window) + QStringLiteral(" does not exist"));
    }
    return hook;
}

bool CSubclass::ssc_Subclass(QWidget* window, qint32 userValue)
{
    const QString routine = QStringLiteral("ssc_Subclass");
    if (!window) {
        EventLog::LogError(ClassName, routine, QStringLiteral("Invalid window handle"));
        return false;
    }
    if (window->thread() != QThread::currentThread() || thread() != QThread::currentThread()) {
        EventLog::LogError(ClassName, routine, QStringLiteral("Window handle belongs to another process"));
        return false;
    }
    if (find(window)) {
        EventLog::LogError(ClassName, routine, QStringLiteral("Window handle is already subclassed"));
        return false;
    }
    auto hook = std::make_unique<Hook>();
    hook->window = window;
    hook->userValue = userValue;
    m_hooks.push_back(std::move(hook));
    m_everHooked = true;
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { forget(gone); });
    return true;
}

void CSubclass::forget(const QObject* window)
{
    for (auto it = m_hooks.begin(); it != m_hooks.end(); ++it) {
        if ((*it)->window == window) {
            m_hooks.erase(it);
            return;
        }
    }
}

void CSubclass::ssc_Terminate()
{
    while (!m_hooks.empty()) {
        QWidget* window = m_hooks.back()->window;
        window->removeEventFilter(this);
        disconnect(window, &QObject::destroyed, this, nullptr);
        m_hooks.pop_back();
    }
}

void CSubclass::ssc_UnSubclass(QWidget* window)
{
    if (!lookUp(window))
        return;
    window->removeEventFilter(this);
    disconnect(window, &QObject::destroyed, this, nullptr);
    forget(window);
}

qint32 CSubclass::ssc_CallOrigWndProc(QWidget* window, QEvent* event)
{
    if (!event || !lookUp(window))
        return 0;
    return CallPreviousHandling(this, window, event);
}

void CSubclass::addTo(MessageTable& table, int message)
{
    if (table.add(message) == MessageTable::AddResult::Overflow) {
        EventLog::LogError(ClassName, QStringLiteral("zAddMsg"),
            QStringLiteral("Message table overflow. Either increase the value of Const MSG_ENTRIES "
                           "or use ALL_MESSAGES instead of specific message values"));
    }
}

void CSubclass::ssc_AddMsg(QWidget* window, int message, int when)
{
    Hook* hook = lookUp(window);
    if (!hook)
        return;
    if (when & MSG_BEFORE)
        addTo(hook->before, message);
    if (when & MSG_AFTER)
        addTo(hook->after, message);
}

void CSubclass::ssc_DelMsg(QWidget* window, int when, const QList<int>& messages)
{
    Hook* hook = lookUp(window);
    if (!hook)
        return;
    for (int message : messages) {
        if (when & MSG_BEFORE)
            hook->before.remove(message);
        if (when & MSG_AFTER)
            hook->after.remove(message);
    }
}

void CSubclass::zSet_lParamUser(QWidget* window, qint32 value)
{
    if (Hook* hook = lookUp(window))
        hook->userValue = value;
}

qint32 CSubclass::zGet_lParamUser(QWidget* window)
{
    const Hook* hook = lookUp(window);
    return hook ? hook->userValue : 0;
}

void CSubclass::TrackMouseTracking(QWidget* window)
{
    Hook* hook = lookUp(window);
    if (!hook)
        return;
    if (window->underMouse())
        hook->trackingLeave = true;
    else
        QCoreApplication::postEvent(window, new QEvent(QEvent::Type(WindowMessages::WM_MOUSELEAVE)));
}

bool CSubclass::eventFilter(QObject* watched, QEvent* event)
{
    Hook* hook = find(watched);
    if (!hook || IsHandingOn(this, event))
        return false;
    QWidget* window = hook->window;
    const int message = event->type();
    if (message == QEvent::Leave && hook->trackingLeave) {
        hook->trackingLeave = false;
        QCoreApplication::postEvent(window, new QEvent(QEvent::Type(WindowMessages::WM_MOUSELEAVE)));
    }
    const bool deliverBefore = hook->before.contains(message);
    const bool deliverAfter = hook->after.contains(message);
    if (!deliverBefore && !deliverAfter)
        return false;

    qint32 result = 0;
    if (deliverBefore) {
        bool handled = false;
        qint32 userValue = hook->userValue;
        emit WindowProc(true, handled, result, window, message, event, userValue);
        // A handler may have unhooked the widget; its hook is gone then.
        hook = find(window);
        if (hook)
            hook->userValue = userValue;
        if (handled) {
            event->setAccepted(result != 0);
            return true;
        }
        if (!hook || !hook->after.contains(message))
            return false;
    }

    result = CallPreviousHandling(this, window, event);
    hook = find(window);
    if (hook) {
        bool handled = false;
        qint32 userValue = hook->userValue;
        emit WindowProc(false, handled, result, window, message, event, userValue);
        if ((hook = find(window)))
            hook->userValue = userValue;
    }
    event->setAccepted(result != 0);
    return true;
}
