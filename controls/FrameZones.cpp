#include "controls/FrameZones.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

namespace FrameZones {

namespace {

bool Near(int value, int edge)
{
    return std::abs(value - edge) <= Tolerance;
}

bool MovesTop(int zone) { return zone == Top || zone == TopRight || zone == TopLeft; }
bool MovesBottom(int zone) { return zone == BottomRight || zone == Bottom || zone == BottomLeft; }
bool MovesRight(int zone) { return zone == TopRight || zone == Right || zone == BottomRight; }
bool MovesLeft(int zone) { return zone == BottomLeft || zone == Left || zone == TopLeft; }

}

int HitZone(QPoint cursor, const QRect& window)
{
    const int x = cursor.x(), y = cursor.y();
    const int l = window.left(), t = window.top(), r = window.right(), b = window.bottom();
    if (Near(x, l) && Near(y, b))
        return BottomLeft;
    if (Near(y, t) && Near(x, l))
        return TopLeft;
    if (Near(x, r) && Near(y, b))
        return BottomRight;
    if (Near(x, r) && Near(y, t))
        return TopRight;
    const bool alongX = l + Tolerance < x && x < r - Tolerance;
    const bool alongY = t + Tolerance < y && y < b - Tolerance;
    if (Near(y, t) && alongX)
        return Top;
    if (Near(x, r) && alongY)
        return Right;
    if (Near(y, b) && alongX)
        return Bottom;
    if (Near(x, l) && alongY)
        return Left;
    return None;
}

Qt::CursorShape ZoneCursor(int zone)
{
    switch (zone) {
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case Right:
    case Left:
        return Qt::SizeHorCursor;
    case BottomRight:
    case TopLeft:
        return Qt::SizeFDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QRect DraggedOutline(const QRect& start, int zone, QPoint delta, QSize minimum, QSize maximum)
{
    const int minW = std::max(1, minimum.width()), minH = std::max(1, minimum.height());
    const int maxW = std::max(minW, maximum.width()), maxH = std::max(minH, maximum.height());
    QRect outline = start;
    if (MovesLeft(zone))
        outline.setLeft(outline.right() + 1 - std::clamp(start.width() - delta.x(), minW, maxW));
    if (MovesRight(zone))
        outline.setWidth(std::clamp(start.width() + delta.x(), minW, maxW));
    if (MovesTop(zone))
        outline.setTop(outline.bottom() + 1 - std::clamp(start.height() - delta.y(), minH, maxH));
    if (MovesBottom(zone))
        outline.setHeight(std::clamp(start.height() + delta.y(), minH, maxH));
    return outline;
}

}
