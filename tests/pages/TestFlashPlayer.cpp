// The Flash player control over Ruffle, loaded from the application folder, playing
// real movies in a real web view.
#include "pages/ShockwaveFlash.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestMovie.h"
#include "web/WebProfile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {
const QColor Sky(120, 190, 240);
}

class TestFlashPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playsAndAnimates();
    void keepsProportionsOrStretches_data();
    void keepsProportionsOrStretches();
    void streamsWithTheSiteSession();

private:
    QString writeMovie(const QString& name, QSize stage);
    // Shows `player` at `window` size playing a movie of `stage` size; true once it plays.
    bool play(ShockwaveFlash& player, QSize window, QSize stage);
    QImage grab(ShockwaveFlash& player);

    QTemporaryDir m_dir;
    QWebEngineProfile* m_profile = nullptr;
};

void TestFlashPlayer::initTestCase()
{
    m_profile = CreateNamedWebProfile(QStringLiteral("TestFlashPlayer"), this);
}

QString TestFlashPlayer::writeMovie(const QString& name, QSize stage)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(AnimatedTestMovie(stage, Sky)) < 0)
        return QString();
    return path;
}

bool TestFlashPlayer::play(ShockwaveFlash& player, QSize window, QSize stage)
{
    const QString movie = writeMovie(QStringLiteral("movie-%1x%2.swf").arg(stage.width()).arg(stage.height()), stage);
    player.resize(window);
    player.show();
    if (movie.isEmpty() || !QTest::qWaitForWindowExposed(&player))
        return false;
    QSignalSpy loaded(&player, &ShockwaveFlash::movieLoaded);
    player.LoadMovie(0, movie);
    return loaded.wait(20000);
}

QImage TestFlashPlayer::grab(ShockwaveFlash& player)
{
    return player.view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TestFlashPlayer::playsAndAnimates()
{
    ShockwaveFlash player(m_profile, QStringLiteral(TAVOLIN_APP_DIR "/ruffle/player.html"));
    QVERIFY(play(player, QSize(550, 400), QSize(550, 400)));
    // The stage's sky colour shows, and the movie moves.
    QTRY_VERIFY_WITH_TIMEOUT(grab(player).pixelColor(10, 10) == Sky, 10000);
    const QImage first = grab(player);
    QTRY_VERIFY_WITH_TIMEOUT(grab(player) != first, 5000);
    // Paused, it stands still.
    player.SetPlaying(false);
    QTest::qWait(300);
    const QImage paused = grab(player);
    QTest::qWait(500);
    QCOMPARE(grab(player), paused);
}

void TestFlashPlayer::keepsProportionsOrStretches_data()
{
    QTest::addColumn<int>("scaleMode");
    QTest::addColumn<bool>("bars");
    QTest::newRow("keep proportions") << 0 << true;
    QTest::newRow("stretch") << 2 << false;
}

void TestFlashPlayer::keepsProportionsOrStretches()
{
    QFETCH(int, scaleMode);
    QFETCH(bool, bars);
    // A square movie in a wide control: kept in shape, it leaves bars at the sides.
    ShockwaveFlash player(m_profile, QStringLiteral(TAVOLIN_APP_DIR "/ruffle/player.html"));
    QVERIFY(play(player, QSize(600, 300), QSize(300, 300)));
    player.SetScaleMode(scaleMode);
    const QColor sky = Sky;
    QTRY_VERIFY_WITH_TIMEOUT(grab(player).pixelColor(300, 10) == sky, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(grab(player).pixelColor(10, 10) != sky, bars, 5000);
    QCOMPARE(grab(player).pixelColor(590, 10) != sky, bars);
}

// A streamed movie for logged-in users only plays once the user logged in on the site.
void TestFlashPlayer::streamsWithTheSiteSession()
{
    const QByteArray movie = AnimatedTestMovie(QSize(200, 150), Sky);
    LoopbackHttpServer site([&movie](const LoopbackHttpServer::Request& request, LoopbackHttpServer::Connection& out) {
        const auto answer = [&](const QByteArray& status, const QByteArray& headers, const QByteArray& body) {
            out.send("HTTP/1.1 " + status + "\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size())
                     + "\r\n" + headers + "\r\n" + body);
        };
        if (request.target == "/login")
            answer("200 OK", "Content-Type: text/html\r\nSet-Cookie: session=granted; Path=/\r\n", "<html>Welcome</html>");
        else if (request.headers.value("cookie").contains("session=granted"))
            answer("200 OK", "Content-Type: application/x-shockwave-flash\r\n", movie);
        else
            answer("403 Forbidden", "", "<html>Log in first</html>");
    });
    QVERIFY(site.port() != 0);
    const QString address = site.base() + QStringLiteral("/members/game.swf?nosave");
    ShockwaveFlash player(m_profile, QStringLiteral(TAVOLIN_APP_DIR "/ruffle/player.html"));
    player.resize(400, 300);
    player.show();
    QVERIFY(QTest::qWaitForWindowExposed(&player));
    QSignalSpy failed(&player, &ShockwaveFlash::movieFailed);
    player.LoadMovie(0, address);
    QVERIFY(failed.wait(20000));

    QSignalSpy cookieAdded(m_profile->cookieStore(), &QWebEngineCookieStore::cookieAdded);
    QWebEngineView loginView;
    loginView.setPage(new QWebEnginePage(m_profile, &loginView));
    QSignalSpy pageLoaded(loginView.page(), &QWebEnginePage::loadFinished);
    loginView.load(QUrl(site.base() + QStringLiteral("/login")));
    QVERIFY(pageLoaded.wait(20000));
    QTRY_VERIFY_WITH_TIMEOUT(!cookieAdded.isEmpty(), 10000);

    QSignalSpy loaded(&player, &ShockwaveFlash::movieLoaded);
    player.LoadMovie(0, address);
    QVERIFY(loaded.wait(20000));
    QTRY_VERIFY_WITH_TIMEOUT(grab(player).pixelColor(10, 10) == Sky, 10000);
}

QTEST_MAIN(TestFlashPlayer)
#include "TestFlashPlayer.moc"
