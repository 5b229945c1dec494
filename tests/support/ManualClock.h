#pragma once

#include "shell/Clock.h"

// A clock that stands still until the test moves it.
class ManualClock final : public Clock {
public:
    qint64 nowMs() const override { return m_now; }
    void advance(qint64 ms) { m_now += ms; }
    QDate today() const override { return m_today; }
    void setToday(QDate date) { m_today = date; }

private:
    qint64 m_now = 1000;
    QDate m_today = QDate::currentDate();
};
