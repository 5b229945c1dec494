#pragma once

#include <QRect>
#include <QSize>

// Where the player window's parts go for the window's outer size, in pixels. The
// measures are the design's twips (15 to a pixel): a title bar across the top, the
// movie inset by 60 at the sides, and below it the tool strip (or, in its place, the
// guide panel) 780 high. In full screen the movie fills all but the strip.
struct FlashGameLayout {
    static constexpr int TwipsPerPixel = 15;

    QRect title;      // the skinned title bar
    QRect movie;      // the player
    QRect strip;      // the tool strip and the guide panel
    int rightCap = 0; // the strip's right end, in the strip
    int closeLeft = 0;
    int minimiseLeft = 0;
    int scrollLeft = 0; // the guide's scroll buttons, in the strip
    int guideWidth = 0; // the guide page's view

    static FlashGameLayout Normal(QSize outer);
    static FlashGameLayout FullScreen(QSize outer);
};
