#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "shell/SubMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void recordAsStartUpFillsIt();
    void siteBaseOverride_data();
    void siteBaseOverride();
    void siteAddresses_data();
    void siteAddresses();
    void skinLookUpIgnoresCase_data();
    void skinLookUpIgnoresCase();
};

void TestSettings::recordAsStartUpFillsIt()
{
    const GlobalSettings record = SubMain::MakeGlobalSettings(QStringLiteral("/opt/tavolin"), QString());
    QCOMPARE(record.SiteBase, QStringLiteral("http://127.0.0.1:8737/"));
    QCOMPARE(record.AppTitle, QStringLiteral("mivo盒子"));
    QCOMPARE(record.ProductKey, QStringLiteral("tavolin"));
    QCOMPARE(record.ShowStudioCredit, false);
    QCOMPARE(record.AppPath, QStringLiteral("/opt/tavolin/"));
    QCOMPARE(record.DbFile, DatabaseFileName());
    QCOMPARE(SubMain::MakeGlobalSettings(QStringLiteral("/"), QString()).AppPath, QStringLiteral("/"));
}

void TestSettings::siteBaseOverride_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("taken");
    QTest::newRow("http") << "http://127.0.0.1:9000/" << true;
    QTest::newRow("https with path") << "https://games.test/box/" << true;
    QTest::newRow("no trailing slash") << "http://games.test" << false;
    QTest::newRow("ftp") << "ftp://games.test/" << false;
    QTest::newRow("relative") << "games/" << false;
    QTest::newRow("no host") << "http:///" << false;
    QTest::newRow("file") << "file:///tmp/" << false;
    QTest::newRow("spaces") << "http://games test/" << false;
}

void TestSettings::siteBaseOverride()
{
    QFETCH(QString, value);
    QFETCH(bool, taken);
    QString refusal;
    const GlobalSettings record = SubMain::MakeGlobalSettings(QStringLiteral("/app"), value, &refusal);
    QCOMPARE(record.SiteBase, taken ? value : QStringLiteral("http://127.0.0.1:8737/"));
    QCOMPARE(refusal.isEmpty(), taken);
    if (!taken)
        QVERIFY(refusal.startsWith(QStringLiteral("TAVOLIN_SITE_BASE=")));
}

void TestSettings::siteAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    GlobalSettings record = SubMain::MakeGlobalSettings(QStringLiteral("/app"), QStringLiteral("http://site.test/"));
    SetGlobalSettings(record);
    QTest::newRow("home") << SiteHomeUrl() << "http://site.test/";
    QTest::newRow("contact") << ContactUrl() << "http://site.test//about/contact.htm";
    QTest::newRow("flash list") << FlashListUrl() << "http://site.test//tavolin/html/topleft/0.html";
    QTest::newRow("hot rank") << HotRankUrl() << "http://site.test//tavolin/html/hot/rank.htm";
    QTest::newRow("web games") << GameWebListUrl() << "http://site.test//tavolin/html/corvane/index.htm";
    QTest::newRow("featured") << FeatureUrl() << "http://site.test//tavolin/html/left/0/0.html";
    QTest::newRow("search") << SearchUrl() << "http://site.test//tavolin/php/search.php?keyword=";
    QTest::newRow("space") << SpaceUrl() << "http://site.test//my/space1.php";
    QTest::newRow("ad right") << AdRightUrl() << "http://site.test//tavolin/html/ad/adright.html";
    QTest::newRow("ad down") << AdDownUrl() << "http://site.test//tavolin/html/ad/addown.html";
}

void TestSettings::siteAddresses()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(address, expected);
}

void TestSettings::skinLookUpIgnoresCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << "Ico/logo.bmp" << "Skin/DefaultSkin/Ico/logo.bmp";
    QTest::newRow("backslashes, other case") << "ICO\\LOGO.BMP" << "Skin/DefaultSkin/Ico/logo.bmp";
    QTest::newRow("lower-case file") << "mainmenu.png" << "Skin/DefaultSkin/MainMenu.png";
    QTest::newRow("missing keeps spelling") << "Ico/None.ico" << "Skin/DefaultSkin/Ico/None.ico";
    QTest::newRow("missing folder") << "Nope/x.png" << "Skin/DefaultSkin/Nope/x.png";
}

void TestSettings::skinLookUpIgnoresCase()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    QTemporaryDir app;
    // The application folder itself is spelt in lower case on disk.
    QVERIFY(QDir(app.path()).mkpath(QStringLiteral("skin/DefaultSkin/Ico")));
    for (const char* file : {"skin/DefaultSkin/Ico/logo.bmp", "skin/DefaultSkin/MainMenu.png"}) {
        QFile f(app.filePath(QString::fromLatin1(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString expected = app.path() + QLatin1Char('/') + QString(found).replace(0, 4, QStringLiteral("skin"));
    QCOMPARE(SkinPathIn(app.path() + QStringLiteral("/"), name), expected);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "TestSettings.moc"
