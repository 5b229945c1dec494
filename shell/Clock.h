#pragma once

#include <QtGlobal>

// Where time comes from for decisions that depend on it, so that tests can move it
// instead of sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a clock that never goes back; only differences mean anything.
    virtual qint64 nowMs() const = 0;

    // The real, monotonic clock.
    static const Clock& Steady();
};
