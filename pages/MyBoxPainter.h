#pragma once

#include <QImage>
#include <QString>

class MyBoxGrid;
class QPainter;
class QRect;
class TileComposer;

// Paints the My box grid picture: the tiles of the current page with their captions,
// and the page buttons from their atlas. The widget only hands over its painter.
class MyBoxPainter {
public:
    static constexpr QRgb CaptionFill = qRgb(249, 249, 249);

    MyBoxPainter(TileComposer& composer, const QImage& background, const QImage& pageButtons,
                 const QImage& moreGames);

    // The whole picture; `highlightedTile` is the position under the pointer or -1.
    void paint(QPainter& painter, const MyBoxGrid& grid, int highlightedTile);
    void paintTile(QPainter& painter, const MyBoxGrid& grid, int position, bool highlighted);
    void paintPageButtons(QPainter& painter, const MyBoxGrid& grid) const;

    // A caption centred and word-wrapped in `rect`; a text that does not fit ends in "…".
    static void DrawCaption(QPainter& painter, const QRect& rect, const QString& text);

private:
    QImage tileOf(const MyBoxGrid& grid, int entry);

    TileComposer& m_composer;
    QImage m_background;
    QImage m_pageButtons;
    QImage m_moreGamesTile;
    QImage m_emptyTile;
};
