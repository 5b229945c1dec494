#include "store/mSqlite.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace mSqlite {
namespace {

bool loaded = false;
QString loadedFolder;

constexpr int GenericError = SQLITE_ERROR;
// Short naps while another process holds the file: the window waits on them.
constexpr int BusyNapMs = 5;

QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

QString canonicalFolder(QString folder)
{
    if (folder.isEmpty())
        folder = programFolder();
    folder = QDir::cleanPath(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

int sequenceLength(unsigned char lead)
{
    if (lead >= 0xFC) return 6;
    if (lead >= 0xF8) return 5;
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

int waitWithinBudget(void* context, int)
{
    auto* budget = static_cast<SqlBusyBudget*>(context);
    if (budget->remainingUs <= 0)
        return 0;
    QElapsedTimer nap;
    nap.start();
    QThread::usleep(std::min<qint64>(budget->remainingUs, BusyNapMs * 1000));
    budget->remainingUs -= std::max<qint64>(nap.nsecsElapsed() / 1000, 1);
    return 1;
}

} // namespace

int SqlLoad(const QString& folder)
{
    if (loaded)
        SqlUnload();
    loadedFolder = canonicalFolder(folder);
    // SQLite is linked in, so loading means initialising; a failed initialisation
    // leaves the layer unloaded rather than reporting success.
    if (sqlite3_initialize() != SQLITE_OK)
        return GenericError;
    loaded = true;
    return SQLITE_OK;
}

int SqlUnload()
{
    if (!loaded)
        return GenericError;
    if (sqlite3_shutdown() != SQLITE_OK)
        return GenericError;
    loaded = false;
    return SQLITE_OK;
}

bool SqlIsLoaded()
{
    return loaded;
}

QString SqlFolder()
{
    return loadedFolder;
}

QString SqlFilePath(const QString& fileName)
{
    // A bare name belongs in the application folder, never in whatever the current
    // directory happens to be.
    return QDir::isAbsolutePath(fileName) ? fileName : loadedFolder + fileName;
}

int SqlOpen(const QString& fileName, SqlConnection& connection)
{
    connection = nullptr;
    if (!loaded)
        return GenericError;
    const int rc = sqlite3_open(SqlFilePath(fileName).toUtf8().constData(), &connection);
    if (rc == SQLITE_OK)
        sqlite3_busy_timeout(connection, BusyTimeoutMs);
    return rc;
}

int SqlSetBusyBudget(SqlConnection connection, SqlBusyBudget* budget)
{
    if (!loaded)
        return GenericError;
    return sqlite3_busy_handler(connection, budget ? waitWithinBudget : nullptr, budget);
}

int SqlClose(SqlConnection connection)
{
    if (!loaded)
        return GenericError;
    return sqlite3_close(connection);
}

int SqlPrepare(SqlConnection connection, const QString& sql, int byteCount, SqlStatement& statement,
               QString& tail)
{
    statement = nullptr;
    tail.clear();
    if (!loaded)
        return GenericError;
    const QByteArray utf8 = sql.toUtf8();
    if (byteCount == 0)
        byteCount = int(utf8.size());
    const char* rest = nullptr;
    const int rc = sqlite3_prepare_v2(connection, utf8.constData(), byteCount, &statement, &rest);
    if (rest)
        tail = QString::fromUtf8(rest, utf8.constData() + utf8.size() - rest);
    return rc;
}

int SqlExec(SqlConnection connection, const QString& sql)
{
    if (!loaded)
        return GenericError;
    return sqlite3_exec(connection, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
}

int SqlChanges(SqlConnection connection)
{
    if (!loaded || !connection)
        return 0;
    return sqlite3_changes(connection);
}

int SqlStep(SqlStatement statement)
{
    if (!loaded)
        return GenericError;
    return sqlite3_step(statement);
}

int SqlFinalize(SqlStatement statement)
{
    if (!loaded)
        return GenericError;
    return sqlite3_finalize(statement);
}

QString SqlColumnText(SqlStatement statement, int column)
{
    if (!loaded || !statement)
        return QString();
    return DecodeColumnBytes(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
}

int SqlColumnInt(SqlStatement statement, int column)
{
    if (!loaded || !statement)
        return 0;
    return sqlite3_column_int(statement, column);
}

QString SqlErrMsg(SqlConnection connection)
{
    if (!loaded)
        return QString();
    return QString::fromLatin1(sqlite3_errmsg(connection));
}

QString DecodeColumnBytes(const char* bytes)
{
    QString text;
    if (!bytes)
        return text;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const size_t size = std::strlen(bytes);
    static constexpr unsigned char leadMask[] = {0, 0, 31, 15, 7, 3, 1};
    text.reserve(qsizetype(size));
    for (size_t i = 0; i < size;) {
        const int length = sequenceLength(p[i]);
        if (length == 1) {
            text += QChar(p[i]);
            ++i;
            continue;
        }
        if (i + size_t(length) > size) {
            text += QLatin1Char('?');
            break;
        }
        char32_t code = p[i] & leadMask[length];
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (p[i + k] & 63);
        i += size_t(length);
        if (length == 4 && code >= 0x10000 && code <= 0x10FFFF) {
            // Four-byte sequences are whole characters outside the BMP.
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(char16_t(code & 0xFFFF));
        }
    }
    return text;
}

} // namespace mSqlite
