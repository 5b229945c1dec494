#include "tabs/TabPainter.h"

#include "tabs/mdlTabAPI.h"

#include <QPainter>

#include <algorithm>

namespace {

// Where the pieces sit in a style's atlas (all on row 0) and where they go on a head.
struct StyleArt {
    int backgroundHeight;
    int headNormal, headHover, headSelected;
    QSize head;
    int glyphSelected, glyphNormal, glyphOver, glyphPressed;
    int headOverlap;     // heads reach this far left of their tab
    int captionInset;    // caption box starts this far right of the tab
    int captionCutButton, captionCutPlain;
    int captionCutSelected;  // 0: the selected head's caption box is cut like the others
    int glyphFromRight, glyphTop;
};

constexpr int EdgeWidth = 14;
constexpr int GlyphSize = 12;

const StyleArt MenuArt { 25, 1, 123, 245, QSize(122, 25), 367, 379, 391, 403, 14, 0, 38, 14, 26, 24, 6 };
const StyleArt BrowserArt { 28, 1, 125, 249, QSize(124, 26), 373, 385, 397, 409, 0, 4, 28, 8, 0, 20, 7 };

const StyleArt& Art(int style)
{
    return style == 0 ? MenuArt : BrowserArt;
}

const QColor SelectedText(4, 96, 163);

}

TabPainter::TabPainter(int style, const QImage& atlas, const QFont& normalFont, const QFont& boldFont)
    : m_style(style)
    , m_atlas(atlas)
    , m_normalFont(normalFont)
    , m_boldFont(boldFont)
{
}

void TabPainter::DrawBackground(QPainter& painter, int stripWidth) const
{
    const StyleArt& art = Art(m_style);
    if (m_atlas.isNull() || stripWidth <= 0)
        return;
    // Every row of the stretched column is one colour: filling rows beats any scaling.
    const QImage column = m_atlas.copy(0, 0, 1, art.backgroundHeight).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int height = TabLayout::StripHeight(m_style);
    QImage stretched(stripWidth, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        const QRgb colour = reinterpret_cast<const QRgb*>(column.constScanLine(y * art.backgroundHeight / height))[0];
        std::fill_n(reinterpret_cast<QRgb*>(stretched.scanLine(y)), stripWidth, colour);
    }
    painter.drawImage(0, 0, stretched);
}

void TabPainter::DrawTabs(QPainter& painter, const std::vector<TabSlot>& tabs, int selected, int hover,
                          int closeState) const
{
    for (int i = int(tabs.size()) - 1; i >= 0; --i) {
        if (i != selected)
            DrawHead(painter, tabs[i], false, i == hover, closeState);
    }
    if (selected >= 0 && selected < int(tabs.size()))
        DrawHead(painter, tabs[selected], true, selected == hover, closeState);
}

void TabPainter::DrawHead(QPainter& painter, const TabSlot& tab, bool selected, bool hover, int closeState) const
{
    const StyleArt& art = Art(m_style);
    const int headX = selected ? art.headSelected : hover ? art.headHover : art.headNormal;
    mdlTabAPI::NineSliceDraw(painter, tab.Left - art.headOverlap, 0, tab.Width + art.headOverlap, art.head.height(),
                             m_atlas, headX, 0, art.head.width(), art.head.height(), EdgeWidth, 0, EdgeWidth, 0);

    int cut = tab.HideButton ? art.captionCutPlain : art.captionCutButton;
    if (selected && art.captionCutSelected > 0)
        cut = art.captionCutSelected;
    painter.setFont(selected ? m_boldFont : m_normalFont);
    painter.setPen(selected ? SelectedText : QColor(Qt::black));
    mdlTabAPI::DrawCaption(painter, tab.Caption, tab.Left + art.captionInset, 0, tab.Width - cut, art.head.height());

    if (tab.HideButton)
        return;
    int glyphX = selected ? art.glyphSelected : art.glyphNormal;
    if (hover && closeState == 1)
        glyphX = art.glyphOver;
    else if (hover && closeState == 2)
        glyphX = art.glyphPressed;
    painter.drawImage(tab.Left + tab.Width - art.glyphFromRight, art.glyphTop, m_atlas,
                      glyphX, 0, GlyphSize, GlyphSize);
}
