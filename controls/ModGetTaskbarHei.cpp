#include "controls/ModGetTaskbarHei.h"

#include "controls/FrameSkin.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

qint16 ModGetTaskbarHei(const QScreen* screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    // Screens taller than 2184 pixels no longer fit the 16-bit answer.
    return qint16(std::min(32767, ReservedHeightTwips(screen->geometry(), screen->availableGeometry())));
}

int ReservedHeightTwips(const QRect& screen, const QRect& workArea)
{
    const int pixels = std::max(0, screen.height() - workArea.intersected(screen).height());
    return pixels * FrameSkin::TwipsPerPixel;
}
