#pragma once

#include <QString>
#include <QStringList>

// The window-free part of a download job: what a page command asks to fetch, how
// sizes read, and the finishing steps that put the fetched files in place and
// catalogue the game.

// A byte count as the download panel shows it: 1023b, 1k, 1M, 1.5M, 0.5G.
QString FormatSize(qint64 bytes);
// A fraction done as a whole percentage (0.537 gives 54), within 0..100.
int PercentOf(float fraction);

// One job, with every address already absolute.
struct GameJob {
    enum class Kind {
        SavedFlash,    // thumbnail, then the movie into "Games/"
        StreamedFlash, // "?nosave": thumbnail only, played from the site
        Web,           // thumbnail only, played in the game browser
    };
    static constexpr int FlashFields = 4;
    static constexpr int WebFields = 3;

    Kind kind = Kind::SavedFlash;
    QString name;
    QString introduction;
    QString pageAddress;
    QString thumbnailAddress;
    // Flash games: the movie's address; a streamed one keeps its "?nosave".
    QString movieAddress;
    // Web games: the address the game browser opens.
    QString playAddress;

    // "FlashTable" fields (name, thumbnail, movie, introduction) of a command on the
    // page at `pageAddress`; relative addresses are below `siteHome`.
    static GameJob FromFlashCommand(const QStringList& fields, const QString& pageAddress, const QString& siteHome);
    // "WebTable" fields (name, thumbnail, play address).
    static GameJob FromWebCommand(const QStringList& fields, const QString& pageAddress, const QString& siteHome);

    bool fetchesMovie() const { return kind == Kind::SavedFlash; }
    // What the player is given: empty for a stored movie, the site's address (with
    // its "?nosave") for a streamed one.
    QString playerAddress() const;
    // The address the catalogue keeps as the game's play address.
    QString storedPlayAddress() const;
};

// The files the transfers left, full paths as the download control saved them.
struct FetchedFiles {
    QString thumbnail;
    QString movie; // empty unless the job fetches the movie
};

struct FinishOutcome {
    bool catalogued = false;
    // What went wrong on the way, in the user's words; empty when all went well.
    QStringList problems;
};

// Puts the thumbnail in place as the game's ("Jpgs/" + GameFileName(name) + ".jpg",
// replacing an old one) and, for a saved Flash game, the movie as "Games/" +
// GameFileName(name) + ".swf"; then inserts the game's row of its kind. A movie that
// cannot be put in place leaves the game out of the catalogue (it could not be
// played); a thumbnail that cannot is told, and the game is catalogued without it.
// Nothing is ever written outside the two folders, whatever the name.
FinishOutcome FinishGameJob(const GameJob& job, const FetchedFiles& files, const QString& userFolder);
