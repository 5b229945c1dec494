#include "controls/MenuPlacement.h"

#include <algorithm>

namespace {

// One axis: after the point if it fits, else before it, and never past either edge.
int place(int at, int extent, int first, int last)
{
    int start = at + extent - 1 <= last ? at : at - extent;
    start = std::min(start, last - extent + 1);
    return std::max(start, first);
}

} // namespace

QPoint MenuTopLeft(QPoint at, QSize size, const QRect& available)
{
    if (available.isEmpty())
        return at;
    return {place(at.x(), size.width(), available.left(), available.right()),
            place(at.y(), size.height(), available.top(), available.bottom())};
}
