#pragma once

#include "skin/Glyphs.h"

#include <QImage>
#include <QList>

// Small pictures: menu icons, the hand cursor, the key sprite, the my-box tile pieces
// and the loading animation.
namespace SmallArt {
QList<QImage> MenuIcon(Glyph glyph);  // 16 x 16 and 32 x 32
QImage HandCursor();                  // 32 x 32, hot spot (11, 1)
QImage KeySprite();                   // 80 x 704, layout given by the guide page's style sheet
QImage TileBed();                     // 74 x 74, empty slot behind a thumbnail
QImage TileOverlay();                 // 74 x 74 with alpha: rounded corners and rim
QImage MoreGames();                   // 74 x 74, picture of the "更多游戏" tile
QImage PageKnobs();                   // 4 cells of 18 x 18: hidden, normal, current, hover
QList<QImage> LoadingFrames();        // 12 frames of 32 x 32
}
