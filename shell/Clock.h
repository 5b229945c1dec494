#pragma once

#include <QDate>
#include <QtGlobal>

// Where time comes from for decisions that depend on it, so that tests can move it
// instead of sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a clock that never goes back; only differences mean anything.
    virtual qint64 nowMs() const = 0;
    // The calendar date where the user is; the real one unless a test sets it.
    virtual QDate today() const { return QDate::currentDate(); }

    // The real clock: monotonic milliseconds and the real date.
    static const Clock& Steady();
};
