#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a popup of `size` opened at `at` goes so that it stays on the screen's
// `available` area: to the right of and below the point where it fits, otherwise to
// the left or above, like the platform's own menus. An empty area places it at `at`.
QPoint MenuTopLeft(QPoint at, QSize size, const QRect& available);
