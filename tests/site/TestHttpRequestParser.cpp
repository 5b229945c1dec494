#include "site/HttpRequestParser.h"
#include "site/HttpResponse.h"

#include <QTest>

class TestHttpRequestParser : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void refuses_data();
    void refuses();
    void waitsForTheRestOfAHead();
    void readsPipelinedRequestsInOrder();
    void skipsABodyAndReadsTheNextRequest();
    void findsCookies();
    void headAnswerKeepsTheLengthWithoutTheBody();
};

namespace {

QByteArray get(const QByteArray& target, const QByteArray& extra = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:8737\r\n" + extra + "\r\n";
}

} // namespace

void TestHttpRequestParser::parses_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("queryName");
    QTest::addColumn<QString>("queryValue");
    QTest::addColumn<bool>("keepAlive");

    QTest::newRow("plain") << get("/index.html") << QByteArray("GET") << "/index.html" << QString() << QString() << true;
    QTest::newRow("head") << QByteArray("HEAD / HTTP/1.1\r\nHost: x\r\n\r\n") << QByteArray("HEAD") << "/" << QString()
                          << QString() << true;
    QTest::newRow("doubled slash after host") << get("//tavolin/html/topleft/0.html") << QByteArray("GET")
                                              << "/tavolin/html/topleft/0.html" << QString() << QString() << true;
    QTest::newRow("runs of slashes") << get("///a////b//") << QByteArray("GET") << "/a/b/" << QString() << QString()
                                     << true;
    QTest::newRow("escaped letters") << get("/tavolin/%70ic/101.jpg") << QByteArray("GET") << "/tavolin/pic/101.jpg"
                                     << QString() << QString() << true;
    QTest::newRow("escaped utf-8") << get("/%E4%B8%AD%E6%96%87") << QByteArray("GET") << QString::fromUtf8("/中文")
                                   << QString() << QString() << true;
    QTest::newRow("dot segments") << get("/a/./b/../c") << QByteArray("GET") << "/a/c" << QString() << QString() << true;
    QTest::newRow("no climbing above the root") << get("/../../etc/passwd") << QByteArray("GET") << "/etc/passwd"
                                                << QString() << QString() << true;
    QTest::newRow("escaped query") << get("//tavolin/php/search.php?keyword=%E8%B7%91%E9%85%B7") << QByteArray("GET")
                                   << "/tavolin/php/search.php" << "keyword" << QString::fromUtf8("跑酷") << true;
    QTest::newRow("plus stays plus") << get("/s?keyword=a+b") << QByteArray("GET") << "/s" << "keyword" << "a+b" << true;
    QTest::newRow("stray percent kept") << get("/s?keyword=100%") << QByteArray("GET") << "/s" << "keyword" << "100%"
                                        << true;
    QTest::newRow("empty value") << get("/s?keyword=") << QByteArray("GET") << "/s" << "keyword" << QString() << true;
    QTest::newRow("second item") << get("/my/login.php?username=demo&password=demo123&cookiesstate=1")
                                 << QByteArray("GET") << "/my/login.php" << "password" << "demo123" << true;
    QTest::newRow("absolute form") << get("http://127.0.0.1:8737//my/space1.php?x=1") << QByteArray("GET")
                                   << "/my/space1.php" << "x" << "1" << true;
    QTest::newRow("absolute form without path")
        << get("http://127.0.0.1:8737?x=2") << QByteArray("GET") << "/" << "x" << "2" << true;
    QTest::newRow("bare line feeds") << QByteArray("GET /a HTTP/1.1\nHost: x\n\n") << QByteArray("GET") << "/a"
                                     << QString() << QString() << true;
    QTest::newRow("blank lines before") << QByteArray("\r\n\r\n") + get("/a") << QByteArray("GET") << "/a" << QString()
                                        << QString() << true;
    QTest::newRow("close asked") << get("/a", "Connection: close\r\n") << QByteArray("GET") << "/a" << QString()
                                 << QString() << false;
    QTest::newRow("close among options") << get("/a", "Connection: Upgrade, Close\r\n") << QByteArray("GET") << "/a"
                                         << QString() << QString() << false;
    QTest::newRow("http/1.0 closes") << QByteArray("GET /a HTTP/1.0\r\n\r\n") << QByteArray("GET") << "/a" << QString()
                                     << QString() << false;
    QTest::newRow("http/1.0 keep-alive")
        << QByteArray("GET /a HTTP/1.0\r\nConnection: keep-alive\r\n\r\n") << QByteArray("GET") << "/a" << QString()
        << QString() << true;
    QTest::newRow("fragment dropped") << get("/a#top") << QByteArray("GET") << "/a" << QString() << QString() << true;
}

void TestHttpRequestParser::parses()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QString, queryName);
    QFETCH(QString, queryValue);
    QFETCH(bool, keepAlive);

    HttpRequestParser parser;
    QByteArray buffer = raw;
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QVERIFY(buffer.isEmpty());
    QVERIFY(!parser.isMidRequest());
    const HttpRequest& request = parser.request();
    QCOMPARE(request.method, method);
    QCOMPARE(request.path, path);
    if (!queryName.isEmpty())
        QCOMPARE(request.queryValue(queryName), queryValue);
    QCOMPARE(request.keepAlive(), keepAlive);
}

void TestHttpRequestParser::refuses_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("status");

    QTest::newRow("no host in 1.1") << QByteArray("GET / HTTP/1.1\r\n\r\n") << 400;
    QTest::newRow("two hosts") << get("/", "Host: other\r\n") << 400;
    QTest::newRow("cut escape") << get("/a%2") << 400;
    QTest::newRow("non-hex escape") << get("/a%zz") << 400;
    QTest::newRow("escaped nul") << get("/a%00b") << 400;
    QTest::newRow("escaped line feed") << get("/a%0Ab") << 400;
    QTest::newRow("invalid utf-8") << get("/%FF%FE") << 400;
    QTest::newRow("relative target") << get("index.html") << 400;
    QTest::newRow("asterisk") << get("*") << 400;
    QTest::newRow("garbage line") << QByteArray("HELLO\r\nHost: x\r\n\r\n") << 400;
    QTest::newRow("two spaces in line") << QByteArray("GET  / HTTP/1.1\r\nHost: x\r\n\r\n") << 400;
    QTest::newRow("header without colon") << get("/", "Broken\r\n") << 400;
    QTest::newRow("folded header") << get("/", "X-A: 1\r\n  continued\r\n") << 400;
    QTest::newRow("blank in name") << get("/", "Bad Name: 1\r\n") << 400;
    QTest::newRow("post") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n") << 405;
    QTest::newRow("delete") << QByteArray("DELETE / HTTP/1.1\r\nHost: x\r\n\r\n") << 405;
    QTest::newRow("http/2.0") << QByteArray("GET / HTTP/2.0\r\nHost: x\r\n\r\n") << 505;
    QTest::newRow("not http") << QByteArray("GET / SPDY/3\r\nHost: x\r\n\r\n") << 400;
    QTest::newRow("chunked body") << get("/", "Transfer-Encoding: chunked\r\n") << 501;
    QTest::newRow("huge body") << get("/", "Content-Length: 65537\r\n") << 413;
    QTest::newRow("signed length") << get("/", "Content-Length: -1\r\n") << 400;
    QTest::newRow("length with words") << get("/", "Content-Length: 5 bytes\r\n") << 400;
    QTest::newRow("two lengths") << get("/", "Content-Length: 1\r\nContent-Length: 2\r\n") << 400;
    QTest::newRow("long request line") << get("/" + QByteArray(HttpRequestParser::MaxHeadBytes, 'a')) << 414;
    QTest::newRow("large header") << get("/", "X-Big: " + QByteArray(HttpRequestParser::MaxHeadBytes, 'b') + "\r\n")
                                  << 431;
    QByteArray many;
    for (int i = 0; i <= HttpRequestParser::MaxHeaderCount; ++i)
        many += "X-" + QByteArray::number(i) + ": 1\r\n";
    QTest::newRow("too many fields") << get("/", many) << 431;
}

void TestHttpRequestParser::refuses()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, status);
    HttpRequestParser parser;
    QByteArray buffer = raw;
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Failed);
    QCOMPARE(parser.failureStatus(), status);
    // A failed parser stays failed, whatever follows.
    QByteArray next = get("/");
    QCOMPARE(parser.feed(next), HttpRequestParser::State::Failed);
}

void TestHttpRequestParser::waitsForTheRestOfAHead()
{
    const QByteArray raw = get("/tavolin/html/hot/rank.htm");
    HttpRequestParser parser;
    QByteArray buffer;
    for (qsizetype i = 0; i < raw.size() - 1; ++i) {
        buffer += raw[i];
        QCOMPARE(parser.feed(buffer), HttpRequestParser::State::NeedMore);
        QVERIFY(parser.isMidRequest());
    }
    buffer += raw.back();
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QCOMPARE(parser.request().path, QStringLiteral("/tavolin/html/hot/rank.htm"));

    // Just under the bound is still a head in progress; one byte more is refused.
    HttpRequestParser bounded;
    QByteArray partial = "GET /" + QByteArray(HttpRequestParser::MaxHeadBytes - 5, 'a');
    QCOMPARE(bounded.feed(partial), HttpRequestParser::State::NeedMore);
    partial += 'a';
    QCOMPARE(bounded.feed(partial), HttpRequestParser::State::Failed);
    QCOMPARE(bounded.failureStatus(), 414);
}

void TestHttpRequestParser::readsPipelinedRequestsInOrder()
{
    QByteArray buffer = get("/first") + get("/second", "Connection: close\r\n") + "GET /thi";
    HttpRequestParser parser;
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QCOMPARE(parser.request().path, QStringLiteral("/first"));
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QCOMPARE(parser.request().path, QStringLiteral("/second"));
    QVERIFY(!parser.request().keepAlive());
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::NeedMore);
    QVERIFY(parser.isMidRequest());
    QCOMPARE(buffer, QByteArray("GET /thi"));
}

void TestHttpRequestParser::skipsABodyAndReadsTheNextRequest()
{
    QByteArray buffer = get("/with-body", "Content-Length: 5\r\n") + "ab";
    HttpRequestParser parser;
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::NeedMore);
    QVERIFY(parser.isMidRequest());
    buffer += "cde" + get("/next");
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QCOMPARE(parser.request().path, QStringLiteral("/with-body"));
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QCOMPARE(parser.request().path, QStringLiteral("/next"));
    QVERIFY(buffer.isEmpty());
}

void TestHttpRequestParser::findsCookies()
{
    QByteArray buffer = get("/", "Cookie: a=1; mivo_session=abc123 ;b=\r\n");
    HttpRequestParser parser;
    QCOMPARE(parser.feed(buffer), HttpRequestParser::State::Complete);
    QCOMPARE(parser.request().cookie("mivo_session"), QByteArray("abc123"));
    QCOMPARE(parser.request().cookie("a"), QByteArray("1"));
    QVERIFY(parser.request().cookie("mivo").isEmpty());
}

void TestHttpRequestParser::headAnswerKeepsTheLengthWithoutTheBody()
{
    const HttpResponse response = HttpResponse::Html(QStringLiteral("<p>你好</p>"));
    const QByteArray full = response.serialise(false, true);
    const QByteArray head = response.serialise(true, false);
    QVERIFY(full.endsWith(response.body));
    QVERIFY(head.endsWith("\r\n\r\n"));
    QVERIFY(full.contains("Content-Length: " + QByteArray::number(response.body.size()) + "\r\n"));
    QVERIFY(head.contains("Content-Length: " + QByteArray::number(response.body.size()) + "\r\n"));
    QVERIFY(full.contains("Connection: keep-alive\r\n"));
    QVERIFY(head.contains("Connection: close\r\n"));
    QVERIFY(full.contains("Content-Type: text/html; charset=utf-8\r\n"));
}

QTEST_APPLESS_MAIN(TestHttpRequestParser)
#include "TestHttpRequestParser.moc"
