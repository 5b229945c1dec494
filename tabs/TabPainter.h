#pragma once

#include "tabs/TabLayout.h"

#include <QFont>
#include <QImage>

#include <vector>

class QPainter;

// Paints a strip from its style's skin atlas: the background column, the heads
// (hover and selected variants), captions and close glyphs.
class TabPainter {
public:
    TabPainter(int style, const QImage& atlas, const QFont& normalFont, const QFont& boldFont);

    // The background column stretched over the whole strip.
    void DrawBackground(QPainter& painter, int stripWidth) const;
    // Every head; `painter` is positioned at the start of the tab area. Heads are
    // drawn from the last to the first so that each covers its right neighbour's
    // overlapping edge; the selected one comes last, on top.
    void DrawTabs(QPainter& painter, const std::vector<TabSlot>& tabs, int selected, int hover, int closeState) const;

private:
    void DrawHead(QPainter& painter, const TabSlot& tab, bool selected, bool hover, int closeState) const;

    int m_style;
    const QImage& m_atlas;
    const QFont& m_normalFont;
    const QFont& m_boldFont;
};
