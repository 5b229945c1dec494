#include "shell/GlobalSettings.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "store/Statements.h"
#include "store/UtfToGb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace mSqlite;

class TestStatements : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void statementTexts_data();
    void statementTexts();
    void insertsEachKindOfGame();
    void storesNamesInTheEncodedForm_data();
    void storesNamesInTheEncodedForm();
    void listsNewestFirstWithinOneSecond();
    void favouriteMarksAndFilter();
    void deleteRemovesEveryRowOfTheName();
    void remembersAtMostOneRowPerUser();
    void lastInstallRowDecidesAndUpdatesChangeAll();
    void hostileNamesCannotBreakTheirStatement();
    void findsTheSameCatalogueFromAnotherDirectory();

private:
    QStringList column(const QString& sql, int index);
    std::unique_ptr<QTemporaryDir> m_app;
};

void TestStatements::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    GlobalSettings record;
    record.AppPath = m_app->path() + QStringLiteral("/");
    record.DbFile = DatabaseFileName();
    SetGlobalSettings(record);
}

void TestStatements::cleanup()
{
    m_app.reset();
}

QStringList TestStatements::column(const QString& sql, int index)
{
    QStringList values;
    DatabaseCycle cycle;
    cycle.query(sql, [&](SqlStatement s) { values << SqlColumnText(s, index); });
    return values;
}

void TestStatements::statementTexts_data()
{
    using namespace Statements;
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    QTest::newRow("load") << SelectGamesOnLoad() << "Select * From Games  order by G_DateTime desc";
    QTest::newRow("all") << SelectAllGames() << "Select * From Games order by G_DateTime desc";
    QTest::newRow("favourites") << SelectFavouriteGames()
                                << "Select * From Games Where G_Favorite = 2 order by G_DateTime desc";
    QTest::newRow("game by name") << SelectGameByName(QStringLiteral("中"))
                                  << "Select * From [Games]  Where [G_Name] = '%E4%B8%AD'";
    QTest::newRow("user by name") << SelectUserByName(QStringLiteral("bob"))
                                  << "Select * From [Users]  Where [U_UserName] = 'bob'";
    QTest::newRow("install") << SelectInstall() << "Select * From [Install]";
    QTest::newRow("saved flash") << InsertSavedFlashGame("a", "b", "c")
                                 << "Insert Into Games(G_Name,G_Introduce,G_WebUrl,G_Type,G_Favorite) "
                                    "Values('a','b','c',1,1)";
    QTest::newRow("streamed flash") << InsertStreamedFlashGame("a", "p", "b", "c")
                                    << "Insert Into Games(G_Name,W_Url,G_Introduce,G_WebUrl,G_Type,G_Favorite) "
                                       "Values('a','p','b','c',1,1)";
    QTest::newRow("web") << InsertWebGame("a", "p", "c")
                         << "Insert Into Games(G_Name,W_Url,G_WebUrl,G_Type,G_Favorite) Values('a','p','c',2,1)";
    QTest::newRow("mark") << MarkFavourite("a") << "Update [Games] Set [G_Favorite] = 2 Where [G_Name] = 'a'";
    QTest::newRow("unmark") << UnmarkFavourite("a") << "Update [Games] Set [G_Favorite] = 1 Where [G_Name] = 'a'";
    QTest::newRow("delete game") << DeleteGame("a") << "Delete From [Games] Where [G_Name] = 'a'";
    QTest::newRow("delete user") << DeleteUser("u") << "Delete From [Users] Where [U_UserName] = 'u'";
    QTest::newRow("insert user") << InsertUser("u", "p") << "Insert Into Users(U_UserName,U_PassWord) Values('u','p')";
    QTest::newRow("close hides") << SetCloseHides(true) << "Update Install Set [I_Close]=1";
    QTest::newRow("close quits") << SetCloseHides(false) << "Update Install Set [I_Close]=0";
    QTest::newRow("quote doubled") << DeleteGame("Tom's") << "Delete From [Games] Where [G_Name] = 'Tom''s'";
}

void TestStatements::statementTexts()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestStatements::insertsEachKindOfGame()
{
    QVERIFY(Catalogue::AddSavedFlashGame("Saved", "intro 中", "http://site/saved"));
    QVERIFY(Catalogue::AddStreamedFlashGame("Streamed", "http://site/s.swf", "", "http://site/streamed"));
    QVERIFY(Catalogue::AddWebGame("Web", "http://web/play", "http://site/web"));

    const auto saved = Catalogue::FindGame("Saved");
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved[0].introduction, QStringLiteral("intro 中"));
    QCOMPARE(saved[0].pageAddress, QStringLiteral("http://site/saved"));
    QCOMPARE(saved[0].playAddress, QString());
    QCOMPARE(saved[0].type, int(Statements::FlashGame));

    const auto streamed = Catalogue::FindGame("Streamed");
    QCOMPARE(streamed.size(), 1);
    QCOMPARE(streamed[0].playAddress, QStringLiteral("http://site/s.swf"));
    QCOMPARE(streamed[0].type, int(Statements::FlashGame));

    const auto web = Catalogue::FindGame("Web");
    QCOMPARE(web.size(), 1);
    QCOMPARE(web[0].playAddress, QStringLiteral("http://web/play"));
    QCOMPARE(web[0].type, int(Statements::WebGame));
    QCOMPARE(column("SELECT G_Favorite FROM Games", 0), QStringList({"1", "1", "1"}));
}

void TestStatements::storesNamesInTheEncodedForm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ascii unchanged") << "Tetris" << "Tetris";
    QTest::newRow("chinese escaped") << QString::fromUtf8("连连看") << "%E8%BF%9E%E8%BF%9E%E7%9C%8B";
    QTest::newRow("emoji") << QString::fromUtf8("🎮 Go") << "%F0%9F%8E%AE Go";
}

void TestStatements::storesNamesInTheEncodedForm()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QVERIFY(Catalogue::AddSavedFlashGame(name, "", ""));
    QCOMPARE(column("SELECT G_Name FROM Games", 0), QStringList(stored));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::OnLoad), QStringList(name));
    QCOMPARE(Catalogue::FindGame(name).size(), 1);
}

void TestStatements::listsNewestFirstWithinOneSecond()
{
    QStringList added;
    for (int i = 0; i < 8; ++i) {
        added.prepend(QStringLiteral("game %1").arg(i));
        QVERIFY(Catalogue::AddSavedFlashGame(added.first(), "", ""));
    }
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::OnLoad), added);
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All), added);
}

void TestStatements::favouriteMarksAndFilter()
{
    QVERIFY(Catalogue::AddSavedFlashGame("A", "", ""));
    QVERIFY(Catalogue::AddSavedFlashGame("B", "", ""));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::Favourites), QStringList());
    QVERIFY(Catalogue::MarkFavourite("A"));
    QVERIFY(Catalogue::MarkFavourite("A"));
    QCOMPARE(column("SELECT G_Favorite FROM Games WHERE G_Name = 'A'", 0), QStringList("2"));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::Favourites), QStringList("A"));
    QVERIFY(Catalogue::UnmarkFavourite("A"));
    QVERIFY(Catalogue::UnmarkFavourite("B"));
    QCOMPARE(column("SELECT G_Favorite FROM Games ORDER BY G_ID", 0), QStringList({"1", "1"}));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::Favourites), QStringList());
}

void TestStatements::deleteRemovesEveryRowOfTheName()
{
    QVERIFY(Catalogue::AddSavedFlashGame(QStringLiteral("双"), "", ""));
    QVERIFY(Catalogue::AddWebGame("Other", "", ""));
    QVERIFY(Catalogue::AddWebGame(QStringLiteral("双"), "", ""));
    QCOMPARE(Catalogue::FindGame(QStringLiteral("双")).size(), 2);
    QVERIFY(Catalogue::DeleteGame(QStringLiteral("双")));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All), QStringList("Other"));
}

void TestStatements::remembersAtMostOneRowPerUser()
{
    QVERIFY(Catalogue::RememberUser(QStringLiteral("玩家"), "first"));
    QVERIFY(Catalogue::RememberUser(QStringLiteral("玩家"), "sec'ond"));
    QVERIFY(Catalogue::RememberUser("other", "x"));
    QCOMPARE(column("SELECT U_PassWord FROM Users WHERE U_UserName = '%E7%8E%A9%E5%AE%B6'", 0),
             QStringList("sec'ond"));
    QCOMPARE(Catalogue::RememberedPassword(QStringLiteral("玩家")), QStringLiteral("sec'ond"));
    QCOMPARE(Catalogue::RememberedPassword("nobody"), QString());
}

void TestStatements::lastInstallRowDecidesAndUpdatesChangeAll()
{
    QVERIFY(!Catalogue::CloseHidesWindow());
    {
        DatabaseCycle cycle;
        QCOMPARE(cycle.exec("INSERT INTO Install (I_Close) VALUES (1)"), 0);
    }
    QVERIFY(Catalogue::CloseHidesWindow());
    QVERIFY(Catalogue::SetCloseHidesWindow(false));
    QCOMPARE(column("SELECT I_Close FROM Install", 0), QStringList({"0", "0"}));
    QVERIFY(!Catalogue::CloseHidesWindow());
    QVERIFY(Catalogue::SetCloseHidesWindow(true));
    QCOMPARE(column("SELECT I_Close FROM Install", 0), QStringList({"1", "1"}));
    QVERIFY(Catalogue::CloseHidesWindow());
}

void TestStatements::hostileNamesCannotBreakTheirStatement()
{
    const QString hostile = QStringLiteral("x'); DROP TABLE Games; --");
    const QString quoteOnly = QStringLiteral("'");
    QVERIFY(Catalogue::AddSavedFlashGame("Kept", "", ""));
    QVERIFY(Catalogue::AddSavedFlashGame(hostile, "it's", "a'b"));
    QVERIFY(Catalogue::AddWebGame(quoteOnly, "'", "'"));
    QCOMPARE(column("SELECT G_Name FROM Games ORDER BY G_ID", 0), QStringList({"Kept", hostile, quoteOnly}));
    QCOMPARE(Catalogue::FindGame(hostile).value(0).introduction, QStringLiteral("it's"));
    QVERIFY(Catalogue::MarkFavourite(hostile));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::Favourites), QStringList(hostile));
    QVERIFY(Catalogue::DeleteGame(hostile));
    QVERIFY(Catalogue::DeleteGame(quoteOnly));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All), QStringList("Kept"));
}

void TestStatements::findsTheSameCatalogueFromAnotherDirectory()
{
    QVERIFY(Catalogue::AddSavedFlashGame("Here", "", ""));
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QStringList names = Catalogue::GameNames(Catalogue::GameList::OnLoad);
    const bool strayFile = QFile::exists(DatabaseFileName());
    QDir::setCurrent(before);
    QCOMPARE(names, QStringList("Here"));
    QVERIFY(!strayFile);
}

QTEST_GUILESS_MAIN(TestStatements)
#include "TestStatements.moc"
