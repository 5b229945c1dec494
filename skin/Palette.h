#pragma once

#include <QColor>
#include <QFont>

// The colours and type of the default skin: a light theme with one blue accent.
// Every picture takes its colours from here, so that pieces drawn into different files
// (a button and the band it sits on, a tab head and the strip behind it) meet exactly.
namespace Palette {
QColor Accent();      // 41, 140, 211
QColor AccentDark();  // 4, 96, 163
QColor AccentSoft();  // hover wash
QColor AccentPress(); // pressed wash
QColor Band(int y);   // title band, row y (0 .. 33) of a window
QColor Edge();        // one-pixel outline of every window
QColor Frame();       // window frame around the content
QColor Page();        // page background
QColor Grid();        // my-box grid and tile captions
QColor Footer();      // button area of the small windows
QColor Line();        // hairlines
QColor Ink();         // text
QColor InkSoft();     // secondary text and idle glyphs
QColor Strip(int y);  // tool strip below the player and the browser, row y (0 .. 51)
QColor Bar(int y);    // button bar of the game finder page, row y (0 .. 39)
QColor Magenta();     // transparent key of the bitmap atlases
QColor Mix(const QColor& a, const QColor& b, double t);
QFont Font(int pixelSize, bool bold = false);
}
