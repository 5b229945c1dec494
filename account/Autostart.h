#pragma once

#include <QString>

// Starting the program at logon: an autostart entry of the user's own desktop session
// ($XDG_CONFIG_HOME/autostart/<program name>.desktop), never a machine-wide one, so no
// administrator rights are needed.
namespace Autostart {

// Where the entry of `programPath` lives; named after the program file.
QString EntryPath(const QString& programPath);
// The entry that starts `programPath` with no arguments.
QString EntryText(const QString& programPath);
// The program an entry starts: the first argument of its Exec key, unquoted; empty when
// the entry has none or is switched off (Hidden).
QString StartedProgram(const QString& entryText);

// True exactly when the entry is in place and starts `programPath`.
bool IsOn(const QString& programPath);
// Writes (on) or removes (off) the entry; an existing entry is replaced. Answers what
// went wrong, for the user; empty when it was done.
QString Set(const QString& programPath, bool on);

} // namespace Autostart
