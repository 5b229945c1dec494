#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <functional>

// Small drawing helpers shared by the skin painters.
namespace Canvas {
// Colour of row y (0 = top of the picture being drawn) of whatever lies behind it.
using Rows = std::function<QColor(int y)>;

// A premultiplied ARGB picture filled with `fill`.
QImage New(int width, int height, const QColor& fill = Qt::transparent);
// Fills `rect` row by row; row 0 of `rows` is rect.top().
void FillRows(QPainter& p, const QRect& rect, const Rows& rows);
// Flattens `art` for a colour-keyed bitmap: pixels that are (almost) transparent become
// magenta, the others are blended over `under` (what the program draws behind them), so
// anti-aliased edges show no pink fringe.
QImage KeyOut(const QImage& art, const std::function<QColor(int x, int y)>& under);
// A state strip: `frames` pictures of `frame` size side by side, each painted by
// `paint` (painter translated to the frame's origin, frame index).
QImage Strip(QSize frame, int frames, const std::function<void(QPainter&, int)>& paint);
// Text in `box` with the given alignment.
void Text(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
          const QColor& colour, int flags = Qt::AlignCenter);
}
