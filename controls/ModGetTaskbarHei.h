#pragma once

#include <QRect>
#include <QtGlobal>

class QScreen;

// The height, in twips, that the desktop keeps for its panels on `screen` (the
// primary screen when none): the screen's height less its work area's.
qint16 ModGetTaskbarHei(const QScreen* screen = nullptr);
// The same from the two rectangles, in pixels: a panel at the top counts as much as
// one at the bottom.
int ReservedHeightTwips(const QRect& screen, const QRect& workArea);
