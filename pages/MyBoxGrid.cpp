#include "pages/MyBoxGrid.h"

#include <algorithm>

QString MyBoxGrid::MoreGamesName()
{
    return QStringLiteral("更多游戏");
}

QRect MyBoxGrid::TilePictureRect(int position)
{
    const int row = position / Columns;
    const int column = position % Columns;
    return QRect(32 + 116 * column, 30 + 121 * row, TileSize, TileSize);
}

QRect MyBoxGrid::TileCaptionRect(int position)
{
    const int row = position / Columns;
    const int column = position % Columns;
    return QRect(37 + 116 * column, 111 + 121 * row, 64, 25);
}

QRect MyBoxGrid::PageButtonRect(int slot)
{
    return QRect(PageButtonLeft + PageButtonSize * slot, PageButtonTop, PageButtonSize, PageButtonSize);
}

void MyBoxGrid::setGames(const QStringList& names)
{
    m_entries = names;
    if (m_entries.size() < TilesPerPage)
        m_entries << MoreGamesName();
    m_currentPage = 0;
    m_hoveredSlot = -1;
}

int MyBoxGrid::pageCount() const
{
    return (entryCount() + TilesPerPage - 1) / TilesPerPage;
}

void MyBoxGrid::setCurrentPage(int page)
{
    m_currentPage = std::clamp(page, 0, std::max(0, pageCount() - 1));
}

int MyBoxGrid::tilesOnCurrentPage() const
{
    if (m_currentPage < pageCount() - 1)
        return TilesPerPage;
    return entryCount() - (pageCount() - 1) * TilesPerPage;
}

int MyBoxGrid::entryAt(int position) const
{
    if (position < 0 || position >= tilesOnCurrentPage())
        return -1;
    return m_currentPage * TilesPerPage + position;
}

bool MyBoxGrid::isMoreGames(int entry) const
{
    // Only the entry appended after a short list is the "more games" tile, even if a
    // game happens to carry the same name.
    return entry == entryCount() - 1 && entryCount() <= TilesPerPage && m_entries.value(entry) == MoreGamesName();
}

int MyBoxGrid::shownPageButtons() const
{
    return std::min(pageCount(), VisiblePageButtons);
}

int MyBoxGrid::firstShownPage() const
{
    const int extra = pageCount() - VisiblePageButtons;
    if (extra <= 0)
        return 0;
    return std::clamp(m_currentPage - VisiblePageButtons / 2, 0, extra);
}

MyBoxGrid::ButtonState MyBoxGrid::slotState(int slot) const
{
    if (slot < 0 || slot >= shownPageButtons())
        return NoPage;
    if (pageOfSlot(slot) == m_currentPage)
        return Current;
    return slot == m_hoveredSlot ? Hovered : Normal;
}

bool MyBoxGrid::setHoveredSlot(int slot)
{
    if (slot < 0 || slot >= shownPageButtons())
        slot = -1;
    if (slot == m_hoveredSlot)
        return false;
    const bool visible = slotState(m_hoveredSlot) == Hovered || (slot >= 0 && pageOfSlot(slot) != m_currentPage);
    m_hoveredSlot = slot;
    return visible;
}

MyBoxGrid::Hit MyBoxGrid::hitTest(QPoint point) const
{
    for (int slot = 0; slot < shownPageButtons(); ++slot) {
        if (PageButtonRect(slot).contains(point))
            return {HitKind::PageButton, slot};
    }
    for (int position = 0; position < tilesOnCurrentPage(); ++position) {
        if (TilePictureRect(position).contains(point))
            return {HitKind::Tile, position};
    }
    return {};
}
