// The user's autostart entry: written, read back and removed in a private config folder.
#include "account/Autostart.h"

#include "tests/support/FileContent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void entryStartsExactlyThatProgram_data();
    void entryStartsExactlyThatProgram();
    void entriesWrittenByOthers_data();
    void entriesWrittenByOthers();
    void unwritableFolderIsReported();
};

void TestAutostart::init()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart").removeRecursively();
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart");
}

void TestAutostart::entryStartsExactlyThatProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("plain") << "/opt/tavolin/Tavolin";
    QTest::newRow("blanks and Chinese") << "/home/u/我的 游戏/Tavolin";
    QTest::newRow("shell characters") << "/tmp/a\"b`c$d\\e 'f';g&h/Tavolin";
    QTest::newRow("percent and field code") << "/srv/100%/%f/Tavolin";
    QTest::newRow("line break and tab") << "/tmp/two\nlines\tand tab/Tavolin";
}

void TestAutostart::entryStartsExactlyThatProgram()
{
    QFETCH(QString, program);
    QVERIFY(!Autostart::IsOn(program));
    QCOMPARE(Autostart::Set(program, true), QString());
    const QString entry = Autostart::EntryPath(program);
    QCOMPARE(QFileInfo(entry).fileName(), QStringLiteral("Tavolin.desktop"));
    QCOMPARE(QFileInfo(entry).absolutePath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart");
    QVERIFY(Autostart::IsOn(program));
    // The entry is one line per key: nothing in the path breaks out of Exec.
    const QString text = QString::fromUtf8(FileContent(entry));
    QCOMPARE(text.count(QLatin1Char('\n')), Autostart::EntryText("/x/Tavolin").count(QLatin1Char('\n')));
    QCOMPARE(Autostart::StartedProgram(text), program);
    // Another copy of the program (moved elsewhere) is not what starts.
    QVERIFY(!Autostart::IsOn("/elsewhere/Tavolin"));
    // Writing again replaces; switching off removes.
    QCOMPARE(Autostart::Set(program, true), QString());
    QVERIFY(Autostart::IsOn(program));
    QCOMPARE(Autostart::Set(program, false), QString());
    QVERIFY(!QFile::exists(entry));
    QVERIFY(!Autostart::IsOn(program));
    QCOMPARE(Autostart::Set(program, false), QString());
}

void TestAutostart::entriesWrittenByOthers_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("program");
    QTest::newRow("unquoted with an argument") << "[Desktop Entry]\nType=Application\nExec=/opt/t/Tavolin --tray\n"
                                               << "/opt/t/Tavolin";
    QTest::newRow("quoted with escapes") << "[Desktop Entry]\nExec = \"/opt/my games/a\\\\\"b\\\\\\\\c/Tavolin\" %u\n"
                                         << "/opt/my games/a\"b\\c/Tavolin";
    QTest::newRow("switched off") << "[Desktop Entry]\nExec=/opt/t/Tavolin\nHidden=true\n" << "";
    QTest::newRow("Exec of another group") << "[Desktop Action x]\nExec=/opt/t/Tavolin\n[Desktop Entry]\nName=T\n"
                                           << "";
    QTest::newRow("unterminated quote") << "[Desktop Entry]\nExec=\"/opt/t/Tavolin\n" << "";
    QTest::newRow("empty") << "" << "";
}

void TestAutostart::entriesWrittenByOthers()
{
    QFETCH(QString, entry);
    QFETCH(QString, program);
    QCOMPARE(Autostart::StartedProgram(entry), program);
}

void TestAutostart::unwritableFolderIsReported()
{
    // A file where the folder should be stops every writer, root too.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
    QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString failure = Autostart::Set("/opt/t/Tavolin", true);
    QVERIFY2(failure.contains(Autostart::EntryPath("/opt/t/Tavolin")), qPrintable(failure));
    QVERIFY(!Autostart::IsOn("/opt/t/Tavolin"));
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "TestAutostart.moc"
