#include "store/DatabaseCycle.h"

#include "shell/GlobalSettings.h"

#include <QFileInfo>
#include <QMutex>
#include <QSet>

using namespace mSqlite;

namespace {

// Files whose tables were found or made in this process: checking costs a read of
// the file, which a locked file would make wait, so each file is checked once.
QMutex checkedMutex;
QSet<QString> checkedFiles;

constexpr int RowReady = 100;
constexpr int Done = 101;

} // namespace

DatabaseCycle::DatabaseCycle(const QString& folder, const QString& dbFile)
{
    m_openCode = SqlLoad(folder);
    if (m_openCode != 0)
        return;
    const QString path = SqlFilePath(dbFile);
    m_path = path;
    const bool existed = QFileInfo::exists(path);
    m_openCode = SqlOpen(dbFile, m_connection);
    if (m_openCode != 0)
        return;
    m_open = true;
    SqlSetBusyBudget(m_connection, &m_busyBudget);
    ensureSchema(path, existed);
}

DatabaseCycle::DatabaseCycle()
    : DatabaseCycle(Settings().UserPath, Settings().DbFile)
{
}

DatabaseCycle::~DatabaseCycle()
{
    SqlClose(m_connection);
    SqlUnload();
}

int DatabaseCycle::exec(const QString& sql)
{
    return m_open ? SqlExec(m_connection, sql) : m_openCode;
}

int DatabaseCycle::changes() const
{
    return m_open ? SqlChanges(m_connection) : 0;
}

int DatabaseCycle::query(const QString& sql, const std::function<void(SqlStatement)>& row)
{
    if (!m_open)
        return m_openCode;
    SqlStatement statement = nullptr;
    QString tail;
    int rc = SqlPrepare(m_connection, sql, 0, statement, tail);
    if (rc == 0) {
        while ((rc = SqlStep(statement)) == RowReady)
            row(statement);
        // A list cut short by a lock or a damaged page is a failure, not a short list.
        if (rc == Done)
            rc = 0;
    }
    SqlFinalize(statement);
    return rc;
}

QString DatabaseCycle::errorMessage() const
{
    return SqlErrMsg(m_connection);
}

void DatabaseCycle::ensureSchema(const QString& path, bool existed)
{
    {
        QMutexLocker lock(&checkedMutex);
        // A file made anew since it was checked (deleted, then created by the open)
        // is checked again.
        if (existed && checkedFiles.contains(path))
            return;
        checkedFiles.remove(path);
    }
    int tables = 0;
    const int rc = query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                         "('Games', 'Users', 'Install')"),
          [&](SqlStatement s) { tables = SqlColumnInt(s, 0); });
    // A file that is not a database fails the look-up and is left as it is; a locked
    // one is checked again by the next cycle.
    if (rc != 0)
        return;
    if (tables < 3 && exec(SchemaText()) != 0)
        return;
    QMutexLocker lock(&checkedMutex);
    checkedFiles.insert(path);
}
