#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>

// The My box grid without a window: entries, paging, tile and page-button geometry,
// page-button states and hit tests. The widget paints what this says.
class MyBoxGrid {
public:
    static constexpr int Columns = 5;
    static constexpr int Rows = 4;
    static constexpr int TilesPerPage = Columns * Rows;
    static constexpr int TileSize = 74;
    static constexpr int PageButtonSize = 18;
    // Page buttons shown at once: as many as fit between their first left edge and the
    // page's right edge. Longer catalogues scroll the row with the current page.
    static constexpr int PageWidth = 791;
    static constexpr int PageButtonLeft = 285;
    static constexpr int PageButtonTop = 529;
    static constexpr int VisiblePageButtons = (PageWidth - PageButtonLeft) / PageButtonSize;

    enum ButtonState { NoPage = 0, Normal = 1, Current = 2, Hovered = 3 };
    enum class HitKind { None, PageButton, Tile };
    struct Hit {
        HitKind kind = HitKind::None;
        int index = -1; // page-button slot or tile position on the page
        bool operator==(const Hit&) const = default;
    };

    static QString MoreGamesName();
    static QRect TilePictureRect(int position);
    static QRect TileCaptionRect(int position);
    static QRect PageButtonRect(int slot);

    // Entries for the games of a list, in list order, with the "more games" entry
    // when fewer than a page of games came back. Current page becomes 0.
    void setGames(const QStringList& names);
    const QStringList& entries() const { return m_entries; }
    int entryCount() const { return int(m_entries.size()); }
    int pageCount() const;
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    // Index of the entry on tile `position` of the current page, or -1.
    int entryAt(int position) const;
    int tilesOnCurrentPage() const;
    bool isMoreGames(int entry) const;

    // Page-button slots: slot 0 shows page firstShownPage().
    int firstShownPage() const;
    int shownPageButtons() const;
    int pageOfSlot(int slot) const { return firstShownPage() + slot; }
    ButtonState slotState(int slot) const;
    // Sets the slot under the pointer (-1 for none); true when a state changed.
    bool setHoveredSlot(int slot);
    int hoveredSlot() const { return m_hoveredSlot; }

    // Existing page buttons first, then the tiles of the current page.
    Hit hitTest(QPoint point) const;

private:
    QStringList m_entries;
    int m_currentPage = 0;
    int m_hoveredSlot = -1;
};
