#include "site/AccountTable.h"
#include "site/SiteAssets.h"
#include "site/SiteCatalogue.h"
#include "site/SiteRouter.h"
#include "site/SiteServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

// The server over real sockets: the shipped program end to end, and connection
// handling (keep-alive, closing, refusals, time-outs) against a server in this process.
class TestSiteServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void programServesPagesOnAPickedPort();
    void answersOnOneConnection_data();
    void answersOnOneConnection();
    void keepsTheConnectionBetweenRequests();
    void headAnswerHasNoBody();
    void slowRequestTimesOut();
    void idleConnectionCloses();

private:
    std::unique_ptr<SiteCatalogue> m_catalogue;
    std::unique_ptr<SiteAssets> m_assets;
    std::unique_ptr<AccountTable> m_accounts;
    std::unique_ptr<SiteRouter> m_router;
    std::unique_ptr<SiteServer> m_server;
};

namespace {

constexpr int WaitMs = 10000;

struct Exchange {
    QByteArray received;
    bool closedByServer = false;
};

// Sends `bytes` and collects everything until the server closes or `expected`
// complete answers (by their Content-Length) have arrived.
Exchange talk(quint16 port, const QByteArray& bytes, int expected, int waitMs = WaitMs)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    Exchange out;
    if (!socket.waitForConnected(WaitMs))
        return out;
    socket.write(bytes);
    QElapsedTimer clock;
    clock.start();
    const auto answers = [&out] {
        static const QRegularExpression length(QStringLiteral("Content-Length: (\\d+)\\r\\n"));
        int complete = 0;
        qsizetype at = 0;
        while (true) {
            const qsizetype headEnd = out.received.indexOf("\r\n\r\n", at);
            if (headEnd < 0)
                return complete;
            const QString head = QString::fromLatin1(out.received.mid(at, headEnd - at));
            const qsizetype bodyLength = length.match(head).captured(1).toLongLong();
            if (out.received.size() < headEnd + 4 + bodyLength)
                return complete;
            ++complete;
            at = headEnd + 4 + bodyLength;
        }
    };
    while (clock.elapsed() < waitMs && answers() < expected) {
        if (socket.state() != QAbstractSocket::ConnectedState && socket.bytesAvailable() == 0) {
            out.closedByServer = true;
            break;
        }
        QTest::qWait(20);
        out.received += socket.readAll();
    }
    if (!out.closedByServer) {
        // A server that closes does so right after its last answer.
        for (int i = 0; i < 15 && socket.state() != QAbstractSocket::UnconnectedState; ++i)
            QTest::qWait(20);
        out.received += socket.readAll();
        out.closedByServer = socket.state() == QAbstractSocket::UnconnectedState;
    }
    return out;
}

QByteArray request(const QByteArray& target, const QByteArray& extra = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extra + "\r\n";
}

} // namespace

void TestSiteServer::initTestCase()
{
    m_catalogue = std::make_unique<SiteCatalogue>();
    m_assets = std::make_unique<SiteAssets>(*m_catalogue);
    m_accounts = std::make_unique<AccountTable>();
    m_router = std::make_unique<SiteRouter>(*m_catalogue, *m_assets, *m_accounts);
    m_server = std::make_unique<SiteServer>(*m_router);
    m_server->setTimeouts({600, 800});
    QVERIFY(m_server->listen(0));
    QVERIFY(m_server->port() != 0);
}

void TestSiteServer::programServesPagesOnAPickedPort()
{
    QProcess site;
    site.start(QStringLiteral(TAVOLIN_SITE_EXE), {QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(site.waitForStarted(WaitMs));
    QTRY_VERIFY_WITH_TIMEOUT(site.canReadLine(), WaitMs);
    const QString line = QString::fromLatin1(site.readLine()).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    const int port = match.captured(1).toInt();
    QVERIFY(port > 0 && port != 8737);

    QNetworkAccessManager network;
    QNetworkReply* reply =
        network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1//tavolin/html/topleft/0.html").arg(port))));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(WaitMs));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(reply->header(QNetworkRequest::ContentTypeHeader).toString(), QStringLiteral("text/html; charset=utf-8"));
    const QByteArray page = reply->readAll();
    QVERIFY(page.contains("javascript:CALL_API('openTable','"));
    QVERIFY(page.contains(QStringLiteral("http://127.0.0.1:%1/tavolin/html/game/").arg(port).toUtf8()));
    reply->deleteLater();

    site.terminate();
    QVERIFY(site.waitForFinished(WaitMs));
}

void TestSiteServer::answersOnOneConnection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("statuses");
    QTest::addColumn<bool>("closes");
    QTest::newRow("keep-alive") << request("/") << QList<int>{200} << false;
    QTest::newRow("close asked") << request("/", "Connection: close\r\n") << QList<int>{200} << true;
    QTest::newRow("http/1.0") << QByteArray("GET / HTTP/1.0\r\n\r\n") << QList<int>{200} << true;
    QTest::newRow("pipelined") << request("//my/space1.php") + request("/nothing") + request("/tavolin/pic/101.jpg")
                               << QList<int>{200, 404, 200} << false;
    QTest::newRow("malformed closes") << QByteArray("NONSENSE\r\n\r\n") + request("/") << QList<int>{400} << true;
    QTest::newRow("oversized head closes")
        << request("/", "X-Big: " + QByteArray(20000, 'x') + "\r\n") << QList<int>{431} << true;
    QTest::newRow("post refused") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n")
                                  << QList<int>{405} << true;
    QTest::newRow("good then bad") << request("/") + QByteArray("GET /%zz HTTP/1.1\r\nHost: x\r\n\r\n")
                                   << QList<int>{200, 400} << true;
}

void TestSiteServer::answersOnOneConnection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, statuses);
    QFETCH(bool, closes);
    const Exchange exchange = talk(m_server->port(), bytes, int(statuses.size()));
    QList<int> seen;
    static const QRegularExpression statusLine(QStringLiteral("HTTP/1\\.1 (\\d{3}) "));
    for (const QRegularExpressionMatch& match : statusLine.globalMatch(QString::fromLatin1(exchange.received)))
        seen += match.captured(1).toInt();
    QCOMPARE(seen, statuses);
    QCOMPARE(exchange.closedByServer, closes);
}

void TestSiteServer::keepsTheConnectionBetweenRequests()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->port());
    QVERIFY(socket.waitForConnected(WaitMs));
    for (const QByteArray& target : {QByteArray("/"), QByteArray("//tavolin/html/hot/rank.htm")}) {
        socket.write(request(target));
        QByteArray answer;
        QTRY_VERIFY_WITH_TIMEOUT((answer += socket.readAll(), answer.contains("</html>")), WaitMs);
        QVERIFY(answer.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(answer.contains("Connection: keep-alive\r\n"));
        QCOMPARE(socket.state(), QAbstractSocket::ConnectedState);
    }
}

void TestSiteServer::headAnswerHasNoBody()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->port());
    QVERIFY(socket.waitForConnected(WaitMs));
    // The second answer follows straight after the first one's head.
    socket.write("HEAD /tavolin/swf/102.swf HTTP/1.1\r\nHost: x\r\n\r\n" + request("/tavolin/swf/102.swf"));
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer += socket.readAll(), answer.count("HTTP/1.1 200 OK") == 2 && answer.contains("FWS")),
                             WaitMs);
    const qsizetype firstEnd = answer.indexOf("\r\n\r\n") + 4;
    QVERIFY(answer.mid(firstEnd).startsWith("HTTP/1.1 200 OK"));
    QVERIFY(answer.left(firstEnd).contains("Content-Type: application/x-shockwave-flash\r\n"));
    const QRegularExpressionMatch length =
        QRegularExpression(QStringLiteral("Content-Length: (\\d+)")).match(QString::fromLatin1(answer.left(firstEnd)));
    QVERIFY(length.captured(1).toInt() > 100);
    QTRY_COMPARE_WITH_TIMEOUT((answer += socket.readAll(), answer.size() - answer.lastIndexOf("\r\n\r\n") - 4),
                              qsizetype(length.captured(1).toInt()), WaitMs);
}

void TestSiteServer::slowRequestTimesOut()
{
    QElapsedTimer clock;
    clock.start();
    // Half a request, then nothing: the request clock (600 ms here) runs out.
    const Exchange exchange = talk(m_server->port(), "GET / HTTP/1.1\r\nHo", 1, 5000);
    QVERIFY(exchange.received.startsWith("HTTP/1.1 408 "));
    QVERIFY(exchange.closedByServer);
    QVERIFY(clock.elapsed() < 4000);
}

void TestSiteServer::idleConnectionCloses()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->port());
    QVERIFY(socket.waitForConnected(WaitMs));
    socket.write(request("/css/site.css"));
    QTRY_VERIFY_WITH_TIMEOUT(socket.bytesAvailable() > 0, WaitMs);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::UnconnectedState, 5000);
    QVERIFY(clock.elapsed() >= 500);
}

QTEST_MAIN(TestSiteServer)
#include "TestSiteServer.moc"
