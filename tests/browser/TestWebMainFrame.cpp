// The game browser's window in this process, with real web views: its tabs, their
// captions, its topic, its tool bar and its dragging.
#include "browser/CorvaneApp.h"
#include "browser/WebMainFrm.h"
#include "browser/WebURL.h"
#include "controls/iButton.h"
#include "ipc/LocalTopic.h"
#include "site/SiteCatalogue.h"
#include "site/SitePaths.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/uTab.h"
#include "tests/browser/CorvaneTestSupport.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/WebClicks.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

namespace {

void WriteFile(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(text.toUtf8()) > 0);
}

} // namespace

class TestWebMainFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabsFollowTheAddresses_data();
    void tabsFollowTheAddresses();
    void captionFollowsTheTitle();
    void burstOfAddressesAllArrive();
    void secondStartHandsItsAddressOver();
    void closeButtonOfATab_data();
    void closeButtonOfATab();
    void toolBar_data();
    void toolBar();
    void clearCacheKeepsTheLogin();
    void dragging_data();
    void dragging();
    void screenshot();

private:
    WebMainFrm* startWith(const QString& address);
    QString page(const QString& name, const QString& query = QString()) const
    {
        return QUrl::fromLocalFile(m_pages.filePath(name)).toString() + query;
    }
    QPoint closeGlyph(int position) const;

    DemoSite m_site;
    QTemporaryDir m_pages;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<CorvaneApp> m_corvane;
    WebMainFrm* m_frame = nullptr;
};

void TestWebMainFrame::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    QVERIFY(m_pages.isValid());
    WriteFile(m_pages.filePath("tiny.html"), "<title>tiny</title>");
    // A page whose title changes in place once, then by following a link; and a link
    // that asks for a new window.
    WriteFile(m_pages.filePath("levels.html"),
              "<html><head><title>第一关</title></head><body>"
              "<button id=next onclick=\"document.title='第二关'\">next</button>"
              "<a id=onward href=level3.html>onward</a> <a id=popup target=_blank href=tiny.html>popup</a>"
              "</body></html>");
    WriteFile(m_pages.filePath("level3.html"), "<title>第三关</title>");
    // The window's own application exits with its last window; a test goes on.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestWebMainFrame::init()
{
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, m_site.base());
    QVERIFY(m_app->isValid());
    SetTopicInstallation(m_app->path());
    m_corvane = std::make_unique<CorvaneApp>();
}

void TestWebMainFrame::cleanup()
{
    m_corvane.reset();
    m_frame = nullptr;
    m_app.reset();
}

WebMainFrm* TestWebMainFrame::startWith(const QString& address)
{
    if (m_corvane->start({address}) != CorvaneApp::Outcome::Running)
        return nullptr;
    m_frame = m_corvane->frame();
    return QTest::qWaitForWindowExposed(m_frame) ? m_frame : nullptr;
}

void TestWebMainFrame::tabsFollowTheAddresses_data()
{
    // The first address is the command line, the others come over the topic.
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QList<int>>("tabs");
    QTest::addColumn<int>("selected");
    // Queries of one tiny page.
    QTest::newRow("start") << QStringList{""} << QList<int>{0} << 0;
    QTest::newRow("another appends and is selected") << QStringList{"", "?b"} << QList<int>{0, 1} << 1;
    QTest::newRow("the same selects its tab") << QStringList{"", "?b", "?c", "?b"} << QList<int>{0, 1, 2} << 1;
    QTest::newRow("the start address again") << QStringList{"", "?b", ""} << QList<int>{0, 1} << 0;
}

void TestWebMainFrame::tabsFollowTheAddresses()
{
    QFETCH(QStringList, addresses);
    QFETCH(QList<int>, tabs);
    QFETCH(int, selected);
    QStringList full;
    for (const QString& query : addresses)
        full << page("tiny.html", query);
    QVERIFY(startWith(full.first()));
    QCOMPARE(SendAddressesInBurst({full.mid(1)}), int(full.size()) - 1);

    const CTabItems* items = m_frame->WebuTab()->TabItems();
    QCOMPARE(items->Count(), int(tabs.size()));
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(items->FindItem(TabIndex(full[tabs[i]] + "Game")), i);
    QCOMPARE(m_frame->WebuTab()->Selected(), selected);
    // The selected page is the one on top of the container.
    auto* shown = dynamic_cast<WebURL*>(items->Item(selected)->Form());
    QVERIFY(shown && shown->isVisible());
    QVERIFY(shown->isAncestorOf(m_frame->pCnt()->childAt(m_frame->pCnt()->rect().center())));
}

void TestWebMainFrame::captionFollowsTheTitle()
{
    const QString address = page("levels.html");
    QCOMPARE(m_corvane->start({address}), CorvaneApp::Outcome::Running);
    m_frame = m_corvane->frame();
    const auto tab = m_frame->WebuTab()->TabItems()->Item(0);
    // Until the document's title arrives the tab shows its key.
    QCOMPARE(tab->Caption(), address + "Game");
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QTRY_COMPARE_WITH_TIMEOUT(tab->Caption(), QStringLiteral("第一关"), 15000);

    auto* view = static_cast<WebURL*>(tab->Form())->wb();
    // The view's border lies outside the box the page is shown in.
    QCOMPARE(QRect(view->mapTo(m_frame->pCnt(), QPoint()), view->size()),
             m_frame->pCnt()->rect().adjusted(-2, -2, 2, 2));
    QVERIFY(ClickElement(view, "#next"));
    QTRY_COMPARE_WITH_TIMEOUT(tab->Caption(), QStringLiteral("第二关"), 10000);
    QVERIFY(ClickElement(view, "#onward"));
    QTRY_COMPARE_WITH_TIMEOUT(tab->Caption(), QStringLiteral("第三关"), 10000);

    // A new window asked for by the page is a tab of its own, selected.
    QTest::qWait(300);
    view->back();
    QTRY_COMPARE_WITH_TIMEOUT(tab->Caption(), QStringLiteral("第一关"), 10000);
    QVERIFY(ClickElement(view, "#popup"));
    const CTabItems* tabs = m_frame->WebuTab()->TabItems();
    QTRY_COMPARE_WITH_TIMEOUT(tabs->Count(), 2, 10000);
    QCOMPARE(tabs->FindItem(TabIndex(page("tiny.html") + "Game")), 1);
    QCOMPARE(m_frame->WebuTab()->Selected(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(tabs->Item(1)->Caption(), QStringLiteral("tiny"), 10000);
    QCOMPARE(tab->Caption(), QStringLiteral("第一关"));
}

void TestWebMainFrame::burstOfAddressesAllArrive()
{
    QVERIFY(startWith(page("tiny.html")));
    m_frame->showMinimized();
    QTRY_VERIFY(m_frame->isMinimized());
    // Four senders at once, fifty addresses each.
    QList<QStringList> senders(4);
    for (int i = 0; i < 200; ++i)
        senders[i % 4] << page("tiny.html", QStringLiteral("?n=%1").arg(i));
    QCOMPARE(SendAddressesInBurst(senders), 200);

    const CTabItems* tabs = m_frame->WebuTab()->TabItems();
    QCOMPARE(tabs->Count(), 201);
    for (const QStringList& addresses : std::as_const(senders)) {
        // Each sender's addresses keep their order.
        int previous = 0;
        for (const QString& address : addresses) {
            const int position = tabs->FindItem(TabIndex(address + "Game"));
            QVERIFY2(position > previous, qPrintable(address));
            previous = position;
        }
    }
    QVERIFY(!m_frame->isMinimized());
}

void TestWebMainFrame::secondStartHandsItsAddressOver()
{
    QVERIFY(InstallCorvane(m_app->path()));
    QVERIFY(startWith(page("tiny.html")));
    QProcess second;
    second.start(m_app->filePath("Corvane"), {page("levels.html")});
    QVERIFY(second.waitForStarted());
    QVERIFY(WaitForEnd(second, 20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // Its address is a tab of this window, selected.
    QCOMPARE(m_frame->WebuTab()->TabItems()->FindItem(TabIndex(page("levels.html") + "Game")), 1);
    QCOMPARE(m_frame->WebuTab()->Selected(), 1);
}

QPoint TestWebMainFrame::closeGlyph(int position) const
{
    const auto tab = m_frame->WebuTab()->TabItems()->Item(position);
    const int right = m_frame->WebuTab()->TabLeftSize() + tab->Left() + tab->Width();
    return QPoint(right - 14, 13);
}

void TestWebMainFrame::closeButtonOfATab_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("closed");
    QTest::addColumn<bool>("windowStays");
    QTest::newRow("the only tab closes the window") << 1 << 0 << false;
    QTest::newRow("one of two") << 2 << 0 << true;
    QTest::newRow("the last of three") << 3 << 2 << true;
}

void TestWebMainFrame::closeButtonOfATab()
{
    QFETCH(int, tabs);
    QFETCH(int, closed);
    QFETCH(bool, windowStays);
    QVERIFY(startWith(page("tiny.html")));
    for (int i = 1; i < tabs; ++i)
        m_frame->OpenPage(page("tiny.html", QStringLiteral("?%1").arg(i)));
    uTab* strip = m_frame->WebuTab();
    // A person clicks once the pages are shown.
    for (int i = 0; i < tabs; ++i)
        QTRY_COMPARE_WITH_TIMEOUT(strip->TabItems()->Item(i)->Caption(), QStringLiteral("tiny"), 10000);
    const QString closedKey = page("tiny.html", closed ? QStringLiteral("?%1").arg(closed) : QString()) + "Game";
    QPointer<QWidget> closedPage = strip->TabItems()->Item(closed)->Form()->hwnd();

    // The real pointer comes over the tab's caption to its glyph; the strip shows each
    // before the click.
    QTest::mouseMove(strip, closeGlyph(closed) - QPoint(40, 0));
    QTRY_COMPARE(strip->HoverIndex(), closed);
    // Its tip names the page, however narrow the tab.
    QCOMPARE(strip->toolTip(), QStringLiteral("tiny"));
    QTest::mouseMove(strip, closeGlyph(closed));
    QTRY_COMPARE(strip->CloseButtonState(), 1);
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, closeGlyph(closed));
    QTRY_COMPARE(m_frame->isVisible(), windowStays);
    // Whichever way, the page goes.
    QTRY_VERIFY(closedPage.isNull());
    if (windowStays) {
        QCOMPARE(strip->TabItems()->Count(), tabs - 1);
        QCOMPARE(strip->TabItems()->FindItem(TabIndex(closedKey)), -1);
    }
}

void TestWebMainFrame::toolBar_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("path");
    QTest::newRow("home") << "Btn_Home" << "";
    QTest::newRow("customer service") << "Btn_customer" << "/kefu.htm";
    QTest::newRow("payment") << "Btn_Pay" << "/html/chongzhi.html";
}

void TestWebMainFrame::toolBar()
{
    QFETCH(QString, button);
    QFETCH(QString, path);
    QVERIFY(startWith(page("tiny.html")));
    const QRect before = m_frame->geometry();
    iButton* tool = m_frame->button("web_tool");
    QVERIFY(!m_frame->Pic_Btn()->isVisible());
    const int pagesBottom = m_frame->pCnt()->geometry().bottom();

    QTest::mouseClick(tool, Qt::LeftButton);
    QTRY_COMPARE(m_frame->height(), before.height() + 67);
    QVERIFY(m_frame->Pic_Btn()->isVisible());
    const QRect bar = m_frame->Pic_Btn()->geometry();
    QCOMPARE(bar.bottom(), m_frame->height() - 1 - 4);
    QCOMPARE(m_frame->pCnt()->geometry().bottom(), bar.top() - 1);

    QTest::mouseClick(m_frame->Pic_Btn()->findChild<iButton*>(button), Qt::LeftButton);
    QString address = m_site.base();
    address.chop(1);
    address += path;
    QCOMPARE(m_frame->WebuTab()->Selected(), m_frame->WebuTab()->TabItems()->FindItem(TabIndex(address + "Game")));
    QCOMPARE(m_frame->WebuTab()->Selected(), 1);

    QTest::mouseClick(tool, Qt::LeftButton);
    QTRY_COMPARE(m_frame->geometry(), before);
    QVERIFY(!m_frame->Pic_Btn()->isVisible());
    QCOMPARE(m_frame->pCnt()->geometry().bottom(), pagesBottom);
}

void TestWebMainFrame::clearCacheKeepsTheLogin()
{
    // A page the engine may keep for an hour, which logs in a visitor who is not yet.
    LoopbackHttpServer server([](const LoopbackHttpServer::Request& request, LoopbackHttpServer::Connection& connection) {
        const bool cachedPage = request.target.startsWith("/cached");
        const QByteArray body = cachedPage ? "<title>cached</title>" : "<title>plain</title>";
        const QByteArray login = cachedPage && request.headers.value("cookie").isEmpty()
            ? "Set-Cookie: login=demo; Max-Age=3600; Path=/\r\n"
            : "";
        connection.send(LoopbackHttpServer::Answer("Content-Type: text/html\r\nCache-Control: max-age=3600\r\n" + login, body));
    });
    QVERIFY(server.port());
    const QUrl cached(server.base() + "/cached.html");
    const QUrl plain(server.base() + "/plain.html");
    auto fetches = [&] {
        QList<QByteArray> cookies;
        for (const LoopbackHttpServer::Request& request : server.requests())
            if (request.target == "/cached.html")
                cookies << request.headers.value("cookie");
        return cookies;
    };
    QVERIFY(startWith(cached.toString()));
    auto* view = static_cast<WebURL*>(m_frame->WebuTab()->TabItems()->Item(0)->Form())->wb();
    auto visit = [&](const QUrl& url) {
        view->load(url);
        return QTest::qWaitFor([&] { return view->url() == url && !view->title().isEmpty() && view->title() != url.toString(); }, 10000);
    };
    QTRY_COMPARE_WITH_TIMEOUT(fetches().size(), 1, 10000);
    QVERIFY(visit(plain));
    QVERIFY(visit(cached));
    QCOMPARE(fetches().size(), 1);

    QTest::mouseClick(m_frame->button("web_tool"), Qt::LeftButton);
    QTest::mouseClick(m_frame->Pic_Btn()->findChild<iButton*>("Btn_Cache"), Qt::LeftButton);
    // The engine empties its cache in the background and says nothing when done.
    bool refetched = false;
    for (int round = 0; round < 20 && !refetched; ++round) {
        QVERIFY(visit(plain));
        QVERIFY(visit(cached));
        refetched = fetches().size() == 2;
    }
    QVERIFY2(refetched, "the page still came from the cache");
    // Asked for again, still logged in.
    QCOMPARE(fetches().at(1), QByteArray("login=demo"));
}

void TestWebMainFrame::dragging_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<bool>("maximised");
    QTest::newRow("strip") << "WebuTab" << false;
    QTest::newRow("strip, maximised") << "WebuTab" << true;
    QTest::newRow("title bar") << "WebBForm" << false;
    QTest::newRow("title bar, maximised") << "WebBForm" << true;
}

void TestWebMainFrame::dragging()
{
    QFETCH(QString, by);
    QFETCH(bool, maximised);
    QVERIFY(startWith(page("tiny.html")));
    if (maximised) {
        QTest::mouseClick(m_frame->button("web_minmax"), Qt::LeftButton);
        QVERIFY(m_frame->isMaximised());
        QCOMPARE(m_frame->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    }
    auto* handle = m_frame->findChild<QWidget*>(by);
    QVERIFY(handle);
    // On the strip's free area, right of the only tab; on the bar, left of its buttons.
    const QPoint at(handle->width() - 60, 16);
    const QPoint start = m_frame->pos();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
    // The real pointer moves; its motion reaches the window a moment later.
    QTest::mouseMove(handle, at + QPoint(30, 20));
    if (maximised)
        QTest::qWait(300);
    else
        QTRY_COMPARE(m_frame->pos(), start + QPoint(30, 20));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at + QPoint(30, 20));
    QCOMPARE(m_frame->pos(), maximised ? start : start + QPoint(30, 20));
}

void TestWebMainFrame::screenshot()
{
    const QString file = qEnvironmentVariable("CORVANE_SCREENSHOT");
    if (file.isEmpty())
        QSKIP("CORVANE_SCREENSHOT names the picture to write");
    const QList<SiteGame> games = SiteCatalogue().webGames();
    QVERIFY(games.size() >= 2);
    QVERIFY(startWith(SitePaths::Absolute(m_site.base(), SitePaths::WebGame(games[0]))));
    m_frame->OpenPage(SitePaths::Absolute(m_site.base(), SitePaths::WebGame(games[1])));
    QTest::mouseClick(m_frame->button("web_tool"), Qt::LeftButton);
    const CTabItems* tabs = m_frame->WebuTab()->TabItems();
    QTRY_COMPARE_WITH_TIMEOUT(tabs->Item(1)->Caption(), games[1].name, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(tabs->Item(0)->Caption(), games[0].name, 15000);
    QTest::qWait(1500);
    QVERIFY(ScreenPixels(m_frame->frameGeometry()).save(file));
}

QTEST_MAIN(TestWebMainFrame)
#include "TestWebMainFrame.moc"
