// The shipped movies and the demo games as Ruffle plays them in the web engine: they
// animate, the keyboard game answers the arrow keys and the mouse game a click.
// TAVOLIN_MOVIE_SHOTS=<folder> keeps a picture of every movie playing.

#include "site/GameMovies.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <optional>

namespace {

const QSize Stage(GameMovies::Width, GameMovies::Height);

// The middle of the pixels within `tolerance` of `colour`, if there are enough of them.
std::optional<QPointF> centreOf(const QImage& image, QColor colour, int tolerance = 12)
{
    qint64 x = 0, y = 0, count = 0;
    for (int row = 0; row < image.height(); ++row) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            const QRgb p = line[column];
            if (qAbs(qRed(p) - colour.red()) <= tolerance && qAbs(qGreen(p) - colour.green()) <= tolerance
                && qAbs(qBlue(p) - colour.blue()) <= tolerance) {
                x += column;
                y += row;
                ++count;
            }
        }
    }
    if (count < 100)
        return std::nullopt;
    return QPointF(double(x) / count, double(y) / count);
}

int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int row = 0; row < qMin(a.height(), b.height()); ++row) {
        for (int column = 0; column < qMin(a.width(), b.width()); ++column)
            count += a.pixel(column, row) != b.pixel(column, row);
    }
    return count;
}

// One colour all over: nothing drawn yet.
bool plain(const QImage& image)
{
    QImage filled(image.size(), image.format());
    filled.fill(image.pixel(0, 0));
    return differingPixels(image, filled) == 0;
}

} // namespace

class TestMoviesPlay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void moviesAnimate_data();
    void moviesAnimate();
    void keysMoveTheDiamond_data();
    void keysMoveTheDiamond();
    void clickOnTheBallScores();

private:
    QString write(const QString& name, const QByteArray& bytes);
    // `frameRate` 0 plays the movie at its own rate.
    void play(const QString& movie, int frameRate = 0);
    QVariant evaluate(const QString& script);
    QImage grab();
    void keep(const QString& name, const QImage& image);

    QTemporaryDir m_folder;
    std::unique_ptr<QWebEngineView> m_view;
};

void TestMoviesPlay::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY2(QFile::exists(QStringLiteral(TAVOLIN_TEST_DATA "/../../node_modules/@ruffle-rs/ruffle/ruffle.js")),
             "Ruffle is missing: run scripts/bootstrap");
    m_view = std::make_unique<QWebEngineView>();
    m_view->resize(Stage);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    // Keys reach the player only in a focused document.
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
}

QString TestMoviesPlay::write(const QString& name, const QByteArray& bytes)
{
    QFile file(m_folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

void TestMoviesPlay::play(const QString& movie, int frameRate)
{
    QUrl page = QUrl::fromLocalFile(QStringLiteral(TAVOLIN_TEST_DATA "/ruffle_player.html"));
    page.setQuery(QStringLiteral("movie=") + QString::fromLatin1(QUrl::toPercentEncoding(QUrl::fromLocalFile(movie).toString()))
                  + QStringLiteral("&rate=%1").arg(frameRate));
    QSignalSpy loaded(m_view.get(), &QWebEngineView::loadFinished);
    m_view->load(page);
    QVERIFY(loaded.wait(20000));
    QVERIFY(loaded.first().first().toBool());
    // Loaded and playing: the player reports the movie's own stage size once it runs.
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("(() => { const p = document.getElementById('player');"
                                                      " return p.isPlaying && p.metadata && p.metadata.width; })()"))
                                  .toInt(),
                              Stage.width(), 20000);
    // and has drawn something.
    QTRY_VERIFY_WITH_TIMEOUT(!plain(grab()), 10000);
}

QVariant TestMoviesPlay::evaluate(const QString& script)
{
    // The answer may outlive this call when the page is slow; it then lands nowhere.
    const auto answer = std::make_shared<std::optional<QVariant>>();
    m_view->page()->runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
    if (!QTest::qWaitFor([&answer] { return answer->has_value(); }, 5000))
        return {};
    return **answer;
}

QImage TestMoviesPlay::grab()
{
    return m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TestMoviesPlay::keep(const QString& name, const QImage& image)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_MOVIE_SHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void TestMoviesPlay::moviesAnimate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("frameRate");
    const auto shipped = [](const char* name) {
        QFile file(QStringLiteral(TAVOLIN_APP_DIR "/Games/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // The cue plays once in a second and a half, then holds: slowed down, it is
    // surely still moving when the first picture is taken.
    QTest::newRow("replay cue") << "1.swf" << shipped("1.swf") << 4;
    QTest::newRow("loading") << "2.swf" << shipped("2.swf") << 0;
    GameMovie steer;
    steer.kind = GameMovieKind::Steer;
    QTest::newRow("keyboard game") << "steer.swf" << GameMovies::Write(steer) << 0;
    GameMovie click;
    click.kind = GameMovieKind::Click;
    QTest::newRow("mouse game") << "click.swf" << GameMovies::Write(click) << 0;
}

void TestMoviesPlay::moviesAnimate()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, frameRate);
    QVERIFY2(bytes.startsWith("FWS"), "not built");
    play(write(name, bytes), frameRate);
    QImage first = grab();
    QImage later;
    QTRY_VERIFY_WITH_TIMEOUT((later = grab(), differingPixels(first, later) > 200), 5000);
    keep(name, later);
}

void TestMoviesPlay::keysMoveTheDiamond_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QPoint>("direction");
    QTest::newRow("right arrow held") << int(Qt::Key_Right) << true << QPoint(1, 0);
    QTest::newRow("left arrow tapped") << int(Qt::Key_Left) << false << QPoint(-1, 0);
    QTest::newRow("W held") << int(Qt::Key_W) << true << QPoint(0, -1);
    QTest::newRow("S tapped") << int(Qt::Key_S) << false << QPoint(0, 1);
}

void TestMoviesPlay::keysMoveTheDiamond()
{
    QFETCH(int, key);
    QFETCH(bool, held);
    QFETCH(QPoint, direction);
    GameMovie game;
    game.kind = GameMovieKind::Steer;
    play(write(QStringLiteral("steer.swf"), GameMovies::Write(game)));
    QVERIFY(evaluate(QStringLiteral("document.getElementById('player').focus(), "
                                    "document.activeElement === document.getElementById('player')"))
                .toBool());
    QWidget* input = m_view->focusProxy();
    QVERIFY(input);
    const std::optional<QPointF> start = centreOf(grab(), game.accent);
    QVERIFY(start);

    // A held key runs on frame after frame; a tap shorter than a frame still steps once.
    const auto moved = [&](double least) {
        const std::optional<QPointF> now = centreOf(grab(), game.accent);
        if (!now)
            return false;
        const QPointF step = *now - *start;
        const double along = step.x() * direction.x() + step.y() * direction.y();
        const double across = qAbs(step.x() * direction.y()) + qAbs(step.y() * direction.x());
        return along >= least && across < 2;
    };
    if (held) {
        QTest::keyPress(input, Qt::Key(key));
        QTRY_VERIFY_WITH_TIMEOUT(moved(40), 5000);
        QTest::keyRelease(input, Qt::Key(key));
    } else {
        QTest::keyClick(input, Qt::Key(key));
        QTRY_VERIFY_WITH_TIMEOUT(moved(6), 5000);
    }
    keep(QStringLiteral("steer moved"), grab());
}

void TestMoviesPlay::clickOnTheBallScores()
{
    GameMovie game;
    game.kind = GameMovieKind::Click;
    play(write(QStringLiteral("click.swf"), GameMovies::Write(game)));
    QWidget* input = m_view->focusProxy();
    QVERIFY(input);
    // The score bar's filled part: white, across the middle of the ground band.
    const auto scoreWidth = [this] {
        const QImage image = grab();
        const int row = GameMovies::Height * 7 / 8;
        int width = 0;
        for (int x = 0; x < image.width(); ++x)
            width += image.pixel(x, row) == qRgb(255, 255, 255);
        return width;
    };
    QCOMPARE(scoreWidth(), 0);

    // The pointer comes to a place before it presses there, as a hand on a mouse does.
    const auto click = [input](QPoint at) {
        QTest::mouseMove(input, at);
        QTest::mouseClick(input, Qt::LeftButton, {}, at);
    };
    // A miss (on the ground, where the ball never goes) counts for nothing.
    click(QPoint(20, GameMovies::Height - 20));
    // The ball drifts while the picture is taken and the click travels; on a busy
    // machine it may have left the spot, and then the next try aims anew.
    std::optional<QPointF> ball;
    for (int attempt = 0; attempt < 5 && scoreWidth() == 0; ++attempt) {
        ball = centreOf(grab(), game.accent);
        QVERIFY(ball);
        click(ball->toPoint());
        (void)QTest::qWaitFor([&] { return scoreWidth() > 0; }, 2000);
    }
    // One point fills a tenth of the bar, and the ball is thrown half the sky away.
    QCOMPARE(scoreWidth(), 16);
    const std::optional<QPointF> after = centreOf(grab(), game.accent);
    QVERIFY(after);
    QVERIFY2(qAbs(after->x() - ball->x()) > 150, qPrintable(QStringLiteral("%1 -> %2").arg(ball->x()).arg(after->x())));
    keep(QStringLiteral("click scored"), grab());
}

QTEST_MAIN(TestMoviesPlay)
#include "TestMoviesPlay.moc"
