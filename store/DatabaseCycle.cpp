#include "store/DatabaseCycle.h"

#include "shell/GlobalSettings.h"

using namespace mSqlite;

DatabaseCycle::DatabaseCycle(const QString& folder, const QString& dbFile)
{
    if (SqlLoad(folder) == 0 && SqlOpen(dbFile, m_connection) == 0) {
        m_open = true;
        ensureSchema();
    }
}

DatabaseCycle::DatabaseCycle()
    : DatabaseCycle(Settings().AppPath, Settings().DbFile)
{
}

DatabaseCycle::~DatabaseCycle()
{
    SqlClose(m_connection);
    SqlUnload();
}

int DatabaseCycle::exec(const QString& sql)
{
    return m_open ? SqlExec(m_connection, sql) : 1;
}

int DatabaseCycle::query(const QString& sql, const std::function<void(SqlStatement)>& row)
{
    if (!m_open)
        return 1;
    SqlStatement statement = nullptr;
    QString tail;
    const int rc = SqlPrepare(m_connection, sql, 0, statement, tail);
    if (rc == 0) {
        while (SqlStep(statement) == 100)
            row(statement);
    }
    SqlFinalize(statement);
    return rc;
}

QString DatabaseCycle::errorMessage() const
{
    return SqlErrMsg(m_connection);
}

void DatabaseCycle::ensureSchema()
{
    int tables = 0;
    const int rc = query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                         "('Games', 'Users', 'Install')"),
          [&](SqlStatement s) { tables = SqlColumnInt(s, 0); });
    // A file that is not a database fails the look-up and is left as it is.
    if (rc == 0 && tables < 3)
        exec(SchemaText());
}
