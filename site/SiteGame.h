#pragma once

#include <QColor>
#include <QList>
#include <QString>

// How a game is played: one entry of its keyboard guide. `picture` names a picture of
// the guide's sprite ("arrows", "space", "mouseleft", ...); otherwise `keys` holds key
// caps, one character each.
struct GameControl {
    QString picture;
    QString keys;
    QString action;
};

enum class GameKind { Flash, Web };

// How a web game's page is played.
enum class WebPlay {
    Mouse, // click the targets
    Keys,  // steer with the arrow keys or WASD
};

// What goes wrong with a Flash game's movie on purpose, for the launcher's failure paths.
enum class MovieFault {
    None,
    Missing, // its address answers 404
    CutOff,  // the transfer announces the whole length and stops halfway
};

// One game of the demo site.
struct SiteGame {
    int id = 0;
    QString name;
    QString category;
    GameKind kind = GameKind::Flash;
    QColor colour;
    int plays = 0;
    int rating = 0; // 0..10, half stars
    QString date;   // yyyy-MM-dd
    QString summary;
    QList<GameControl> controls;
    bool featured = false;
    // Played from the site rather than stored: the file address ends in "?nosave".
    bool streamed = false;
    // The thumbnail and movie are named by full address instead of a site path.
    bool absoluteAddresses = false;
    MovieFault movieFault = MovieFault::None;
    // The download link names the thumbnail and movie by addresses that redirect to them.
    bool redirected = false;
    WebPlay webPlay = WebPlay::Mouse;

    bool isWeb() const { return kind == GameKind::Web; }
    // The first character, drawn large on the thumbnail.
    QString glyph() const { return name.left(1).toUpper(); }
};
