#pragma once

#include "site/SiteGame.h"

#include <QString>

// The playable page of a web game: a self-contained canvas game (pop the rising
// bubbles before the minute is up) in the game's colours.
namespace WebGamePage {

QString Build(const SiteGame& game);

} // namespace WebGamePage
