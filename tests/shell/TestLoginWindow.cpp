// The login window against the demo site, opened from the space page, with a real
// desktop secret store or none at all.
#include "account/U_Login.h"
#include "controls/iButton.h"
#include "ipc/LocalTopic.h"
#include "pages/MainGame.h"
#include "pages/MainMe.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "tabs/uTab.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/SecretService.h"
#include "tests/support/WebClicks.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <qt6keychain/keychain.h>

#include <optional>

class TestLoginWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void logInFromTheSpacePageAndFillOnRestart();
    void olderPlainRowMovesToTheSecretStore();
    void withoutSecretStoreTheCatalogueKeepsIt();

private:
    void startFrame();
    U_Login* openFromSpacePage();
    U_Login* openFromFrame();
    void logIn(U_Login* login, const QString& userName, const QString& password, bool save);
    bool spacePageGreets(const QString& userName);
    bool pageGreets(QWebEngineView* view, const QString& greeting);
    std::optional<QString> secretOf(const QString& userName);
    int rowsOf(const QString& userName);
    void saveShot(U_Login* login);

    bool m_withSecretStore = false;
    SecretService m_secrets;
    DemoSite m_site;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<TavolinApp> m_tavolin;
    MainFrm* m_frame = nullptr;
};

void TestLoginWindow::initTestCase()
{
    m_withSecretStore = qEnvironmentVariable("TAVOLIN_TEST_SECRET_STORE") != QLatin1String("none");
    if (m_withSecretStore)
        QVERIFY2(m_secrets.start(), qPrintable(m_secrets.error()));
    else
        SecretService::UseNoSessionBus();
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
}

void TestLoginWindow::init()
{
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, m_site.base());
    QVERIFY(m_app->isValid());
    SetTopicInstallation(m_app->path());
    startFrame();
}

void TestLoginWindow::startFrame()
{
    m_tavolin.reset();
    m_tavolin = std::make_unique<TavolinApp>();
    m_frame = m_tavolin->frame();
    m_frame->move(20, 20);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestLoginWindow::cleanup()
{
    m_tavolin.reset();
    m_frame = nullptr;
    m_app.reset();
}

U_Login* TestLoginWindow::openFromSpacePage()
{
    QWebEngineView* space = m_frame->myBox()->spaceView();
    if (!QTest::qWaitFor([&] { return space->isVisible() && !space->page()->isLoading(); }, 15000))
        return nullptr;
    if (!ClickElement(space, QStringLiteral("a[type=\"8\"]")))
        return nullptr;
    const bool shown = QTest::qWaitFor([&] { return m_frame->loginWindow() && m_frame->loginWindow()->isVisible(); }, 10000);
    return shown && QTest::qWaitForWindowActive(m_frame->loginWindow()) ? m_frame->loginWindow() : nullptr;
}

U_Login* TestLoginWindow::openFromFrame()
{
    m_frame->showLogin();
    U_Login* login = m_frame->loginWindow();
    return login && QTest::qWaitForWindowActive(login) ? login : nullptr;
}

void TestLoginWindow::logIn(U_Login* login, const QString& userName, const QString& password, bool save)
{
    QTest::mouseClick(login->userNameBox(), Qt::LeftButton);
    login->userNameBox()->selectAll();
    QTest::keyClicks(login->userNameBox(), userName);
    QTest::mouseClick(login->passwordBox(), Qt::LeftButton);
    login->passwordBox()->selectAll();
    QTest::keyClicks(login->passwordBox(), password);
    if (login->savePasswordBox()->isChecked() != save)
        QTest::mouseClick(login->savePasswordBox(), Qt::LeftButton, {}, QPoint(8, login->savePasswordBox()->height() / 2));
    QCOMPARE(login->savePasswordBox()->isChecked(), save);
    QTest::mouseClick(login->loginButton(), Qt::LeftButton);
}

bool TestLoginWindow::spacePageGreets(const QString& userName)
{
    return pageGreets(m_frame->myBox()->spaceView(), userName + QStringLiteral("，欢迎回来"));
}

bool TestLoginWindow::pageGreets(QWebEngineView* view, const QString& greeting)
{
    auto text = std::make_shared<QString>();
    return QTest::qWaitFor(
        [&] {
            view->page()->runJavaScript("document.body ? document.body.innerText : ''",
                                        [text](const QVariant& v) { *text = v.toString(); });
            QTest::qWait(100);
            return text->contains(greeting);
        },
        15000);
}

std::optional<QString> TestLoginWindow::secretOf(const QString& userName)
{
    QKeychain::ReadPasswordJob job(QString::fromLatin1(RememberedLogins::ServiceName));
    job.setAutoDelete(false);
    job.setKey(userName);
    QSignalSpy done(&job, &QKeychain::Job::finished);
    job.start();
    if (!done.wait(10000) || job.error() != QKeychain::NoError)
        return std::nullopt;
    return job.textData();
}

int TestLoginWindow::rowsOf(const QString& userName)
{
    int rows = 0;
    DatabaseCycle cycle;
    cycle.query(QStringLiteral("SELECT COUNT(*) FROM Users WHERE U_UserName = '%1'").arg(userName),
                [&](mSqlite::SqlStatement s) { rows = mSqlite::SqlColumnInt(s, 0); });
    return rows;
}

void TestLoginWindow::saveShot(U_Login* login)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QTest::qWait(400);
    const QRect around = login->frameGeometry().adjusted(-24, -24, 24, 24);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
        .save(QDir(folder).filePath(QStringLiteral("login.png")));
}

void TestLoginWindow::logInFromTheSpacePageAndFillOnRestart()
{
    if (!m_withSecretStore)
        QSKIP("needs the secret store");
    QPointer<U_Login> login = openFromSpacePage();
    QVERIFY2(login, "the space page's login link opened no login window");
    QCOMPARE(login->size(), QSize(334, 227));
    QCOMPARE(login->pos(), m_frame->pos() + QPoint(233, 140));
    QVERIFY(!login->mask().contains(QPoint(0, 0)));
    QVERIFY(login->mask().contains(QPoint(3, 3)) && login->mask().contains(QPoint(330, 223)));
    QCOMPARE(login->mask().boundingRect(), QRect(0, 0, 334, 227));

    // Dragged by its title, the window follows the pointer and stays where it is let go.
    const QPoint grip(120, 12);
    const QPoint placed = login->pos();
    QTest::mousePress(login, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(login, grip + QPoint(30, 20));
    QTRY_COMPARE(login->pos(), placed + QPoint(30, 20));
    QTest::mouseRelease(login, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 20));
    QCOMPARE(login->pos(), placed + QPoint(30, 20));

    // Missing fields are told and nothing is sent.
    QTest::mouseClick(login->loginButton(), Qt::LeftButton);
    QVERIFY(login->statusShown());
    QCOMPARE(login->statusText(), QStringLiteral("请输入用户名!"));
    QVERIFY(login->userNameBox()->isEnabled());
    QTest::keyClicks(login->userNameBox(), "demo");
    QTest::mouseClick(login->loginButton(), Qt::LeftButton);
    QCOMPARE(login->statusText(), QStringLiteral("请输入密码!"));
    QVERIFY(login->passwordBox()->isEnabled());

    // A wrong password: the fields wait for the site, then its message shows.
    logIn(login, "demo", "wrong-one", false);
    QCOMPARE(login->statusText(), QStringLiteral("系统登陆中..."));
    QVERIFY(!login->userNameBox()->isEnabled() && !login->passwordBox()->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(login->statusText(), QStringLiteral("用户名或密码错误"), 15000);
    QVERIFY(login->statusShown());
    QVERIFY(login->userNameBox()->isEnabled() && login->passwordBox()->isEnabled());
    saveShot(login);
    // Going back into a field clears the line.
    QTest::mouseClick(login->userNameBox(), Qt::LeftButton);
    QVERIFY(!login->statusShown());

    // The right one, to be remembered: the window goes and My box's space page greets.
    logIn(login, "demo", "demo123", true);
    QTRY_VERIFY_WITH_TIMEOUT(!login, 15000);
    QVERIFY2(spacePageGreets("demo"), "the space page does not show the logged-in state");
    // The finder's next list page is asked for as the logged-in user too.
    uTab* strip = m_frame->strip();
    int finderHead = 0;
    while (finderHead < strip->width() && strip->HitTest(finderHead, 12).index != 1)
        ++finderHead;
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(finderHead + 10, 12));
    QTRY_VERIFY(m_frame->finder()->isVisible());
    QTest::mouseClick(m_frame->finder()->categoryButton(3), Qt::LeftButton);
    QVERIFY2(pageGreets(m_frame->finder()->view(), QStringLiteral("demo · 已登录")), "the finder's page shows a guest");
    QTRY_COMPARE_WITH_TIMEOUT(Catalogue::RememberedPassword("demo").value_or("(no row)"), QString(), 10000);
    QCOMPARE(secretOf("demo").value_or("(no secret)"), QStringLiteral("demo123"));
    QCOMPARE(rowsOf("demo"), 1);

    // A restart: the password fills in on the keystroke that completes the name.
    startFrame();
    login = openFromFrame();
    QVERIFY(login);
    QTest::mouseClick(login->userNameBox(), Qt::LeftButton);
    QTest::keyClicks(login->userNameBox(), "dem");
    QTest::qWait(500);
    QCOMPARE(login->passwordBox()->text(), QString());
    QVERIFY(!login->savePasswordBox()->isChecked());
    QTest::keyClick(login->userNameBox(), Qt::Key_O);
    QTRY_COMPARE_WITH_TIMEOUT(login->passwordBox()->text(), QStringLiteral("demo123"), 5000);
    QVERIFY(login->savePasswordBox()->isChecked());
}

void TestLoginWindow::olderPlainRowMovesToTheSecretStore()
{
    if (!m_withSecretStore)
        QSKIP("needs the secret store");
    // As earlier versions kept it: the password in the catalogue row.
    QVERIFY(Catalogue::RememberUser("demo", "demo123"));
    QPointer<U_Login> login = openFromFrame();
    QVERIFY(login);
    QTest::mouseClick(login->userNameBox(), Qt::LeftButton);
    QTest::keyClicks(login->userNameBox(), "demo");
    QCOMPARE(login->passwordBox()->text(), QStringLiteral("demo123"));
    QVERIFY(login->savePasswordBox()->isChecked());
    QTest::mouseClick(login->loginButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!login, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(Catalogue::RememberedPassword("demo").value_or("(no row)"), QString(), 10000);
    QCOMPARE(secretOf("demo").value_or("(no secret)"), QStringLiteral("demo123"));
    QCOMPARE(rowsOf("demo"), 1);
}

void TestLoginWindow::withoutSecretStoreTheCatalogueKeepsIt()
{
    if (m_withSecretStore)
        QSKIP("runs without a secret store");
    const QString catalogue = m_app->filePath(QStringLiteral(TAVOLIN_DATABASE_NAME));
    QVERIFY(QFile::setPermissions(catalogue, QFile::permissions(catalogue) | QFile::ReadOther | QFile::ReadGroup));
    for (int round = 0; round < 2; ++round) {
        QPointer<U_Login> login = openFromFrame();
        QVERIFY(login);
        logIn(login, "demo", "demo123", true);
        QTRY_VERIFY_WITH_TIMEOUT(!login, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(Catalogue::RememberedPassword("demo").value_or("(no row)"),
                                  QStringLiteral("demo123"), 10000);
    }
    QCOMPARE(rowsOf("demo"), 1);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(catalogue) & others, QFile::Permissions());
    QVERIFY(QFile::permissions(catalogue) & QFile::ReadOwner);

    QPointer<U_Login> login = openFromFrame();
    QVERIFY(login);
    QTest::mouseClick(login->userNameBox(), Qt::LeftButton);
    QTest::keyClicks(login->userNameBox(), "demo");
    QCOMPARE(login->passwordBox()->text(), QStringLiteral("demo123"));
}

QTEST_MAIN(TestLoginWindow)
#include "TestLoginWindow.moc"
