// The Debian package as a user meets it: built by CPack, checked by Debian's own
// tools, unpacked into a folder the user may not write to, and run against the demo
// site by an ordinary user with an empty data folder, who downloads a game through the
// finder and finds it in My box after a restart.
#include "pages/GameFiles.h"
#include "pages/MainGame.h"
#include "pages/MainGameUrl.h"
#include "pages/MyBoxGrid.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/SubMain.h"
#include "store/Catalogue.h"
#include "tests/packaging/RemotePages.h"
#include "tests/support/ElementCentreScript.h"
#include "tests/support/FileContent.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/XWindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// Runs a tool to its end; its exit code (-1 when it did not end) and what it printed.
int run(const QString& program, const QStringList& arguments, QString* output = nullptr, int timeoutMs = 120000)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    const bool ended = tool.waitForFinished(timeoutMs);
    if (output)
        *output = QString::fromUtf8(tool.readAll());
    if (!ended) {
        tool.kill();
        tool.waitForFinished(5000);
        return -1;
    }
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

constexpr QFileDevice::Permissions OpenFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                | QFileDevice::ExeOther;

// The ordinary user the program runs as when the test runs as root: root may write
// anywhere, a user may not write below a package's folders.
constexpr uid_t OrdinaryUser = 65534;

} // namespace

class TestDebianPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void debianToolsAcceptThePackage();
    void gameDownloadedThroughTheFinderStaysWithTheUser();

private:
    QString installed(const QString& path) const { return m_root.path() + QStringLiteral("/usr/") + path; }
    QString programFolder() const { return installed(QStringLiteral("lib/tavolin/")); }
    QString userFolder() const { return m_home.path() + QStringLiteral("/.local/share/tavolin/"); }
    // Starts the unpacked program as the user, with its pages open to this test.
    void startAsUser(QProcess& program);
    // The main window of `program` on the screen, once it shows.
    QRect mainWindow(const QProcess& program);
    // Clicks the element of the page whose address contains `pagePart`, shown at
    // `viewOrigin` on the screen.
    bool clickInPage(const QString& pagePart, const QString& selector, const QPoint& viewOrigin);
    void quit(QProcess& program);

    DemoSite m_site;
    QTemporaryDir m_output;
    QTemporaryDir m_root;
    QTemporaryDir m_home;
    // Short, as the user's runtime folder is: the program's topic sockets live there.
    QTemporaryDir m_runtime{QStringLiteral("/tmp/tavolin-run-XXXXXX")};
    QString m_package;
    bool m_asRoot = geteuid() == 0;
    quint16 m_debugPort = 0;
};

void TestDebianPackage::initTestCase()
{
    QVERIFY(m_output.isValid() && m_root.isValid() && m_home.isValid() && m_runtime.isValid());
    // The user reaches what lies below this test's own temporary folder.
    QVERIFY(QFile::setPermissions(QDir::tempPath(), OpenFolder) && QFile::setPermissions(m_root.path(), OpenFolder));
    QString said;
    QCOMPARE(run(QStringLiteral(TAVOLIN_CPACK), {QStringLiteral("--config"), QStringLiteral(TAVOLIN_CPACK_CONFIG),
                                                 QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"),
                                                 m_output.path()},
                 &said, 600000),
             0);
    const QStringList packages = QDir(m_output.path()).entryList({QStringLiteral("tavolin_*.deb")}, QDir::Files);
    QVERIFY2(packages.size() == 1, qPrintable(said));
    m_package = m_output.filePath(packages.first());
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_package, m_root.path()}, &said), 0);
    qInfo("package %s: %lld bytes", qPrintable(packages.first()), QFileInfo(m_package).size());
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
}

void TestDebianPackage::cleanupTestCase()
{
    // Whatever the user made is the test's to remove.
    if (!m_asRoot)
        run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_root.path()});
}

void TestDebianPackage::debianToolsAcceptThePackage()
{
    QString said;
    QVERIFY2(run(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error"), m_package}, &said) == 0,
             qPrintable(said));
    const QString entry = installed(QStringLiteral("share/applications/com.mivo.tavolin.desktop"));
    QVERIFY2(run(QStringLiteral("desktop-file-validate"), {entry}, &said) == 0, qPrintable(said));
    QVERIFY2(run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                  installed(QStringLiteral("share/metainfo/com.mivo.tavolin.metainfo.xml"))},
                 &said) == 0,
             qPrintable(said));

    // What the launcher's menu entry names is there: the command and the icon.
    QSettings desktop(entry, QSettings::IniFormat);
    desktop.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(QFileInfo(installed(QStringLiteral("bin/") + desktop.value(QStringLiteral("Exec")).toString())).canonicalFilePath(),
             QFileInfo(programFolder() + QStringLiteral("Tavolin")).canonicalFilePath());
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png")
                                        .arg(size)
                                        .arg(desktop.value(QStringLiteral("Icon")).toString())));
        QCOMPARE(icon.size(), QSize(size, size));
    }
    // The web engine's helper process is no library the programs link: it must be asked for.
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), m_package, QStringLiteral("Depends")}, &said), 0);
    QVERIFY2(said.contains(QStringLiteral("libqt6webenginecore6-bin")), qPrintable(said));
}

void TestDebianPackage::startAsUser(QProcess& program)
{
    QProcessEnvironment environment;
    for (const char* kept : {"DISPLAY", "PATH", "LANG", "QTWEBENGINE_CHROMIUM_FLAGS", "QTWEBENGINE_DISABLE_SANDBOX"}) {
        if (qEnvironmentVariableIsSet(kept))
            environment.insert(QString::fromLatin1(kept), qEnvironmentVariable(kept));
    }
    // The user's own session: a home with nothing in it yet, and no secret store.
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-bus")));
    environment.insert(QStringLiteral("TAVOLIN_SITE_BASE"), m_site.base());
    environment.insert(QStringLiteral("QTWEBENGINE_REMOTE_DEBUGGING"), QStringLiteral("127.0.0.1:%1").arg(m_debugPort));
    const QString xauthority = m_home.filePath(QStringLiteral(".Xauthority"));
    if (qEnvironmentVariableIsSet("XAUTHORITY")) {
        QFile::remove(xauthority);
        QFile::copy(qEnvironmentVariable("XAUTHORITY"), xauthority);
        environment.insert(QStringLiteral("XAUTHORITY"), xauthority);
    }
    if (m_asRoot) {
        for (const QString& folder : {m_home.path(), m_runtime.path()})
            QCOMPARE(run(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(OrdinaryUser), folder}), 0);
        program.setProgram(QStringLiteral("setpriv"));
        program.setArguments({QStringLiteral("--reuid=%1").arg(OrdinaryUser), QStringLiteral("--regid=%1").arg(OrdinaryUser),
                              QStringLiteral("--clear-groups"), installed(QStringLiteral("bin/tavolin"))});
    } else {
        program.setProgram(installed(QStringLiteral("bin/tavolin")));
    }
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start();
    QVERIFY(program.waitForStarted(10000));
}

QRect TestDebianPackage::mainWindow(const QProcess& program)
{
    QRect found;
    const bool shown = QTest::qWaitFor(
        [&] {
            for (const QString& window : VisibleWindows(program.processId())) {
                if (WindowName(window) == QStringLiteral("mivo盒子"))
                    found = WindowGeometry(window);
            }
            return found.isValid();
        },
        30000);
    return shown ? found : QRect();
}

bool TestDebianPackage::clickInPage(const QString& pagePart, const QString& selector, const QPoint& viewOrigin)
{
    RemotePages remote(m_debugPort);
    std::optional<RemotePages::Page> page;
    std::optional<QJsonValue> centre;
    const bool shown = QTest::qWaitFor(
        [&] {
            for (const RemotePages::Page& candidate : remote.pages()) {
                if (!candidate.url.contains(pagePart))
                    continue;
                centre = RemotePages::evaluate(candidate, ElementCentreScript(selector));
                if (centre && centre->toArray().size() == 2) {
                    page = candidate;
                    return true;
                }
            }
            return false;
        },
        30000);
    if (!shown)
        return false;
    // A page that just scrolled paints before it takes the click where it now shows.
    QTest::qWait(300);
    centre = RemotePages::evaluate(*page, ElementCentreScript(selector));
    if (!centre || centre->toArray().size() != 2)
        return false;
    const QJsonArray at = centre->toArray();
    ClickScreen(viewOrigin + QPoint(qRound(at[0].toDouble()), qRound(at[1].toDouble())));
    return true;
}

void TestDebianPackage::quit(QProcess& program)
{
    // The program ends on SIGTERM as by its menu's quit; setpriv runs it in its own process.
    program.terminate();
    QVERIFY2(WaitForEnd(program, 30000), "the program did not end on SIGTERM");
}

void TestDebianPackage::gameDownloadedThroughTheFinderStaysWithTheUser()
{
    const QString game = QStringLiteral("熊猫跑酷");
    const int gameId = 102;
    if (!m_asRoot) {
        // Installed for the whole machine, the folder is not the user's to write.
        QCOMPARE(run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"), m_root.path() + QStringLiteral("/usr")}), 0);
    }
    const QMap<QString, QByteArray> shipped = FolderSnapshot(m_root.path());
    m_debugPort = RemotePages::FreePort();
    QVERIFY(m_debugPort != 0);

    QProcess first;
    startAsUser(first);
    QRect window = mainWindow(first);
    QVERIFY2(window.isValid(), "the main window did not show");
    const QPoint pages = window.topLeft() + MainFrm::ContainerRect.topLeft();
    // My box is empty but for "更多游戏", which leads to the finder.
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(userFolder() + DatabaseFileName()); }, 10000));
    QTest::qWait(2000); // My box reveals its grid a second after it opens
    ClickScreen(pages + MyBoxGrid::TilePictureRect(0).center());
    QVERIFY2(clickInPage(m_site.base(), QStringLiteral("a[href*=\"'openTable','%1|\"]").arg(game),
                         pages + QPoint(0, MainGame::BarHeight)),
             "the game's link in the finder was not found");
    QVERIFY2(clickInPage(QStringLiteral("/tavolin/html/game/%1.html").arg(gameId),
                         QStringLiteral("a[href^=\"javascript:CALL_API('FlashTable'\"]"),
                         pages - QPoint(MainGameUrl::CropOffset, MainGameUrl::CropOffset)),
             "the download link on the game's page was not found");

    // The game arrives in the user's folder and plays in its tab.
    const QString movie = MovieFile(userFolder(), game);
    const QString thumbnail = ThumbnailFile(userFolder(), game);
    RemotePages remote(m_debugPort);
    const QString playing = QStringLiteral(
        "(function(){var p=document.querySelector('ruffle-player');"
        "return p&&p.metadata&&p.loadedConfig?String(p.loadedConfig.url||''):'';})()");
    const auto playsTheUsersMovie = [&] {
        for (const RemotePages::Page& page : remote.pages()) {
            const std::optional<QJsonValue> url = page.url.contains(QStringLiteral("ruffle/player.html"))
                                                      ? RemotePages::evaluate(page, playing)
                                                      : std::nullopt;
            if (url && QUrl(url->toString()).toLocalFile() == movie)
                return true;
        }
        return false;
    };
    QVERIFY2(QTest::qWaitFor(playsTheUsersMovie, 60000), "the downloaded game did not play from the user's folder");
    QVERIFY(QFileInfo(movie).size() > 0);
    QVERIFY(QFileInfo(thumbnail).size() > 0);
    quit(first);

    // Nothing below the program's folder changed; the row is in the user's catalogue.
    QCOMPARE(FolderSnapshot(m_root.path()), shipped);
    QCOMPARE(QFileInfo(userFolder() + DatabaseFileName()).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
    QTemporaryDir copy;
    QVERIFY(QFile::copy(userFolder() + DatabaseFileName(), copy.filePath(DatabaseFileName())));
    GlobalSettings record = SubMain::MakeGlobalSettings(programFolder(), QString());
    record.UserPath = copy.path() + QLatin1Char('/');
    SetGlobalSettings(record);
    const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(game);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].pageAddress, m_site.base() + QStringLiteral("tavolin/html/game/%1.html").arg(gameId));

    // After a restart the game is the first tile of My box, and a click plays it.
    QProcess second;
    startAsUser(second);
    window = mainWindow(second);
    QVERIFY2(window.isValid(), "the main window did not show again");
    QTest::qWait(2000); // My box reveals its grid a second after it opens
    ClickScreen(window.topLeft() + MainFrm::ContainerRect.topLeft() + MyBoxGrid::TilePictureRect(0).center());
    QVERIFY2(QTest::qWaitFor(playsTheUsersMovie, 60000), "My box did not play the game after a restart");
    quit(second);
    QCOMPARE(FolderSnapshot(m_root.path()), shipped);
}

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "TestDebianPackage.moc"
