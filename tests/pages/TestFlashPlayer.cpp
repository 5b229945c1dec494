// The Flash player control over Ruffle, loaded from the application folder, playing
// real movies in a real web view.
#include "pages/ShockwaveFlash.h"
#include "tests/support/TestMovie.h"
#include "web/WebProfile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
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

QTEST_MAIN(TestFlashPlayer)
#include "TestFlashPlayer.moc"
