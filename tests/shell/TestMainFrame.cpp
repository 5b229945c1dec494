// The main program's window against the bundled demo site, with real web views.
#include "controls/clsTopMenu.h"
#include "controls/iButton.h"
#include "controls/MdlMenu.h"
#include "ipc/LocalTopic.h"
#include "ipc/SingleInstance.h"
#include "pages/MainGame.h"
#include "pages/MainMe.h"
#include "shell/CornerPopupTimer.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "tests/support/TestMovie.h"
#include "pages/FlashGame.h"
#include "pages/ShockwaveFlash.h"
#include "store/GameFileName.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/uTab.h"
#include "tests/support/AppFolder.h"
#include "tests/support/FilledImage.h"
#include "tests/support/RealPrograms.h"
#include "web/SitePage.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWebEngineView>
#include <QWindow>

#include <optional>

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void opensWithBothFixedTabs();
    void emptyCatalogueLeadsToTheFinder();
    void gridFollowsTheCatalogue_data();
    void gridFollowsTheCatalogue();
    void nameWithSpacesFindsItsThumbnail();
    void favouritesFilter();
    void deleteRemovesEveryRowOfTheName();
    void gameMenuDispatchesToTheSelectedGame();
    void closeButtonFollowsTheSetting_data();
    void closeButtonFollowsTheSetting();
    void advertisementArmsTheCornerPopup();
    void trayMenuStaysOpenAfterTheRightClick();
    void desktopCloseRequestQuits();
    void spacePageLoginRequestIsCancelled();
    void secondStartRestoresTheFirst();
    void terminationQuitsLikeTheMenu();
    void flashGamePlaysInItsTab();
    void streamedGamePlaysFromTheSiteWithTheKeys();
    void screenshots();

private:
    void addGames(int count, const QString& prefix = QStringLiteral("游戏"));
    QPoint tileCentre(int position) const;
    void saveScreen(const QString& name);

    void startFrame();

    DemoSite m_site;
    QString m_siteBase;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<TavolinApp> m_tavolin;
    MainFrm* m_frame = nullptr;
};

void TestMainFrame::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    m_siteBase = m_site.base();
}

void TestMainFrame::cleanupTestCase()
{
}

void TestMainFrame::init()
{
    // A fresh application folder with the built skin.
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, m_siteBase);
    QVERIFY(m_app->isValid());
    SetTopicInstallation(m_app->path());
    startFrame();
}

void TestMainFrame::startFrame()
{
    m_tavolin.reset();
    m_tavolin = std::make_unique<TavolinApp>();
    m_frame = m_tavolin->frame();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestMainFrame::cleanup()
{
    if (QWidget* popup = MdlMenu::CurrentPopup())
        popup->close();
    m_tavolin.reset();
    m_frame = nullptr;
    m_app.reset();
}

void TestMainFrame::addGames(int count, const QString& prefix)
{
    for (int i = 0; i < count; ++i)
        QVERIFY(Catalogue::AddSavedFlashGame(QStringLiteral("%1 %2").arg(prefix).arg(i), "", m_siteBase));
    m_frame->myBox()->LoadGameList(Catalogue::GameList::OnLoad);
}

QPoint TestMainFrame::tileCentre(int position) const
{
    return MyBoxGrid::TilePictureRect(position).center();
}

void TestMainFrame::saveScreen(const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    // What was just shown gets painted first.
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name));
}

void TestMainFrame::opensWithBothFixedTabs()
{
    uTab* strip = m_frame->strip();
    QCOMPARE(m_frame->size(), QSize(801, 589));
    QCOMPARE(strip->geometry(), QRect(45, 8, 660, 25));
    QCOMPARE(strip->hContainerWnd()->geometry(), QRect(4, 34, 791, 550));
    QCOMPARE(strip->TabItems()->Count(), 2);
    for (int i : {0, 1}) {
        QVERIFY(strip->TabItems()->Item(i)->HideButton());
        QVERIFY(strip->TabItems()->Item(i)->LockSize());
    }
    // The heads start at the strip's left edge, x 45 of the frame: the first one's grip
    // ends at x 14 of the strip.
    QCOMPARE(strip->HitTest(16, 12).index, 0);
    QCOMPARE(strip->TabItems()->Item(0)->Caption(), QStringLiteral("我的盒子"));
    QCOMPARE(strip->TabItems()->Item(1)->Caption(), QStringLiteral("找游戏"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("mivo盒子"));
    QTRY_COMPARE_WITH_TIMEOUT(m_frame->finder()->view()->url().path(), QStringLiteral("//tavolin/html/topleft/0.html"),
                              15000);
}

void TestMainFrame::emptyCatalogueLeadsToTheFinder()
{
    const MyBoxGrid& grid = m_frame->myBox()->grid();
    QCOMPARE(grid.entryCount(), 1);
    QCOMPARE(grid.pageCount(), 1);
    QVERIFY(grid.isMoreGames(0));
    QCOMPARE(m_frame->strip()->Selected(), 0);
    QTest::mouseClick(m_frame->myBox(), Qt::LeftButton, Qt::NoModifier, tileCentre(0));
    QCOMPARE(m_frame->strip()->Selected(), 1);
    QVERIFY(m_frame->finder()->isVisible());
}

void TestMainFrame::gridFollowsTheCatalogue_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("tiles");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("moreGames");
    QTest::newRow("19") << 19 << 20 << 1 << true;
    QTest::newRow("20") << 20 << 20 << 1 << false;
    QTest::newRow("21") << 21 << 21 << 2 << false;
}

void TestMainFrame::gridFollowsTheCatalogue()
{
    QFETCH(int, games);
    QFETCH(int, tiles);
    QFETCH(int, pages);
    QFETCH(bool, moreGames);
    addGames(games);
    const MyBoxGrid& grid = m_frame->myBox()->grid();
    QCOMPARE(grid.entryCount(), tiles);
    QCOMPARE(grid.pageCount(), pages);
    QCOMPARE(grid.isMoreGames(tiles - 1), moreGames);
    QCOMPARE(grid.entries().first(), QStringLiteral("游戏 %1").arg(games - 1)); // newest first
    if (pages == 2) {
        QTest::mouseClick(m_frame->myBox(), Qt::LeftButton, Qt::NoModifier, MyBoxGrid::PageButtonRect(1).center());
        QCOMPARE(grid.currentPage(), 1);
        QCOMPARE(grid.tilesOnCurrentPage(), 1);
    }
}

void TestMainFrame::nameWithSpacesFindsItsThumbnail()
{
    QVERIFY(FilledImage({120, 90}, QColor(220, 30, 30)).save(m_app->filePath("Jpgs/FireBoy2.jpg"), "JPG", 100));
    QVERIFY(Catalogue::AddSavedFlashGame("Fire Boy 2", "", ""));
    m_frame->myBox()->LoadGameList(Catalogue::GameList::OnLoad);
    QCOMPARE(m_frame->myBox()->grid().entries().first(), QStringLiteral("Fire Boy 2"));
    const QImage page = m_frame->myBox()->grab().toImage();
    const QColor middle = page.pixelColor(tileCentre(0));
    QVERIFY2(middle.red() > 180 && middle.green() < 80, qPrintable(middle.name()));
}

void TestMainFrame::favouritesFilter()
{
    addGames(3);
    MainMe* box = m_frame->myBox();
    box->setSelectedGame(QStringLiteral("游戏 1"));
    box->FavoriteRun();
    QCOMPARE(box->grid().entries(), QStringList({"游戏 1", "更多游戏"}));
    QTest::mouseClick(box->allGamesButton(), Qt::LeftButton);
    QTRY_COMPARE(box->grid().entryCount(), 4);
    QVERIFY(box->allGamesButton()->Locked());
    QVERIFY(!box->favouritesButton()->Locked());
    QTest::mouseClick(box->favouritesButton(), Qt::LeftButton);
    QTRY_COMPARE(box->grid().entries(), QStringList({"游戏 1", "更多游戏"}));
    QVERIFY(box->favouritesButton()->Locked());
    box->FavoriteDel();
    QCOMPARE(box->grid().entries(), QStringList("更多游戏"));
}

void TestMainFrame::deleteRemovesEveryRowOfTheName()
{
    addGames(2);
    QVERIFY(Catalogue::AddWebGame(QStringLiteral("游戏 0"), "http://127.0.0.1:1/", ""));
    MainMe* box = m_frame->myBox();
    box->setSelectedGame(QStringLiteral("游戏 0"));
    box->Image_Del();
    QVERIFY(Catalogue::FindGame(QStringLiteral("游戏 0")).isEmpty());
    QCOMPARE(box->grid().entries(), QStringList({"游戏 1", "更多游戏"}));
}

void TestMainFrame::gameMenuDispatchesToTheSelectedGame()
{
    addGames(2);
    MainMe* box = m_frame->myBox();
    QTest::mouseClick(box, Qt::RightButton, Qt::NoModifier, tileCentre(1));
    QCOMPARE(box->selectedGame(), QStringLiteral("游戏 0"));
    QTRY_VERIFY(MdlMenu::CurrentPopup());
    QCOMPARE(MdlMenu::MenuItems().size(), 7);
    // A menu command reaches the page as an event.
    QCoreApplication::postEvent(box, new MdlMenu::MenuCommandEvent(MdlMenu::MenuIdOf(QStringLiteral("收藏游戏"))));
    QTRY_COMPARE(box->grid().entries(), QStringList({"游戏 0", "更多游戏"}));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::Favourites), QStringList("游戏 0"));
    // The main menu built later takes over the identifiers; it opens at the pointer.
    const QPoint pointer = m_frame->menuButton()->mapToGlobal(m_frame->menuButton()->rect().center());
    QCursor::setPos(pointer);
    QTest::mouseClick(m_frame->menuButton(), Qt::LeftButton);
    QTRY_COMPARE(MdlMenu::MenuItems().size(), 8);
    QCOMPARE(MdlMenu::CurrentPopup()->pos(), pointer);
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->cornerPopupTimer().isActive(), 15000);
    QCoreApplication::sendEvent(m_frame, new MdlMenu::MenuCommandEvent(MdlMenu::MenuIdOf(QStringLiteral("关于我们"))));
    QVERIFY(!m_frame->cornerPopupTimer().isActive());
}

void TestMainFrame::closeButtonFollowsTheSetting_data()
{
    QTest::addColumn<bool>("hides");
    QTest::addColumn<bool>("withTray");
    QTest::newRow("quit") << false << false;
    QTest::newRow("hide without a tray minimises") << true << false;
    QTest::newRow("hide to the tray") << true << true;
}

void TestMainFrame::closeButtonFollowsTheSetting()
{
    QFETCH(bool, hides);
    QFETCH(bool, withTray);
    QProcess trayHost;
    if (withTray) {
        trayHost.start(QStringLiteral("trayer"), {"--edge", "bottom", "--widthtype", "pixel", "--width", "64"});
        QVERIFY(trayHost.waitForStarted(5000));
        if (!QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000))
            QSKIP("the tray host did not come up");
        // A new icon registers with the host that is there now.
        startFrame();
    }
    QVERIFY(Catalogue::SetCloseHidesWindow(hides));
    QSignalSpy quitting(m_tavolin.get(), &TavolinApp::quitting);
    QTest::mouseClick(m_frame->closeButton(), Qt::LeftButton);
    if (!hides) {
        QCOMPARE(quitting.count(), 1);
        QTRY_VERIFY(!m_frame->isVisible());
    } else if (withTray) {
        QTRY_VERIFY(!m_frame->isVisible());
        QCOMPARE(quitting.count(), 0);
        m_tavolin->showFromTray();
        QVERIFY(m_frame->isVisible());
    } else {
        QTRY_VERIFY(m_frame->isMinimized());
        QVERIFY(m_frame->isVisible());
        QCOMPARE(quitting.count(), 0);
    }
    trayHost.terminate();
    trayHost.waitForFinished(3000);
}

void TestMainFrame::trayMenuStaysOpenAfterTheRightClick()
{
    QProcess trayHost;
    trayHost.start(QStringLiteral("trayer"), {"--edge", "bottom", "--align", "right", "--widthtype", "pixel",
                                              "--width", "64"});
    QVERIFY(trayHost.waitForStarted(5000));
    if (!QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000))
        QSKIP("the tray host did not come up");
    startFrame();
    QSystemTrayIcon* tray = m_tavolin->trayIcon();
    const auto xdotool = [](const QStringList& arguments) {
        return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
    };
    // A person's right click on the icon in a panel at the bottom right: press, release.
    // The host places the icon after it appears; a press that opens nothing is tried
    // again where the icon is then.
    QPoint icon;
    bool opened = false;
    for (int attempt = 0; attempt < 5 && !opened; ++attempt) {
        QTest::qWait(300);
        icon = tray->geometry().center();
        QVERIFY(xdotool({"mousemove", QString::number(icon.x()), QString::number(icon.y())}));
        QVERIFY(xdotool({"mousedown", "3"}));
        opened = QTest::qWaitFor([] { return MdlMenu::CurrentPopup() && MdlMenu::CurrentPopup()->isVisible(); }, 2000);
        if (!opened)
            QVERIFY(xdotool({"mouseup", "3"}));
    }
    QVERIFY2(opened, "the right button's press on the tray icon opened no menu");
    QVERIFY(xdotool({"mouseup", "3"}));
    QTest::qWait(400);
    QWidget* popup = MdlMenu::CurrentPopup();
    QVERIFY2(popup && popup->isVisible(), "the release of the opening click closed the menu");
    QVERIFY(!m_tavolin->isQuitting());
    // It opened at the pointer, on the side where it fits on the screen.
    const QRect screen = popup->screen()->availableGeometry();
    QVERIFY(screen.contains(popup->frameGeometry()));
    QVERIFY(popup->frameGeometry().adjusted(-1, -1, 1, 1).contains(icon));
    saveScreen("tray-menu.png");
    // A click on "关于我们" chooses it; the menu goes.
    const int about = MdlMenu::MenuItems().indexOf(
        *std::find_if(MdlMenu::MenuItems().begin(), MdlMenu::MenuItems().end(),
                      [](const clsTopMenu* item) { return item->Caption() == QStringLiteral("关于我们"); }));
    int top = 0;
    for (int i = 0; i < about; ++i)
        top += MdlMenu::MenuItems()[i]->Height();
    const QPoint item = popup->mapToGlobal(QPoint(60, top + 12));
    QVERIFY(xdotool({"mousemove", QString::number(item.x()), QString::number(item.y())}));
    QTest::qWait(100);
    QVERIFY(xdotool({"click", "1"}));
    QTRY_VERIFY(!MdlMenu::CurrentPopup());
    QVERIFY(!m_tavolin->isQuitting());
    trayHost.terminate();
    trayHost.waitForFinished(3000);
}

void TestMainFrame::desktopCloseRequestQuits()
{
    // Even set to hide, a close request from the desktop ends the program.
    QVERIFY(Catalogue::SetCloseHidesWindow(true));
    QSignalSpy quitting(m_tavolin.get(), &TavolinApp::quitting);
    m_frame->windowHandle()->close();
    QCOMPARE(quitting.count(), 1);
    QVERIFY(!m_frame->isVisible());
}

void TestMainFrame::advertisementArmsTheCornerPopup()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->cornerPopupTimer().isActive(), 15000);
    QCOMPARE(m_frame->cornerPopupTimer().interval(), 5000);
    QSignalSpy due(&m_frame->cornerPopupTimer(), &CornerPopupTimer::due);
    QVERIFY(due.wait(6000));
    QVERIFY(m_frame->cornerPopup());
    // A missing advertisement page carries the page-not-found text: no pop-up then.
    QSignalSpy loaded(m_frame->advertisementPane(), &QWebEngineView::loadFinished);
    m_frame->advertisementPane()->load(QUrl(m_siteBase + "tavolin/html/ad/missing.html"));
    QVERIFY(loaded.wait(15000));
    QTest::qWait(300);
    QVERIFY(!m_frame->cornerPopupTimer().isActive());

    // Switched off by the About command, a later load of the real page does not arm it.
    QTest::mouseClick(m_frame->menuButton(), Qt::LeftButton);
    QTRY_VERIFY(MdlMenu::CurrentPopup());
    QCoreApplication::sendEvent(m_frame, new MdlMenu::MenuCommandEvent(MdlMenu::MenuIdOf(QStringLiteral("关于我们"))));
    m_frame->advertisementPane()->load(QUrl(m_siteBase + "tavolin/html/ad/adright.html"));
    QVERIFY(loaded.wait(15000));
    QTest::qWait(300);
    QVERIFY(!m_frame->cornerPopupTimer().isActive());
}

void TestMainFrame::spacePageLoginRequestIsCancelled()
{
    MainMe* box = m_frame->myBox();
    QSignalSpy requests(box, &MainMe::elementTypeRequested);
    QWebEngineView* view = box->spaceView();
    QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!view->page()->isLoading() && view->url().path().endsWith("space1.php"), 15000);
    const auto findLink = [&]() -> QVariantList {
        // The answer may come after the wait; it must not outlive what it writes to.
        auto answer = std::make_shared<std::optional<QVariant>>();
        view->page()->runJavaScript("(function(){var a=document.querySelector('a[type=\\\"8\\\"]');if(!a)return null;"
                                    "var r=a.getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()",
                                    [answer](const QVariant& v) { *answer = v; });
        return QTest::qWaitFor([&] { return answer->has_value(); }, 5000) ? answer->value().toList() : QVariantList();
    };
    QVariantList centre;
    QTRY_VERIFY_WITH_TIMEOUT((centre = findLink()).size() == 2, 15000);
    const QPoint at(centre[0].toInt(), centre[1].toInt());
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, Qt::NoModifier, at);
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, 10000);
    QCOMPARE(requests[0][0].toInt(), 8);
}

void TestMainFrame::secondStartRestoresTheFirst()
{
    // The installed program answers for its own folder.
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    SingleInstance first;
    QCOMPARE(first.claim({}), SingleInstance::Outcome::First);
    connect(&first, &SingleInstance::commandReceived, m_tavolin.get(), &TavolinApp::executeCommand);
    m_frame->showMinimized();
    QTRY_VERIFY(m_frame->isMinimized());

    // The real program, started again from the same installation, hands over and ends.
    QProcess second;
    StartTavolin(second, m_siteBase);
    QVERIFY(second.waitForStarted(10000));
    QVERIFY2(WaitForEnd(second), "the second start did not hand over and end");
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(!m_frame->isMinimized());
    QVERIFY(m_frame->isVisible());
}

void TestMainFrame::terminationQuitsLikeTheMenu()
{
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    QProcess program;
    StartTavolin(program, m_siteBase);
    QVERIFY(program.waitForStarted(10000));
    const bool serving = QTest::qWaitFor([] { return TopicIsServed(QStringLiteral("Tavolin|FormTavolin")); }, 20000);
    program.terminate();
    const bool ended = WaitForEnd(program);
    QVERIFY(serving);
    QVERIFY2(ended, "the program did not end on SIGTERM");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!TopicIsServed(QStringLiteral("Tavolin|FormTavolin")));
}

void TestMainFrame::flashGamePlaysInItsTab()
{
    // A square movie stored for a catalogued game.
    const QString name = QStringLiteral("云朵 飞行");
    const QColor sky(120, 190, 240);
    QFile movie(m_app->filePath("Games/" + GameFileName(name) + ".swf"));
    QVERIFY(movie.open(QIODevice::WriteOnly) && movie.write(AnimatedTestMovie(QSize(300, 300), sky)) > 0);
    movie.close();
    QVERIFY(Catalogue::AddSavedFlashGame(name, QStringLiteral("用方向键移动。"), m_siteBase));
    m_frame->myBox()->LoadGameList(Catalogue::GameList::OnLoad);
    QSignalSpy refusals(m_frame->myBox(), &MainMe::refused);

    // One click on its tile opens a player tab, selected.
    QTest::mouseClick(m_frame->myBox(), Qt::LeftButton, Qt::NoModifier, tileCentre(0));
    CTabItems* tabs = m_frame->strip()->TabItems();
    QCOMPARE(tabs->Count(), 3);
    QCOMPARE(tabs->Item(2)->Caption(), name);
    QCOMPARE(m_frame->strip()->Selected(), 2);
    auto* player = dynamic_cast<FlashGame*>(tabs->Item(2)->Form());
    QVERIFY(player);
    QSignalSpy loaded(player->player(), &ShockwaveFlash::movieLoaded);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().at(0).toString().endsWith(".swf")
                                 && !loaded.last().at(0).toString().endsWith("/2.swf"),
                             20000);
    const auto movieArea = [player] { return player->player()->view()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage first = movieArea();
    QTRY_VERIFY_WITH_TIMEOUT(movieArea() != first, 5000);
    QVERIFY(refusals.isEmpty());
    saveScreen("player-tab.png");

    // Fit: a square movie in the wide area keeps its shape, with bars at the sides.
    QTRY_COMPARE_WITH_TIMEOUT(movieArea().pixelColor(4, 10), sky, 10000);
    QTest::mouseClick(player->button("Eject_Tool_Filling"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(movieArea().pixelColor(4, 10) != sky, 5000);
    QTest::mouseClick(player->button("Eject_Tool_Filling"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(movieArea().pixelColor(4, 10), sky, 5000);

    // Replay: the shipped cue, then the stored game again.
    QSignalSpy replayed(player->player(), &ShockwaveFlash::movieLoaded);
    QTest::mouseClick(player->button("Eject_Tool_Replay"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(replayed.size() >= 2, 20000);
    QVERIFY(replayed.at(0).at(0).toString().endsWith("Games/1.swf"));
    QCOMPARE(replayed.at(1).at(0).toString(), m_app->filePath("Games/" + GameFileName(name) + ".swf"));

    // Favourite.
    QTest::mouseClick(player->button("Eject_Tool_Favorite"), Qt::LeftButton);
    QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                || player->findChild<QMessageBox*>());
    auto* notice = player->findChild<QMessageBox*>();
    QVERIFY(notice);
    QCOMPARE(notice->text(), QStringLiteral("收藏成功"));
    notice->close();
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::Favourites), QStringList(name));

    // The guide panel replaces the strip and back.
    QTest::mouseClick(player->button("Eject_Tool_Closed"), Qt::LeftButton);
    QVERIFY(player->guidePanel()->isVisible());
    saveScreen("player-guide.png");
    QTest::mouseClick(player->button("Eject_Tool_Trigger"), Qt::LeftButton);
    QVERIFY(!player->guidePanel()->isVisible());

    // Full screen from the tab, and Esc brings it back.
    QTest::mouseClick(player->button("Eject_Tool_Pop"), Qt::LeftButton);
    QTRY_VERIFY(m_frame->windowState().testFlag(Qt::WindowFullScreen));
    QTRY_COMPARE(player->size(), player->screen()->geometry().size());
    QVERIFY(player->isVisible());
    QTest::keyClick(player->player()->view()->focusProxy(), Qt::Key_Escape);
    QTRY_COMPARE(player->parentWidget(), m_frame->strip()->hContainerWnd());
    QTRY_COMPARE(m_frame->size(), QSize(801, 589));
    QCOMPARE(player->size(), QSize(791, 550));
    QVERIFY(!player->button("Eject_Tool_Pop")->Value());

    // Pop out: a free window, the tab gone; closing it leaves the tabs alone.
    QTest::mouseClick(player->button("Eject_Tool_Popping"), Qt::LeftButton);
    QTRY_VERIFY(player->isWindow() && player->isVisible());
    QCOMPARE(tabs->Count(), 2);
    QVERIFY(player->poppedOut());
    QVERIFY(player->button("Eject_Tool_Popping")->isHidden());
    QPointer<FlashGame> popped(player);
    QTest::mouseClick(player->button("web_close"), Qt::LeftButton);
    QTRY_VERIFY(!popped);
    QCOMPARE(tabs->Count(), 2);

    // Closing a player in its tab selects the finder.
    QTest::mouseClick(m_frame->myBox(), Qt::LeftButton, Qt::NoModifier, tileCentre(0));
    QCOMPARE(tabs->Count(), 3);
    auto* again = dynamic_cast<FlashGame*>(tabs->Item(2)->Form());
    QTest::mouseClick(again->button("web_close"), Qt::LeftButton);
    QTRY_COMPARE(tabs->Count(), 2);
    QCOMPARE(m_frame->strip()->Selected(), 1);
}

void TestMainFrame::streamedGamePlaysFromTheSiteWithTheKeys()
{
    // A keyboard game of the site, offered to be played from there and not stored.
    const QString name = QStringLiteral("极速赛车手");
    QVERIFY(Catalogue::AddStreamedFlashGame(name, m_siteBase + "tavolin/swf/105.swf?nosave", QString(),
                                            m_siteBase + "tavolin/html/game/105.html"));
    m_frame->myBox()->LoadGameList(Catalogue::GameList::OnLoad);
    QVERIFY(!QFile::exists(m_app->filePath("Games/" + GameFileName(name) + ".swf")));
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    QTest::mouseClick(m_frame->myBox(), Qt::LeftButton, Qt::NoModifier, tileCentre(0));
    auto* player = dynamic_cast<FlashGame*>(m_frame->strip()->TabItems()->Item(2)->Form());
    QVERIFY(player);
    QSignalSpy loaded(player->player(), &ShockwaveFlash::movieLoaded);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().at(0).toString().endsWith("105.swf?nosave"), 20000);
    const auto movieArea = [player] { return player->player()->view()->grab().toImage(); };
    const QImage first = movieArea();
    QTRY_VERIFY_WITH_TIMEOUT(movieArea() != first, 5000);
    // The keys go to the movie at once, without a click on it.
    QWebEngineView* view = player->player()->view();
    QTRY_COMPARE(QApplication::focusWidget(), view->focusProxy());
    auto active = std::make_shared<QString>();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            view->page()->runJavaScript("document.activeElement ? document.activeElement.tagName : ''",
                                        [active](const QVariant& tag) { *active = tag.toString(); });
            return *active == QLatin1String("RUFFLE-PLAYER");
        }(),
        5000);
}

void TestMainFrame::screenshots()
{
    if (qEnvironmentVariableIsEmpty("TAVOLIN_SCREENSHOT_DIR"))
        QSKIP("set TAVOLIN_SCREENSHOT_DIR to write the screenshots");
    for (int i = 0; i < 24; ++i) {
        const QString name = QStringLiteral("游戏 %1").arg(i);
        QImage thumbnail = FilledImage({120, 90}, QColor::fromHsv((i * 37) % 360, 160, 220));
        QPainter p(&thumbnail);
        p.setPen(Qt::white);
        p.setFont(QFont("WenQuanYi Micro Hei", 36));
        p.drawText(thumbnail.rect(), Qt::AlignCenter, QString::number(i));
        p.end();
        thumbnail.save(m_app->filePath("Jpgs/" + QString(name).remove(' ') + ".jpg"), "JPG", 90);
    }
    addGames(24);
    m_frame->move(0, 0);
    QTest::qWait(2500);
    QTest::mouseMove(m_frame->myBox(), tileCentre(6));
    QTest::qWait(300);
    saveScreen("mybox-hover.png");
    QTest::mouseClick(m_frame->myBox(), Qt::RightButton, Qt::NoModifier, tileCentre(6));
    QTest::qWait(300);
    saveScreen("mybox-game-menu.png");
    MdlMenu::CurrentPopup()->close();
    m_frame->strip()->SetSelected(1);
    QTest::qWait(2000);
    saveScreen("finder.png");
}

QTEST_MAIN(TestMainFrame)
#include "TestMainFrame.moc"
