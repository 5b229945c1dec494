#include "tabs/TabLayout.h"

#include <QTest>

namespace {

std::vector<TabSlot> Tabs(int count, int locked = 0)
{
    std::vector<TabSlot> tabs(count);
    for (int i = 0; i < locked; ++i)
        tabs[i].LockSize = true;
    return tabs;
}

TabLayout Strip(int style, int width, int left, int right)
{
    TabLayout layout;
    layout.TabStyle = style;
    layout.StripWidth = width;
    layout.TabLeftSize = left;
    layout.TabRightSize = right;
    return layout;
}

}

class TestTabLayout : public QObject {
    Q_OBJECT
private slots:
    void widthsAndLefts_data();
    void widthsAndLefts();
    void hitTest_data();
    void hitTest();
    void hiddenButtonIsNeverHit();
};

void TestTabLayout::widthsAndLefts_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("locked");
    QTest::addColumn<int>("tabWidth");
    QTest::addColumn<QList<int>>("lefts");
    // Strip 600 wide, left margin 40 unless noted.
    QTest::newRow("menu 3: capped at 108") << 0 << 600 << 0 << 3 << 0 << 108 << QList<int> { 14, 122, 230 };
    QTest::newRow("menu 10: 54.6") << 0 << 600 << 0 << 10 << 0 << 55
                                   << QList<int> { 14, 69, 124, 179, 234, 289, 344, 399, 454, 509 };
    QTest::newRow("menu 8: 68.25") << 0 << 600 << 0 << 8 << 0 << 68
                                   << QList<int> { 14, 82, 150, 218, 286, 354, 422, 490 };
    QTest::newRow("browser 5") << 1 << 600 << 0 << 5 << 0 << 107 << QList<int> { 0, 112, 224, 336, 448 };
    QTest::newRow("browser 3: capped at 124") << 1 << 600 << 0 << 3 << 0 << 124 << QList<int> { 0, 129, 258 };
    // Locked tabs keep the full width and take it from the others: (546 - 216) / 4 = 82.5.
    QTest::newRow("menu 2 locked of 6") << 0 << 600 << 0 << 6 << 2 << 82 << QList<int> { 14, 122, 230, 312, 394, 476 };
    QTest::newRow("all locked") << 0 << 300 << 0 << 4 << 4 << 108 << QList<int> { 14, 122, 230, 338 };
    QTest::newRow("right margin") << 1 << 600 << 100 << 5 << 0 << 87 << QList<int> { 0, 92, 184, 276, 368 };
    // No lower bound: a crowded strip squeezes its tabs to nothing and below.
    QTest::newRow("crowded") << 0 << 100 << 0 << 5 << 0 << 9 << QList<int> { 14, 23, 32, 41, 50 };
    QTest::newRow("overfull") << 0 << 50 << 0 << 2 << 0 << -2 << QList<int> { 14, 12 };
}

void TestTabLayout::widthsAndLefts()
{
    QFETCH(int, style);
    QFETCH(int, width);
    QFETCH(int, right);
    QFETCH(int, count);
    QFETCH(int, locked);
    QFETCH(int, tabWidth);
    QFETCH(QList<int>, lefts);
    const TabLayout layout = Strip(style, width, 40, right);
    std::vector<TabSlot> tabs = Tabs(count, locked);
    QCOMPARE(layout.TabWidth(tabs), tabWidth);
    layout.Arrange(tabs, tabWidth);
    QList<int> arranged;
    for (const TabSlot& tab : tabs) {
        arranged << tab.Left;
        QCOMPARE(tab.Width, tab.LockSize ? TabLayout::MaxTabWidth(style) : tabWidth);
    }
    QCOMPARE(arranged, lefts);
}

void TestTabLayout::hitTest_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("onClose");
    // Strip 600 wide, margins 40 and 20, three tabs: style 0 at 14, 122, 230 (108
    // wide); style 1 at 0, 129, 258 (124 wide). Tab-area x = strip x - 40.
    QTest::newRow("left of the strip") << 0 << 3 << -1 << 10 << -3 << false;
    QTest::newRow("right of the strip") << 0 << 3 << 601 << 10 << -3 << false;
    QTest::newRow("above") << 0 << 3 << 100 << -1 << -3 << false;
    QTest::newRow("below row 25") << 0 << 3 << 100 << 26 << -3 << false;
    QTest::newRow("row 25 still inside") << 0 << 3 << 200 << 25 << 1 << false;
    QTest::newRow("browser strip below 25") << 1 << 3 << 100 << 26 << -3 << false;
    QTest::newRow("strip edge x = W in right margin") << 0 << 3 << 600 << 10 << -2 << false;
    QTest::newRow("left margin") << 0 << 3 << 39 << 10 << -2 << false;
    QTest::newRow("right margin starts after W - R") << 0 << 3 << 581 << 10 << -2 << false;
    QTest::newRow("last area column") << 0 << 3 << 580 << 10 << -1 << false;
    QTest::newRow("no tabs") << 0 << 0 << 100 << 10 << -1 << false;
    QTest::newRow("area start picks tab 0") << 0 << 3 << 40 << 10 << 0 << false;
    QTest::newRow("u = 14 picks tab 0") << 0 << 3 << 54 << 10 << 0 << false;
    QTest::newRow("browser u = 14 picks tab 0") << 1 << 3 << 54 << 10 << 0 << false;
    QTest::newRow("shared edge goes to the left tab") << 0 << 3 << 162 << 10 << 0 << false;
    QTest::newRow("one past the edge") << 0 << 3 << 163 << 10 << 1 << false;
    QTest::newRow("past the last tab") << 0 << 3 << 379 << 10 << -1 << false;
    QTest::newRow("browser gap") << 1 << 3 << 167 << 10 << -1 << false;
    QTest::newRow("browser after gap") << 1 << 3 << 169 << 10 << 1 << false;
    // Close button of tab 1, style 0: r = 230, x 206..218, y 6..18 (tab-area x).
    QTest::newRow("close left edge") << 0 << 3 << 246 << 6 << 1 << true;
    QTest::newRow("close right bottom") << 0 << 3 << 258 << 18 << 1 << true;
    QTest::newRow("left of close") << 0 << 3 << 245 << 10 << 1 << false;
    QTest::newRow("right of close") << 0 << 3 << 259 << 10 << 1 << false;
    QTest::newRow("above close") << 0 << 3 << 250 << 5 << 1 << false;
    QTest::newRow("below close") << 0 << 3 << 250 << 19 << 1 << false;
    // Style 1, tab 1: r = 253, x 233..245, y 7..19.
    QTest::newRow("browser close") << 1 << 3 << 273 << 7 << 1 << true;
    QTest::newRow("browser close corner") << 1 << 3 << 285 << 19 << 1 << true;
    QTest::newRow("browser above close") << 1 << 3 << 280 << 6 << 1 << false;
    QTest::newRow("browser right of close") << 1 << 3 << 286 << 12 << 1 << false;
}

void TestTabLayout::hitTest()
{
    QFETCH(int, style);
    QFETCH(int, count);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, index);
    QFETCH(bool, onClose);
    const TabLayout layout = Strip(style, 600, 40, 20);
    std::vector<TabSlot> tabs = Tabs(count);
    layout.Arrange(tabs, TabLayout::MaxTabWidth(style));
    const TabHit hit = layout.HitTest(tabs, x, y);
    QCOMPARE(hit.index, index);
    QCOMPARE(hit.onCloseButton, onClose);
}

void TestTabLayout::hiddenButtonIsNeverHit()
{
    const TabLayout layout = Strip(0, 600, 40, 0);
    std::vector<TabSlot> tabs = Tabs(3);
    layout.Arrange(tabs, 108);
    tabs[1].HideButton = true;
    const TabHit hit = layout.HitTest(tabs, 250, 10);
    QCOMPARE(hit.index, 1);
    QVERIFY(!hit.onCloseButton);
}

QTEST_APPLESS_MAIN(TestTabLayout)
#include "TestTabLayout.moc"
