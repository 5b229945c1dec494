#include "site/BigFile.h"
#include "tests/support/RealPrograms.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>

// The shipped site program over real sockets on 127.0.0.1: pages, the files the launcher
// downloads (ranges, redirects, failures on purpose, the big file) and the throttle.
class TestSiteServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void programServesPagesOnAPickedPort_data();
    void programServesPagesOnAPickedPort();
    void takenPortIsRefused();
    void oneConnectionAnswersInTurn();
    void filesTravelAsAsked_data();
    void filesTravelAsAsked();

private:
    DemoSite m_site;
    // Every file at 16 KiB/s.
    DemoSite m_throttled;
};

namespace {

constexpr int WaitMs = 10000;
constexpr int ThrottleKiB = 16;

quint16 portOf(const DemoSite& site) { return quint16(QUrl(site.base()).port()); }

struct Answer {
    int status = 0;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    bool closed = false;
    qint64 elapsedMs = 0;

    qint64 announced() const { return headers.value("content-length", "-1").toLongLong(); }
};

// Reads one answer: its head, then as much body as it announces (none after HEAD), or
// until the server closes or `deadlineMs` runs out.
Answer readAnswer(QTcpSocket& socket, bool headOnly, int deadlineMs = 30000)
{
    Answer answer;
    QElapsedTimer clock;
    clock.start();
    QByteArray raw;
    qsizetype headEnd = -1;
    const auto complete = [&] {
        if (headEnd < 0)
            headEnd = raw.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return false;
        if (answer.status == 0) {
            const QList<QByteArray> lines = raw.left(headEnd).split('\n');
            answer.status = lines.first().split(' ').value(1).toInt();
            for (const QByteArray& line : lines.mid(1)) {
                const qsizetype colon = line.indexOf(':');
                answer.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
            }
        }
        return headOnly || raw.size() - headEnd - 4 >= answer.announced();
    };
    while (!complete() && clock.elapsed() < deadlineMs) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadlineMs - clock.elapsed())))
            break;
        raw += socket.readAll();
    }
    answer.body = headEnd < 0 ? QByteArray() : raw.mid(headEnd + 4);
    answer.elapsedMs = clock.elapsed();
    return answer;
}

QByteArray request(quint16 port, const QByteArray& method, const QByteArray& target, const QByteArray& extra = {})
{
    return method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n" + extra + "\r\n";
}

// One request on a connection of its own, which the server must close after answering.
Answer exchange(quint16 port, const QByteArray& method, const QByteArray& target, const QByteArray& extra = {})
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(WaitMs))
        return {};
    socket.write(request(port, method, target, "Connection: close\r\n" + extra));
    Answer answer = readAnswer(socket, method == "HEAD");
    answer.closed = socket.state() == QAbstractSocket::UnconnectedState || !socket.waitForReadyRead(WaitMs);
    return answer;
}

QByteArray bigFileBytes(qint64 offset, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    BigFile::Read(offset, bytes.data(), size);
    return bytes;
}

} // namespace

void TestSiteServer::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
    QVERIFY2(m_throttled.start({QStringLiteral("--throttle"), QString::number(ThrottleKiB)}),
             qPrintable(m_throttled.error()));
}

void TestSiteServer::programServesPagesOnAPickedPort_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("flash list") << "/tavolin/html/topleft/0.html" << "javascript:CALL_API('openTable','";
    // The launcher appends the search words as they were typed.
    QTest::newRow("search, typed words") << QString::fromUtf8("tavolin/php/search.php?keyword=小熊 探险")
                                         << QString::fromUtf8("CALL_API('openTable','Tom's 小熊 探险|");
    QTest::newRow("search, escaped words") << "tavolin/php/search.php?keyword=%E9%A3%8E%E7%AD%9D"
                                           << QString::fromUtf8("CALL_API('openTable','断线风筝|");
}

void TestSiteServer::programServesPagesOnAPickedPort()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    const int port = portOf(m_site);
    QVERIFY(port > 0 && port != 8737);
    QNetworkAccessManager network;
    QNetworkReply* reply = network.get(QNetworkRequest(QUrl(m_site.base() + path)));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(WaitMs));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(reply->header(QNetworkRequest::ContentTypeHeader).toString(), QStringLiteral("text/html; charset=utf-8"));
    QCOMPARE(reply->rawHeader("Cache-Control"), QByteArray("no-cache"));
    const QString page = QString::fromUtf8(reply->readAll());
    QVERIFY2(page.contains(expected), qPrintable(expected));
    QVERIFY(page.contains(QStringLiteral("http://127.0.0.1:%1/tavolin/html/game/").arg(port)));
    reply->deleteLater();
}

void TestSiteServer::takenPortIsRefused()
{
    QProcess second;
    second.start(QStringLiteral(TAVOLIN_SITE_PROGRAM), {QStringLiteral("--port"), QString::number(portOf(m_site))});
    QVERIFY(second.waitForFinished(WaitMs));
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(second.readAllStandardOutput().isEmpty());
    QVERIFY(second.readAllStandardError().contains("cannot listen on 127.0.0.1:"));
}

void TestSiteServer::oneConnectionAnswersInTurn()
{
    const quint16 port = portOf(m_site);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(WaitMs));
    // A HEAD answer announces the body it leaves out.
    socket.write(request(port, "HEAD", "/tavolin/swf/102.swf"));
    const Answer head = readAnswer(socket, true);
    QCOMPARE(head.status, 200);
    QVERIFY(head.body.isEmpty());
    QVERIFY(head.announced() > 100);
    // A target that cannot be read is refused, and the connection goes on.
    socket.write(request(port, "GET", "/%zz"));
    QCOMPARE(readAnswer(socket, false).status, 400);
    socket.write(request(port, "GET", "/my/login.php?username=demo&password=demo123&cookiesstate=1"));
    const Answer login = readAnswer(socket, false);
    QCOMPARE(login.body, QByteArray("0"));
    QVERIFY(login.headers.value("set-cookie").startsWith("mivo_session="));
    QCOMPARE(login.headers.value("cache-control"), QByteArray("no-store"));
    socket.write(request(port, "GET", "/tavolin/swf/102.swf", "Connection: close\r\n"));
    const Answer movie = readAnswer(socket, false);
    QCOMPARE(movie.status, 200);
    QCOMPARE(movie.body.size(), head.announced());
    QVERIFY(movie.body.startsWith("FWS"));
    QVERIFY(socket.state() == QAbstractSocket::UnconnectedState || !socket.waitForReadyRead(WaitMs));
    QCOMPARE(socket.state(), QAbstractSocket::UnconnectedState);
}

void TestSiteServer::filesTravelAsAsked_data()
{
    QTest::addColumn<bool>("throttled");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<int>("status");
    // The body must be bytes [from, from + size) of this file ("big": the big file).
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("announced"); // -1: the reference's whole length
    QTest::addColumn<bool>("cutOff");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    const QByteArray movie = "/tavolin/swf/102.swf";
    const QByteArray thumbnail = "/tavolin/pic/137.jpg";
    const qint64 MiB = 1 << 20;
    const int slow = 60000;
    QTest::newRow("whole movie") << false << QByteArray("GET") << movie << QByteArray() << 200 << movie << 0LL << -1LL
                                 << -1LL << false << QByteArray() << 0 << slow;
    QTest::newRow("movie, a range") << false << QByteArray("GET") << movie << QByteArray("bytes=100-1099") << 206
                                    << movie << 100LL << 1000LL << 1000LL << false << QByteArray() << 0 << slow;
    QTest::newRow("thumbnail, its last bytes") << false << QByteArray("GET") << thumbnail << QByteArray("bytes=-300")
                                               << 206 << thumbnail << -300LL << 300LL << 300LL << false << QByteArray()
                                               << 0 << slow;
    QTest::newRow("movie, head only") << false << QByteArray("HEAD") << movie << QByteArray() << 200 << movie << 0LL
                                      << 0LL << -1LL << false << QByteArray() << 0 << slow;
    QTest::newRow("movie cut off") << false << QByteArray("GET") << QByteArray("/tavolin/swf/139.swf") << QByteArray()
                                   << 200 << QByteArray("/tavolin/swf/139.swf") << 0LL << -1LL << -1LL << true
                                   << QByteArray() << 0 << slow;
    QTest::newRow("movie missing") << false << QByteArray("GET") << QByteArray("/tavolin/swf/138.swf") << QByteArray()
                                   << 404 << QByteArray() << 0LL << -1LL << -1LL << false << QByteArray() << 0 << slow;
    QTest::newRow("movie redirected") << false << QByteArray("GET") << QByteArray("/tavolin/go/swf/140.swf")
                                      << QByteArray() << 302 << QByteArray() << 0LL << -1LL << -1LL << false
                                      << QByteArray("/tavolin/swf/140.swf") << 0 << slow;
    QTest::newRow("thumbnail redirected") << false << QByteArray("GET") << QByteArray("/tavolin/go/pic/140.jpg")
                                          << QByteArray() << 302 << QByteArray() << 0LL << -1LL << -1LL << false
                                          << QByteArray("/tavolin/pic/140.jpg") << 0 << slow;
    QTest::newRow("big file, whole") << false << QByteArray("GET") << QByteArray("/tavolin/big/2.bin") << QByteArray()
                                     << 200 << QByteArray("big") << 0LL << 2 * MiB << 2 * MiB << false << QByteArray()
                                     << 0 << slow;
    QTest::newRow("big file, across a mebibyte")
        << false << QByteArray("GET") << QByteArray("/tavolin/big/3.bin") << QByteArray("bytes=1048570-1048599") << 206
        << QByteArray("big") << MiB - 6 << 30LL << 30LL << false << QByteArray() << 0 << slow;
    QTest::newRow("big file, a range running past the end")
        << false << QByteArray("GET") << QByteArray("/tavolin/big/1.bin") << QByteArray("bytes=1048000-9999999") << 206
        << QByteArray("big") << 1048000LL << MiB - 1048000 << MiB - 1048000 << false << QByteArray() << 0 << slow;
    QTest::newRow("big file, a range past the end") << false << QByteArray("GET") << QByteArray("/tavolin/big/1.bin")
                                                    << QByteArray("bytes=1048576-") << 416 << QByteArray() << 0LL
                                                    << -1LL << -1LL << false << QByteArray() << 0 << slow;
    QTest::newRow("big file, a gibibyte announced") << false << QByteArray("HEAD") << QByteArray("/tavolin/big/1024.bin")
                                                    << QByteArray() << 200 << QByteArray("big") << 0LL << 0LL
                                                    << 1024 * MiB << false << QByteArray() << 0 << 3000;
    // Two seconds of file at the throttled rate; far less without it.
    const QByteArray twoSeconds = "bytes=0-" + QByteArray::number(2 * ThrottleKiB * 1024 - 1);
    QTest::newRow("throttled file") << true << QByteArray("GET") << QByteArray("/tavolin/big/1.bin") << twoSeconds
                                    << 206 << QByteArray("big") << 0LL << 2LL * ThrottleKiB * 1024
                                    << 2LL * ThrottleKiB * 1024 << false << QByteArray() << 1500 << 8000;
    QTest::newRow("same file unthrottled") << false << QByteArray("GET") << QByteArray("/tavolin/big/1.bin")
                                           << twoSeconds << 206 << QByteArray("big") << 0LL
                                           << 2LL * ThrottleKiB * 1024 << 2LL * ThrottleKiB * 1024 << false
                                           << QByteArray() << 0 << 1000;
    // A page larger than one second's worth of throttled file.
    QTest::newRow("page on the throttled site") << true << QByteArray("GET") << QByteArray("/tavolin/html/hot/rank.htm")
                                                << QByteArray() << 200 << QByteArray() << 0LL << -1LL << -1LL << false
                                                << QByteArray() << 0 << 500;
}

void TestSiteServer::filesTravelAsAsked()
{
    QFETCH(bool, throttled);
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, range);
    QFETCH(int, status);
    QFETCH(QByteArray, reference);
    QFETCH(qint64, from);
    QFETCH(qint64, size);
    QFETCH(qint64, announced);
    QFETCH(bool, cutOff);
    QFETCH(QByteArray, location);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    const quint16 port = portOf(throttled ? m_throttled : m_site);
    const Answer answer = exchange(port, method, target, range.isEmpty() ? QByteArray() : "Range: " + range + "\r\n");
    QCOMPARE(answer.status, status);
    QVERIFY(answer.closed);
    QVERIFY2(answer.elapsedMs >= minMs && answer.elapsedMs <= maxMs, qPrintable(QString::number(answer.elapsedMs)));

    if (status == 416) {
        QCOMPARE(answer.headers.value("content-range"), QByteArray("bytes */1048576"));
        return;
    }
    if (!location.isEmpty()) {
        QCOMPARE(answer.headers.value("location"), ("http://127.0.0.1:" + QByteArray::number(port) + location));
        const Answer followed = exchange(port, "GET", location);
        QCOMPARE(followed.status, 200);
        QCOMPARE(followed.body.size(), followed.announced());
        return;
    }
    if (reference.isEmpty()) {
        // A page, whole however slow the files are; or a missing file.
        if (status == 200)
            QVERIFY(answer.body.size() > ThrottleKiB * 1024);
        QCOMPARE(answer.body.size(), answer.announced());
        return;
    }

    QCOMPARE(answer.headers.value("accept-ranges"), QByteArray("bytes"));
    QByteArray whole;
    qint64 wholeLength = 0;
    if (reference == "big") {
        wholeLength = BigFile::Length(QString::fromLatin1(target).section('/', -1).section('.', 0, 0).toInt());
    } else {
        const Answer file = exchange(portOf(m_site), "GET", reference);
        QCOMPARE(file.status, 200);
        whole = file.body;
        wholeLength = file.announced();
        QVERIFY(wholeLength > 1000);
        if (!cutOff)
            QCOMPARE(whole.size(), wholeLength);
    }
    QCOMPARE(answer.announced(), announced < 0 ? wholeLength : announced);
    if (from < 0)
        from += wholeLength;
    if (status == 206) {
        QCOMPARE(answer.headers.value("content-range"),
                 QStringLiteral("bytes %1-%2/%3").arg(from).arg(from + size - 1).arg(wholeLength).toLatin1());
    }
    if (cutOff) {
        // Announced whole, ended early: what the launcher sees as a broken transfer.
        QVERIFY(answer.body.startsWith("FWS"));
        QVERIFY2(answer.body.size() < answer.announced(), qPrintable(QString::number(answer.body.size())));
        return;
    }
    const qint64 expectedSize = size < 0 ? wholeLength : size;
    QCOMPARE(answer.body.size(), expectedSize);
    if (reference == "big")
        QVERIFY(answer.body == bigFileBytes(from, expectedSize));
    else
        QVERIFY(answer.body == whole.mid(from, expectedSize));
}

QTEST_MAIN(TestSiteServer)
#include "TestSiteServer.moc"
