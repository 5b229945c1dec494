#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// Thin layer over SQLite: one function per call the system uses, text converted at
// the boundary, SQLite's result codes passed through unchanged. A loaded flag gates
// every call; while it is clear each operation returns 1 or an empty text.
namespace mSqlite {

using SqlConnection = sqlite3*;
using SqlStatement = sqlite3_stmt*;

// 0 when the library is ready, 1 when it cannot be initialised. Relative database
// names given to SqlOpen are resolved against `folder` (the program's folder when empty).
int SqlLoad(const QString& folder);
int SqlUnload();
bool SqlIsLoaded();
// The canonical folder of the last SqlLoad, with a trailing separator.
QString SqlFolder();

// The file SqlOpen opens for `fileName`: a bare name is taken in the loaded folder.
QString SqlFilePath(const QString& fileName);
// A locked file is waited for at most BusyTimeoutMs per statement, unless the caller
// gives the connection a budget for all its statements together.
inline constexpr int BusyTimeoutMs = 250;
int SqlOpen(const QString& fileName, SqlConnection& connection);
// The time a connection may still spend waiting for a locked file, in microseconds.
struct SqlBusyBudget {
    qint64 remainingUs = BusyTimeoutMs * qint64(1000);
};
// Waits on a locked file draw on `budget`, which must outlive the connection.
int SqlSetBusyBudget(SqlConnection connection, SqlBusyBudget* budget);
int SqlClose(SqlConnection connection);
int SqlPrepare(SqlConnection connection, const QString& sql, int byteCount, SqlStatement& statement,
               QString& tail);
int SqlExec(SqlConnection connection, const QString& sql);
// Rows changed by the last write on the connection (0 when not loaded).
int SqlChanges(SqlConnection connection);
int SqlStep(SqlStatement statement);
int SqlFinalize(SqlStatement statement);
QString SqlColumnText(SqlStatement statement, int column);
int SqlColumnInt(SqlStatement statement, int column);
QString SqlErrMsg(SqlConnection connection);

// The column decoder: UTF-8 bytes up to the first zero byte, a truncated sequence
// becomes "?" and ends the text.
QString DecodeColumnBytes(const char* bytes);

} // namespace mSqlite
