#include "ipc/SingleInstance.h"
#include "tests/support/TopicServerThread.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <array>
#include <csignal>
#include <cstdio>

namespace {

const QString MainFrameTopic = QStringLiteral("Tavolin|FormTavolin");

// This test program started again as a first instance of the build's installation: it
// prints "first", "forwarded" or "not answering", and as the first every command it
// receives. With "--with-child" the first leaves a long-lived child process behind.
int runStart(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    SingleInstance instance;
    const SingleInstance::Outcome outcome = instance.claim({});
    if (outcome != SingleInstance::Outcome::First) {
        std::printf("%s\n", outcome == SingleInstance::Outcome::Forwarded ? "forwarded" : "not answering");
        return outcome == SingleInstance::Outcome::Forwarded ? 0 : 1;
    }
    std::printf("first\n");
    if (app.arguments().contains(QStringLiteral("--with-child"))) {
        qint64 child = 0;
        QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("60")}, QString(), &child);
        std::printf("child %lld\n", child);
    }
    std::fflush(stdout);
    QObject::connect(&instance, &SingleInstance::commandReceived, [](const QString& command) {
        std::printf("%s\n", qPrintable(command));
        std::fflush(stdout);
    });
    return app.exec();
}

void startFirst(QProcess& start, const QStringList& extra = {})
{
    start.start(QCoreApplication::applicationFilePath(), QStringList(QStringLiteral("--start")) + extra);
}

QString nextLine(QProcess& process, int timeoutMs = 15000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(int(deadline.remainingTime())))
            return QString();
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

void end(QProcess& process)
{
    ::kill(pid_t(process.processId()), SIGCONT);
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void forwardedCommands_data();
    void forwardedCommands();
    void firstStartServesTheTopic();
    void laterStartForwardsToTheFirst();
    void stoppedFirstIsNotReplaced();
    void endedFirstIsReplacedDespiteItsChildren();
    void simultaneousStartsMakeOneFirst();
};

void TestSingleInstance::initTestCase()
{
    // The real program started here answers for the build's installation.
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
}

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
    QVERIFY(TopicIsServed(MainFrameTopic));
}

void TestSingleInstance::laterStartForwardsToTheFirst()
{
    TopicServerThread first(MainFrameTopic);
    QVERIFY(first.listening());
    SingleInstance second;
    QCOMPARE(second.claim({"a"}), SingleInstance::Outcome::Forwarded);
    QVERIFY(!second.serving());
    QCOMPARE(first.received(), QStringList({"Show", "Count", "ShowTime", "CommandLine=a"}));
}

void TestSingleInstance::stoppedFirstIsNotReplaced()
{
    QProcess first;
    startFirst(first);
    auto ending = qScopeGuard([&] { end(first); });
    QCOMPARE(nextLine(first), QStringLiteral("first"));
    QCOMPARE(::kill(pid_t(first.processId()), SIGSTOP), 0);

    // The real program, started again, must neither wait for ever nor take over.
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(TAVOLIN_APP_DIR "/Tavolin"));
    QVERIFY(second.waitForStarted(10000));
    const bool ended = second.waitForFinished(30000);
    if (!ended) {
        second.kill();
        second.waitForFinished(5000);
    }
    QVERIFY2(ended, "the second start did not end: it became a main instance");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QVERIFY(second.exitCode() != 0);
    QVERIFY(QString::fromLocal8Bit(second.readAllStandardError())
                .contains(QString::fromUtf8(SingleInstance::NotAnsweringMessage)));

    // Woken, the first still holds the topic: what was sent meanwhile and what is sent
    // now reach it.
    QCOMPARE(::kill(pid_t(first.processId()), SIGCONT), 0);
    QVERIFY(SendExecute(MainFrameTopic, {"Probe"}, 5000));
    QStringList received;
    while (!received.contains(QStringLiteral("Probe")) || !received.contains(QStringLiteral("ShowTime"))) {
        const QString line = nextLine(first);
        QVERIFY2(!line.isNull(), qPrintable(received.join(QLatin1Char(','))));
        received << line;
    }
    received.sort();
    QCOMPARE(received, QStringList({"Count", "Probe", "Show", "ShowTime"}));
}

void TestSingleInstance::endedFirstIsReplacedDespiteItsChildren()
{
    QProcess first;
    startFirst(first, {QStringLiteral("--with-child")});
    QCOMPARE(nextLine(first), QStringLiteral("first"));
    const qint64 child = nextLine(first).section(QLatin1Char(' '), 1).toLongLong();
    auto endChild = qScopeGuard([child] {
        if (child > 0)
            ::kill(pid_t(child), SIGKILL);
    });
    QVERIFY(child > 0);
    first.kill();
    QVERIFY(first.waitForFinished(5000));

    SingleInstance next;
    QCOMPARE(next.claim({}), SingleInstance::Outcome::First);
    QVERIFY(next.serving());
    QVERIFY(TopicIsServed(MainFrameTopic));
}

void TestSingleInstance::simultaneousStartsMakeOneFirst()
{
    std::array<QProcess, 4> starts;
    for (QProcess& start : starts)
        startFirst(start);
    auto ending = qScopeGuard([&] {
        for (QProcess& start : starts)
            end(start);
    });
    QStringList outcomes;
    for (QProcess& start : starts)
        outcomes << nextLine(start);
    QCOMPARE(outcomes.count(QStringLiteral("first")), 1);
    QCOMPARE(outcomes.count(QStringLiteral("forwarded")), qsizetype(starts.size() - 1));
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--start") == 0)
        return runStart(argc, argv);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSingleInstance.moc"
