#include "shell/GlobalSettings.h"
#include "store/DatabaseCycle.h"
#include "store/mSqlite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace mSqlite;

class TestSqliteLayer : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void unloadedLayerRefusesEveryCall();
    void loadAndUnloadResultCodes();
    void decodesColumnBytes_data();
    void decodesColumnBytes();
    void nullColumnReadsEmptyAndZero();
    void prepareHandsBackTheTail();
    void opensBareNameInTheLoadedFolder();
    void createsSchemaWhereTablesAreMissing_data();
    void createsSchemaWhereTablesAreMissing();
    void leavesAFileThatIsNoDatabaseAlone();
};

void TestSqliteLayer::cleanup()
{
    while (SqlIsLoaded())
        SqlUnload();
}

void TestSqliteLayer::unloadedLayerRefusesEveryCall()
{
    SqlConnection connection = nullptr;
    SqlStatement statement = nullptr;
    QString tail;
    QCOMPARE(SqlOpen(QStringLiteral("x.db"), connection), 1);
    QVERIFY(connection == nullptr);
    QCOMPARE(SqlPrepare(connection, QStringLiteral("SELECT 1"), 0, statement, tail), 1);
    QCOMPARE(SqlExec(connection, QStringLiteral("SELECT 1")), 1);
    QCOMPARE(SqlStep(statement), 1);
    QCOMPARE(SqlFinalize(statement), 1);
    QCOMPARE(SqlClose(connection), 1);
    QCOMPARE(SqlColumnText(statement, 0), QString());
    QCOMPARE(SqlColumnInt(statement, 0), 0);
    QCOMPARE(SqlUnload(), 1);
}

void TestSqliteLayer::loadAndUnloadResultCodes()
{
    QCOMPARE(SqlLoad(QStringLiteral("/tmp/a/../b")), 0);
    QVERIFY(SqlIsLoaded());
    QCOMPARE(SqlFolder(), QStringLiteral("/tmp/b/"));
    QCOMPARE(SqlLoad(QStringLiteral("/tmp/c/")), 0); // loading again unloads first
    QCOMPARE(SqlFolder(), QStringLiteral("/tmp/c/"));
    QCOMPARE(SqlUnload(), 0);
    QCOMPARE(SqlUnload(), 1);
}

void TestSqliteLayer::decodesColumnBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Game 1") << "Game 1";
    QTest::newRow("chinese") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87") << QString::fromUtf8("中文");
    QTest::newRow("truncated sequence ends the text") << QByteArray("ab\xE4\xB8") << "ab?";
    QTest::newRow("truncated two-byte") << QByteArray("\xC3") << "?";
    QTest::newRow("stray continuation byte") << QByteArray("\xAD") << QString(QChar(0xAD));
    QTest::newRow("outside BMP") << QByteArray("\xF0\x9F\x98\x80!") << QString::fromUtf8("😀!");
    QTest::newRow("stops at zero byte") << QByteArray("ab\0cd", 5) << "ab";
}

void TestSqliteLayer::decodesColumnBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeColumnBytes(bytes.constData()), text);
}

void TestSqliteLayer::nullColumnReadsEmptyAndZero()
{
    QTemporaryDir dir;
    DatabaseCycle cycle(dir.path(), QStringLiteral("t.db"));
    QVERIFY(cycle.isOpen());
    int rows = 0;
    QCOMPARE(cycle.query(QStringLiteral("SELECT NULL, NULL"), [&](SqlStatement s) {
        ++rows;
        QCOMPARE(SqlColumnText(s, 0), QString());
        QCOMPARE(SqlColumnInt(s, 1), 0);
    }), 0);
    QCOMPARE(rows, 1);
}

void TestSqliteLayer::prepareHandsBackTheTail()
{
    QTemporaryDir dir;
    QCOMPARE(SqlLoad(dir.path()), 0);
    SqlConnection connection = nullptr;
    QCOMPARE(SqlOpen(QStringLiteral("t.db"), connection), 0);
    SqlStatement statement = nullptr;
    QString tail;
    QCOMPARE(SqlPrepare(connection, QStringLiteral("SELECT '中'; SELECT 2"), 0, statement, tail), 0);
    QCOMPARE(tail, QStringLiteral(" SELECT 2"));
    QCOMPARE(SqlStep(statement), 100);
    QCOMPARE(SqlColumnText(statement, 0), QStringLiteral("中"));
    QCOMPARE(SqlStep(statement), 101);
    QCOMPARE(SqlFinalize(statement), 0);
    QCOMPARE(SqlPrepare(connection, QStringLiteral("SELEC nonsense"), 0, statement, tail), 1);
    QVERIFY(SqlErrMsg(connection).contains(QStringLiteral("syntax error")));
    QCOMPARE(SqlClose(connection), 0);
    QCOMPARE(SqlUnload(), 0);
}

void TestSqliteLayer::opensBareNameInTheLoadedFolder()
{
    QTemporaryDir app;
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    {
        DatabaseCycle cycle(app.path() + QStringLiteral("/"), DatabaseFileName());
        QVERIFY(cycle.isOpen());
    }
    QDir::setCurrent(before);
    QVERIFY(QFile::exists(app.filePath(DatabaseFileName())));
    QVERIFY(!QFile::exists(elsewhere.filePath(DatabaseFileName())));
}

void TestSqliteLayer::createsSchemaWhereTablesAreMissing_data()
{
    QTest::addColumn<QString>("prepare");
    QTest::newRow("missing file") << QString();
    QTest::newRow("empty database") << QStringLiteral("PRAGMA user_version = 3");
    QTest::newRow("only Games") << QStringLiteral("CREATE TABLE Games (G_ID INTEGER PRIMARY KEY, G_Name TEXT, "
                                                  "G_Introduce TEXT, G_WebUrl TEXT, W_Url TEXT, G_Type INTEGER, "
                                                  "G_Favorite INTEGER, G_DateTime TEXT);"
                                                  "INSERT INTO Games (G_Name) VALUES ('kept')");
}

void TestSqliteLayer::createsSchemaWhereTablesAreMissing()
{
    QFETCH(QString, prepare);
    QTemporaryDir dir;
    if (!prepare.isEmpty()) {
        QCOMPARE(SqlLoad(dir.path()), 0);
        SqlConnection connection = nullptr;
        QCOMPARE(SqlOpen(QStringLiteral("db"), connection), 0);
        QCOMPARE(SqlExec(connection, prepare), 0);
        SqlClose(connection);
        SqlUnload();
    }
    DatabaseCycle cycle(dir.path(), QStringLiteral("db"));
    QStringList tables;
    cycle.query(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%' "
                               "ORDER BY name"),
                [&](SqlStatement s) { tables << SqlColumnText(s, 0); });
    QCOMPARE(tables, QStringList({"Games", "Install", "Users"}));
    int installRows = 0;
    cycle.query(QStringLiteral("SELECT I_Close FROM Install"), [&](SqlStatement s) {
        ++installRows;
        QCOMPARE(SqlColumnInt(s, 0), 0);
    });
    QCOMPARE(installRows, 1);
    if (prepare.contains(QStringLiteral("kept"))) {
        int kept = 0;
        cycle.query(QStringLiteral("SELECT count(*) FROM Games"), [&](SqlStatement s) { kept = SqlColumnInt(s, 0); });
        QCOMPARE(kept, 1);
    }
}

void TestSqliteLayer::leavesAFileThatIsNoDatabaseAlone()
{
    QTemporaryDir dir;
    const QByteArray content(4096, 'x');
    QFile file(dir.filePath(QStringLiteral("db")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    {
        DatabaseCycle cycle(dir.path(), QStringLiteral("db"));
        QVERIFY(cycle.exec(QStringLiteral("Update Install Set [I_Close]=1")) != 0);
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

QTEST_GUILESS_MAIN(TestSqliteLayer)
#include "TestSqliteLayer.moc"
