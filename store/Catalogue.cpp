#include "store/Catalogue.h"

#include "store/DatabaseCycle.h"
#include "store/Statements.h"
#include "store/UtfToGb.h"

#include <QFile>

#include <sqlite3.h>

using namespace mSqlite;
using UtfToGb::PercentDecodeUtf8;

namespace Catalogue {
namespace {

bool run(const QString& sql)
{
    DatabaseCycle cycle;
    return cycle.exec(sql) == 0;
}

Result failed(int code)
{
    return {FailureOf(code), code, 0};
}

Result insert(const QString& sql)
{
    DatabaseCycle cycle;
    const int code = cycle.exec(sql);
    return code == 0 ? Result{Failure::None, 0, cycle.changes()} : failed(code);
}

// A write aimed at rows of one game: one that changes nothing did not happen either.
Result runOnGame(const QString& sql)
{
    DatabaseCycle cycle;
    const int code = cycle.exec(sql);
    if (code != 0)
        return failed(code);
    const int changed = cycle.changes();
    return {changed > 0 ? Failure::None : Failure::NoSuchGame, 0, changed};
}

QString listStatement(GameList list)
{
    switch (list) {
    case GameList::OnLoad: return Statements::SelectGamesOnLoad();
    case GameList::All: return Statements::SelectAllGames();
    case GameList::Favourites: return Statements::SelectFavouriteGames();
    }
    return Statements::SelectGamesOnLoad();
}

} // namespace

Failure FailureOf(int sqliteCode)
{
    switch (sqliteCode & 0xFF) {
    case SQLITE_OK: return Failure::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Failure::Locked;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH: return Failure::ReadOnly;
    case SQLITE_FULL: return Failure::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return Failure::Damaged;
    default: return Failure::Unavailable;
    }
}

NameList ReadGameNames(GameList list)
{
    NameList result;
    DatabaseCycle cycle;
    const int code = cycle.query(listStatement(list), [&](SqlStatement s) {
        result.names << PercentDecodeUtf8(SqlColumnText(s, Statements::GameName));
    });
    if (code != 0) {
        result.names.clear();
        result.outcome = failed(code);
    }
    return result;
}

QStringList GameNames(GameList list)
{
    return ReadGameNames(list).names;
}

QList<GameRecord> FindGame(const QString& name)
{
    QList<GameRecord> rows;
    DatabaseCycle cycle;
    cycle.query(Statements::SelectGameByName(name), [&](SqlStatement s) {
        rows.append({PercentDecodeUtf8(SqlColumnText(s, Statements::GameName)),
                     PercentDecodeUtf8(SqlColumnText(s, Statements::GameIntroduce)),
                     PercentDecodeUtf8(SqlColumnText(s, Statements::GameWebUrl)),
                     PercentDecodeUtf8(SqlColumnText(s, Statements::GamePlayUrl)),
                     SqlColumnInt(s, Statements::GameType)});
    });
    return rows;
}

Result AddSavedFlashGame(const QString& name, const QString& introduction, const QString& pageAddress)
{
    return insert(Statements::InsertSavedFlashGame(name, introduction, pageAddress));
}

Result AddStreamedFlashGame(const QString& name, const QString& playAddress, const QString& introduction,
                            const QString& pageAddress)
{
    return insert(Statements::InsertStreamedFlashGame(name, playAddress, introduction, pageAddress));
}

Result AddWebGame(const QString& name, const QString& playAddress, const QString& pageAddress)
{
    return insert(Statements::InsertWebGame(name, playAddress, pageAddress));
}

Result MarkFavourite(const QString& name) { return runOnGame(Statements::MarkFavourite(name)); }
Result UnmarkFavourite(const QString& name) { return runOnGame(Statements::UnmarkFavourite(name)); }
Result DeleteGame(const QString& name) { return runOnGame(Statements::DeleteGame(name)); }

bool RememberUser(const QString& userName, const QString& password)
{
    // One cycle, so that both statements share one wait for a locked file.
    DatabaseCycle cycle;
    if (!cycle.isOpen()
        || !QFile::setPermissions(cycle.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    return cycle.exec(Statements::DeleteUser(userName)) == 0
        && cycle.exec(Statements::InsertUser(userName, password)) == 0;
}

std::optional<QString> RememberedPassword(const QString& userName)
{
    std::optional<QString> password;
    DatabaseCycle cycle;
    const int code = cycle.query(Statements::SelectUserByName(userName),
                                 [&](SqlStatement s) { password = PercentDecodeUtf8(SqlColumnText(s, 2)); });
    return code == 0 ? password : std::nullopt;
}

bool CloseHidesWindow()
{
    QString value;
    DatabaseCycle cycle;
    cycle.query(Statements::SelectInstall(), [&](SqlStatement s) { value = SqlColumnText(s, 0); });
    return value == QLatin1String("1");
}

bool SetCloseHidesWindow(bool hides)
{
    return run(Statements::SetCloseHides(hides));
}

} // namespace Catalogue
