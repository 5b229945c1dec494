#pragma once

#include "site/SiteGame.h"

#include <QByteArray>
#include <QColor>

// The demo site's Flash games: small games that really play, on a looping scene with a
// ground band, a pulsing sun and two swaying clouds.
//  - Steer: arrow keys or WASD move a diamond; touching the spinning star moves the
//    star elsewhere and fills the score bar.
//  - Click: a ball drifts across the sky; a click on it bursts it and it comes back
//    on the other side, filling the score bar.
enum class GameMovieKind { Steer, Click };

struct GameMovie {
    GameMovieKind kind = GameMovieKind::Steer;
    QColor background = QColor(120, 190, 240);
    QColor ground = QColor(4, 96, 163);
    QColor accent = QColor(255, 120, 40); // the piece the player moves or clicks
};

namespace GameMovies {

constexpr int Width = 550;
constexpr int Height = 400;

// A keyboard game when the guide shows movement keys, a mouse game otherwise.
GameMovieKind KindOf(const SiteGame& game);
// The game's movie in the game's colours.
GameMovie For(const SiteGame& game);
QByteArray Write(const GameMovie& movie);

} // namespace GameMovies
