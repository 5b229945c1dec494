#include "ipc/LocalTopic.h"
#include "tests/support/TopicServerThread.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMutex>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A plain blocking client of `topic`, or -1.
int rawConnect(const QString& topic)
{
    const QByteArray path = TopicSocketPath(topic).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QByteArray frameHeader(quint32 length)
{
    char header[4];
    qToBigEndian<quint32>(length, header);
    return QByteArray(header, 4);
}

// False once the server has closed or aborted its end.
bool stillOpen(int fd)
{
    char byte;
    const ssize_t n = ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    return n > 0 || (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
}

} // namespace

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
    void failedAcceptDoesNotEndServing();
    void floodIsBounded_data();
    void floodIsBounded();
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

void TestLocalTopic::failedAcceptDoesNotEndServing()
{
    // Served on this thread, so that it tries to accept exactly while the process has no
    // descriptor left.
    TopicServer server(QStringLiteral("Accept|Topic"));
    QStringList received;
    connect(&server, &TopicServer::executed, this, [&](const QString& command) { received << command; });
    QVERIFY(server.listen());
    const int client = rawConnect(QStringLiteral("Accept|Topic"));
    QVERIFY(client >= 0);
    auto closing = qScopeGuard([client] { ::close(client); });

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowestFree = ::dup(client);
    QVERIFY(lowestFree >= 0);
    ::close(lowestFree);
    rlimit exhausted = saved;
    exhausted.rlim_cur = rlim_t(lowestFree);
    {
        auto restoring = qScopeGuard([&] { ::setrlimit(RLIMIT_NOFILE, &saved); });
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &exhausted), 0);
        const int spare = ::dup(client);
        if (spare >= 0)
            ::close(spare);
        QVERIFY(spare < 0 && errno == EMFILE);
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
    }

    const QByteArray frame = frameHeader(4) + "Show";
    QCOMPARE(::send(client, frame.constData(), size_t(frame.size()), MSG_NOSIGNAL), ssize_t(frame.size()));
    QTRY_COMPARE_WITH_TIMEOUT(received, QStringList("Show"), 10000);
    char answer = 0;
    QVERIFY(QTest::qWaitFor([&] { return ::recv(client, &answer, 1, MSG_DONTWAIT) == 1; }, 5000));
    QCOMPARE(answer, 'A');
    QVERIFY(server.isListening());
}

void TestLocalTopic::floodIsBounded_data()
{
    QTest::addColumn<int>("connections");
    QTest::addColumn<int>("announced");
    QTest::addColumn<int>("sent");
    QTest::newRow("many connections") << 60 << 100 << 10;
    QTest::newRow("large unfinished commands") << 150 << int(TopicServer::MaxCommandBytes)
                                               << int(TopicServer::MaxCommandBytes) - 1;
}

void TestLocalTopic::floodIsBounded()
{
    QFETCH(int, connections);
    QFETCH(int, announced);
    QFETCH(int, sent);
    const QString topic = QStringLiteral("Flood|Topic");
    TopicServerThread server(topic);
    QVERIFY(server.listening());

    // Each client announces a command and sends less of it; small send buffers keep what
    // the kernel holds for them small beside what the server holds.
    struct Client {
        int fd;
        qint64 written;
        bool refused;
    };
    std::vector<Client> clients;
    auto closing = qScopeGuard([&] {
        for (const Client& client : clients)
            ::close(client.fd);
    });
    for (int i = 0; i < connections; ++i) {
        int fd = -1;
        for (int attempt = 0; attempt < 1000 && fd < 0; ++attempt) {
            if ((fd = rawConnect(topic)) < 0)
                QThread::msleep(2);
        }
        QVERIFY(fd >= 0);
        const int small = 4096;
        ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
        const QByteArray header = frameHeader(quint32(announced));
        clients.push_back({fd, 0, ::send(fd, header.constData(), 4, MSG_NOSIGNAL) != 4});
    }
    const QByteArray chunk(64 * 1024, 'x');
    for (int round = 0; round < 1000000; ++round) {
        std::vector<pollfd> waiting;
        for (const Client& client : clients) {
            if (!client.refused && client.written < sent)
                waiting.push_back({client.fd, POLLOUT, 0});
        }
        if (waiting.empty() || ::poll(waiting.data(), waiting.size(), 2000) <= 0)
            break;
        for (const pollfd& ready : waiting) {
            if (!ready.revents)
                continue;
            Client& client = *std::find_if(clients.begin(), clients.end(), [&](const Client& c) { return c.fd == ready.fd; });
            const ssize_t n = ::send(client.fd, chunk.constData(), size_t(qMin<qint64>(chunk.size(), sent - client.written)),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0)
                client.written += n;
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                client.refused = true;
        }
    }

    // What the clients still connected have sent is what the server holds, give or take
    // the kernel's small buffers.
    qint64 open = 0;
    qint64 held = 0;
    const auto bounded = [&] {
        open = held = 0;
        for (const Client& client : clients) {
            if (stillOpen(client.fd)) {
                ++open;
                held += 4 + client.written;
            }
        }
        return open <= TopicServer::MaxConnections && held <= 4 * TopicServer::MaxBufferedBytes;
    };
    QVERIFY2(QTest::qWaitFor(bounded, 10000), qPrintable(QStringLiteral("%1 connections open holding %2 bytes").arg(open).arg(held)));

    for (const Client& client : clients)
        ::close(client.fd);
    clients.clear();
    QVERIFY(QTest::qWaitFor([&] { return SendExecute(topic, {"Show"}, 1000); }, 20000));
    QCOMPARE(server.received(), QStringList("Show"));
}

QTEST_GUILESS_MAIN(TestLocalTopic)
#include "TestLocalTopic.moc"
