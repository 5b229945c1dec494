#pragma once

#include <QString>

// Every statement the system issues, built from values. Values are stored in the
// percent-escaped form and made safe inside their quotes; no other code writes SQL.
namespace Statements {

// Column positions of a Games row read after "Select *".
enum GameColumn { GameName = 1, GameIntroduce = 2, GameWebUrl = 3, GamePlayUrl = 4, GameType = 5 };
enum GameKind { FlashGame = 1, WebGame = 2 };
enum FavoriteMark { Ordinary = 1, Favourite = 2 };

// The encoded value, with every "'" doubled so that it cannot end its quotes.
QString QuotedValue(const QString& value);

QString SelectGamesOnLoad();
QString SelectAllGames();
QString SelectFavouriteGames();
QString SelectGameByName(const QString& name);
QString SelectUserByName(const QString& userName);
QString SelectInstall();

QString InsertSavedFlashGame(const QString& name, const QString& introduction, const QString& pageAddress);
QString InsertStreamedFlashGame(const QString& name, const QString& playAddress, const QString& introduction,
                                const QString& pageAddress);
QString InsertWebGame(const QString& name, const QString& playAddress, const QString& pageAddress);
QString MarkFavourite(const QString& name);
QString UnmarkFavourite(const QString& name);
QString DeleteGame(const QString& name);
QString DeleteUser(const QString& userName);
QString InsertUser(const QString& userName, const QString& password);
QString SetCloseHides(bool hides);

} // namespace Statements
