#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The operations of the local store, each one database cycle with one of the
// system's statements. Settings return true when SQLite accepted the statement;
// every write on a game says how it came out.
namespace Catalogue {

// Why an operation did not take effect.
enum class Failure {
    None,
    Locked,      // another program holds the file
    ReadOnly,    // the file or its folder cannot be written
    DiskFull,
    Damaged,     // not a database, or a damaged one
    Unavailable, // missing tables, an I/O error, or anything else
    NoSuchGame,  // the statement ran but matched no row
};
// The failure a SQLite result code stands for (None for 0).
Failure FailureOf(int sqliteCode);

// The outcome of one operation. `code` is SQLite's code of the step that failed (0
// when none did); a write on a game that matched no row failed as well.
struct Result {
    Failure failure = Failure::None;
    int code = 0;
    int changedRows = 0;
    bool ok() const { return failure == Failure::None; }
    explicit operator bool() const { return ok(); }
};

struct GameRecord {
    QString name;
    QString introduction;
    QString pageAddress;
    QString playAddress;
    int type = 0;
};

enum class GameList { OnLoad, All, Favourites };

struct NameList {
    QStringList names;
    Result outcome;
};
// Decoded names, newest first; a catalogue that cannot be read says so.
NameList ReadGameNames(GameList list);
// The same, empty when the catalogue cannot be read.
QStringList GameNames(GameList list);
// Every row stored under `name`, in the order SQLite returns them.
QList<GameRecord> FindGame(const QString& name);

Result AddSavedFlashGame(const QString& name, const QString& introduction, const QString& pageAddress);
Result AddStreamedFlashGame(const QString& name, const QString& playAddress, const QString& introduction,
                            const QString& pageAddress);
Result AddWebGame(const QString& name, const QString& playAddress, const QString& pageAddress);
// Changes every row stored under `name`; no such row is a failure.
Result MarkFavourite(const QString& name);
Result UnmarkFavourite(const QString& name);
Result DeleteGame(const QString& name);

// Keeps at most one row per user name: the old rows go, the new one is inserted. A row
// may hold a password, so the file is first made readable by its owner only; false,
// with nothing written, when that or a statement fails.
bool RememberUser(const QString& userName, const QString& password);
// The password of the last row kept for the user (empty when the row holds none);
// nothing when the user is not remembered or the catalogue cannot be read.
std::optional<QString> RememberedPassword(const QString& userName);

// True when the close button hides the main frame (the last Install row is "1").
bool CloseHidesWindow();
bool SetCloseHidesWindow(bool hides);

} // namespace Catalogue
