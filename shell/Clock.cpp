#include "shell/Clock.h"

#include <QElapsedTimer>

namespace {

class SteadyClock final : public Clock {
public:
    SteadyClock() { m_start.start(); }
    qint64 nowMs() const override { return m_start.elapsed(); }

private:
    QElapsedTimer m_start;
};

} // namespace

const Clock& Clock::Steady()
{
    static const SteadyClock clock;
    return clock;
}
