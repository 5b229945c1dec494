#pragma once

#include <QByteArray>
#include <QString>

// The two movies the player ships in the games folder, drawn in the skin's blue.
namespace ShippedMovies {

// "1.swf": a replay arrow that swings round once and settles, about one and a half
// seconds, then holds its last frame.
QByteArray Replay();
// "2.swf": a ring of dots with a light running round it, looping calmly while a game loads.
QByteArray Loading();
// Writes both into `gamesFolder`; files whose bytes did not change are not rewritten.
bool WriteAll(const QString& gamesFolder, QString* error);

} // namespace ShippedMovies
