#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

class QPainter;

// Drawing routines of the tab strip, shared with its hosts.
namespace mdlTabAPI {

// A blank (fully transparent) off-screen picture; throws TabError 0 when it cannot
// be allocated.
QImage NewMemoryPicture(int width, int height);

// A copy of `image` in which every opaque pixel of colour `key` is transparent.
QImage ColourKeyed(const QImage& image, const QColor& key);

// Nine-slice draw: the source box (sx, sy, sw, sh) onto the destination box
// (x, y, width, height). Corners keep their size, edges stretch along their length,
// the centre both ways; all edges 0 is a plain stretch. With `transparent`, pixels of
// that colour stay out of the result. Nothing is drawn when a size is 0 or less.
void NineSliceDraw(QPainter& destination, int x, int y, int width, int height,
                   const QImage& source, int sx, int sy, int sw, int sh,
                   int leftEdge, int topEdge, int rightEdge, int bottomEdge,
                   std::optional<QColor> transparent = std::nullopt);

// Copies a width x height box of `source` unscaled, leaving out pixels of `transparent`.
void TransparentCopy(QPainter& destination, int x, int y, int width, int height,
                     const QImage& source, int sx, int sy, const QColor& transparent);

// A tab caption in a box, in the painter's font and pen: centred on one line when it
// fits, else left-aligned, vertically centred and cut with an ellipsis.
void DrawCaption(QPainter& painter, const QString& text, int x, int y, int width, int height);

}
