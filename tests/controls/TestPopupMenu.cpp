#include "controls/MdlMenu.h"
#include "controls/MenuPlacement.h"
#include "controls/PopupMenuWindow.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

class TestPopupMenu : public QObject {
    Q_OBJECT
private slots:
    void placementStaysOnScreen_data();
    void placementStaysOnScreen();
    void init();
    void cleanup();
    void itemsOfEachMenu_data();
    void itemsOfEachMenu();
    void commandGoesByTheMenuBuiltLast();
    void chosenItemArrivesAtTheOwner();
    void separatorsTakeNoHighlightAndNoCommand();
    void windowIsHookedOnce();
    void drawsInTheSkinColours_data();
    void drawsInTheSkinColours();

private:
    void showMain(QPoint at);
    void showGame(QPoint at);

    MdlMenu::MainMenuCommands m_mainCommands;
    MdlMenu::GameMenuCommands m_gameCommands;
    QStringList m_calls;
    std::unique_ptr<QWidget> m_owner;
};

void TestPopupMenu::placementStaysOnScreen_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("topLeft");
    // A 131 x 178 menu on a 1280 x 1024 screen.
    QTest::newRow("room below and right") << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("tray at the bottom right: left and above") << QPoint(1270, 1015) << QPoint(1139, 837);
    QTest::newRow("right edge: to the left") << QPoint(1200, 100) << QPoint(1069, 100);
    QTest::newRow("bottom edge: above") << QPoint(100, 900) << QPoint(100, 722);
    QTest::newRow("exactly fits") << QPoint(1149, 846) << QPoint(1149, 846);
}

void TestPopupMenu::placementStaysOnScreen()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, topLeft);
    QCOMPARE(MenuTopLeft(at, QSize(131, 178), QRect(0, 0, 1280, 1024)), topLeft);
    // On a small screen it stays inside, whatever the side.
    const QRect small(0, 0, 200, 150);
    QVERIFY(small.contains(QRect(MenuTopLeft(at, QSize(131, 100), small), QSize(131, 100))));
}

void TestPopupMenu::init()
{
    m_calls.clear();
    m_owner = std::make_unique<QWidget>();
    MdlMenu::HookMenuWindow(m_owner.get());
    auto record = [this](const char* name) { return [this, name] { m_calls << QString::fromLatin1(name); }; };
    m_mainCommands = {record("settings"), record("help"), record("website"), record("update"), record("about"),
                      record("quit")};
    m_gameCommands = {record("introduce"), record("run"), record("favourite"), record("unfavourite"), record("remove")};
}

void TestPopupMenu::showMain(QPoint at)
{
    MdlMenu::ShowMainMenu(m_owner.get(), at, m_mainCommands);
}

void TestPopupMenu::showGame(QPoint at)
{
    MdlMenu::ShowGameMenu(m_owner.get(), at, m_gameCommands);
}

void TestPopupMenu::cleanup()
{
    if (QWidget* popup = MdlMenu::CurrentPopup())
        popup->close();
    m_owner.reset();
}

void TestPopupMenu::itemsOfEachMenu_data()
{
    QTest::addColumn<bool>("mainMenu");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("main") << true
                          << QStringList({"设置", "", "帮助建议(H)", "官方网站", "检测更新", "关于我们", "",
                                          "安全退出(X)"});
    QTest::newRow("game") << false
                          << QStringList({"游戏介绍", "运行游戏", "", "收藏游戏", "取消收藏", "", "删除游戏"});
}

void TestPopupMenu::itemsOfEachMenu()
{
    QFETCH(bool, mainMenu);
    QFETCH(QStringList, captions);
    mainMenu ? showMain({10, 10}) : showGame({10, 10});
    const auto& items = MdlMenu::MenuItems();
    QCOMPARE(items.size(), captions.size());
    int height = 0;
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->MenuID(), 100 + i);
        QCOMPARE(items[i]->Caption(), captions[i]);
        QCOMPARE(items[i]->Width(), 131);
        QCOMPARE(items[i]->Height(), captions[i].isEmpty() ? 5 : 24);
        height += items[i]->Height();
    }
    QCOMPARE(MdlMenu::CurrentPopup()->size(), QSize(131, height));
}

void TestPopupMenu::commandGoesByTheMenuBuiltLast()
{
    showMain({0, 0});
    MdlMenu::DispatchMenuCommand(MdlMenu::MenuIdOf(QStringLiteral("设置")));
    MdlMenu::DispatchMenuCommand(MdlMenu::MenuIdOf(QStringLiteral("安全退出(X)")));
    const int quitId = MdlMenu::MenuIdOf(QStringLiteral("安全退出(X)"));
    showGame({0, 0});
    QCOMPARE(MdlMenu::MenuIdOf(QStringLiteral("安全退出(X)")), -1);
    MdlMenu::DispatchMenuCommand(MdlMenu::MenuIdOf(QStringLiteral("游戏介绍")));
    MdlMenu::DispatchMenuCommand(MdlMenu::MenuIdOf(QStringLiteral("删除游戏")));
    MdlMenu::DispatchMenuCommand(quitId); // beyond the game menu
    QCOMPARE(m_calls, QStringList({"settings", "quit", "introduce", "remove"}));
}

void TestPopupMenu::chosenItemArrivesAtTheOwner()
{
    showGame({100, 100});
    auto* popup = qobject_cast<PopupMenuWindow*>(MdlMenu::CurrentPopup());
    QVERIFY(popup);
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    // The second item, "运行游戏", lies at 24..47.
    QTest::mouseMove(popup, QPoint(60, 30));
    QTRY_COMPARE(popup->highlighted(), 1);
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(60, 30));
    QVERIFY(m_calls.isEmpty()); // it comes later, as a command to the owner
    QTRY_COMPARE(m_calls, QStringList("run"));
    QTRY_VERIFY(!MdlMenu::CurrentPopup());
}

void TestPopupMenu::separatorsTakeNoHighlightAndNoCommand()
{
    showMain({100, 100});
    auto* popup = qobject_cast<PopupMenuWindow*>(MdlMenu::CurrentPopup());
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QCOMPARE(popup->itemAt(QPoint(50, 26)), 1);
    QTest::mouseMove(popup, QPoint(50, 10));
    QTRY_COMPARE(popup->highlighted(), 0);
    QTest::mouseMove(popup, QPoint(50, 26));
    QTRY_COMPARE(popup->highlighted(), -1);
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(50, 26));
    QTest::qWait(50);
    QVERIFY(m_calls.isEmpty());
    MdlMenu::DispatchMenuCommand(101);
    MdlMenu::DispatchMenuCommand(99);
    QVERIFY(m_calls.isEmpty());
}

void TestPopupMenu::windowIsHookedOnce()
{
    QVERIFY(MdlMenu::IsHooked(m_owner.get()));
    QVERIFY(!MdlMenu::HookMenuWindow(m_owner.get()));
    showMain({0, 0});
    QCoreApplication::sendEvent(m_owner.get(), new MdlMenu::MenuCommandEvent(102));
    QCOMPARE(m_calls, QStringList("help"));
    QWidget stranger;
    QCoreApplication::sendEvent(&stranger, new MdlMenu::MenuCommandEvent(102));
    QCOMPARE(m_calls, QStringList("help"));
}

void TestPopupMenu::drawsInTheSkinColours_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("icon column") << "设置" << false << QPoint(2, 12) << QColor(245, 246, 245);
    QTest::newRow("text area") << "设置" << false << QPoint(120, 2) << QColor(255, 255, 255);
    QTest::newRow("highlight fill") << "设置" << true << QPoint(120, 12) << QColor(41, 140, 211);
    QTest::newRow("highlight frame") << "设置" << true << QPoint(0, 0) << QColor(41, 140, 211);
    QTest::newRow("separator line") << "" << false << QPoint(60, 2) << QColor(182, 195, 204);
    QTest::newRow("separator column") << "" << false << QPoint(10, 2) << QColor(245, 246, 245);
    QTest::newRow("highlighted separator draws nothing") << "" << true << QPoint(60, 2) << QColor(1, 2, 3);
}

void TestPopupMenu::drawsInTheSkinColours()
{
    QFETCH(QString, caption);
    QFETCH(bool, highlighted);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    clsTopMenu item;
    item.InitMenu(100, caption, 131, caption.isEmpty() ? 5 : 24, QPixmap());
    QImage image(131, item.Height(), QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    QPainter painter(&image);
    item.DrawMenu(painter, image.rect(), highlighted, MdlMenu::Colors(), QPixmap());
    painter.end();
    QCOMPARE(image.pixelColor(pixel), colour);
}

QTEST_MAIN(TestPopupMenu)
#include "TestPopupMenu.moc"
