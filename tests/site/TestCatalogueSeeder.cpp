#include "site/CatalogueSeeder.h"
#include "site/CommandLinks.h"
#include "site/SiteCatalogue.h"
#include "store/Catalogue.h"
#include "store/UtfToGb.h"
#include "tests/support/AppFolder.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <memory>

// Seeds a temporary application folder and reads it back with the launcher's own readers.
class TestCatalogueSeeder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void seedsAnEmptyFolder_data();
    void seedsAnEmptyFolder();
    void secondSeedingAddsNothing();
    void leavesAFilledCatalogueAlone();

private:
    std::unique_ptr<TemporaryAppFolder> m_app;
};

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:8737/");

// A few demo games with blanks and a quote in their names, web games among them.
SiteCatalogue awkwardNames()
{
    const SiteCatalogue demo;
    QList<SiteGame> games;
    for (const SiteGame& game : demo.games()) {
        if (game.name.contains(QLatin1Char(' ')) || game.isWeb())
            games.append(game);
    }
    games[0].name = QStringLiteral("Tom's  Big Run");
    return SiteCatalogue(games);
}

} // namespace

void TestCatalogueSeeder::init()
{
    m_app = std::make_unique<TemporaryAppFolder>();
    QVERIFY(m_app->isValid());
}

void TestCatalogueSeeder::cleanup()
{
    m_app.reset();
}

void TestCatalogueSeeder::seedsAnEmptyFolder_data()
{
    QTest::addColumn<SiteCatalogue>("catalogue");
    QTest::addColumn<QString>("siteBase");
    QTest::addColumn<int>("count");
    QTest::newRow("demo catalogue") << SiteCatalogue() << Base << CatalogueSeeder::GameCount;
    QTest::newRow("awkward names, base without slash") << awkwardNames() << Base.chopped(1)
                                                       << int(awkwardNames().games().size());
}

void TestCatalogueSeeder::seedsAnEmptyFolder()
{
    QFETCH(SiteCatalogue, catalogue);
    QFETCH(QString, siteBase);
    QFETCH(int, count);
    QVERIFY(count <= CatalogueSeeder::GameCount);
    const CatalogueSeeder::Result result = CatalogueSeeder::Seed(catalogue, m_app->path(), siteBase);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(!result.hadGames);
    QCOMPARE(result.added, count);

    // Games whose movie fails on purpose stay out; names lose what a download link cannot carry.
    QList<SiteGame> expected;
    for (const SiteGame& game : catalogue.games()) {
        if (game.movieFault == MovieFault::None)
            expected.append(game);
    }
    expected = expected.mid(0, count);
    QStringList names;
    for (const SiteGame& game : expected)
        names << CommandLinks::Field(game.name);
    // Newest first: the site's order.
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All), names);

    for (const SiteGame& game : expected) {
        const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(CommandLinks::Field(game.name));
        QCOMPARE(rows.size(), qsizetype(1));
        const Catalogue::GameRecord& row = rows.first();
        QCOMPARE(row.pageAddress, Base + QStringLiteral("tavolin/html/game/%1.html").arg(game.id));
        if (game.isWeb()) {
            QCOMPARE(row.type, 2);
            QCOMPARE(row.playAddress, Base + QStringLiteral("tavolin/web/%1/index.html").arg(game.id));
            QVERIFY(row.introduction.isEmpty());
        } else {
            QCOMPARE(row.type, 1);
            QCOMPARE(row.playAddress, Base + QStringLiteral("tavolin/swf/%1.swf").arg(game.id));
            // Stored as the download link carries it; the reader decodes it like any value.
            QCOMPARE(row.introduction, UtfToGb::PercentDecodeUtf8(CommandLinks::IntroductionField(game)));
        }
        const QString thumbnail = m_app->filePath(QStringLiteral("Jpgs/") + CommandLinks::Field(game.name).remove(QLatin1Char(' '))
                                                  + QStringLiteral(".jpg"));
        QVERIFY2(!thumbnail.section(QLatin1Char('/'), -1).contains(QLatin1Char(' ')), qPrintable(thumbnail));
        QVERIFY2(QImage(thumbnail).size() == QSize(150, 150), qPrintable(thumbnail));
    }
    QCOMPARE(QDir(m_app->filePath(QStringLiteral("Jpgs"))).entryList(QDir::Files).size(), qsizetype(count));
}

void TestCatalogueSeeder::secondSeedingAddsNothing()
{
    const SiteCatalogue catalogue;
    QCOMPARE(CatalogueSeeder::Seed(catalogue, m_app->path(), Base).added, CatalogueSeeder::GameCount);
    const CatalogueSeeder::Result again = CatalogueSeeder::Seed(catalogue, m_app->path(), Base);
    QVERIFY2(again.error.isEmpty(), qPrintable(again.error));
    QVERIFY(again.hadGames);
    QCOMPARE(again.added, 0);
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All).size(), qsizetype(CatalogueSeeder::GameCount));
}

void TestCatalogueSeeder::leavesAFilledCatalogueAlone()
{
    QVERIFY(Catalogue::AddWebGame(QStringLiteral("我的游戏"), QStringLiteral("http://127.0.0.1/mine"), QString()));
    const CatalogueSeeder::Result result = CatalogueSeeder::Seed(SiteCatalogue(), m_app->path(), Base);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(result.hadGames);
    QCOMPARE(result.added, 0);
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All), QStringList(QStringLiteral("我的游戏")));
    QVERIFY(!QDir(m_app->path()).exists(QStringLiteral("Jpgs")));
}

QTEST_MAIN(TestCatalogueSeeder)
#include "TestCatalogueSeeder.moc"
