// The game download page in the main window against the demo site: a person clicks
// the game page's links, the game is fetched, catalogued and played in the same tab.
#include "controls/MdlMenu.h"
#include "controls/ProgressBar.h"
#include "pages/FlashGame.h"
#include "pages/GameDownload.h"
#include "pages/GameFiles.h"
#include "pages/MainGameUrl.h"
#include "pages/MainMe.h"
#include "pages/bkDLControl.h"
#include "pages/ShockwaveFlash.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "store/Catalogue.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/uTab.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/WebClicks.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <optional>

namespace {

// A game of the demo site, as its page and its command link describe it.
struct SiteGameOnPage {
    QString name;
    int id;
};

const SiteGameOnPage SavedGame{QStringLiteral("熊猫跑酷"), 102};
const SiteGameOnPage StreamedGame{QStringLiteral("极速赛车手"), 105};

} // namespace

class TestDownloadPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void flashGameIsFetchedCataloguedAndPlayedInItsTab();
    void catalogedGamePlaysWithoutADownload();
    void siteGamesArriveAsTheirLinksSay_data();
    void siteGamesArriveAsTheirLinksSay();
    void closingBeforeAnyCommandReturnsToTheFinder();

private:
    // Opens the game's page in a download tab, as the finder does, and waits for it.
    MainGameUrl* openDownloadTab(const SiteGameOnPage& game);
    void waitForGamePage(MainGameUrl* page, int id);
    // A real click on the page's "FlashTable" link.
    void clickDownloadLink(MainGameUrl* page);
    QString pageAddress(int id) const { return m_siteBase + QStringLiteral("tavolin/html/game/%1.html").arg(id); }
    CTabItems* tabs() const { return m_frame->strip()->TabItems(); }
    void saveScreen(const QString& name);

    DemoSite m_site;
    QString m_siteBase;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<TavolinApp> m_tavolin;
    MainFrm* m_frame = nullptr;
};

void TestDownloadPage::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    m_siteBase = m_site.base();
}

void TestDownloadPage::init()
{
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, m_siteBase);
    QVERIFY(m_app->isValid());
    m_tavolin = std::make_unique<TavolinApp>();
    m_frame = m_tavolin->frame();
    m_frame->move(0, 0);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestDownloadPage::cleanup()
{
    if (QWidget* popup = MdlMenu::CurrentPopup())
        popup->close();
    m_tavolin.reset();
    m_frame = nullptr;
    m_app.reset();
}

void TestDownloadPage::saveScreen(const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        m_frame->screen()->grabWindow(0, 0, 0, m_frame->width(), m_frame->height()).save(QDir(folder).filePath(name));
}

MainGameUrl* TestDownloadPage::openDownloadTab(const SiteGameOnPage& game)
{
    auto* page = new MainGameUrl(m_tavolin->webProfile(), m_frame->myBox());
    page->GameUrl(pageAddress(game.id));
    tabs()->Add(game.name, page, game.name);
    m_frame->strip()->SetSelected(tabs()->Count() - 1);
    return page;
}

void TestDownloadPage::waitForGamePage(MainGameUrl* page, int id)
{
    QTRY_VERIFY_WITH_TIMEOUT(!page->view()->page()->isLoading()
                                 && page->view()->url().path().endsWith(QStringLiteral("/%1.html").arg(id)),
                             15000);
}

void TestDownloadPage::clickDownloadLink(MainGameUrl* page)
{
    QVERIFY(ClickElement(page->view(), "a[href^=\"javascript:CALL_API('FlashTable'\"]"));
}

void TestDownloadPage::flashGameIsFetchedCataloguedAndPlayedInItsTab()
{
    MainGameUrl* page = openDownloadTab(SavedGame);
    const int position = tabs()->Count() - 1;
    QCOMPARE(position, 2);
    QSignalSpy refusals(page, &MainGameUrl::refused);
    waitForGamePage(page, SavedGame.id);
    // The tab takes the page's title.
    QTRY_COMPARE(tabs()->Item(position)->Caption(), SavedGame.name);

    auto* panel = page->findChild<QLabel*>("PicDown");
    auto* message = page->findChild<QLabel*>("LB_GameName");
    auto* speed = page->findChild<QLabel*>("LB_Speed");
    auto* size = page->findChild<QLabel*>("LB_cbSize");
    auto* bar = page->findChild<ProgressBar*>("ProgressBar1");
    QVERIFY(panel && message && speed && size && bar);
    QVERIFY(!panel->isVisible());
    QCOMPARE(size->text(), QStringLiteral(" - -"));
    // What the panel shows after each report of the game file's transfer.
    QStringList shown;
    connect(&page->job(), &DownloadJob::progress, this,
            [&] { shown << speed->text() + QLatin1Char('|') + size->text() + QLatin1Char('|') + bar->Text(); });
    QSignalSpy stages(&page->job(), &DownloadJob::stageChanged);
    QPointer<MainGameUrl> watched(page);

    clickDownloadLink(page);
    QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 10000);
    QCOMPARE(message->text(), QStringLiteral("您正在下载“熊猫跑酷”游戏，请耐心等待..."));
    // The thumbnail comes first, then a second's wait before the game file.
    QTRY_COMPARE_WITH_TIMEOUT(page->job().stage(), DownloadJob::Stage::Waiting, 10000);
    QVERIFY(page->job().movieTimer().isActive());
    QVERIFY(shown.isEmpty());
    // Paused in the wait, the game file does not start until the user goes on.
    auto* stop = page->findChild<QLabel*>("LB_Stop");
    QCOMPARE(stop->text(), QStringLiteral("暂停下载"));
    QCOMPARE(stop->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(stop->font().underline());
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QStringLiteral("开始下载"));
    QTest::qWait(DownloadJob::MovieDelayMs + 500);
    QCOMPARE(page->job().stage(), DownloadJob::Stage::Waiting);
    saveScreen("download-page.png");
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QStringLiteral("暂停下载"));

    // The page gives its tab to the player, which plays the stored movie.
    QTRY_VERIFY_WITH_TIMEOUT(!watched, 15000);
    auto* player = dynamic_cast<FlashGame*>(tabs()->Item(position)->Form());
    QVERIFY(player);
    QCOMPARE(tabs()->Count(), 3);
    QCOMPARE(m_frame->strip()->Selected(), position);
    QVERIFY2(refusals.isEmpty(), refusals.isEmpty() ? "" : qPrintable(refusals[0][0].toString()));
    QCOMPARE(stages.size(), 4); // thumbnail, wait, game file, finished
    const QString movie = MovieFile(Settings().UserPath, SavedGame.name);
    QVERIFY(QFileInfo::exists(movie));
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last().section('|', 1, 1), FormatSize(QFileInfo(movie).size()));
    QCOMPARE(shown.last().section('|', 2, 2), QStringLiteral("100%"));
    QSignalSpy loaded(player->player(), &ShockwaveFlash::movieLoaded);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().at(0).toString() == movie, 20000);

    // The row the design's saved-game insert writes.
    const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(SavedGame.name);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].type, 1);
    QCOMPARE(rows[0].playAddress, QString());
    QCOMPARE(rows[0].pageAddress, pageAddress(SavedGame.id));
    QVERIFY(rows[0].introduction.contains(QStringLiteral("跳跃")));
    // My box shows its tile with the fetched thumbnail.
    MainMe* box = m_frame->myBox();
    QCOMPARE(box->grid().entries().first(), SavedGame.name);
    QVERIFY(QFileInfo::exists(ThumbnailFile(Settings().UserPath, SavedGame.name)));
    QVERIFY(QDir(ThumbnailFolder(Settings().UserPath)).entryList(QDir::Files).size() == 1);
    const QImage grid = box->grab().toImage();
    const QColor tile = grid.pixelColor(MyBoxGrid::TilePictureRect(0).center());
    const QColor empty = grid.pixelColor(MyBoxGrid::TilePictureRect(1).center());
    QVERIFY2(tile != empty, qPrintable(tile.name()));
}

void TestDownloadPage::catalogedGamePlaysWithoutADownload()
{
    // Catalogued as played from the site; My box's game menu opens its page.
    const QString movie = m_siteBase + QStringLiteral("tavolin/swf/%1.swf").arg(StreamedGame.id);
    QVERIFY(Catalogue::AddStreamedFlashGame(StreamedGame.name, movie, QString(), pageAddress(StreamedGame.id)));
    MainMe* box = m_frame->myBox();
    box->LoadGameList(Catalogue::GameList::OnLoad);
    QTest::mouseClick(box, Qt::RightButton, Qt::NoModifier, MyBoxGrid::TilePictureRect(0).center());
    QTRY_VERIFY(MdlMenu::CurrentPopup());
    QCoreApplication::postEvent(box, new MdlMenu::MenuCommandEvent(MdlMenu::MenuIdOf(QStringLiteral("游戏介绍"))));
    QTRY_COMPARE(tabs()->Count(), 3);
    QCOMPARE(m_frame->strip()->Selected(), 2);
    auto* page = dynamic_cast<MainGameUrl*>(tabs()->Item(2)->Form());
    QVERIFY(page);
    QCOMPARE(page->URL(), pageAddress(StreamedGame.id));
    waitForGamePage(page, StreamedGame.id);
    // Asked again, My box selects the open tab.
    m_frame->strip()->SetSelected(0);
    box->GameRunWebUrl();
    QCOMPARE(tabs()->Count(), 3);
    QCOMPARE(m_frame->strip()->Selected(), 2);

    QSignalSpy stages(&page->job(), &DownloadJob::stageChanged);
    QPointer<MainGameUrl> watched(page);
    clickDownloadLink(page);
    QTRY_VERIFY_WITH_TIMEOUT(!watched, 15000);
    QVERIFY(stages.isEmpty());
    auto* player = dynamic_cast<FlashGame*>(tabs()->Item(2)->Form());
    QVERIFY(player);
    QSignalSpy loaded(player->player(), &ShockwaveFlash::movieLoaded);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().at(0).toString() == movie, 20000);
    QCOMPARE(Catalogue::FindGame(StreamedGame.name).size(), 1);
    QVERIFY(QDir(ThumbnailFolder(Settings().UserPath)).entryList(QDir::Files).isEmpty());
    QCOMPARE(QDir(MovieFolder(Settings().AppPath)).entryList({"*.swf"}, QDir::Files), QStringList({"1.swf", "2.swf"}));
}

void TestDownloadPage::siteGamesArriveAsTheirLinksSay_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name"); // as the launcher records it
    QTest::addColumn<QString>("outcome"); // "saved", "streamed", or the failure's text
    QTest::newRow("played from the site") << 105 << QStringLiteral("极速赛车手") << QStringLiteral("streamed");
    QTest::newRow("apostrophe, blanks, full addresses") << 137 << QStringLiteral("Toms 小熊 探险") << QStringLiteral("saved");
    QTest::newRow("files behind redirects") << 140 << QStringLiteral("传送门兔子") << QStringLiteral("saved");
    QTest::newRow("movie missing") << 138 << QStringLiteral("消失的企鹅") << bkDLControl::ErrorText(bkDLControl::NotDownloadable);
    QTest::newRow("movie cut off") << 139 << QStringLiteral("断线风筝") << bkDLControl::ErrorText(bkDLControl::NoBytes);
}

void TestDownloadPage::siteGamesArriveAsTheirLinksSay()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(QString, outcome);
    MainGameUrl* page = openDownloadTab({name, id});
    waitForGamePage(page, id);
    QPointer<MainGameUrl> watched(page);
    clickDownloadLink(page);
    const QString appFolder = Settings().AppPath;
    const QStringList shippedMovies{"1.swf", "2.swf"};

    if (outcome == QLatin1String("saved") || outcome == QLatin1String("streamed")) {
        QTRY_VERIFY_WITH_TIMEOUT(!watched, 20000);
        QVERIFY(dynamic_cast<FlashGame*>(tabs()->Item(2)->Form()));
        const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(name);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].type, 1);
        QCOMPARE(rows[0].pageAddress, pageAddress(id));
        QVERIFY(QFileInfo::exists(ThumbnailFile(appFolder, name)));
        QCOMPARE(m_frame->myBox()->grid().entries().first(), name);
        if (outcome == QLatin1String("saved")) {
            QCOMPARE(rows[0].playAddress, QString());
            QVERIFY(QFileInfo(MovieFile(appFolder, name)).size() > 0);
        } else {
            QCOMPARE(rows[0].playAddress, m_siteBase + QStringLiteral("tavolin/swf/%1.swf").arg(id));
            QCOMPARE(QDir(MovieFolder(appFolder)).entryList({"*.swf"}, QDir::Files), shippedMovies);
        }
        return;
    }
    // A failed transfer is told in the panel, catalogues nothing and leaves no movie.
    auto* message = page->findChild<QLabel*>("LB_GameName");
    QTRY_VERIFY_WITH_TIMEOUT(message->text().contains(outcome), 20000);
    QCOMPARE(page->job().stage(), DownloadJob::Stage::Failed);
    QVERIFY(Catalogue::FindGame(name).isEmpty());
    QCOMPARE(QDir(MovieFolder(appFolder)).entryList(QDir::Files), shippedMovies);
    // The user deletes the download: the tab goes and nothing is left behind.
    QTest::mouseClick(page->findChild<QLabel*>("LBDel"), Qt::LeftButton);
    QTRY_VERIFY(!watched);
    QCOMPARE(tabs()->Count(), 2);
    QCOMPARE(QDir(ThumbnailFolder(appFolder)).entryList(QDir::Files), QStringList());
}

void TestDownloadPage::closingBeforeAnyCommandReturnsToTheFinder()
{
    MainGameUrl* page = openDownloadTab(SavedGame);
    waitForGamePage(page, SavedGame.id);
    QCOMPARE(m_frame->strip()->Selected(), 2);
    QVERIFY(tabs()->Remove(TabIndex(2), true));
    QCOMPARE(m_frame->strip()->Selected(), 1);
}

QTEST_MAIN(TestDownloadPage)
#include "TestDownloadPage.moc"
