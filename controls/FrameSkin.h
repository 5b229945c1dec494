#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;
class QPixmap;

// How the skinned frame's picture is cut into the title bar and the window border.
// The cuts are set in twips (15 to the pixel); a piece runs as far as the picture
// goes and the painter clips it to what it paints on.
namespace FrameSkin {

inline constexpr int TwipsPerPixel = 15;
// Tiles of the long sides are laid every 300 twips.
inline constexpr int TileStepTwips = 300;

int Px(int twips);

// A rectangle of the picture, in pixels, and where its top-left corner lands.
struct Piece {
    QRect source;
    QPoint target;
};

// The title bar `width` pixels wide: the middle tiles, the left cap, then the right
// end; with `nomin` the end without the minimise button goes over the right end.
QList<Piece> TitlePieces(QSize picture, int width, bool nomin);
// The border of a window of `form` size: bottom, left and right tiles, then the
// bottom-left and bottom-right corners.
QList<Piece> BorderPieces(QSize picture, QSize form);
void Paint(QPainter& painter, const QPixmap& picture, const QList<Piece>& pieces);

}
