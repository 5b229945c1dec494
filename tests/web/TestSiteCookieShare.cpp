#include "web/ProfileCookies.h"
#include "web/SiteCookieShare.h"
#include "web/WebProfile.h"
#include "tests/support/FileContent.h"
#include "tests/support/RealPrograms.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <memory>

namespace {

QByteArray cookieValue(QWebEngineProfile* profile, const QByteArray& name)
{
    for (const QNetworkCookie& cookie : ProfileCookies::Of(profile)->cookies()) {
        if (cookie.name() == name)
            return cookie.value();
    }
    return QByteArray();
}

} // namespace

// Profiles of one process stand for the programs: each has its own storage and
// learns of the other's login only through the file.
class TestSiteCookieShare : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void loginAndLogoutReachTheOtherProfile();

private:
    bool load(QWebEngineView& view, const QString& address);
    QString text(QWebEngineView& view);
    std::unique_ptr<QWebEngineView> viewOf(QWebEngineProfile* profile);

    DemoSite m_site;
};

void TestSiteCookieShare::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
}

bool TestSiteCookieShare::load(QWebEngineView& view, const QString& address)
{
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl(address));
    return loaded.wait(20000) && loaded.first().first().toBool();
}

QString TestSiteCookieShare::text(QWebEngineView& view)
{
    auto answer = std::make_shared<QString>();
    view.page()->runJavaScript(QStringLiteral("document.body.innerText"), [answer](const QVariant& value) { *answer = value.toString(); });
    return QTest::qWaitFor([&] { return !answer->isEmpty(); }, 10000) ? *answer : QString();
}

std::unique_ptr<QWebEngineView> TestSiteCookieShare::viewOf(QWebEngineProfile* profile)
{
    auto view = std::make_unique<QWebEngineView>();
    view->setPage(new QWebEnginePage(profile, view.get()));
    view->resize(600, 400);
    view->show();
    return view;
}

void TestSiteCookieShare::loginAndLogoutReachTheOtherProfile()
{
    const QString path = SiteCookiesPath();
    const QUrl site(m_site.base());
    const QString login = m_site.base() + QStringLiteral("my/login.php?username=demo&password=demo123");
    const QString space = m_site.base() + QStringLiteral("my/space1.php");

    // One program already runs before there is any login to share.
    QVERIFY(!QFileInfo::exists(path));
    QWebEngineProfile* early = CreateNamedWebProfile(QStringLiteral("ShareEarly"), this);
    new SiteCookieReader(early, site, path, early);
    std::unique_ptr<QWebEngineView> earlyView = viewOf(early);
    QVERIFY(load(*earlyView, space));

    QWebEngineProfile* writer = CreateNamedWebProfile(QStringLiteral("ShareWriter"), this);
    new SiteCookieWriter(writer, site, path, writer);
    std::unique_ptr<QWebEngineView> writerView = viewOf(writer);
    // Another site's cookie stays with the program that has it.
    QNetworkCookie other("elsewhere", "1");
    other.setDomain(QStringLiteral("example.org"));
    other.setPath(QStringLiteral("/"));
    writer->cookieStore()->setCookie(other, QUrl(QStringLiteral("http://example.org/")));
    QVERIFY(load(*writerView, login));
    QTRY_VERIFY_WITH_TIMEOUT(!cookieValue(writer, "mivo_session").isEmpty(), 10000);
    const QByteArray firstSession = cookieValue(writer, "mivo_session");
    QTRY_VERIFY_WITH_TIMEOUT(FileContent(path).contains("mivo_session=" + firstSession), 10000);
    QVERIFY(!cookieValue(writer, "elsewhere").isEmpty());
    QVERIFY2(!FileContent(path).contains("elsewhere"), FileContent(path).constData());
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);

    QTRY_COMPARE_WITH_TIMEOUT(cookieValue(early, "mivo_session"), firstSession, 10000);
    QVERIFY(load(*earlyView, space));
    QVERIFY2(text(*earlyView).contains(QStringLiteral("demo，欢迎回来")), qPrintable(text(*earlyView)));

    // Another starts after the login: its very first page is logged in.
    QWebEngineProfile* reader = CreateNamedWebProfile(QStringLiteral("ShareReader"), this);
    new SiteCookieReader(reader, site, path, reader);
    std::unique_ptr<QWebEngineView> readerView = viewOf(reader);
    QVERIFY(load(*readerView, space));
    QVERIFY2(text(*readerView).contains(QStringLiteral("demo，欢迎回来")), qPrintable(text(*readerView)));
    QCOMPARE(cookieValue(reader, "mivo_session"), firstSession);

    // A logout takes the cookie away from the running reader too.
    QVERIFY(load(*writerView, m_site.base() + QStringLiteral("my/logout.php")));
    QTRY_VERIFY_WITH_TIMEOUT(cookieValue(writer, "mivo_session").isEmpty(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(cookieValue(reader, "mivo_session").isEmpty(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(cookieValue(early, "mivo_session").isEmpty(), 10000);

    // A new login replaces the file again; the running reader follows with the new session.
    QVERIFY(load(*writerView, login));
    QTRY_VERIFY_WITH_TIMEOUT(!cookieValue(writer, "mivo_session").isEmpty(), 10000);
    const QByteArray secondSession = cookieValue(writer, "mivo_session");
    QVERIFY(secondSession != firstSession);
    QTRY_COMPARE_WITH_TIMEOUT(cookieValue(reader, "mivo_session"), secondSession, 10000);
    QVERIFY(load(*readerView, space));
    QVERIFY2(text(*readerView).contains(QStringLiteral("demo，欢迎回来")), qPrintable(text(*readerView)));
    QVERIFY(cookieValue(reader, "elsewhere").isEmpty());
}

QTEST_MAIN(TestSiteCookieShare)
#include "TestSiteCookieShare.moc"
