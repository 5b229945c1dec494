#include "store/Statements.h"

#include "store/UtfToGb.h"

namespace Statements {

QString QuotedValue(const QString& value)
{
    // The encoder leaves "'" alone; doubling it here keeps the stored form exact.
    return UtfToGb::PercentEncodeUtf8(value).replace(QLatin1Char('\''), QLatin1String("''"));
}

QString SelectGamesOnLoad() { return QStringLiteral("Select * From Games  order by G_DateTime desc"); }
QString SelectAllGames() { return QStringLiteral("Select * From Games order by G_DateTime desc"); }
QString SelectFavouriteGames()
{
    return QStringLiteral("Select * From Games Where G_Favorite = 2 order by G_DateTime desc");
}

QString SelectGameByName(const QString& name)
{
    return QStringLiteral("Select * From [Games]  Where [G_Name] = '") + QuotedValue(name) + QLatin1Char('\'');
}

QString SelectUserByName(const QString& userName)
{
    return QStringLiteral("Select * From [Users]  Where [U_UserName] = '") + QuotedValue(userName)
         + QLatin1Char('\'');
}

QString SelectInstall() { return QStringLiteral("Select * From [Install]"); }

QString InsertSavedFlashGame(const QString& name, const QString& introduction, const QString& pageAddress)
{
    return QStringLiteral("Insert Into Games(G_Name,G_Introduce,G_WebUrl,G_Type,G_Favorite) Values('")
         + QuotedValue(name) + QLatin1String("','") + QuotedValue(introduction) + QLatin1String("','")
         + QuotedValue(pageAddress) + QLatin1String("',1,1)");
}

QString InsertStreamedFlashGame(const QString& name, const QString& playAddress, const QString& introduction,
                                const QString& pageAddress)
{
    return QStringLiteral("Insert Into Games(G_Name,W_Url,G_Introduce,G_WebUrl,G_Type,G_Favorite) Values('")
         + QuotedValue(name) + QLatin1String("','") + QuotedValue(playAddress) + QLatin1String("','")
         + QuotedValue(introduction) + QLatin1String("','") + QuotedValue(pageAddress) + QLatin1String("',1,1)");
}

QString InsertWebGame(const QString& name, const QString& playAddress, const QString& pageAddress)
{
    return QStringLiteral("Insert Into Games(G_Name,W_Url,G_WebUrl,G_Type,G_Favorite) Values('")
         + QuotedValue(name) + QLatin1String("','") + QuotedValue(playAddress) + QLatin1String("','")
         + QuotedValue(pageAddress) + QLatin1String("',2,1)");
}

QString MarkFavourite(const QString& name)
{
    return QStringLiteral("Update [Games] Set [G_Favorite] = 2 Where [G_Name] = '") + QuotedValue(name)
         + QLatin1Char('\'');
}

QString UnmarkFavourite(const QString& name)
{
    return QStringLiteral("Update [Games] Set [G_Favorite] = 1 Where [G_Name] = '") + QuotedValue(name)
         + QLatin1Char('\'');
}

QString DeleteGame(const QString& name)
{
    return QStringLiteral("Delete From [Games] Where [G_Name] = '") + QuotedValue(name) + QLatin1Char('\'');
}

QString DeleteUser(const QString& userName)
{
    return QStringLiteral("Delete From [Users] Where [U_UserName] = '") + QuotedValue(userName) + QLatin1Char('\'');
}

QString InsertUser(const QString& userName, const QString& password)
{
    return QStringLiteral("Insert Into Users(U_UserName,U_PassWord) Values('") + QuotedValue(userName)
         + QLatin1String("','") + QuotedValue(password) + QLatin1String("')");
}

QString SetCloseHides(bool hides)
{
    return hides ? QStringLiteral("Update Install Set [I_Close]=1") : QStringLiteral("Update Install Set [I_Close]=0");
}

} // namespace Statements
