// Registration, the update check and the About box, opened the way a person opens
// them in the main window, against the bundled demo site.
#include "account/About.h"
#include "account/U_Login.h"
#include "account/U_Regedit.h"
#include "controls/clsTopMenu.h"
#include "controls/iButton.h"
#include "controls/MdlMenu.h"
#include "ipc/LocalTopic.h"
#include "pages/MainMe.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "tests/support/AppFolder.h"
#include "tests/support/ManualClock.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/WebClicks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <mutex>

// Every address the program's web profile asks for, as it leaves.
class RequestLog : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const std::lock_guard lock(m_mutex);
        m_urls << info.requestUrl();
    }
    int count(const QString& path)
    {
        const std::lock_guard lock(m_mutex);
        return int(std::count_if(m_urls.cbegin(), m_urls.cend(), [&](const QUrl& url) { return url.path().endsWith(path); }));
    }

private:
    std::mutex m_mutex;
    QList<QUrl> m_urls;
};

// Takes the addresses the program gives the desktop's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl& url) { opened << url; }
};

class TestAccountWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void registrationChecksThenRegistersOnTheSite();
    void updateCheckTellsAndOpensTheDownload();
    void aboutShowsTheCurrentYear();

private:
    void startFrame(const QString& siteBase);
    void chooseMenuItem(const QString& caption);
    QMessageBox* waitForMessage();
    QString spacePageText();
    void saveScreen(const QString& name);

    DemoSite m_site;
    DemoSite m_newerSite;
    BrowserStandIn m_browser;
    // Outlives the program, whose profile may ask it until the end.
    RequestLog m_requests;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<TavolinApp> m_tavolin;
    MainFrm* m_frame = nullptr;
};

void TestAccountWindows::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    QVERIFY2(m_newerSite.start({QStringLiteral("--update-version"), QStringLiteral("3.1")}),
             qPrintable(m_newerSite.error()));
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "openUrl");
}

void TestAccountWindows::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void TestAccountWindows::init()
{
    m_browser.opened.clear();
}

void TestAccountWindows::startFrame(const QString& siteBase)
{
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, siteBase);
    QVERIFY(m_app->isValid());
    SetTopicInstallation(m_app->path());
    m_tavolin = std::make_unique<TavolinApp>();
    m_frame = m_tavolin->frame();
    m_frame->move(40, 40);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestAccountWindows::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(window))
            window->close();
    }
    if (QWidget* popup = MdlMenu::CurrentPopup())
        popup->close();
    m_tavolin.reset();
    m_frame = nullptr;
    m_app.reset();
}

// Opens the main menu by its button and clicks the item with that caption.
void TestAccountWindows::chooseMenuItem(const QString& caption)
{
    QTest::mouseClick(m_frame->menuButton(), Qt::LeftButton);
    QWidget* popup = nullptr;
    QTRY_VERIFY((popup = MdlMenu::CurrentPopup()) && popup->isVisible());
    int top = 0;
    for (clsTopMenu* item : MdlMenu::MenuItems()) {
        if (item->Caption() == caption) {
            const QPoint at(popup->width() / 2, top + item->Height() / 2);
            QTest::mouseMove(popup, at);
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, at);
            return;
        }
        top += item->Height();
    }
    QFAIL(qPrintable("no menu item " + caption));
}

QMessageBox* TestAccountWindows::waitForMessage()
{
    QMessageBox* box = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if ((box = qobject_cast<QMessageBox*>(window)) && box->isVisible())
                    return true;
            }
            box = nullptr;
            return false;
        },
        20000);
    return box;
}

QString TestAccountWindows::spacePageText()
{
    auto text = std::make_shared<std::optional<QString>>();
    m_frame->myBox()->spaceView()->page()->toPlainText([text](const QString& t) { *text = t; });
    (void)QTest::qWaitFor([&] { return text->has_value(); }, 5000);
    return text->value_or(QString());
}

void TestAccountWindows::saveScreen(const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 900, 700).save(QDir(folder).filePath(name));
}

void TestAccountWindows::registrationChecksThenRegistersOnTheSite()
{
    startFrame(m_site.base());
    RequestLog& requests = m_requests;
    m_tavolin->webProfile()->setUrlRequestInterceptor(&requests);
    const QString service = QStringLiteral("/my/register.php");
    QWebEngineView* space = m_frame->myBox()->spaceView();
    QTRY_VERIFY_WITH_TIMEOUT(space->isVisible() && !space->page()->isLoading(), 15000);
    QVERIFY(ClickElement(space, QStringLiteral("a[type=\"9\"]")));
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->registrationWindow() && m_frame->registrationWindow()->isVisible(), 10000);
    U_Regedit* window = m_frame->registrationWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto field = [&window](const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); };
    const auto label = [&window](const char* name) { return window->findChild<QLabel*>(QLatin1String(name))->text(); };
    const auto submit = [&window] { QTest::mouseClick(window->findChild<iButton*>(QStringLiteral("Btn_Get")), Qt::LeftButton); };

    // The code on show is the one checked, and a click draws another.
    QLabel* codeLabel = window->findChild<QLabel*>(QStringLiteral("LB_Code"));
    const QString firstCode = codeLabel->text();
    QCOMPARE(firstCode, window->code());
    QTest::mouseClick(codeLabel, Qt::LeftButton);
    QVERIFY(codeLabel->text() != firstCode);
    QCOMPARE(codeLabel->text(), window->code());

    // Every fault shows at once, before anything is sent.
    QTest::keyClicks(field("txt_PassWord"), QStringLiteral("secret7"));
    QTest::keyClicks(field("txt_PassWord1"), QStringLiteral("secret8"));
    QTest::keyClicks(field("txt_Code"), QStringLiteral("zzzz"));
    submit();
    QCOMPARE(label("lb_UserName"), QStringLiteral("请输入用户名！"));
    QCOMPARE(label("lb_PassWord"), QStringLiteral("√"));
    QCOMPARE(label("lb_PassWord1"), QStringLiteral("两次输入的密码不一致！"));
    QCOMPARE(label("lb_Email"), QStringLiteral("请输入邮箱！"));
    QCOMPARE(label("lb_Code1"), QStringLiteral("您输入的验证码错误！"));

    // Everything right but the code: nothing goes to the site, so the name stays free.
    QTest::keyClicks(field("txt_UserName"), QStringLiteral("newplayer"));
    field("txt_PassWord1")->clear();
    QTest::keyClicks(field("txt_PassWord1"), QStringLiteral("secret7"));
    QTest::keyClicks(field("txt_Email"), QStringLiteral("new@mivo.example"));
    field("txt_Code")->clear();
    QString wrong = window->code();
    std::reverse(wrong.begin(), wrong.end());
    QTest::keyClicks(field("txt_Code"), wrong);
    submit();
    QCOMPARE(label("lb_Code1"), QStringLiteral("您输入的验证码错误！"));
    QCOMPARE(label("lb_UserName"), QStringLiteral("√"));
    QCOMPARE(label("lb_PassWord1"), QStringLiteral("√"));
    QCOMPARE(codeLabel->text(), window->code());
    saveScreen(QStringLiteral("registration.png"));
    QTest::qWait(1000);
    QCOMPARE(requests.count(service), 0);

    // The right code in lower case registers: the window closes and My box shows the
    // new user logged in.
    QSignalSpy registered(window, &U_Regedit::registered);
    QPointer<U_Regedit> watched(window);
    field("txt_Code")->clear();
    QTest::keyClicks(field("txt_Code"), window->code().toLower());
    QTest::keyClick(field("txt_Code"), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(registered.count(), 1, 15000);
    QTRY_VERIFY(!watched);
    QTRY_VERIFY_WITH_TIMEOUT(spacePageText().contains(QStringLiteral("newplayer，欢迎回来！")), 15000);
    QCOMPARE(requests.count(service), 1);

    // A taken name: the site's answer shows and the window stays.
    m_frame->showRegistration();
    window = m_frame->registrationWindow();
    QVERIFY(window && window != watched);
    QTest::keyClicks(field("txt_UserName"), QStringLiteral("demo"));
    QTest::keyClicks(field("txt_PassWord"), QStringLiteral("demo12345"));
    QTest::keyClicks(field("txt_PassWord1"), QStringLiteral("demo12345"));
    QTest::keyClicks(field("txt_Email"), QStringLiteral("d@mivo.example"));
    QTest::keyClicks(field("txt_Code"), window->code());
    submit();
    QTRY_COMPARE_WITH_TIMEOUT(label("Lberror"), QStringLiteral("该用户名已被注册"), 15000);
    QVERIFY(window->isVisible());
    saveScreen(QStringLiteral("registration-taken.png"));

    // The login window's link takes the user here too.
    window->close();
    QTRY_VERIFY(!m_frame->registrationWindow());
    m_frame->showLogin();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame->loginWindow()));
    QTest::mouseClick(m_frame->loginWindow()->registrationLink(), Qt::LeftButton);
    QTRY_VERIFY(m_frame->registrationWindow() && m_frame->registrationWindow()->isVisible());
    QTRY_VERIFY(!m_frame->loginWindow());
}

void TestAccountWindows::updateCheckTellsAndOpensTheDownload()
{
    // A site that was there and stopped: nothing listens on its port.
    QString goneBase;
    {
        DemoSite gone;
        QVERIFY2(gone.start(), qPrintable(gone.error()));
        goneBase = gone.base();
    }

    startFrame(m_newerSite.base());
    struct Case {
        QString site, message, download;
    };
    const QList<Case> cases{
        {m_newerSite.base(), QStringLiteral("您好，您的软件需要更新！"), m_newerSite.base() + "tavolin/download/index.html"},
        {m_site.base(), QStringLiteral("您当前是最新版本！"), QString()},
        {goneBase, QStringLiteral("服务器连接失败！"), QString()},
    };
    for (const Case& check : cases) {
        UseAppFolder(m_app->path(), check.site);
        chooseMenuItem(QStringLiteral("检测更新"));
        QMessageBox* box = waitForMessage();
        QVERIFY2(box, qPrintable(check.site));
        QCOMPARE(box->text(), check.message);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        if (!check.download.isEmpty())
            saveScreen(QStringLiteral("update-newer.png"));
        // The browser opens once the message is acknowledged.
        QVERIFY(m_browser.opened.isEmpty());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QTRY_VERIFY(!box->isVisible());
        QTest::qWait(200);
        QCOMPARE(m_browser.opened, check.download.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(check.download)});
        m_browser.opened.clear();
    }
}

void TestAccountWindows::aboutShowsTheCurrentYear()
{
    startFrame(m_site.base());
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->myBox()->spaceView()->isVisible(), 10000);
    chooseMenuItem(QStringLiteral("关于我们"));
    About* about = nullptr;
    QTRY_VERIFY((about = m_frame->findChild<About*>()) && about->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const auto text = [](About* box, const char* name) { return box->findChild<QLabel*>(QLatin1String(name))->text(); };
    const QString years = QStringLiteral("2011-%1").arg(QDate::currentDate().year());
    QCOMPARE(text(about, "note1"), QStringLiteral("mivo盒子 V 3.0 (2012.04.01)"));
    QVERIFY2(text(about, "note2").contains(years), qPrintable(text(about, "note2")));
    QVERIFY2(text(about, "note3").contains(years), qPrintable(text(about, "note3")));
    QVERIFY(!about->findChild<QLabel*>(QStringLiteral("lb_kelvra"))->isVisible());
    saveScreen(QStringLiteral("about.png"));

    // While it is open the corner pop-up waits; closing it lets a loaded page arm it again.
    QSignalSpy loaded(m_frame->advertisementPane(), &QWebEngineView::loadFinished);
    m_frame->advertisementPane()->reload();
    QVERIFY(loaded.wait(15000));
    QTest::qWait(300);
    QVERIFY(!m_frame->cornerPopupTimer().isActive());
    QTest::mouseClick(about->findChild<iButton*>(QStringLiteral("Btn_Close")), Qt::LeftButton);
    QTRY_VERIFY(!m_frame->findChild<About*>());
    m_frame->advertisementPane()->reload();
    QVERIFY(loaded.wait(15000));
    QTRY_VERIFY(m_frame->cornerPopupTimer().isActive());

    // The closing year is the clock's.
    ManualClock clock;
    clock.setToday(QDate(2012, 4, 1));
    About early(clock, nullptr);
    QVERIFY(text(&early, "note2").contains(QStringLiteral("2011-2012")));
    QVERIFY(text(&early, "note3").contains(QStringLiteral("2011-2012")));
}

QTEST_MAIN(TestAccountWindows)
#include "TestAccountWindows.moc"
