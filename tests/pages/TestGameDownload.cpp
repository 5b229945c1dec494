// The download page's decisions without a window: sizes as the panel shows them, and
// the finishing steps against a real application folder and catalogue.
#include "pages/GameDownload.h"
#include "pages/GameFiles.h"
#include "pages/TileComposer.h"
#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "store/Catalogue.h"
#include "store/Statements.h"
#include "tests/support/AppFolder.h"
#include "tests/support/CatalogueLock.h"
#include "tests/support/FilledImage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace {

const QString SiteBase = QStringLiteral("http://127.0.0.1:1/");
const QByteArray MovieBytes("FWS movie bytes");

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file below `folder`, relative to it.
QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestGameDownload : public QObject {
    Q_OBJECT
private slots:
    void formatsSizes_data();
    void formatsSizes();
    void finishingPutsFilesInPlaceAndCatalogues_data();
    void finishingPutsFilesInPlaceAndCatalogues();
    void finishingThatCannotCompleteSaysSo_data();
    void finishingThatCannotCompleteSaysSo();
};

void TestGameDownload::formatsSizes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing") << qint64(0) << "0b";
    QTest::newRow("1023") << qint64(1023) << "1023b";
    QTest::newRow("1024") << qint64(1024) << "1k";
    QTest::newRow("just under a megabyte") << qint64(1048575) << "1023k";
    QTest::newRow("1048576") << qint64(1048576) << "1M";
    QTest::newRow("1572864") << qint64(1572864) << "1.5M";
    QTest::newRow("a quarter rounds up") << qint64(1310720) << "1.3M";
    QTest::newRow("ten megabytes keep their zero") << qint64(10 * 1048576) << "10M";
    QTest::newRow("just under half a gigabyte") << qint64(536870911) << "512M";
    QTest::newRow("536870912") << qint64(536870912) << "0.5G";
    QTest::newRow("largest 32-bit count") << qint64(2147483647) << "2G";
    QTest::newRow("a terabyte groups thousands") << qint64(1099511627776) << "1,024G";
}

void TestGameDownload::formatsSizes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, shown);
    QCOMPARE(FormatSize(bytes), shown);
}

void TestGameDownload::finishingPutsFilesInPlaceAndCatalogues_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("playAddress");
    QTest::addColumn<QString>("playerAddress");

    QTest::newRow("saved Flash game, name with spaces")
        << "FlashTable" << QStringList{"Fire Boy 2", "/pic/7.jpg", "/swf/7.swf", QStringLiteral("方向键 移动")} << 1 << ""
        << "";
    QTest::newRow("streamed Flash game")
        << "FlashTable"
        << QStringList{QStringLiteral("极速赛车手"), SiteBase + "pic/105.jpg", "/swf/105.swf?nosave", "intro"} << 1
        << SiteBase + "/swf/105.swf" << SiteBase + "/swf/105.swf?nosave";
    QTest::newRow("web game") << "WebTable"
                              << QStringList{QStringLiteral("云端三国"), "/pic/131.jpg", SiteBase + "play/131.html"} << 2
                              << SiteBase + "play/131.html" << "";
    QTest::newRow("saved, a name that climbs out")
        << "FlashTable" << QStringList{"../../escape", "/pic/8.jpg", "/swf/8.swf", ""} << 1 << "" << "";
    QTest::newRow("web, a name with separators")
        << "WebTable" << QStringList{"a/b\\c", "/pic/9.jpg", SiteBase + "play/9.html"} << 2 << SiteBase + "play/9.html"
        << "";
    QTest::newRow("streamed, a hidden-file name")
        << "FlashTable" << QStringList{"..", "/pic/10.jpg", "/swf/10.swf?nosave", ""} << 1 << SiteBase + "/swf/10.swf"
        << SiteBase + "/swf/10.swf?nosave";
}

void TestGameDownload::finishingPutsFilesInPlaceAndCatalogues()
{
    QFETCH(QString, word);
    QFETCH(QStringList, fields);
    QFETCH(int, type);
    QFETCH(QString, playAddress);
    QFETCH(QString, playerAddress);
    // The application folder one level down, so that a climbing name would land in
    // the test's own folder.
    QTemporaryDir outer;
    const QString app = outer.filePath(QStringLiteral("app/"));
    QVERIFY(QDir().mkpath(app + "Jpgs") && QDir().mkpath(app + "Games"));
    UseAppFolder(app, SiteBase);
    const QString page = SiteBase + "html/game/1.html";

    const GameJob job = word == QLatin1String("FlashTable") ? GameJob::FromFlashCommand(fields, page, SiteHomeUrl())
                                                            : GameJob::FromWebCommand(fields, page, SiteHomeUrl());
    // The transfers left their files under the addresses' last segments; an old
    // thumbnail of the game is replaced.
    const QString name = fields[0];
    FetchedFiles fetched{app + "Jpgs/fetched.jpg", job.fetchesMovie() ? app + "Games/fetched.swf" : QString()};
    QVERIFY(FilledImage({120, 90}, QColor(220, 30, 30)).save(fetched.thumbnail, "JPG", 100));
    QVERIFY(FilledImage({120, 90}, Qt::blue).save(ThumbnailFile(app, name), "JPG", 100));
    if (job.fetchesMovie())
        QVERIFY(writeFile(fetched.movie, MovieBytes));

    const FinishOutcome outcome = FinishGameJob(job, fetched, app);
    QVERIFY2(outcome.problems.isEmpty(), qPrintable(outcome.problems.join('\n')));
    QVERIFY(outcome.catalogued);

    const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(name);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].type, type);
    QCOMPARE(rows[0].playAddress, playAddress);
    QCOMPARE(rows[0].pageAddress, page);
    QCOMPARE(rows[0].introduction, type == Statements::FlashGame ? fields[3] : QString());
    QCOMPARE(job.playerAddress(), playerAddress);

    // Only the game's own files (and the catalogue) are there, each directly in its folder.
    QStringList gameFiles{QDir(app).relativeFilePath(ThumbnailFile(app, name))};
    if (job.fetchesMovie())
        gameFiles << QDir(app).relativeFilePath(MovieFile(app, name));
    for (const QString& file : gameFiles) {
        const QStringList parts = file.split(QLatin1Char('/'));
        QVERIFY2(parts.size() == 2 && (parts[0] == "Jpgs" || parts[0] == "Games"), qPrintable(file));
    }
    QStringList expected{QStringLiteral("app/") + DatabaseFileName()};
    for (const QString& file : gameFiles)
        expected << QStringLiteral("app/") + file;
    expected.sort();
    QCOMPARE(filesBelow(outer.path()), expected);
    if (job.fetchesMovie()) {
        QFile movie(MovieFile(app, name));
        QVERIFY(movie.open(QIODevice::ReadOnly));
        QCOMPARE(movie.readAll(), MovieBytes);
    }
    // My box finds the new thumbnail, not the old one.
    TileComposer composer(FilledImage({74, 74}, Qt::white), FilledImage({74, 74}, Qt::transparent),
                          ThumbnailFolder(app));
    const QColor middle = composer.tile(name).pixelColor(37, 37);
    QVERIFY2(middle.red() > 180 && middle.blue() < 80, qPrintable(middle.name()));
}

void TestGameDownload::finishingThatCannotCompleteSaysSo_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<bool>("catalogued");
    QTest::addColumn<QString>("problem");
    QTest::newRow("movie missing") << "movie missing" << false << QStringLiteral("游戏文件");
    QTest::newRow("thumbnail missing") << "thumbnail missing" << true << QStringLiteral("缩略图");
    QTest::newRow("catalogue locked") << "catalogue locked" << false << QStringLiteral("占用");
}

void TestGameDownload::finishingThatCannotCompleteSaysSo()
{
    QFETCH(QString, condition);
    QFETCH(bool, catalogued);
    QFETCH(QString, problem);
    TemporaryAppFolder folder(TemporaryAppFolder::Skin::None, SiteBase);
    const QString app = Settings().UserPath;
    QVERIFY(QDir().mkpath(app + "Jpgs") && QDir().mkpath(app + "Games"));
    const GameJob job = GameJob::FromFlashCommand({"Tank", "/pic/4.jpg", "/swf/4.swf", ""}, SiteBase, SiteHomeUrl());
    const FetchedFiles fetched{app + "Jpgs/4.jpg", app + "Games/4.swf"};
    if (condition != QLatin1String("thumbnail missing"))
        QVERIFY(FilledImage({120, 90}, Qt::red).save(fetched.thumbnail, "JPG"));
    if (condition != QLatin1String("movie missing"))
        QVERIFY(writeFile(fetched.movie, MovieBytes));
    QVERIFY(Catalogue::AddWebGame("Other", "", ""));
    CatalogueLock lock;
    if (condition == QLatin1String("catalogue locked"))
        QVERIFY(lock.hold(folder.filePath(DatabaseFileName()), CatalogueLock::Kind::Exclusive));

    const FinishOutcome outcome = FinishGameJob(job, fetched, app);
    lock.release();
    QCOMPARE(outcome.catalogued, catalogued);
    QCOMPARE(outcome.problems.size(), 1);
    QVERIFY2(outcome.problems[0].contains(problem), qPrintable(outcome.problems[0]));
    QCOMPARE(Catalogue::FindGame("Tank").size(), catalogued ? 1 : 0);
}

QTEST_MAIN(TestGameDownload)
#include "TestGameDownload.moc"
