#pragma once

#include "store/mSqlite.h"

#include <QString>

#include <functional>

// One database cycle: load, open, the work, then always close and unload. No
// connection outlives the cycle. A file that is missing or lacks the tables gets
// the shipped schema, so a damaged install loses nothing and does not fail silently.
class DatabaseCycle {
public:
    // The database named `dbFile` below `folder` (a relative name is taken in `folder`).
    DatabaseCycle(const QString& folder, const QString& dbFile);
    // The application's own database, from the settings record.
    DatabaseCycle();
    ~DatabaseCycle();
    DatabaseCycle(const DatabaseCycle&) = delete;
    DatabaseCycle& operator=(const DatabaseCycle&) = delete;

    bool isOpen() const { return m_open; }
    // One writing statement; SQLite's result code (1 when the cycle did not open).
    int exec(const QString& sql);
    // One reading statement; `row` is called for every row. Returns the prepare code.
    int query(const QString& sql, const std::function<void(mSqlite::SqlStatement)>& row);
    QString errorMessage() const;

private:
    void ensureSchema();

    mSqlite::SqlConnection m_connection = nullptr;
    bool m_open = false;
};

// The text of the committed schema; every statement of it may run again safely.
QString SchemaText();
