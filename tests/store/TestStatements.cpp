#include "shell/GlobalSettings.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "store/Statements.h"
#include "store/UtfToGb.h"
#include "tests/support/CatalogueLock.h"
#include "tests/support/FileContent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace mSqlite;
using Catalogue::Failure;

Q_DECLARE_METATYPE(Catalogue::Failure)

namespace {

// What the sqlite3 tool does to the catalogue, as another program would.
bool runTool(const QString& file, const QString& sql)
{
    QProcess tool;
    tool.start(QStringLiteral("sqlite3"), {file, sql});
    return tool.waitForFinished(5000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace

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
    void operationsThatDoNotTakeEffectSaySo_data();
    void operationsThatDoNotTakeEffectSaySo();
    void catalogueRemovedWhileRunningIsMadeAgain();

private:
    QStringList column(const QString& sql, int index);
    std::unique_ptr<QTemporaryDir> m_app;
};

void TestStatements::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    GlobalSettings record;
    record.UserPath = m_app->path() + QStringLiteral("/");
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
    QCOMPARE(Catalogue::RememberedPassword(QStringLiteral("玩家")).value_or("(none)"), QStringLiteral("sec'ond"));
    // A row without a password still says the user is remembered.
    QVERIFY(Catalogue::RememberUser("kept elsewhere", ""));
    QCOMPARE(Catalogue::RememberedPassword("kept elsewhere").value_or("(none)"), QString());
    QVERIFY(!Catalogue::RememberedPassword("nobody"));
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

void TestStatements::operationsThatDoNotTakeEffectSaySo_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<Failure>("expected");
    const struct {
        const char* condition;
        const char* operation;
        Failure expected;
    } rows[] = {
        {"sound", "list", Failure::None},
        {"another program writing", "list", Failure::None},
        {"locked", "list", Failure::Locked},
        {"not a database", "list", Failure::Damaged},
        {"truncated", "list", Failure::Damaged},
        {"damaged pages", "list", Failure::Damaged},
        {"sound", "mark", Failure::None},
        {"game gone", "mark", Failure::NoSuchGame},
        {"another program writing", "mark", Failure::Locked},
        {"locked", "mark", Failure::Locked},
        {"not a database", "mark", Failure::Damaged},
        {"sound", "unmark", Failure::None},
        {"game gone", "unmark", Failure::NoSuchGame},
        {"another program writing", "unmark", Failure::Locked},
        {"sound", "delete", Failure::None},
        {"game gone", "delete", Failure::NoSuchGame},
        {"another program writing", "delete", Failure::Locked},
        {"locked", "delete", Failure::Locked},
        {"not a database", "delete", Failure::Damaged},
        {"read-only file", "list", Failure::None},
        {"read-only file", "mark", Failure::ReadOnly},
        {"read-only file", "delete", Failure::ReadOnly},
        {"sound", "insert", Failure::None},
        {"another program writing", "insert", Failure::Locked},
        {"locked", "insert", Failure::Locked},
        {"not a database", "insert", Failure::Damaged},
        {"read-only file", "insert", Failure::ReadOnly},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s: %s", row.operation, row.condition)
            << QString::fromLatin1(row.condition) << QString::fromLatin1(row.operation) << row.expected;
    }
}

void TestStatements::operationsThatDoNotTakeEffectSaySo()
{
    QFETCH(QString, condition);
    QFETCH(QString, operation);
    QFETCH(Failure, expected);
    const QString file = m_app->filePath(DatabaseFileName());
    // Enough rows that the games fill pages beyond the first, written at once.
    QString games = QStringLiteral("BEGIN;");
    for (int i = 0; i < 60; ++i) {
        games += Statements::InsertSavedFlashGame(QStringLiteral("Game %1").arg(i), QString(300, QLatin1Char('i')),
                                                  QString()) + QLatin1Char(';');
    }
    {
        DatabaseCycle cycle;
        QCOMPARE(cycle.exec(games + QStringLiteral("COMMIT;")), 0);
    }
    QVERIFY(Catalogue::MarkFavourite("Game 1"));

    CatalogueLock lock;
    ImmutableFile readOnly;
    if (condition == QLatin1String("read-only file") && !readOnly.hold(file))
        QSKIP("this file system cannot make a file immutable");
    if (condition == QLatin1String("locked"))
        QVERIFY(lock.hold(file, CatalogueLock::Kind::Exclusive));
    else if (condition == QLatin1String("another program writing"))
        QVERIFY(lock.hold(file, CatalogueLock::Kind::Writing));
    else if (condition == QLatin1String("not a database"))
        QVERIFY(OverwriteFile(file, QByteArray(8192, 'x')));
    else if (condition == QLatin1String("truncated"))
        QVERIFY(OverwriteFile(file, FileContent(file).left(4096)));
    else if (condition == QLatin1String("damaged pages")) // the first page, with the tables' list, is intact
        QVERIFY(OverwriteFile(file, FileContent(file).left(4096).leftJustified(FileContent(file).size(), 'x')));
    else if (condition == QLatin1String("game gone"))
        QVERIFY(runTool(file, QStringLiteral("DELETE FROM Games WHERE G_Name = 'Game 1'")));
    const QByteArray before = FileContent(file);

    QElapsedTimer clock;
    clock.start();
    Catalogue::Result result;
    int listed = -1;
    if (operation == QLatin1String("list")) {
        const Catalogue::NameList list = Catalogue::ReadGameNames(Catalogue::GameList::All);
        result = list.outcome;
        listed = int(list.names.size());
    } else if (operation == QLatin1String("mark")) {
        result = Catalogue::MarkFavourite("Game 1");
    } else if (operation == QLatin1String("unmark")) {
        result = Catalogue::UnmarkFavourite("Game 1");
    } else if (operation == QLatin1String("insert")) {
        result = Catalogue::AddWebGame("New game", "http://127.0.0.1:1/play", "http://127.0.0.1:1/page");
    } else {
        result = Catalogue::DeleteGame("Game 1");
    }
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(result.failure, expected);
    QCOMPARE(result.ok(), expected == Failure::None);
    QCOMPARE(result.code != 0, expected != Failure::None && expected != Failure::NoSuchGame);
    if (operation == QLatin1String("list"))
        QCOMPARE(listed, expected == Failure::None ? 60 : 0);
    else
        QCOMPARE(result.changedRows, expected == Failure::None ? 1 : 0);
    // The old wait on a locked file was seconds; the window waits on this.
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    lock.release();
    readOnly.release();
    if (expected != Failure::None)
        QCOMPARE(FileContent(file), before);
}

void TestStatements::catalogueRemovedWhileRunningIsMadeAgain()
{
    QVERIFY(Catalogue::AddSavedFlashGame("First", "", ""));
    QVERIFY(QFile::remove(m_app->filePath(DatabaseFileName())));
    QVERIFY(Catalogue::AddSavedFlashGame("Second", "", ""));
    QCOMPARE(Catalogue::GameNames(Catalogue::GameList::All), QStringList("Second"));
}

QTEST_GUILESS_MAIN(TestStatements)
#include "TestStatements.moc"
