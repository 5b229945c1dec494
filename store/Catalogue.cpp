#include "store/Catalogue.h"

#include "store/DatabaseCycle.h"
#include "store/Statements.h"
#include "store/UtfToGb.h"

using namespace mSqlite;
using UtfToGb::PercentDecodeUtf8;

namespace Catalogue {
namespace {

bool run(const QString& sql)
{
    DatabaseCycle cycle;
    return cycle.exec(sql) == 0;
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

QStringList GameNames(GameList list)
{
    QStringList names;
    DatabaseCycle cycle;
    cycle.query(listStatement(list), [&](SqlStatement s) {
        names << PercentDecodeUtf8(SqlColumnText(s, Statements::GameName));
    });
    return names;
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

bool AddSavedFlashGame(const QString& name, const QString& introduction, const QString& pageAddress)
{
    return run(Statements::InsertSavedFlashGame(name, introduction, pageAddress));
}

bool AddStreamedFlashGame(const QString& name, const QString& playAddress, const QString& introduction,
                          const QString& pageAddress)
{
    return run(Statements::InsertStreamedFlashGame(name, playAddress, introduction, pageAddress));
}

bool AddWebGame(const QString& name, const QString& playAddress, const QString& pageAddress)
{
    return run(Statements::InsertWebGame(name, playAddress, pageAddress));
}

bool MarkFavourite(const QString& name) { return run(Statements::MarkFavourite(name)); }
bool UnmarkFavourite(const QString& name) { return run(Statements::UnmarkFavourite(name)); }
bool DeleteGame(const QString& name) { return run(Statements::DeleteGame(name)); }

bool RememberUser(const QString& userName, const QString& password)
{
    return run(Statements::DeleteUser(userName)) && run(Statements::InsertUser(userName, password));
}

QString RememberedPassword(const QString& userName)
{
    QString password;
    DatabaseCycle cycle;
    cycle.query(Statements::SelectUserByName(userName),
                [&](SqlStatement s) { password = PercentDecodeUtf8(SqlColumnText(s, 2)); });
    return password;
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
