#include "account/CacheMain.h"
#include "web/ProfileCookies.h"
#include "web/WebProfile.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/WebClicks.h"

#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>
#include <memory>

namespace {

// Pages showing a picture the browser may keep for an hour and a link that is red once
// visited and blue before.
void servePicturePages(const LoopbackHttpServer::Request& request, LoopbackHttpServer::Connection& connection)
{
    if (request.target == "/pic.png") {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage picture(32, 32, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(&buffer, "PNG");
        connection.send(LoopbackHttpServer::Answer("Content-Type: image/png\r\nCache-Control: max-age=3600\r\n", png));
        return;
    }
    QByteArray body = "<!doctype html><style>body{margin:0}a{display:block;width:200px;height:80px;"
                      "background-color:rgb(0,0,255)}a:visited{background-color:rgb(255,0,0)}</style>"
                      "<a id=\"seen\" href=\"/seen\"></a><img src=\"/pic.png\">";
    // The page's own request goes to the HTTP cache, never to the renderer's memory
    // of pictures it has shown.
    if (request.target == "/three")
        body += "<script>fetch('/pic.png')</script>";
    connection.send(LoopbackHttpServer::Answer("Content-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n", body));
}

qint64 folderBytes(const QString& path)
{
    qint64 bytes = 0;
    QDirIterator files(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        bytes += files.fileInfo().size();
    }
    return bytes;
}

bool hasCookie(QWebEngineProfile* profile, const QByteArray& name)
{
    for (const QNetworkCookie& cookie : ProfileCookies::Of(profile)->cookies()) {
        if (cookie.name() == name)
            return true;
    }
    return false;
}

} // namespace

class TestClearCache : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void keepsWhatTheMaskNames_data();
    void keepsWhatTheMaskNames();

private:
    bool load(QWebEngineView& view, const QString& address);
    QString text(QWebEngineView& view);
    QColor linkColour(QWebEngineView& view);

    // How often the picture was fetched.
    int pictureFetches() const;

    DemoSite m_site;
    LoopbackHttpServer m_pictures{servePicturePages};
};

void TestClearCache::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    QVERIFY(m_pictures.port());
}

int TestClearCache::pictureFetches() const
{
    const QList<LoopbackHttpServer::Request> requests = m_pictures.requests();
    return int(std::count_if(requests.begin(), requests.end(),
                             [](const LoopbackHttpServer::Request& request) { return request.target == "/pic.png"; }));
}

bool TestClearCache::load(QWebEngineView& view, const QString& address)
{
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl(address));
    return loaded.wait(20000) && loaded.first().first().toBool();
}

QString TestClearCache::text(QWebEngineView& view)
{
    auto answer = std::make_shared<QString>();
    view.page()->runJavaScript(QStringLiteral("document.body.innerText"), [answer](const QVariant& value) { *answer = value.toString(); });
    return QTest::qWaitFor([&] { return !answer->isEmpty(); }, 10000) ? *answer : QString();
}

QColor TestClearCache::linkColour(QWebEngineView& view)
{
    const std::optional<QPoint> centre = ElementCentre(&view, QStringLiteral("#seen"));
    return centre ? view.grab().toImage().pixelColor(*centre) : QColor();
}

void TestClearCache::keepsWhatTheMaskNames_data()
{
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<bool>("kept");
    QTest::newRow("callers' mask") << (CookieCacheEntry | UrlHistoryCacheEntry) << true;
    QTest::newRow("mask 0") << quint32(0) << false;
}

void TestClearCache::keepsWhatTheMaskNames()
{
    QFETCH(quint32, mask);
    QFETCH(bool, kept);
    QWebEngineProfile* profile = CreateNamedWebProfile(QStringLiteral("ClearCache") + QString::number(mask), this);
    ProfileCookies::Of(profile);
    QWebEngineView view;
    view.setPage(new QWebEnginePage(profile, &view));
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // Logged in on the site, its space page with its thumbnails seen.
    QVERIFY(load(view, m_site.base() + QStringLiteral("my/login.php?username=demo&password=demo123")));
    QTRY_VERIFY_WITH_TIMEOUT(hasCookie(profile, "mivo_session"), 10000);
    QVERIFY(load(view, m_site.base() + QStringLiteral("my/space1.php")));
    QVERIFY2(text(view).contains(QStringLiteral("demo，欢迎回来")), qPrintable(text(view)));
    // A link visited, and a picture fetched once for two pages.
    const int fetched = pictureFetches();
    QVERIFY(load(view, m_pictures.base() + QStringLiteral("/seen")));
    QVERIFY(load(view, m_pictures.base() + QStringLiteral("/one")));
    QVERIFY(load(view, m_pictures.base() + QStringLiteral("/two")));
    QCOMPARE(pictureFetches(), fetched + 1);
    const QColor visited(255, 0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(linkColour(view), visited, 10000);
    const QString cache = profile->cachePath();
    const qint64 filled = folderBytes(cache);
    QVERIFY2(filled > 20000, qPrintable(QString::number(filled)));

    // The window is not held while the disk is emptied.
    QElapsedTimer call;
    call.start();
    ClearCache(profile, QStringLiteral("*.*"), mask);
    QVERIFY2(call.elapsed() < 500, qPrintable(QString::number(call.elapsed())));
    // What is left of the cache folder is its index; the picture comes from the server again.
    QTRY_VERIFY2_WITH_TIMEOUT(folderBytes(cache) < filled / 10, qPrintable(QString::number(folderBytes(cache))), 10000);
    QVERIFY(load(view, m_pictures.base() + QStringLiteral("/three")));
    QTRY_VERIFY_WITH_TIMEOUT(pictureFetches() >= fetched + 2, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(linkColour(view), kept ? visited : QColor(0, 0, 255), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(hasCookie(profile, "mivo_session"), kept, 10000);
    QVERIFY(load(view, m_site.base() + QStringLiteral("my/space1.php")));
    QCOMPARE(text(view).contains(QStringLiteral("demo，欢迎回来")), kept);
}

QTEST_MAIN(TestClearCache)
#include "TestClearCache.moc"
