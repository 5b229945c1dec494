#pragma once

#include <QImage>

// The tab strip atlases: background column, three tab heads (normal, under the
// pointer, selected) and four close glyphs (on the selected tab, normal, under the
// pointer, pressed), all on row 0.
//   style 0 (main window, 415 x 25): column x 0; heads 122 x 25 at x 1, 123, 245;
//                                    glyphs 12 x 12 at x 367, 379, 391, 403
//   style 1 (browser, 421 x 28):     column x 0; heads 124 x 26 at x 1, 125, 249;
//                                    glyphs 12 x 12 at x 373, 385, 397, 409
// The PNG form keeps per-pixel alpha; the BMP form marks transparent pixels magenta and
// has its edges blended over the strip background.
namespace TabArt {
QImage MainMenuPng();
QImage MainMenuBmp();
QImage CorvaneMenuPng();
QImage CorvaneMenuBmp();
}
