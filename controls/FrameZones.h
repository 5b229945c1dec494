#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Where the pointer is on the edge of a borderless window, and what a drag of that
// edge makes of the window. Screen pixels throughout; a window's edges are its
// outermost pixel rows and columns.
namespace FrameZones {

inline constexpr int Tolerance = 5;

enum Zone {
    None = -1,
    Top = 0,
    TopRight = 1,
    Right = 2,
    BottomRight = 3,
    Bottom = 4,
    BottomLeft = 5,
    Left = 6,
    TopLeft = 7,
};

// The zone of `cursor` on `window`; corners are tried before edges, so a point near
// two edges is a corner.
int HitZone(QPoint cursor, const QRect& window);
Qt::CursorShape ZoneCursor(int zone);
// `start` with the edges of `zone` moved by `delta`, kept within the window's
// minimum and maximum sizes by holding back the moving edges.
QRect DraggedOutline(const QRect& start, int zone, QPoint delta, QSize minimum, QSize maximum);

}
