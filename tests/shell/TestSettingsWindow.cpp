// The settings window and the corner pop-up, opened by the main frame against the demo site.
#include "account/Autostart.h"
#include "account/Install.h"
#include "account/RightDown.h"
#include "controls/MdlMenu.h"
#include "controls/iButton.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "store/Catalogue.h"
#include "tests/support/AppFolder.h"
#include "tests/support/CatalogueLock.h"
#include "tests/support/FileContent.h"
#include "tests/support/RealPrograms.h"
#include "web/ProfileCookies.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    for (QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); files.hasNext();) {
        files.next();
        bytes += files.fileInfo().size();
    }
    return bytes;
}

bool loggedIn(QWebEngineProfile* profile)
{
    const QList<QNetworkCookie> cookies = ProfileCookies::Of(profile)->cookies();
    return std::any_of(cookies.begin(), cookies.end(), [](const QNetworkCookie& c) { return c.name() == "mivo_session"; });
}

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settingsRoundTrip();
    void failedWritesAreReported_data();
    void failedWritesAreReported();
    void purgeKeepsTheLogin();
    void cornerPopupLeavesTheFocusAndGoes();

private:
    Install* openSettingsFromTheMenu();
    void click(QCheckBox* box);
    void saveShot(QWidget* window, const QString& name);

    DemoSite m_site;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<TavolinApp> m_tavolin;
    MainFrm* m_frame = nullptr;
    QString m_program;
};

void TestSettingsWindow::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
}

void TestSettingsWindow::init()
{
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, m_site.base());
    QVERIFY(m_app->isValid());
    // The test program is the running application; the entry is to start the program
    // of the application folder.
    m_program = m_app->filePath("Tavolin");
    m_tavolin = std::make_unique<TavolinApp>(m_program);
    m_frame = m_tavolin->frame();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestSettingsWindow::cleanup()
{
    m_tavolin.reset();
    m_frame = nullptr;
    m_app.reset();
    const QString autostart = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
    QDir(autostart).removeRecursively();
    QFile::remove(autostart);
}

Install* TestSettingsWindow::openSettingsFromTheMenu()
{
    QTest::mouseClick(m_frame->menuButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([] { return MdlMenu::CurrentPopup() && MdlMenu::CurrentPopup()->isVisible(); }, 5000))
        return nullptr;
    // "设置" is the menu's first item.
    QWidget* menu = MdlMenu::CurrentPopup();
    if (MdlMenu::MenuItems().value(0)->Caption() != QStringLiteral("设置"))
        return nullptr;
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, QPoint(60, MdlMenu::ItemHeight / 2));
    Install* settings = nullptr;
    const bool shown =
        QTest::qWaitFor([&] { return (settings = m_frame->findChild<Install*>()) && settings->isVisible(); }, 5000);
    return shown ? settings : nullptr;
}

void TestSettingsWindow::click(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

void TestSettingsWindow::saveShot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    // What was just shown gets painted first.
    QTest::qWait(400);
    const QRect area = window->frameGeometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(QDir(folder).filePath(name));
}

void TestSettingsWindow::settingsRoundTrip()
{
    // The advertisement page loaded: a corner pop-up is owed.
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->cornerPopupTimer().isActive(), 15000);
    const QString entry = Autostart::EntryPath(m_program);

    Install* settings = openSettingsFromTheMenu();
    QVERIFY(settings);
    QVERIFY(settings->isModal());
    QCOMPARE(settings->pos() - m_frame->pos(), QPoint(191, 133));
    QVERIFY(!m_frame->cornerPopupTimer().isActive());
    QVERIFY(!settings->Chk_Run()->isChecked());
    QVERIFY(!settings->CHK_Close()->isChecked());
    click(settings->Chk_Run());
    click(settings->CHK_Close());
    saveShot(settings, "settings.png");
    QTest::mouseClick(settings->Btn_Close(), Qt::LeftButton);
    QTRY_VERIFY(!m_frame->findChild<Install*>());
    QVERIFY(Catalogue::CloseHidesWindow());
    QVERIFY(QFile::exists(entry));
    QCOMPARE(Autostart::StartedProgram(QString::fromUtf8(FileContent(entry))), m_program);
    // Closed, the owed pop-up is on its way again.
    QVERIFY(m_frame->cornerPopupTimer().isActive());

    // Read back; the corner button changes nothing.
    settings = openSettingsFromTheMenu();
    QVERIFY(settings);
    QVERIFY(settings->Chk_Run()->isChecked());
    QVERIFY(settings->CHK_Close()->isChecked());
    click(settings->Chk_Run());
    click(settings->CHK_Close());
    QTest::mouseClick(settings->W_Close(), Qt::LeftButton);
    QTRY_VERIFY(!m_frame->findChild<Install*>());
    QVERIFY(m_frame->cornerPopupTimer().isActive());
    QVERIFY(Catalogue::CloseHidesWindow());
    QVERIFY(Autostart::IsOn(m_program));

    // Both off, saved: the entry goes.
    settings = openSettingsFromTheMenu();
    QVERIFY(settings);
    QVERIFY(settings->Chk_Run()->isChecked());
    QVERIFY(settings->CHK_Close()->isChecked());
    click(settings->Chk_Run());
    click(settings->CHK_Close());
    QTest::mouseClick(settings->Btn_Close(), Qt::LeftButton);
    QTRY_VERIFY(!m_frame->findChild<Install*>());
    QVERIFY(!Catalogue::CloseHidesWindow());
    QVERIFY(!QFile::exists(entry));
    QVERIFY(!m_frame->findChild<QMessageBox*>());

    settings = openSettingsFromTheMenu();
    QVERIFY(settings);
    QVERIFY(!settings->Chk_Run()->isChecked());
    QVERIFY(!settings->CHK_Close()->isChecked());
    QTest::keyClick(settings, Qt::Key_Escape);
    QTRY_VERIFY(!m_frame->findChild<Install*>());
}

void TestSettingsWindow::failedWritesAreReported_data()
{
    QTest::addColumn<bool>("autostartBlocked");
    QTest::addColumn<bool>("catalogueLocked");
    QTest::newRow("autostart folder is a file") << true << false;
    QTest::newRow("catalogue held by another program") << false << true;
}

void TestSettingsWindow::failedWritesAreReported()
{
    QFETCH(bool, autostartBlocked);
    QFETCH(bool, catalogueLocked);
    const QString entry = Autostart::EntryPath(m_program);
    if (autostartBlocked) {
        QVERIFY(QDir().mkpath(QFileInfo(QFileInfo(entry).absolutePath()).absolutePath()));
        QFile blocker(QFileInfo(entry).absolutePath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    Install* settings = openSettingsFromTheMenu();
    QVERIFY(settings);
    CatalogueLock lock;
    if (catalogueLocked)
        QVERIFY(lock.hold(m_app->filePath(DatabaseFileName()), CatalogueLock::Kind::Writing));
    click(settings->Chk_Run());
    click(settings->CHK_Close());
    QElapsedTimer saving;
    saving.start();
    QTest::mouseClick(settings->Btn_Close(), Qt::LeftButton);
    QVERIFY2(saving.elapsed() < 1000, "saving held the window");
    QTRY_VERIFY(!m_frame->findChild<Install*>());
    QMessageBox* notice = nullptr;
    QTRY_VERIFY((notice = m_frame->findChild<QMessageBox*>()) && notice->isVisible());
    QCOMPARE(notice->text().contains(QDir::toNativeSeparators(entry)), autostartBlocked);
    QCOMPARE(notice->text().contains(QStringLiteral("关闭主面板")), catalogueLocked);
    lock.release();
    // What could be written was.
    QCOMPARE(Catalogue::CloseHidesWindow(), !catalogueLocked);
    QCOMPARE(Autostart::IsOn(m_program), !autostartBlocked);
    notice->close();
}

void TestSettingsWindow::purgeKeepsTheLogin()
{
    // Logged in on the site, whose pages fill the program's cache.
    QWebEngineProfile* profile = m_tavolin->webProfile();
    QWebEngineView view;
    view.setPage(new QWebEnginePage(profile, &view));
    view.resize(400, 300);
    view.show();
    view.load(QUrl(m_site.base() + "my/login.php?username=demo&password=demo123"));
    QTRY_VERIFY_WITH_TIMEOUT(loggedIn(profile), 10000);
    view.load(QUrl(m_site.base() + "my/space1.php"));
    const QString cache = profile->cachePath();
    qint64 filled = 0;
    QTRY_VERIFY_WITH_TIMEOUT((filled = folderBytes(cache)) > 20000, 15000);

    Install* settings = openSettingsFromTheMenu();
    QVERIFY(settings);
    QTest::mouseClick(settings->iBtn_PurgeBtn(), Qt::LeftButton);
    QTRY_VERIFY2_WITH_TIMEOUT(folderBytes(cache) < filled / 10, qPrintable(QString::number(folderBytes(cache))), 10000);
    // Cookies would go in the background too: give them the time, then ask the site.
    QTest::qWait(2000);
    QVERIFY(loggedIn(profile));
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl(m_site.base() + "my/space1.php"));
    QVERIFY(loaded.wait(10000));
    QString text;
    view.page()->toPlainText([&text](const QString& plain) { text = plain; });
    QTRY_VERIFY(!text.isEmpty());
    QVERIFY2(text.contains(QStringLiteral("demo，欢迎回来")), qPrintable(text));
    QVERIFY(settings->isVisible());
    QTest::mouseClick(settings->W_Close(), Qt::LeftButton);
}

void TestSettingsWindow::cornerPopupLeavesTheFocusAndGoes()
{
    // A window manager that, like a desktop's, gives new windows the focus unless they
    // decline it.
    QProcess windowManager;
    windowManager.start("openbox", {"--sm-disable"});
    QVERIFY(windowManager.waitForStarted(5000));
    const auto managed = [] {
        QProcess query;
        query.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
        return query.waitForFinished(3000) && query.readAllStandardOutput().contains("window id");
    };
    QVERIFY2(QTest::qWaitFor(managed, 10000), "the window manager did not come up");
    const auto stopManager = qScopeGuard([&] {
        windowManager.terminate();
        windowManager.waitForFinished(5000);
    });

    // Someone types in another program's window while the pop-up comes and goes.
    QWidget other;
    other.setWindowTitle("editor");
    auto* layout = new QVBoxLayout(&other);
    auto* editor = new QLineEdit(&other);
    layout->addWidget(editor);
    other.setGeometry(100, 100, 300, 60);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    editor->setFocus();
    const auto type = [](const QString& text) {
        return QProcess::execute("xdotool", {"type", "--delay", "30", text}) == 0;
    };
    QVERIFY(type("ab"));
    QTRY_COMPARE(editor->text(), QStringLiteral("ab"));

    QPointer<RightDown> popup;
    QTRY_VERIFY_WITH_TIMEOUT(popup = m_frame->cornerPopup(), 25000);
    QElapsedTimer shown;
    shown.start();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QCOMPARE(popup->frameGeometry(),
             QRect(QPoint(0, 0), QSize(310, 200))
                 .translated(QGuiApplication::primaryScreen()->availableGeometry().bottomRight() - QPoint(309, 199)));
    QVERIFY(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    QTRY_VERIFY_WITH_TIMEOUT(popup->WB()->url().path().endsWith("adright.html") && !popup->WB()->page()->isLoading(),
                             10000);
    QVERIFY(type("cd"));
    QTRY_COMPARE(editor->text(), QStringLiteral("abcd"));
    QCOMPARE(QApplication::activeWindow(), &other);
    QCOMPARE(QApplication::focusWidget(), editor);
    saveShot(popup, "corner-popup.png");

    QTRY_VERIFY_WITH_TIMEOUT(!popup, 17000);
    QVERIFY2(shown.elapsed() > 14000 && shown.elapsed() < 16000, qPrintable(QString::number(shown.elapsed())));
    QVERIFY(type("e"));
    QTRY_COMPARE(editor->text(), QStringLiteral("abcde"));

    // Its close button closes it at once.
    emit m_frame->cornerPopupDue();
    popup = m_frame->cornerPopup();
    QVERIFY(popup);
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QTest::mouseClick(popup->W_Close(), Qt::LeftButton);
    QTRY_VERIFY(!popup);
    QCOMPARE(QApplication::activeWindow(), &other);
}

QTEST_MAIN(TestSettingsWindow)
#include "TestSettingsWindow.moc"
