#pragma once

#include <QRect>
#include <QString>

#include <vector>

// What the layout needs to know about one tab, and what it decides.
struct TabSlot {
    QString Caption;
    int Left = 0;
    int Width = 0;
    bool LockSize = false;
    bool HideButton = false;
};

// Result of a hit test: a tab position, or -1 (tab area, no tab), -2 (in a margin),
// -3 (outside the strip); onCloseButton only for a tab that shows its close button.
struct TabHit {
    int index = -1;
    bool onCloseButton = false;
};

// The strip's arithmetic, without a window. Style 0 is the menu style (25 px high,
// heads overlapping by 14 px), any other value the browser style (32 px, 5 px gaps).
// x values of the tabs are relative to the tab area, which starts after TabLeftSize.
class TabLayout {
public:
    int TabStyle = 0;
    int StripWidth = 0;
    int TabLeftSize = 40;
    int TabRightSize = 0;

    static int StripHeight(int style);
    static int MaxTabWidth(int style);
    static int FirstTabOffset(int style);
    static int TabGap(int style);
    // The close button of a head at `left` with `width`, in tab-area coordinates,
    // bounds inclusive.
    static QRect CloseButton(int style, int left, int width);

    int TabAreaWidth() const { return StripWidth - TabLeftSize - TabRightSize; }
    // Common width of the tabs without LockSize.
    int TabWidth(const std::vector<TabSlot>& tabs) const;
    // Sets Left and Width of every tab.
    void Arrange(std::vector<TabSlot>& tabs, int tabWidth) const;
    // Strip coordinates in, tab under the point out.
    TabHit HitTest(const std::vector<TabSlot>& tabs, int x, int y) const;
};
