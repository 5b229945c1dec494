#include "controls/EventLog.h"

Q_LOGGING_CATEGORY(lcEventLog, "tavolin.eventlog")

namespace EventLog {
namespace {

QStringList& Recent()
{
    static QStringList entries;
    return entries;
}

}

void LogError(const QString& className, const QString& routine, const QString& message)
{
    const QString entry = className + QLatin1Char('.') + routine + QStringLiteral(": ") + message;
    qCWarning(lcEventLog).noquote() << entry;
    QStringList& entries = Recent();
    entries.append(entry);
    while (entries.size() > RecentLimit)
        entries.removeFirst();
}

QStringList RecentErrors()
{
    return Recent();
}

void ClearRecent()
{
    Recent().clear();
}

}
