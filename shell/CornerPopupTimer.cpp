#include "shell/CornerPopupTimer.h"

#include "shell/CloseRule.h"

CornerPopupTimer::CornerPopupTimer(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_owed = false;
        emit due();
    });
}

void CornerPopupTimer::pageLoaded(const QString& html)
{
    if (!AdvertisementPageFound(html))
        return;
    m_owed = true;
    if (!m_switchedOff)
        m_timer.start();
}

void CornerPopupTimer::switchOff()
{
    m_switchedOff = true;
    m_timer.stop();
}

void CornerPopupTimer::switchOn()
{
    m_switchedOff = false;
    if (m_owed)
        m_timer.start();
}
