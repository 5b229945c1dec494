#pragma once

#include "site/SiteGame.h"

#include <QByteArray>
#include <QImage>

// Each game's thumbnail: a square picture in the game's colours with its first
// character drawn large. Needs a GUI application object for the fonts.
namespace ThumbnailPainter {

constexpr int Size = 150;

QImage Paint(const SiteGame& game);
QByteArray Jpeg(const SiteGame& game);

} // namespace ThumbnailPainter
