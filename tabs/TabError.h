#pragma once

#include <QString>

#include <stdexcept>

// A numbered run-time error raised by the tab list: 5 invalid argument, 9 out of
// range, 457 duplicate key, 53 missing skin file, 0 for drawing failures.
class TabError : public std::runtime_error {
public:
    TabError(int number, const QString& message);

    int number() const { return m_number; }
    QString message() const { return m_message; }

    static TabError InvalidArgument();
    static TabError OutOfRange();
    static TabError DuplicateKey();

private:
    int m_number;
    QString m_message;
};
