#include "pages/MyBoxPainter.h"

#include "pages/MyBoxGrid.h"
#include "pages/TileComposer.h"

#include <QFontMetrics>
#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

MyBoxPainter::MyBoxPainter(TileComposer& composer, const QImage& background, const QImage& pageButtons,
                           const QImage& moreGames)
    : m_composer(composer)
    , m_background(background)
    , m_pageButtons(pageButtons)
    , m_moreGamesTile(composer.compose(moreGames))
    , m_emptyTile(composer.compose(QImage()))
{
}

QImage MyBoxPainter::tileOf(const MyBoxGrid& grid, int entry)
{
    if (grid.isMoreGames(entry))
        return m_moreGamesTile;
    return m_composer.tile(grid.entries().at(entry));
}

void MyBoxPainter::paint(QPainter& painter, const MyBoxGrid& grid, int highlightedTile)
{
    if (!m_background.isNull())
        painter.drawImage(0, 0, m_background);
    for (int position = 0; position < MyBoxGrid::TilesPerPage; ++position)
        paintTile(painter, grid, position, position == highlightedTile);
    paintPageButtons(painter, grid);
}

void MyBoxPainter::paintTile(QPainter& painter, const MyBoxGrid& grid, int position, bool highlighted)
{
    const QRect caption = MyBoxGrid::TileCaptionRect(position);
    painter.fillRect(caption, QColor(CaptionFill));
    const int entry = grid.entryAt(position);
    const QRect picture = MyBoxGrid::TilePictureRect(position);
    if (entry < 0) {
        painter.drawImage(picture.topLeft(), m_emptyTile);
        return;
    }
    const QImage tile = tileOf(grid, entry);
    painter.drawImage(picture.topLeft(), highlighted ? TileComposer::Highlighted(tile) : tile);
    DrawCaption(painter, caption, grid.entries().at(entry));
}

void MyBoxPainter::paintPageButtons(QPainter& painter, const MyBoxGrid& grid) const
{
    const int cell = MyBoxGrid::PageButtonSize;
    for (int slot = 0; slot < grid.shownPageButtons(); ++slot) {
        const QRect target = MyBoxGrid::PageButtonRect(slot);
        painter.drawImage(target, m_pageButtons, QRect(grid.slotState(slot) * cell, 0, cell, cell));
    }
}

void MyBoxPainter::DrawCaption(QPainter& painter, const QRect& rect, const QString& text)
{
    // Centred, word-wrapped, top-aligned, only whole lines, and an ellipsis only where
    // the box is full. Lines are packed at the font's size, so a 12-pixel face gives the
    // 25-pixel box its two lines.
    const QFontMetrics metrics(painter.font());
    const int pitch = std::clamp(QFontInfo(painter.font()).pixelSize(), 1, metrics.lineSpacing());
    const int lineCount = std::max(1, rect.height() / pitch);
    QTextLayout layout(text, painter.font());
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        if (lines.size() == lineCount - 1) {
            // The last line that fits takes the rest of the text, cut with an ellipsis.
            lines << metrics.elidedText(text.mid(line.textStart()).trimmed(), Qt::ElideRight, rect.width());
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(QColor(51, 51, 51));
    // The glyphs sit in the line's box by the font's ascent; the leading goes.
    const int lift = std::max(0, metrics.height() - pitch) / 2;
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(rect.left(), rect.top() + i * pitch - lift, rect.width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, lines[i]);
    painter.restore();
}
