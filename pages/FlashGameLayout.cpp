#include "pages/FlashGameLayout.h"

#include <cmath>

namespace {

constexpr int StripHeight = 780;
constexpr int TitleHeight = 500;

int px(int twips)
{
    return int(std::lround(twips / double(FlashGameLayout::TwipsPerPixel)));
}

} // namespace

FlashGameLayout FlashGameLayout::Normal(QSize outer)
{
    const int w = outer.width() * TwipsPerPixel;
    const int h = outer.height() * TwipsPerPixel;
    const int movieHeight = h - 1335;
    FlashGameLayout layout;
    layout.title = QRect(0, 0, px(w), px(TitleHeight));
    layout.movie = QRect(px(60), px(495), px(w - 120), px(movieHeight));
    layout.strip = QRect(px(60), px(movieHeight + 495), px(w - 120), px(StripHeight));
    layout.rightCap = px(w - 245);
    layout.closeLeft = px(w - 730);
    layout.minimiseLeft = px(w - 1090);
    layout.scrollLeft = px(w - 765);
    layout.guideWidth = px(w - 2650);
    return layout;
}

FlashGameLayout FlashGameLayout::FullScreen(QSize outer)
{
    const int w = outer.width() * TwipsPerPixel;
    const int h = outer.height() * TwipsPerPixel;
    FlashGameLayout layout = Normal(outer);
    // The title goes under the movie; the strip spans the whole width.
    layout.title = QRect();
    layout.movie = QRect(0, 0, px(w), px(h - StripHeight));
    layout.strip = QRect(0, px(h - StripHeight), px(w), px(StripHeight));
    layout.rightCap = px(w - 120);
    return layout;
}
