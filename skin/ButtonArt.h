#pragma once

#include "skin/Glyphs.h"

#include <QImage>
#include <QString>

// State strips of the image buttons: 3 frames (normal, hover, pressed) or, for toggle
// buttons, 6 (the same three with the button released, then pressed in). Opaque
// buttons carry the exact rows of the surface they sit on, at the top offset given.
namespace ButtonArt {
QImage MainTitleButton(Glyph glyph);                 // 28 x 22 frames, main title band at top 6
QImage FrameTitleButton(Glyph glyph, int width);     // w x 22 frames, skinned frame band at top 5
QImage FrameToggleButton(Glyph released, Glyph pressedIn);
QImage DialogClose();                                // 22 x 22 frames, dialog band at top 4
QImage DialogButton();                               // 75 x 23 frames, caption printed by the button
QImage PurgeButton();                                // 88 x 26 frames, with its own caption
QImage CategoryButton(Glyph glyph, const QString& caption); // 88 x 28 frames, finder bar at top 6
QImage SearchButton();                               // 56 x 26 frames, finder bar at top 7
QImage FilterButton(Glyph glyph, const QString& caption);   // 80 x 24 frames on the grid colour
QImage PlayerTool(Glyph glyph);                      // 40 x 40 frames on the white tool tray
QImage PlayerToggle(Glyph released, Glyph pressedIn);
QImage PlayerTrigger();                              // 40 x 40 frames, tool strip at top 6
QImage ScrollButton(Glyph glyph, int top);           // one 20 x 20 picture, tool strip at `top`
QImage BrowserTool(Glyph glyph, const QString& caption);    // 88 x 32 frames, tool strip at top 10
}
