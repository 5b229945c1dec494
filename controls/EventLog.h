#pragma once

#include <QLoggingCategory>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcEventLog)

// The program's event log. Services that never raise write their failures here as
// one error entry "Class.routine: message"; the entry goes to the Qt log under the
// category "tavolin.eventlog" and the latest entries stay readable in memory.
namespace EventLog {

void LogError(const QString& className, const QString& routine, const QString& message);

// The latest entries, oldest first (at most RecentLimit).
QStringList RecentErrors();
void ClearRecent();

inline constexpr int RecentLimit = 64;

}
