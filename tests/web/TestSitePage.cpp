#include "web/SitePage.h"
#include "web/WebProfile.h"
#include "tests/support/ManualClock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <optional>

namespace {

QString testHtml()
{
    QFile file(QStringLiteral(TAVOLIN_TEST_DATA "/site_page.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestSitePage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void reportsTheActivatedLink_data();
    void reportsTheActivatedLink();
    void middleClickAndEnterAreReported();
    void pagesCannotForgeAnActivation();
    void rearmsAfterTheDocumentIsRewritten();
    void activationExplainsOnlyARequestSoonAfter_data();
    void activationExplainsOnlyARequestSoonAfter();
    void profileIsPersistentAndNamed();

private:
    QPoint centreOf(const QString& script);
    void load();
    void click(const QString& elementScript, Qt::MouseButton button = Qt::LeftButton);

    ManualClock m_clock;
    QWebEngineProfile* m_profile = nullptr;
    QWebEngineView* m_view = nullptr;
    SitePage* m_page = nullptr;
    QList<LinkActivation> m_requests;
};

void TestSitePage::initTestCase()
{
    m_view = new QWebEngineView;
    m_profile = CreateNamedWebProfile(QStringLiteral("TestSitePage"), this);
    m_page = new SitePage(m_profile, m_view, m_clock);
    m_page->setNewWindowHandler([this](const LinkActivation& link) {
        m_requests << link;
        return true;
    });
    m_view->setPage(m_page);
    m_view->resize(600, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestSitePage::load()
{
    QSignalSpy loaded(m_page, &QWebEnginePage::loadFinished);
    m_page->setHtml(testHtml(), QUrl(QStringLiteral("http://127.0.0.1:1/index.htm")));
    QVERIFY(loaded.wait(15000));
    m_requests.clear();
}

QPoint TestSitePage::centreOf(const QString& script)
{
    // The answer may come after the wait; it must not outlive what it writes to.
    auto answer = std::make_shared<std::optional<QVariant>>();
    m_page->runJavaScript(QStringLiteral("(function(){var r=(%1).getBoundingClientRect();"
                                         "return [r.left+r.width/2, r.top+r.height/2];})()")
                              .arg(script),
                          [answer](const QVariant& value) { *answer = value; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, 10000))
        return {};
    const QVariantList xy = answer->value().toList();
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
}

void TestSitePage::click(const QString& elementScript, Qt::MouseButton button)
{
    const QPoint at = centreOf(elementScript);
    QVERIFY2(!at.isNull(), qPrintable(elementScript));
    QWidget* target = m_view->focusProxy();
    QTest::mouseMove(target, at);
    QTest::mouseClick(target, button, Qt::NoModifier, at);
}

void TestSitePage::reportsTheActivatedLink_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("href");
    QTest::newRow("command link") << "document.getElementById('cmd')" << ""
                                  << "javascript:CALL_API('openTable','连连看|http://127.0.0.1:1//game/1.htm')";
    QTest::newRow("type 8") << "document.getElementById('login')" << "8" << "http://127.0.0.1:1/index.htm#";
    QTest::newRow("plain link") << "document.getElementById('plain')" << "" << "http://127.0.0.1:1/plain.htm";
}

void TestSitePage::reportsTheActivatedLink()
{
    QFETCH(QString, element);
    QFETCH(QString, type);
    QFETCH(QString, href);
    load();
    click(element);
    QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 10000);
    QCOMPARE(m_requests[0].type, type);
    QCOMPARE(m_requests[0].href, href);
}

void TestSitePage::middleClickAndEnterAreReported()
{
    load();
    const QPoint frameCentre = centreOf(QStringLiteral("document.getElementById('frame')"));
    const QPoint frameTopLeft = frameCentre - QPoint(150, 30);
    const QPoint inner = centreOf(QStringLiteral("document.getElementById('frame').contentDocument.getElementById('inner')"));
    QVERIFY(!frameCentre.isNull() && !inner.isNull());
    QTest::mouseClick(m_view->focusProxy(), Qt::LeftButton, Qt::NoModifier, frameTopLeft + inner);
    QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 10000);
    QCOMPARE(m_requests[0].href, QStringLiteral("javascript:CALL_API('WebTable','a|b|c')"));

    m_requests.clear();
    click(QStringLiteral("document.getElementById('plain')"), Qt::MiddleButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 10000);
    QCOMPARE(m_requests[0].href, QStringLiteral("http://127.0.0.1:1/plain.htm"));

    m_requests.clear();
    auto focused = std::make_shared<bool>(false);
    m_page->runJavaScript(QStringLiteral("document.getElementById('login').focus(); true"),
                          [focused](const QVariant&) { *focused = true; });
    QTRY_VERIFY_WITH_TIMEOUT(*focused, 10000);
    QTest::keyClick(m_view->focusProxy(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 10000);
    QCOMPARE(m_requests[0].type, QStringLiteral("8"));
}

void TestSitePage::pagesCannotForgeAnActivation()
{
    load();
    QSignalSpy activations(m_page, &SitePage::linkActivated);
    m_page->runJavaScript(QStringLiteral("console.log('tavolin-link-0000000000000000:{\"type\":\"8\",\"href\":\"x\"}');"
                                         "console.log('%1'.slice(0, 5) + '{\"type\":\"9\"}')")
                              .arg(SitePage::ActivationToken()));
    QTest::qWait(500);
    QCOMPARE(activations.count(), 0);
}

void TestSitePage::rearmsAfterTheDocumentIsRewritten()
{
    load();
    click(QStringLiteral("document.getElementById('rewrite')"));
    QPoint late;
    QVERIFY(QTest::qWaitFor([&] {
        late = centreOf(QStringLiteral("document.getElementById('late')||document.body"));
        return late.y() < 40;
    }, 10000));
    m_requests.clear();
    click(QStringLiteral("document.getElementById('late')"));
    QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 10000);
    QCOMPARE(m_requests[0].type, QStringLiteral("9"));
}

void TestSitePage::activationExplainsOnlyARequestSoonAfter_data()
{
    QTest::addColumn<int>("laterMs");
    QTest::addColumn<QString>("type");
    QTest::newRow("at once") << 0 << "8";
    QTest::newRow("within the lifetime") << int(SitePage::ActivationLifetimeMs) << "8";
    QTest::newRow("after the lifetime") << int(SitePage::ActivationLifetimeMs) + 1 << "";
}

void TestSitePage::activationExplainsOnlyARequestSoonAfter()
{
    QFETCH(int, laterMs);
    QFETCH(QString, type);
    load();
    // A link that stays in the page; then the page itself asks for a window.
    QSignalSpy activations(m_page, &SitePage::linkActivated);
    click(QStringLiteral("document.getElementById('stay')"));
    QVERIFY(activations.wait(10000));
    m_clock.advance(laterMs);
    m_page->runJavaScript(QStringLiteral("window.open('http://127.0.0.1:1/popup.htm')"));
    QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 10000);
    QCOMPARE(m_requests[0].type, type);
    QCOMPARE(m_requests[0].requestedUrl, QUrl(QStringLiteral("http://127.0.0.1:1/popup.htm")));
}

void TestSitePage::profileIsPersistentAndNamed()
{
    QWebEngineProfile* profile = m_profile;
    QVERIFY(!profile->isOffTheRecord());
    QVERIFY(QDir::isAbsolutePath(profile->persistentStoragePath()));
    QVERIFY(profile->persistentStoragePath().startsWith(QDir::homePath()));
    QVERIFY(CreateNamedWebProfile(QStringLiteral("Other"), this)->persistentStoragePath() != profile->persistentStoragePath());
}

QTEST_MAIN(TestSitePage)
#include "TestSitePage.moc"
