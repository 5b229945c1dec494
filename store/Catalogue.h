#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The operations of the local store, each one database cycle with one of the
// system's statements. Writers return true when SQLite accepted the statement.
namespace Catalogue {

struct GameRecord {
    QString name;
    QString introduction;
    QString pageAddress;
    QString playAddress;
    int type = 0;
};

enum class GameList { OnLoad, All, Favourites };

// Decoded names, newest first.
QStringList GameNames(GameList list);
// Every row stored under `name`, in the order SQLite returns them.
QList<GameRecord> FindGame(const QString& name);

bool AddSavedFlashGame(const QString& name, const QString& introduction, const QString& pageAddress);
bool AddStreamedFlashGame(const QString& name, const QString& playAddress, const QString& introduction,
                          const QString& pageAddress);
bool AddWebGame(const QString& name, const QString& playAddress, const QString& pageAddress);
bool MarkFavourite(const QString& name);
bool UnmarkFavourite(const QString& name);
bool DeleteGame(const QString& name);

// Keeps at most one row per user name: the old rows go, the new one is inserted.
bool RememberUser(const QString& userName, const QString& password);
// The remembered password of the last matching row; empty when none.
QString RememberedPassword(const QString& userName);

// True when the close button hides the main frame (the last Install row is "1").
bool CloseHidesWindow();
bool SetCloseHidesWindow(bool hides);

} // namespace Catalogue
