#pragma once

#include "site/SiteGame.h"

#include <QString>

// The playable page of a web game: a self-contained canvas game in the game's colours,
// badge and title. Keyboard games steer a badge that collects stars and dodges spikes;
// mouse games pop targets against a one-minute clock. The page keeps its state in
// `window.game` (score, frames drawn, and the player or the targets) for whoever watches it.
namespace WebGamePage {

QString Build(const SiteGame& game);

} // namespace WebGamePage
