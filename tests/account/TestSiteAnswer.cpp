// The account services' replies read out of their pages, and the login request.
#include "account/LoginRequest.h"
#include "account/SiteAnswer.h"
#include "tests/support/AppFolder.h"

#include <QDir>
#include <QTest>
#include <QUrlQuery>

class TestSiteAnswer : public QObject {
    Q_OBJECT
private slots:
    void replyReadOutOfThePage_data();
    void replyReadOutOfThePage();
    void lenstrCountsLongTexts_data();
    void lenstrCountsLongTexts();
    void requestCarriesWhatWasTyped_data();
    void requestCarriesWhatWasTyped();
};

namespace {

QString page(const QString& body)
{
    return QStringLiteral("<HTML><HEAD></HEAD><BODY>") + body + QStringLiteral("</BODY></HTML>");
}

// Roughly what the engine shows for a site that does not answer.
QString errorPage()
{
    QString body = QStringLiteral("<div id=\"main-frame-error\" class=\"interstitial-wrapper\"><div id=\"main-content\">"
                                  "<div class=\"icon icon-generic\"></div><div id=\"main-message\"><h1>"
                                  "<span>This site can’t be reached</span></h1><p><strong>127.0.0.1</strong> refused "
                                  "to connect.</p><div class=\"error-code\">ERR_CONNECTION_REFUSED</div></div></div>");
    while (body.size() < 3000)
        body += QStringLiteral("<div class=\"suggestions\"><li>Checking the connection</li><li>Checking the proxy "
                               "and the firewall</li></div>");
    return QStringLiteral("<HTML><HEAD><style>body{font-family:system-ui}</style><title>127.0.0.1</title></HEAD>"
                          "<BODY>%1</BODY></HTML>")
        .arg(body);
}

} // namespace

void TestSiteAnswer::replyReadOutOfThePage_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("answer");
    // What the status line shows; empty for success.
    QTest::addColumn<QString>("status");
    QTest::newRow("success") << page("0") << "0" << "";
    QTest::newRow("success among blanks and line breaks") << page("\r\n\t  0 \n\r\n") << "0" << "";
    QTest::newRow("site message") << page(QStringLiteral("用户名或密码错误")) << QStringLiteral("用户名或密码错误")
                                  << QStringLiteral("用户名或密码错误");
    QTest::newRow("sentence run together") << page("Wrong user name / password, try again.")
                                           << "Wrongusernamepassword,tryagain."
                                           << "Wrongusernamepassword,tryagain.";
    QTest::newRow("lower-case tags stay") << QStringLiteral("<html><body>0</body></html>") << "htmlbody0bodyhtml"
                                          << "htmlbody0bodyhtml";
    QTest::newRow("empty page") << page("") << "" << QStringLiteral("服务器连接超时");
    const QString longest(1000, QLatin1Char('x'));
    QTest::newRow("1000 characters are a reply") << page(longest) << longest << longest;
    QTest::newRow("1001 are not") << page(longest + "y") << longest + "y" << QStringLiteral("服务器连接超时");
    QTest::newRow("browser error page") << errorPage() << CleanSiteAnswer(errorPage()) << QStringLiteral("服务器连接超时");
}

void TestSiteAnswer::replyReadOutOfThePage()
{
    QFETCH(QString, markup);
    QFETCH(QString, answer);
    QFETCH(QString, status);
    QCOMPARE(CleanSiteAnswer(markup), answer);
    if (answer != QLatin1String("0"))
        QCOMPARE(SiteAnswerFailureText(answer), status);
}

void TestSiteAnswer::lenstrCountsLongTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("count");
    QTest::newRow("40,000 Chinese") << QString(40000, QChar(0x5B57)) << qsizetype(40000);
    QTest::newRow("32,767 Latin") << QString(32767, QLatin1Char('a')) << qsizetype(32767);
    // Characters beyond the basic plane take two UTF-16 units each.
    QTest::newRow("40,000 beyond the basic plane") << QString::fromUcs4(std::u32string(40000, U'\U0001F3AE').c_str())
                                                   << qsizetype(40000);
    QTest::newRow("empty") << QString() << qsizetype(0);
}

void TestSiteAnswer::lenstrCountsLongTexts()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, count);
    QCOMPARE(Lenstr(text), count);
    if (count > 1000)
        QCOMPARE(SiteAnswerFailureText(text), QStringLiteral("服务器连接超时"));
}

void TestSiteAnswer::requestCarriesWhatWasTyped_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("keep");
    QTest::newRow("plain") << "demo" << "demo123" << false;
    QTest::newRow("query characters") << "a&b=c" << "p&ss#w+rd%20 ?" << true;
    QTest::newRow("blanks kept") << QStringLiteral(" 玩家 ") << "  x  " << false;
}

void TestSiteAnswer::requestCarriesWhatWasTyped()
{
    QFETCH(QString, userName);
    QFETCH(QString, password);
    QFETCH(bool, keep);
    UseAppFolder(QDir::tempPath(), QStringLiteral("http://127.0.0.1:8737/"));
    const QUrl url = LoginRequestUrl(userName, password, keep);
    QVERIFY(url.isValid());
    QCOMPARE(url.toString(QUrl::RemoveQuery), QStringLiteral("http://127.0.0.1:8737//my/login.php"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 3);
    QCOMPARE(query.queryItemValue("username", QUrl::FullyDecoded), userName);
    QCOMPARE(query.queryItemValue("password", QUrl::FullyDecoded), password);
    QCOMPARE(query.queryItemValue("cookiesstate"), keep ? "1" : "0");
}

QTEST_GUILESS_MAIN(TestSiteAnswer)
#include "TestSiteAnswer.moc"
