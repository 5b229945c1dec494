#include "ipc/LocalTopic.h"
#include "tests/support/TopicServerThread.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMutex>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>



class TestLocalTopic : public QObject {
    Q_OBJECT
private slots:
    void commandsArriveWholeAndInOrder_data();
    void commandsArriveWholeAndInOrder();
    void separateSendersKeepTheirOrder();
    void nobodyListening();
    void staleSocketIsReplaced();
    void liveServerIsNotReplaced();
    void socketIsForThisUserOnly();
    void oversizedFrameIsRefused();
};

void TestLocalTopic::commandsArriveWholeAndInOrder_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("second start") << QStringList({"Show", "Count", "ShowTime", "CommandLine=--x a|b 中文"});
    QTest::newRow("empty command") << QStringList({QString(), "Show"});
    QTest::newRow("large address") << QStringList({QStringLiteral("http://127.0.0.1/") + QString(200000, 'g')});
    QTest::newRow("many small") << [] {
        QStringList list;
        for (int i = 0; i < 300; ++i)
            list << QString::number(i);
        return list;
    }();
}

void TestLocalTopic::commandsArriveWholeAndInOrder()
{
    QFETCH(QStringList, commands);
    TopicServerThread server(QStringLiteral("Tavolin|FormTavolin"));
    QVERIFY(server.listening());
    QVERIFY(SendExecute(QStringLiteral("Tavolin|FormTavolin"), commands, 5000));
    QCOMPARE(server.received(), commands);
}

void TestLocalTopic::separateSendersKeepTheirOrder()
{
    TopicServerThread server(QStringLiteral("Corvane|CorvaneDDE"));
    QVERIFY(server.listening());
    QStringList sent;
    for (int i = 0; i < 20; ++i) {
        sent << QStringLiteral("http://127.0.0.1:8737/game/%1").arg(i);
        QVERIFY(SendExecute(QStringLiteral("Corvane|CorvaneDDE"), {sent.last()}, 2000));
    }
    QCOMPARE(server.received(), sent);
}

void TestLocalTopic::nobodyListening()
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!SendExecute(QStringLiteral("Nobody|Here"), {"Show"}, 300));
    QVERIFY(clock.elapsed() < 5000);
}

void TestLocalTopic::staleSocketIsReplaced()
{
    // A crashed process leaves its socket file behind with nobody accepting on it.
    const QByteArray path = TopicSocketPath(QStringLiteral("Stale|Topic")).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(path)));

    TopicServerThread server(QStringLiteral("Stale|Topic"));
    QVERIFY(server.listening());
    QVERIFY(SendExecute(QStringLiteral("Stale|Topic"), {"Show"}, 2000));
    QCOMPARE(server.received(), QStringList("Show"));
}

void TestLocalTopic::liveServerIsNotReplaced()
{
    TopicServerThread first(QStringLiteral("Tavolin|FormTavolin"));
    QVERIFY(first.listening());
    TopicServer second(QStringLiteral("Tavolin|FormTavolin"));
    QVERIFY(!second.listen());
    QVERIFY(SendExecute(QStringLiteral("Tavolin|FormTavolin"), {"Show"}, 2000));
    QCOMPARE(first.received(), QStringList("Show"));
}

void TestLocalTopic::socketIsForThisUserOnly()
{
    TopicServerThread server(QStringLiteral("Private|Topic"));
    QVERIFY(server.listening());
    const QFileInfo socket(TopicSocketPath(QStringLiteral("Private|Topic")));
    QVERIFY(socket.exists());
    QCOMPARE(socket.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
}

void TestLocalTopic::oversizedFrameIsRefused()
{
    TopicServerThread server(QStringLiteral("Big|Topic"));
    QVERIFY(server.listening());
    QLocalSocket socket;
    socket.connectToServer(TopicSocketPath(QStringLiteral("Big|Topic")));
    QVERIFY(socket.waitForConnected(2000));
    socket.write(QByteArray("\x7f\xff\xff\xff", 4));
    socket.waitForBytesWritten(2000);
    QVERIFY(socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(3000));
    QCOMPARE(socket.bytesAvailable(), 0);
    QVERIFY(SendExecute(QStringLiteral("Big|Topic"), {"Show"}, 2000));
    QCOMPARE(server.received(), QStringList("Show"));
}

QTEST_GUILESS_MAIN(TestLocalTopic)
#include "TestLocalTopic.moc"
