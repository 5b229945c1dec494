#include "controls/FrameSkin.h"

#include <QPainter>
#include <QPixmap>

namespace FrameSkin {

namespace {

// A piece cut at (x, y, w, h) twips of the picture, landing at (tx, ty) twips. The
// part outside the picture is dropped, and its landing place moves along with it.
Piece Cut(QSize picture, int x, int y, int w, int h, int tx, int ty)
{
    const QRect wanted(Px(x), Px(y), Px(w), Px(h));
    const QRect source = wanted & QRect(QPoint(0, 0), picture);
    const QPoint target(Px(tx), Px(ty));
    if (source.isEmpty())
        return {QRect(), target};
    return {source, target + (source.topLeft() - wanted.topLeft())};
}

int Tiles(int lengthTwips)
{
    return lengthTwips / TileStepTwips + 1;
}

}

int Px(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

QList<Piece> TitlePieces(QSize picture, int width, bool nomin)
{
    const int pw = picture.width() * TwipsPerPixel;
    const int w = width * TwipsPerPixel;
    QList<Piece> pieces;
    for (int i = 1; i <= Tiles(w); ++i)
        pieces << Cut(picture, 300, 0, 300, 545, TileStepTwips * i, 0);
    pieces << Cut(picture, 0, 0, 545, 545, 0, 0);
    pieces << Cut(picture, pw - 1000, 0, 1000, 545, w - 1000, 0);
    if (nomin)
        pieces << Cut(picture, pw - 1200, 0, 400, 545, w - 830, 0);
    return pieces;
}

QList<Piece> BorderPieces(QSize picture, QSize form)
{
    const int pw = picture.width() * TwipsPerPixel, ph = picture.height() * TwipsPerPixel;
    const int fw = form.width() * TwipsPerPixel, fh = form.height() * TwipsPerPixel;
    QList<Piece> pieces;
    for (int i = 1; i <= Tiles(fw); ++i)
        pieces << Cut(picture, 300, ph - 60, 300, 500, TileStepTwips * i, fh - 60);
    for (int i = 1; i <= Tiles(fh); ++i)
        pieces << Cut(picture, 0, 800, 60, 500, 0, TileStepTwips * i);
    for (int i = 1; i <= Tiles(fh); ++i)
        pieces << Cut(picture, pw - 60, 800, 300, 500, fw - 60, TileStepTwips * i);
    pieces << Cut(picture, 0, ph - 60, 545, 60, 0, fh - 60);
    pieces << Cut(picture, pw - 500, ph - 60, 500, 60, fw - 500, fh - 60);
    return pieces;
}

void Paint(QPainter& painter, const QPixmap& picture, const QList<Piece>& pieces)
{
    for (const Piece& piece : pieces) {
        if (!piece.source.isEmpty())
            painter.drawPixmap(piece.target, picture, piece.source);
    }
}

}
