#include "controls/cFormSubclass.h"

#include "controls/CSubclass.h"

#include <QEvent>

#include <algorithm>

cFormSubclass::cFormSubclass(QObject* parent)
    : QObject(parent)
{
}

cFormSubclass::~cFormSubclass()
{
    while (!m_windows.empty()) {
        m_windows.back()->removeEventFilter(this);
        disconnect(m_windows.back(), &QObject::destroyed, this, nullptr);
        m_windows.pop_back();
    }
}

void cFormSubclass::zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget* window, int message, QEvent* event)
{
    emit MsgCome(before, handled, result, window, message, event);
}

bool cFormSubclass::AddWindowMsgs(QWidget* window)
{
    if (!window || std::find(m_windows.begin(), m_windows.end(), window) != m_windows.end())
        return true;
    m_windows.push_back(window);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), gone), m_windows.end());
    });
    return true;
}

bool cFormSubclass::DeleteWindowMsg(QWidget* window)
{
    Q_UNUSED(window);
    return false;
}

bool cFormSubclass::eventFilter(QObject* watched, QEvent* event)
{
    const auto it = std::find(m_windows.begin(), m_windows.end(), watched);
    if (it == m_windows.end() || IsHandingOn(this, event))
        return false;
    QWidget* window = *it;
    qint32 result = CallPreviousHandling(this, window, event);
    bool handled = false;
    zSubclass_Proc(false, handled, result, window, event->type(), event);
    event->setAccepted(result != 0);
    return true;
}
