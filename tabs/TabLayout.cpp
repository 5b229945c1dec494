#include "tabs/TabLayout.h"

#include "tabs/RoundHalfEven.h"

#include <algorithm>

namespace {

// Hit tests stop at this height in both styles: the lower rows of the taller
// browser strip count as outside, so a press there drags the window.
constexpr int HitHeight = 25;
// Presses this close to the start of the tab area always pick the first tab.
constexpr int FirstTabGrip = 14;

}

int TabLayout::StripHeight(int style)
{
    return style == 0 ? 25 : 32;
}

int TabLayout::MaxTabWidth(int style)
{
    return style == 0 ? 108 : 124;
}

int TabLayout::FirstTabOffset(int style)
{
    return style == 0 ? 14 : 0;
}

int TabLayout::TabGap(int style)
{
    return style == 0 ? 0 : 5;
}

QRect TabLayout::CloseButton(int style, int left, int width)
{
    const int right = left + width;
    if (style == 0)
        return QRect(QPoint(right - 24, 6), QPoint(right - 12, 18));
    return QRect(QPoint(right - 20, 7), QPoint(right - 8, 19));
}

int TabLayout::TabWidth(const std::vector<TabSlot>& tabs) const
{
    const int maximum = MaxTabWidth(TabStyle);
    const int n = int(tabs.size());
    const int locked = int(std::count_if(tabs.begin(), tabs.end(), [](const TabSlot& t) { return t.LockSize; }));
    int space = TabAreaWidth() - locked * maximum;
    space -= TabStyle == 0 ? FirstTabOffset(TabStyle) : n * TabGap(TabStyle);
    const int width = locked < n ? RoundHalfEven(double(space) / (n - locked)) : maximum;
    return std::min(width, maximum);
}

void TabLayout::Arrange(std::vector<TabSlot>& tabs, int tabWidth) const
{
    int x = FirstTabOffset(TabStyle);
    for (TabSlot& tab : tabs) {
        tab.Left = x;
        tab.Width = tab.LockSize ? MaxTabWidth(TabStyle) : tabWidth;
        x += tab.Width + TabGap(TabStyle);
    }
}

TabHit TabLayout::HitTest(const std::vector<TabSlot>& tabs, int x, int y) const
{
    TabHit hit;
    if (x < 0 || x > StripWidth || y < 0 || y > HitHeight) {
        hit.index = -3;
        return hit;
    }
    if (x > StripWidth - TabRightSize || x < TabLeftSize) {
        hit.index = -2;
        return hit;
    }
    if (tabs.empty())
        return hit;
    const int u = x - TabLeftSize;
    if (u <= FirstTabGrip) {
        hit.index = 0;
    } else {
        const auto found = std::find_if(tabs.begin(), tabs.end(), [u](const TabSlot& t) {
            return t.Left <= u && u <= t.Left + t.Width;
        });
        if (found == tabs.end())
            return hit;
        hit.index = int(found - tabs.begin());
    }
    const TabSlot& tab = tabs[hit.index];
    hit.onCloseButton = !tab.HideButton && TabLayout::CloseButton(TabStyle, tab.Left, tab.Width).contains(u, y);
    return hit;
}
