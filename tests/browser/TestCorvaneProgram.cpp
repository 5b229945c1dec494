// The real game browser program, watched from outside through the X server: its
// refusal to start on its own, and its life with the main program, which runs here.
#include "controls/ProgramFont.h"
#include "ipc/CorvaneLink.h"
#include "ipc/LocalTopic.h"
#include "pages/MainMe.h"
#include "pages/MyBoxGrid.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "site/SiteCatalogue.h"
#include "site/SitePaths.h"
#include "store/Catalogue.h"
#include "tabs/CTabItems.h"
#include "tabs/ITabForm.h"
#include "tabs/uTab.h"
#include "tests/browser/CorvaneTestSupport.h"
#include "tests/support/AppFolder.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/RealPrograms.h"
#include "web/ProfileCookies.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

namespace {

const QString WindowCaption = QStringLiteral("mivo盒子-网页游戏");

// Gone, or a zombie nobody has reaped yet.
bool ProcessEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) == "Z";
}

QStringList CommandLine(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    for (const QByteArray& argument : file.readAll().split('\0'))
        if (!argument.isEmpty())
            arguments << QString::fromLocal8Bit(argument);
    return arguments;
}

// The one visible window of a process, once it has exactly one.
QString OnlyWindow(qint64 pid, int timeoutMs = 20000)
{
    QStringList windows;
    (void)QTest::qWaitFor([&] { return (windows = VisibleWindows(pid)).size() == 1; }, timeoutMs);
    return windows.size() == 1 ? windows.first() : QString();
}

class BlankPage : public QWidget, public ITabForm {
public:
    QWidget* hwnd() override { return this; }
};

// The strip's tab area: right of its left margin, where the program's logo sits.
QRect TabArea(int width)
{
    return QRect(40, 0, width - 40, 32);
}

// What the game browser's strip of `width` shows with these captions, the last selected,
// drawn here by the same strip from the same skin.
QImage ExpectedStrip(int width, const QStringList& captions)
{
    uTab strip(TabSkinFormat::ColourKeyedBmp);
    QWidget container;
    strip.SetTabStyle(1);
    strip.SethContainerWnd(&container);
    strip.resize(width, 32);
    for (const QString& caption : captions)
        strip.TabItems()->Add(caption, new BlankPage);
    strip.LockReDraw(false);
    strip.SetSelected(int(captions.size()) - 1);
    return strip.Frame().convertToFormat(QImage::Format_RGB32).copy(TabArea(width));
}

} // namespace

class TestCorvaneProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startedAloneItRefuses_data();
    void startedAloneItRefuses();
    void webGamesFromMyBox();
    void siteLoginReachesTheGameBrowser();

private:
    DemoSite m_site;
};

void TestCorvaneProgram::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    // The game browser draws its strip in this font; the expected pictures must too.
    UseProgramFont();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestCorvaneProgram::startedAloneItRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command line") << QStringList();
    QTest::newRow("a blank command line") << QStringList{"  ", ""};
}

void TestCorvaneProgram::startedAloneItRefuses()
{
    QFETCH(QStringList, arguments);
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    QProcess corvane;
    corvane.start(QStringLiteral(TAVOLIN_APP_DIR "/Corvane"), arguments);
    QVERIFY(corvane.waitForStarted());
    const qint64 pid = corvane.processId();

    // The refusal is all it shows: one message box, and the browser is not serving.
    const QString box = OnlyWindow(pid);
    QVERIFY(!box.isEmpty());
    QCOMPARE(WindowName(box), QStringLiteral("Corvane"));
    QVERIFY(WindowGeometry(box).width() < 600);
    QTest::qWait(500);
    QCOMPARE(VisibleWindows(pid), QStringList(box));
    QVERIFY(!TopicIsServed(QString::fromLatin1(GameBrowserTopic)));

    // A person dismisses it with Enter; then the program is gone.
    Xdotool({"windowfocus", "--sync", box});
    Xdotool({"key", "--clearmodifiers", "Return"});
    QVERIFY(WaitForEnd(corvane, 10000));
    QCOMPARE(corvane.exitStatus(), QProcess::NormalExit);
    QCOMPARE(corvane.exitCode(), 1);
}

void TestCorvaneProgram::webGamesFromMyBox()
{
    TemporaryAppFolder app(TemporaryAppFolder::Skin::Built, m_site.base());
    QVERIFY(app.isValid());
    QVERIFY(InstallCorvane(app.path()));
    SetTopicInstallation(app.path());
    const QList<SiteGame> games = SiteCatalogue().webGames();
    QVERIFY(games.size() >= 2);
    QStringList addresses;
    for (int i = 0; i < 2; ++i) {
        addresses << SitePaths::Absolute(m_site.base(), SitePaths::WebGame(games[i]));
        QVERIFY(Catalogue::AddWebGame(games[i].name, addresses[i], QString()));
    }
    TavolinApp tavolin;
    tavolin.frame()->show();
    QVERIFY(QTest::qWaitForWindowExposed(tavolin.frame()));
    MainMe* box = tavolin.frame()->myBox();
    box->LoadGameList(Catalogue::GameList::OnLoad);
    // Nothing of the pointer's on the game browser's strip.
    QCursor::setPos(0, QGuiApplication::primaryScreen()->geometry().bottom());
    auto run = [&](int game) {
        const int tile = box->grid().entries().indexOf(games[game].name);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, MyBoxGrid::TilePictureRect(tile).center());
    };

    run(0);
    QCOMPARE(tavolin.gameBrowser().startedProcesses().size(), 1);
    const qint64 pid = tavolin.gameBrowser().startedProcesses().first();
    auto ending = qScopeGuard([pid] {
        if (!ProcessEnded(pid))
            ::kill(pid_t(pid), SIGKILL);
    });
    QCOMPARE(CommandLine(pid), QStringList({app.filePath("Corvane"), addresses[0]}));
    const QString window = OnlyWindow(pid);
    QVERIFY(!window.isEmpty());
    QCOMPARE(WindowName(window), WindowCaption);
    const QRect frame = WindowGeometry(window);
    // The strip lies in the title area, 7 pixels in, 3 down, 133 narrower than the window.
    const QRect strip(frame.x() + 7, frame.y() + 3, frame.width() - 133, 32);
    auto stripShows = [&](const QStringList& captions) {
        const QImage expected = ExpectedStrip(strip.width(), captions);
        QImage shown;
        const bool same = QTest::qWaitFor(
            [&] { return (shown = ScreenPixels(strip).copy(TabArea(strip.width()))) == expected; }, 20000);
        if (!same) {
            shown.save(QDir::temp().filePath("corvane-strip-shown.png"));
            expected.save(QDir::temp().filePath("corvane-strip-expected.png"));
        }
        return same;
    };
    // The tab the game opened carries the game page's title.
    QVERIFY(stripShows({games[0].name}));

    run(1);
    QVERIFY(stripShows({games[0].name, games[1].name}));
    QCOMPARE(tavolin.gameBrowser().startedProcesses().size(), 1);
    QCOMPARE(VisibleWindows(pid), QStringList(window));

    tavolin.quit();
    QVERIFY(QTest::qWaitFor([pid] { return ProcessEnded(pid); }, 15000));
}

void TestCorvaneProgram::siteLoginReachesTheGameBrowser()
{
    TemporaryAppFolder app(TemporaryAppFolder::Skin::Built, m_site.base());
    QVERIFY(app.isValid());
    QVERIFY(InstallCorvane(app.path()));
    SetTopicInstallation(app.path());
    qputenv("TAVOLIN_SITE_BASE", m_site.base().toUtf8());
    auto siteBase = qScopeGuard([] { qunsetenv("TAVOLIN_SITE_BASE"); });
    // A page on the site's host, another port: cookies go by host, so it sees each
    // request's Cookie header as the site would.
    LoopbackHttpServer recorder([](const LoopbackHttpServer::Request&, LoopbackHttpServer::Connection& connection) {
        connection.send(LoopbackHttpServer::Answer("Content-Type: text/html\r\nCache-Control: no-store\r\n",
                                                   "<!doctype html><title>recorded</title>"));
    });
    QVERIFY(recorder.port());
    // The Cookie header of each request for the game, in order; "" for none.
    const auto gameCookies = [&] {
        QList<QByteArray> cookies;
        for (const LoopbackHttpServer::Request& request : recorder.requests()) {
            if (request.target == "/game")
                cookies << request.headers.value("cookie");
        }
        return cookies;
    };

    TavolinApp tavolin;
    QWebEngineView login;
    login.setPage(new QWebEnginePage(tavolin.webProfile(), &login));
    QSignalSpy loaded(&login, &QWebEngineView::loadFinished);
    login.load(QUrl(m_site.base() + QStringLiteral("my/login.php?username=demo&password=demo123")));
    QVERIFY(loaded.wait(20000) && loaded.first().first().toBool());
    QByteArray session;
    QTRY_VERIFY_WITH_TIMEOUT([&] {
        for (const QNetworkCookie& cookie : ProfileCookies::Of(tavolin.webProfile())->cookies())
            if (cookie.name() == "mivo_session")
                session = cookie.value();
        return !session.isEmpty();
    }(), 10000);

    tavolin.gameBrowser().open(recorder.base() + QStringLiteral("/game"));
    QCOMPARE(tavolin.gameBrowser().startedProcesses().size(), 1);
    const qint64 pid = tavolin.gameBrowser().startedProcesses().first();
    auto ending = qScopeGuard([pid] {
        if (!ProcessEnded(pid))
            ::kill(pid_t(pid), SIGKILL);
    });
    // The game browser's very first request already carries the login.
    QTRY_VERIFY_WITH_TIMEOUT(!gameCookies().isEmpty(), 20000);
    QVERIFY2(gameCookies().first().contains("mivo_session=" + session),
             gameCookies().first().constData());

    tavolin.quit();
    QVERIFY(QTest::qWaitFor([pid] { return ProcessEnded(pid); }, 15000));
}

QTEST_MAIN(TestCorvaneProgram)
#include "TestCorvaneProgram.moc"
