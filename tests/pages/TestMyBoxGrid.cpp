#include "pages/MyBoxGrid.h"

#include <QTest>

Q_DECLARE_METATYPE(MyBoxGrid::Hit)

namespace {
QStringList games(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("game %1").arg(i);
    return names;
}
} // namespace

class TestMyBoxGrid : public QObject {
    Q_OBJECT
private slots:
    void entriesAndPages_data();
    void entriesAndPages();
    void geometry_data();
    void geometry();
    void hitTests_data();
    void hitTests();
    void pageButtonsScrollWithTheCurrentPage_data();
    void pageButtonsScrollWithTheCurrentPage();
    void hoverChangesOnlyWhatShows();
    void moreGamesIsOnlyTheAppendedEntry();
};

void TestMyBoxGrid::entriesAndPages_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("tilesOnLastPage");
    QTest::addColumn<bool>("moreGames");
    QTest::newRow("empty") << 0 << 1 << 1 << 1 << true;
    QTest::newRow("19") << 19 << 20 << 1 << 20 << true;
    QTest::newRow("20") << 20 << 20 << 1 << 20 << false;
    QTest::newRow("21") << 21 << 21 << 2 << 1 << false;
    QTest::newRow("40") << 40 << 40 << 2 << 20 << false;
    QTest::newRow("2001") << 2001 << 2001 << 101 << 1 << false;
    QTest::newRow("10000") << 10000 << 10000 << 500 << 20 << false;
}

void TestMyBoxGrid::entriesAndPages()
{
    QFETCH(int, games);
    QFETCH(int, entries);
    QFETCH(int, pages);
    QFETCH(int, tilesOnLastPage);
    QFETCH(bool, moreGames);
    MyBoxGrid grid;
    grid.setGames(::games(games));
    QCOMPARE(grid.entryCount(), entries);
    QCOMPARE(grid.pageCount(), pages);
    QCOMPARE(grid.currentPage(), 0);
    QCOMPARE(grid.isMoreGames(entries - 1), moreGames);
    grid.setCurrentPage(pages + 5);
    QCOMPARE(grid.currentPage(), pages - 1);
    QCOMPARE(grid.tilesOnCurrentPage(), tilesOnLastPage);
    QCOMPARE(grid.entryAt(tilesOnLastPage - 1), entries - 1);
    QCOMPARE(grid.entryAt(tilesOnLastPage), -1);
}

void TestMyBoxGrid::geometry_data()
{
    QTest::addColumn<QRect>("actual");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("first tile") << MyBoxGrid::TilePictureRect(0) << QRect(32, 30, 74, 74);
    QTest::newRow("row 1 column 2") << MyBoxGrid::TilePictureRect(7) << QRect(264, 151, 74, 74);
    QTest::newRow("last tile") << MyBoxGrid::TilePictureRect(19) << QRect(496, 393, 74, 74);
    QTest::newRow("first caption") << MyBoxGrid::TileCaptionRect(0) << QRect(37, 111, 64, 25);
    QTest::newRow("last caption") << MyBoxGrid::TileCaptionRect(19) << QRect(501, 474, 64, 25);
    QTest::newRow("page button 0") << MyBoxGrid::PageButtonRect(0) << QRect(285, 529, 18, 18);
    QTest::newRow("page button 3") << MyBoxGrid::PageButtonRect(3) << QRect(339, 529, 18, 18);
}

void TestMyBoxGrid::geometry()
{
    QFETCH(QRect, actual);
    QFETCH(QRect, expected);
    QCOMPARE(actual, expected);
}

void TestMyBoxGrid::hitTests_data()
{
    using Hit = MyBoxGrid::Hit;
    using Kind = MyBoxGrid::HitKind;
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Hit>("hit");
    QTest::newRow("tile 0 top left") << 30 << 0 << QPoint(32, 30) << Hit{Kind::Tile, 0};
    QTest::newRow("tile 0 bottom right") << 30 << 0 << QPoint(105, 103) << Hit{Kind::Tile, 0};
    QTest::newRow("gap right of tile 0") << 30 << 0 << QPoint(106, 30) << Hit{};
    QTest::newRow("caption is not the tile") << 30 << 0 << QPoint(40, 115) << Hit{};
    QTest::newRow("last tile") << 30 << 0 << QPoint(569, 466) << Hit{Kind::Tile, 19};
    QTest::newRow("empty position on last page") << 30 << 1 << QPoint(496, 393) << Hit{};
    QTest::newRow("only tile of page 2") << 21 << 1 << QPoint(40, 40) << Hit{Kind::Tile, 0};
    QTest::newRow("page button 1") << 30 << 0 << QPoint(303, 529) << Hit{Kind::PageButton, 1};
    QTest::newRow("page button edge") << 30 << 0 << QPoint(320, 546) << Hit{Kind::PageButton, 1};
    QTest::newRow("no third page") << 30 << 0 << QPoint(321, 529) << Hit{};
    QTest::newRow("more games tile") << 0 << 0 << QPoint(50, 50) << Hit{Kind::Tile, 0};
    QTest::newRow("no second tile when empty") << 0 << 0 << QPoint(150, 50) << Hit{};
}

void TestMyBoxGrid::hitTests()
{
    QFETCH(int, games);
    QFETCH(int, page);
    QFETCH(QPoint, point);
    QFETCH(MyBoxGrid::Hit, hit);
    MyBoxGrid grid;
    grid.setGames(::games(games));
    grid.setCurrentPage(page);
    const MyBoxGrid::Hit actual = grid.hitTest(point);
    QCOMPARE(int(actual.kind), int(hit.kind));
    QCOMPARE(actual.index, hit.index);
}

void TestMyBoxGrid::pageButtonsScrollWithTheCurrentPage_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("firstShown");
    QTest::addColumn<int>("shown");
    const int visible = MyBoxGrid::VisiblePageButtons;
    QTest::newRow("few pages") << 60 << 2 << 0 << 3;
    QTest::newRow("exactly the row") << visible * 20 << visible - 1 << 0 << visible;
    QTest::newRow("long, at start") << 4000 << 0 << 0 << visible;
    QTest::newRow("long, middle") << 4000 << 100 << 100 - visible / 2 << visible;
    QTest::newRow("long, at end") << 4000 << 199 << 200 - visible << visible;
}

void TestMyBoxGrid::pageButtonsScrollWithTheCurrentPage()
{
    QFETCH(int, games);
    QFETCH(int, page);
    QFETCH(int, firstShown);
    QFETCH(int, shown);
    MyBoxGrid grid;
    grid.setGames(::games(games));
    grid.setCurrentPage(page);
    QCOMPARE(grid.firstShownPage(), firstShown);
    QCOMPARE(grid.shownPageButtons(), shown);
    QCOMPARE(MyBoxGrid::PageButtonRect(shown - 1).right() < MyBoxGrid::PageWidth, true);
    int current = 0;
    for (int slot = 0; slot < shown; ++slot)
        current += grid.slotState(slot) == MyBoxGrid::Current ? 1 : 0;
    QCOMPARE(current, 1);
    QCOMPARE(grid.slotState(page - firstShown), MyBoxGrid::Current);
    QCOMPARE(grid.slotState(shown), MyBoxGrid::NoPage);
}

void TestMyBoxGrid::hoverChangesOnlyWhatShows()
{
    MyBoxGrid grid;
    grid.setGames(games(60));
    QVERIFY(!grid.setHoveredSlot(0)); // the current page keeps its look
    QCOMPARE(grid.slotState(0), MyBoxGrid::Current);
    QVERIFY(grid.setHoveredSlot(1));
    QCOMPARE(grid.slotState(1), MyBoxGrid::Hovered);
    QVERIFY(!grid.setHoveredSlot(1));
    QVERIFY(grid.setHoveredSlot(-1));
    QCOMPARE(grid.slotState(1), MyBoxGrid::Normal);
    QVERIFY(!grid.setHoveredSlot(7)); // no such page
}

void TestMyBoxGrid::moreGamesIsOnlyTheAppendedEntry()
{
    MyBoxGrid grid;
    grid.setGames({MyBoxGrid::MoreGamesName(), QStringLiteral("x")});
    QVERIFY(!grid.isMoreGames(0));
    QVERIFY(grid.isMoreGames(2));
}

QTEST_APPLESS_MAIN(TestMyBoxGrid)
#include "TestMyBoxGrid.moc"
