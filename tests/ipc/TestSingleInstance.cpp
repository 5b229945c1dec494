#include "ipc/SingleInstance.h"
#include "tests/support/TopicServerThread.h"

#include <QLocalServer>
#include <QTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void forwardedCommands_data();
    void forwardedCommands();
    void firstStartServesTheTopic();
    void laterStartForwardsToTheFirst();
    void firstThatNoLongerAnswersIsReplaced();
};

void TestSingleInstance::forwardedCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("no arguments") << QStringList() << QStringList({"Show", "Count", "ShowTime"});
    QTest::newRow("arguments") << QStringList({"--tray", "中 文"})
                               << QStringList({"Show", "Count", "ShowTime", "CommandLine=--tray 中 文"});
}

void TestSingleInstance::forwardedCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, commands);
    QCOMPARE(SingleInstance::ForwardedCommands(arguments), commands);
}

void TestSingleInstance::firstStartServesTheTopic()
{
    SingleInstance first;
    QCOMPARE(first.claim({}), SingleInstance::Outcome::First);
    QVERIFY(first.serving());
    QVERIFY(TopicIsServed(QStringLiteral("Tavolin|FormTavolin")));
}

void TestSingleInstance::laterStartForwardsToTheFirst()
{
    TopicServerThread first(QStringLiteral("Tavolin|FormTavolin"));
    QVERIFY(first.listening());
    SingleInstance second;
    QCOMPARE(second.claim({"a"}), SingleInstance::Outcome::Forwarded);
    QVERIFY(!second.serving());
    QCOMPARE(first.received(), QStringList({"Show", "Count", "ShowTime", "CommandLine=a"}));
}

void TestSingleInstance::firstThatNoLongerAnswersIsReplaced()
{
    // A server that accepts connections but never answers them: a hung first instance.
    QLocalServer hung;
    const QString path = TopicSocketPath(QStringLiteral("Tavolin|FormTavolin"));
    QVERIFY(hung.listen(path));
    SingleInstance next;
    QCOMPARE(next.claim({}), SingleInstance::Outcome::First);
    QVERIFY(next.serving());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
