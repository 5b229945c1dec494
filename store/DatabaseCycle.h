#pragma once

#include "store/mSqlite.h"

#include <QString>

#include <functional>

// One database cycle: load, open, the work, then always close and unload. No
// connection outlives the cycle. A file that is missing or lacks the tables gets
// the shipped schema, so a damaged install loses nothing and does not fail silently.
// All statements of one cycle together wait at most mSqlite::BusyTimeoutMs for a
// file that another process holds, so a locked catalogue never freezes the window.
class DatabaseCycle {
public:
    // The database named `dbFile` below `folder` (a relative name is taken in `folder`).
    DatabaseCycle(const QString& folder, const QString& dbFile);
    // The catalogue in use, in the user's folder of the settings record.
    DatabaseCycle();
    ~DatabaseCycle();
    DatabaseCycle(const DatabaseCycle&) = delete;
    DatabaseCycle& operator=(const DatabaseCycle&) = delete;

    bool isOpen() const { return m_open; }
    // SQLite's code for loading and opening: 0 when the cycle is open.
    int openCode() const { return m_openCode; }
    // The database file's path; empty when the library did not load.
    QString filePath() const { return m_path; }
    // One writing statement; SQLite's result code (the open code when the cycle did not open).
    int exec(const QString& sql);
    // Rows changed by the last successful exec.
    int changes() const;
    // One reading statement; `row` is called for every row. Returns 0 when every row
    // was read, otherwise the code of the prepare or step that failed.
    int query(const QString& sql, const std::function<void(mSqlite::SqlStatement)>& row);
    QString errorMessage() const;

private:
    void ensureSchema(const QString& path, bool existed);

    mSqlite::SqlBusyBudget m_busyBudget;
    mSqlite::SqlConnection m_connection = nullptr;
    QString m_path;
    int m_openCode = 1;
    bool m_open = false;
};

// The text of the committed schema; every statement of it may run again safely.
QString SchemaText();
