#include "pages/GameDownload.h"
#include "pages/GameFiles.h"
#include "shell/GlobalSettings.h"
#include "shell/SubMain.h"
#include "shell/UserFiles.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "tests/support/FileContent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestUserFiles : public QObject {
    Q_OBJECT
private slots:
    void downloadedGameLandsInTheUsersFolder_data();
    void downloadedGameLandsInTheUsersFolder();
};

enum class Access { Writable, ToldReadOnly, Mode0555 };
Q_DECLARE_METATYPE(Access)

void TestUserFiles::downloadedGameLandsInTheUsersFolder_data()
{
    QTest::addColumn<Access>("access");
    QTest::addColumn<bool>("apart");
    QTest::newRow("writable application folder keeps everything") << Access::Writable << false;
    QTest::newRow("read-only application folder") << Access::ToldReadOnly << true;
    QTest::newRow("application folder of mode 0555") << Access::Mode0555 << true;
}

void TestUserFiles::downloadedGameLandsInTheUsersFolder()
{
    QFETCH(Access, access);
    QFETCH(bool, apart);
    QTemporaryDir appDir;
    QTemporaryDir dataHome;
    QVERIFY(appDir.isValid() && dataHome.isValid());
    const QString app = appDir.path() + QLatin1Char('/');
    // What the program ships: an empty catalogue and the replay cue.
    QVERIFY(DatabaseCycle(app, DatabaseFileName()).isOpen());
    QVERIFY(QDir(app).mkpath(QStringLiteral("Games")));
    QVERIFY(OverwriteFile(app + QStringLiteral("Games/1.swf"), "FWS cue"));
    const QByteArray shippedCatalogue = FileContent(app + DatabaseFileName());
    QVERIFY(!shippedCatalogue.isEmpty());

    bool writable = access == Access::Writable;
    if (access == Access::Mode0555) {
        if (geteuid() == 0)
            QSKIP("root may write in any folder");
        QVERIFY(QFile::setPermissions(app, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                               | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther));
        writable = UserFiles::IsWritableFolder(app);
        QVERIFY(!writable);
    } else {
        QCOMPARE(UserFiles::IsWritableFolder(app), true);
    }
    const auto restore = qScopeGuard(
        [&] { QFile::setPermissions(app, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); });

    const QString user = UserFiles::UserFolderFor(app, writable, dataHome.path());
    QCOMPARE(user, apart ? dataHome.path() + QStringLiteral("/tavolin/") : app);
    const QMap<QString, QByteArray> shipped = FolderSnapshot(app);
    QCOMPARE(UserFiles::PrepareUserFolder(app, user), QString());
    QCOMPARE(FileContent(user + DatabaseFileName()), shippedCatalogue);

    GlobalSettings record = SubMain::MakeGlobalSettings(app, QString());
    record.UserPath = user;
    SetGlobalSettings(record);

    // A saved Flash game as the download job finishes it, with a name that needs mapping.
    GameJob job;
    job.kind = GameJob::Kind::SavedFlash;
    job.name = QStringLiteral("跳 跳's");
    job.pageAddress = QStringLiteral("http://127.0.0.1:1/game/1.html");
    // The job fetches into the folders it makes below the user's folder of the record.
    QVERIFY(QDir().mkpath(ThumbnailFolder(Settings().UserPath)) && QDir().mkpath(MovieFolder(Settings().UserPath)));
    const FetchedFiles files{ThumbnailFolder(Settings().UserPath) + QStringLiteral("4.jpg"),
                             MovieFolder(Settings().UserPath) + QStringLiteral("4.swf")};
    QVERIFY(OverwriteFile(files.thumbnail, "JFIF thumbnail"));
    QVERIFY(OverwriteFile(files.movie, "FWS movie"));
    const FinishOutcome outcome = FinishGameJob(job, files, Settings().UserPath);
    QVERIFY2(outcome.catalogued, qPrintable(outcome.problems.join(QLatin1Char('\n'))));

    QCOMPARE(QDir(user + QStringLiteral("Jpgs")).entryList(QDir::Files), QStringList(QFileInfo(ThumbnailFile(user, job.name)).fileName()));
    QCOMPARE(FileContent(MovieFile(user, job.name)), QByteArray("FWS movie"));
    // The row went to the catalogue in use, and in the read-only case the shipped one is untouched.
    QCOMPARE(Catalogue::FindGame(job.name).size(), 1);
    QCOMPARE(FileContent(UserFiles::ShippedMovie(QStringLiteral("1.swf"))), QByteArray("FWS cue"));
    if (apart) {
        QCOMPARE(FolderSnapshot(app), shipped);
        // A later start keeps the user's catalogue.
        QCOMPARE(UserFiles::PrepareUserFolder(app, user), QString());
        QCOMPARE(Catalogue::FindGame(job.name).size(), 1);
    }
}

QTEST_GUILESS_MAIN(TestUserFiles)
#include "TestUserFiles.moc"
