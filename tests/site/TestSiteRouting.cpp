#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "site/AccountTable.h"
#include "site/CommandLinks.h"
#include "site/SiteAssets.h"
#include "site/SiteCatalogue.h"
#include "site/SitePages.h"
#include "site/SitePaths.h"
#include "site/SiteRouter.h"
#include "store/UtfToGb.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <memory>

// Drives the site through its router with the addresses the launcher builds.
class TestSiteRouting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void servesEverySiteAddress_data();
    void servesEverySiteAddress();
    void pagesCarryTheirTabCaptions_data();
    void pagesCarryTheirTabCaptions();
    void unknownAddressesAreMissing_data();
    void unknownAddressesAreMissing();
    void thumbnailsAreDistinctJpegs();
    void listLinksAreCommands_data();
    void listLinksAreCommands();
    void listsCoverTheCatalogue();
    void gamePageCarriesItsCommand_data();
    void gamePageCarriesItsCommand();
    void spacePageOffersLoginAndRegistration();
    void loginAnswers_data();
    void loginAnswers();
    void registrationAnswers_data();
    void registrationAnswers();
    void updatePageSurvivesCleaning();
    void searchFindsByNameAndCategory_data();
    void searchFindsByNameAndCategory();
    void addressesFollowOnlyLoopbackHosts_data();
    void addressesFollowOnlyLoopbackHosts();
    void pagesUseNoOutsideResources();

private:
    HttpResponse fetch(const QString& address, const QByteArray& cookie = {});
    // Follows one redirect, as the launcher's download control does.
    HttpResponse fetchFollowing(const QString& address);

    std::unique_ptr<SiteCatalogue> m_catalogue;
    std::unique_ptr<SiteAssets> m_assets;
    std::unique_ptr<AccountTable> m_accounts;
    std::unique_ptr<SiteRouter> m_router;
};

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:8737/");

struct Command {
    QString word;
    QStringList fields;
    qsizetype pieces = 0;
};

// The launcher's reading of a link address: delete the marker and the brackets and
// quotes, split at "," for the word and at "|" for the fields.
Command parseCommand(QString address)
{
    address.remove(QStringLiteral("javascript:CALL_API"));
    address.remove(QLatin1Char('('));
    address.remove(QLatin1Char(')'));
    address.remove(QLatin1Char('\''));
    const QStringList pieces = address.split(QLatin1Char(','));
    return {pieces.value(0), pieces.value(1).split(QLatin1Char('|')), pieces.size()};
}

QString unescapeHtml(QString text)
{
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// Every anchor whose address holds a command: the whole tag and the address as the
// document reports it.
QList<std::pair<QString, QString>> commandAnchors(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral("<a\\s[^>]*href=\"(javascript:CALL_API[^\"]*)\"[^>]*>"));
    QList<std::pair<QString, QString>> out;
    for (const QRegularExpressionMatch& match : anchor.globalMatch(html))
        out.append({match.captured(0), unescapeHtml(match.captured(1))});
    return out;
}

// What the launcher reads out of a service reply.
QString cleanAnswer(QString text)
{
    for (const char* word : {"<", ">", "/", "HEAD", "BODY", "HTML", "\n", "\r", "\t", " "})
        text.remove(QString::fromLatin1(word));
    return text;
}

// The game a command names: by its name as a field can carry it.
const SiteGame* gameNamed(const SiteCatalogue& catalogue, const QString& name)
{
    for (const SiteGame& game : catalogue.games()) {
        if (CommandLinks::Field(game.name) == name)
            return &game;
    }
    return nullptr;
}

QString body(const HttpResponse& response) { return QString::fromUtf8(response.body); }

} // namespace

void TestSiteRouting::initTestCase()
{
    GlobalSettings settings;
    settings.SiteBase = Base;
    settings.ProductKey = QStringLiteral("tavolin");
    SetGlobalSettings(settings);
    m_catalogue = std::make_unique<SiteCatalogue>();
    m_assets = std::make_unique<SiteAssets>(*m_catalogue);
    m_accounts = std::make_unique<AccountTable>();
    m_router = std::make_unique<SiteRouter>(*m_catalogue, *m_assets, *m_accounts);
}

HttpResponse TestSiteRouting::fetch(const QString& address, const QByteArray& cookie)
{
    const QUrl url(address);
    QByteArray target = url.path(QUrl::FullyEncoded).toUtf8();
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toUtf8();
    QList<std::pair<QByteArray, QByteArray>> headers = {{"host", url.authority().toUtf8()}};
    if (!cookie.isEmpty())
        headers.append({"cookie", cookie});
    const std::optional<HttpRequest> request = HttpRequest::FromTarget("GET", target, headers);
    return request ? m_router->respond(*request) : HttpResponse::BadRequest();
}

HttpResponse TestSiteRouting::fetchFollowing(const QString& address)
{
    const HttpResponse first = fetch(address);
    for (const auto& [name, value] : first.headers) {
        if (first.status == 302 && name == "Location")
            return fetch(QString::fromUtf8(value));
    }
    return first;
}

void TestSiteRouting::servesEverySiteAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("type");
    const QByteArray html = "text/html; charset=utf-8";
    QTest::newRow("home") << SiteHomeUrl() << html;
    QTest::newRow("contact") << ContactUrl() << html;
    QTest::newRow("flash list") << FlashListUrl() << html;
    QTest::newRow("flash list, second page") << Base + QStringLiteral("/tavolin/html/topleft/1.html") << html;
    QTest::newRow("hot ranking") << HotRankUrl() << html;
    QTest::newRow("web games") << GameWebListUrl() << html;
    QTest::newRow("featured") << FeatureUrl() << html;
    QTest::newRow("featured frame") << Base + QStringLiteral("tavolin/html/left/0/list.html") << html;
    QTest::newRow("search, no words") << SearchUrl() << html;
    QTest::newRow("search, words") << SearchUrl() + QStringLiteral("泡泡") << html;
    QTest::newRow("space") << SpaceUrl() << html;
    QTest::newRow("right-hand ad") << AdRightUrl() << html;
    QTest::newRow("download ad") << AdDownUrl() << html;
    QTest::newRow("login") << SiteHomeUrl() + QStringLiteral("/my/login.php?username=&password=&cookiesstate=0") << html;
    QTest::newRow("registration") << SiteHomeUrl() + QStringLiteral("/my/register.php?username=&password=&email=")
                                  << html;
    QTest::newRow("update page") << SiteHomeUrl() + QStringLiteral("/tavolin/uplade.html") << html;
    QTest::newRow("style sheet") << Base + QStringLiteral("css/site.css") << QByteArray("text/css; charset=utf-8");
    QTest::newRow("game page") << Base + QStringLiteral("tavolin/html/game/101.html") << html;
    QTest::newRow("web game") << Base + QStringLiteral("tavolin/web/131/index.html") << html;
    QTest::newRow("thumbnail") << Base + QStringLiteral("/tavolin/pic/101.jpg") << QByteArray("image/jpeg");
    QTest::newRow("movie") << Base + QStringLiteral("/tavolin/swf/102.swf")
                           << QByteArray("application/x-shockwave-flash");
    QTest::newRow("streamed movie") << Base + QStringLiteral("/tavolin/swf/105.swf?nosave")
                                    << QByteArray("application/x-shockwave-flash");
    QTest::newRow("letter case ignored") << Base + QStringLiteral("TAVOLIN/HTML/HOT/RANK.HTM") << html;
    QTest::newRow("escaped path") << Base + QStringLiteral("%61bout/contact.htm") << html;
}

void TestSiteRouting::servesEverySiteAddress()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, type);
    const HttpResponse response = fetch(address);
    QCOMPARE(response.status, 200);
    QCOMPARE(response.contentType, type);
    QVERIFY(!response.body.isEmpty());
    if (type.startsWith("text/html") && response.body.size() > 64)
        QVERIFY(response.body.contains("<meta charset=\"utf-8\">"));
}

void TestSiteRouting::pagesCarryTheirTabCaptions_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("canvas");
    // The game browser puts these paths after the site base, which ends in "/" already.
    QTest::newRow("customer service") << Base + QStringLiteral("/kefu.htm") << QStringLiteral("客服中心 - mivo游戏") << false;
    QTest::newRow("top-up") << Base + QStringLiteral("/html/chongzhi.html") << QStringLiteral("充值中心 - mivo游戏") << false;
    for (const SiteGame& game : m_catalogue->webGames())
        QTest::newRow(qPrintable(game.name)) << SitePaths::Absolute(Base, SitePaths::WebGame(game)) << game.name << true;
}

// The game browser's tab caption follows the document's title.
void TestSiteRouting::pagesCarryTheirTabCaptions()
{
    QFETCH(QString, address);
    QFETCH(QString, title);
    QFETCH(bool, canvas);
    static const QRegularExpression titled(QStringLiteral("<title>([^<]*)</title>"));
    const HttpResponse response = fetch(address);
    QCOMPARE(response.status, 200);
    const QString html = body(response);
    QCOMPARE(unescapeHtml(titled.match(html).captured(1)), title);
    QCOMPARE(html.contains(QStringLiteral("<canvas")), canvas);
}

void TestSiteRouting::unknownAddressesAreMissing_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("unknown page") << Base + QStringLiteral("nothing/here.html");
    QTest::newRow("list page past the end") << Base + QStringLiteral("/tavolin/html/topleft/9.html");
    QTest::newRow("unknown game") << Base + QStringLiteral("tavolin/html/game/999.html");
    QTest::newRow("flash game has no web page") << Base + QStringLiteral("tavolin/web/101/index.html");
    QTest::newRow("web game has no movie") << Base + QStringLiteral("tavolin/swf/131.swf");
    QTest::newRow("unknown service") << Base + QStringLiteral("/my/delete.php");
    QTest::newRow("thumbnail with another ending") << Base + QStringLiteral("tavolin/pic/101.png");
    QTest::newRow("movie missing on purpose") << Base + QStringLiteral("tavolin/swf/138.swf");
    QTest::newRow("redirect to nothing") << Base + QStringLiteral("tavolin/go/swf/138.swf");
    QTest::newRow("redirect to a page") << Base + QStringLiteral("tavolin/go/html/hot/rank.htm");
    QTest::newRow("big file of nothing") << Base + QStringLiteral("tavolin/big/0.bin");
    QTest::newRow("big file over a gibibyte") << Base + QStringLiteral("tavolin/big/1025.bin");
}

void TestSiteRouting::unknownAddressesAreMissing()
{
    QFETCH(QString, address);
    const HttpResponse response = fetch(address);
    QCOMPARE(response.status, 404);
    QCOMPARE(response.contentType, QByteArray("text/html; charset=utf-8"));
    // The ad pane's host recognises a missing page by this text, in the page itself and not only its title.
    const QString page = body(response).section(QStringLiteral("</title>"), 1);
    QVERIFY(cleanAnswer(page).contains(QString::fromUtf8(SitePages::NotFoundText)));
}

void TestSiteRouting::thumbnailsAreDistinctJpegs()
{
    QSet<QByteArray> pictures;
    for (const SiteGame& game : m_catalogue->games()) {
        const HttpResponse response = fetch(SitePaths::Absolute(Base, SitePaths::Thumbnail(game)));
        QCOMPARE(response.status, 200);
        QVERIFY(response.body.startsWith("\xFF\xD8\xFF"));
        const QImage image = QImage::fromData(response.body, "JPEG");
        QVERIFY2(!image.isNull(), qPrintable(game.name));
        QCOMPARE(image.size(), QSize(150, 150));
        // Not a flat fill: the corners and the middle differ.
        QVERIFY(image.pixel(2, 2) != image.pixel(75, 70) || image.pixel(147, 147) != image.pixel(75, 70));
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(pictures.size(), m_catalogue->games().size());
}

void TestSiteRouting::listLinksAreCommands_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("flash list") << FlashListUrl();
    QTest::newRow("flash list, second page") << Base + QStringLiteral("/tavolin/html/topleft/1.html");
    QTest::newRow("hot ranking") << HotRankUrl();
    QTest::newRow("web games") << GameWebListUrl();
    QTest::newRow("featured") << FeatureUrl();
    QTest::newRow("featured frame") << Base + QStringLiteral("/tavolin/html/left/0/list.html");
    QTest::newRow("search") << SearchUrl() + QStringLiteral("大");
    QTest::newRow("search without hits") << SearchUrl() + QStringLiteral("不存在的游戏");
}

void TestSiteRouting::listLinksAreCommands()
{
    QFETCH(QString, address);
    static const QRegularExpression exact(QStringLiteral("^javascript:CALL_API\\('(openTable|WebTable)','[^,]*'\\)$"));
    const QString html = body(fetch(address));
    // The launcher's own search box sits above these pages.
    QVERIFY(!html.contains(QStringLiteral("<input")));
    const auto anchors = commandAnchors(html);
    QVERIFY(!anchors.isEmpty());
    for (const auto& [tag, href] : anchors) {
        QVERIFY2(exact.match(href).hasMatch(), qPrintable(href));
        QVERIFY2(tag.contains(QStringLiteral("target=\"_blank\"")), qPrintable(tag));
        const Command command = parseCommand(href);
        QCOMPARE(command.pieces, qsizetype(2));
        const SiteGame* game = gameNamed(*m_catalogue, command.fields.value(0));
        QVERIFY2(game, qPrintable(href));
        if (command.word == QLatin1String("openTable")) {
            QCOMPARE(command.fields.size(), qsizetype(2));
            const HttpResponse page = fetch(command.fields[1]);
            QCOMPARE(page.status, 200);
            QVERIFY(body(page).contains(QStringLiteral("<title>%1</title>").arg(game->name.toHtmlEscaped())));
        } else {
            QVERIFY(game->isWeb());
            QCOMPARE(command.fields.size(), qsizetype(3));
            // The finder always puts the site home in front of the thumbnail path.
            QVERIFY(command.fields[1].startsWith(QLatin1Char('/')));
            QCOMPARE(fetch(SiteHomeUrl() + command.fields[1]).contentType, QByteArray("image/jpeg"));
            const HttpResponse play = fetch(command.fields[2]);
            QCOMPARE(play.status, 200);
            QVERIFY(play.body.contains("<canvas"));
        }
    }
}

void TestSiteRouting::listsCoverTheCatalogue()
{
    QSet<QString> flash;
    for (const QString& address : {FlashListUrl(), Base + QStringLiteral("/tavolin/html/topleft/1.html")}) {
        for (const auto& anchor : commandAnchors(body(fetch(address))))
            flash.insert(parseCommand(anchor.second).fields.value(0));
    }
    QSet<QString> web;
    for (const auto& anchor : commandAnchors(body(fetch(GameWebListUrl()))))
        web.insert(parseCommand(anchor.second).fields.value(0));
    for (const SiteGame& game : m_catalogue->games())
        QVERIFY2((game.isWeb() ? web : flash).contains(CommandLinks::Field(game.name)), qPrintable(game.name));
    QCOMPARE(flash.size() + web.size(), m_catalogue->games().size());
}

void TestSiteRouting::gamePageCarriesItsCommand_data()
{
    QTest::addColumn<int>("id");
    for (const SiteGame& game : m_catalogue->games())
        QTest::newRow(qPrintable(game.name)) << game.id;
}

void TestSiteRouting::gamePageCarriesItsCommand()
{
    QFETCH(int, id);
    const SiteGame& game = *m_catalogue->find(id);
    const HttpResponse page = fetch(SitePaths::Absolute(Base, SitePaths::GamePage(game)));
    QCOMPARE(page.status, 200);
    // The download tab takes the page's title as its caption.
    QVERIFY(body(page).contains(QStringLiteral("<title>%1</title>").arg(game.name.toHtmlEscaped())));
    const auto anchors = commandAnchors(body(page));
    QCOMPARE(anchors.size(), qsizetype(1));
    const QString href = anchors.first().second;
    QVERIFY(QRegularExpression(QStringLiteral("^javascript:CALL_API\\('(FlashTable|WebTable)','[^,]*'\\)$"))
                .match(href)
                .hasMatch());
    const Command command = parseCommand(href);
    QCOMPARE(command.fields.value(0), CommandLinks::Field(game.name));
    // The download page takes full addresses as they are and puts the site home before the rest.
    const auto resolve = [](const QString& address) {
        return address.contains(QLatin1String("http://")) ? address : SiteHomeUrl() + address;
    };
    QCOMPARE(fetch(resolve(command.fields.value(1))).status, game.redirected ? 302 : 200);
    const HttpResponse thumbnail = fetchFollowing(resolve(command.fields.value(1)));
    QCOMPARE(thumbnail.contentType, QByteArray("image/jpeg"));
    QCOMPARE(command.fields.value(1).contains(QLatin1String("http://")), game.absoluteAddresses);

    if (game.isWeb()) {
        QCOMPARE(command.word, QStringLiteral("WebTable"));
        QCOMPARE(command.fields.size(), qsizetype(3));
        QCOMPARE(fetch(command.fields[2]).status, 200);
        return;
    }
    QCOMPARE(command.word, QStringLiteral("FlashTable"));
    QCOMPARE(command.fields.size(), qsizetype(4));
    QString movie = command.fields[2];
    QCOMPARE(movie.endsWith(QLatin1String("?nosave")), game.streamed);
    movie.remove(QStringLiteral("?nosave"));
    // The file is saved under the text after the last "/" before it is renamed.
    QCOMPARE(movie.section(QLatin1Char('/'), -1), QStringLiteral("%1.swf").arg(game.id));
    const HttpResponse swf = fetchFollowing(resolve(movie));
    if (game.movieFault == MovieFault::Missing) {
        QCOMPARE(swf.status, 404);
    } else {
        QCOMPARE(fetch(resolve(movie)).status, game.redirected ? 302 : 200);
        QCOMPARE(swf.contentType, QByteArray("application/x-shockwave-flash"));
        QVERIFY(swf.body.startsWith("FWS"));
        QCOMPARE(swf.file.has_value() && swf.file->cutOffAt >= 0, game.movieFault == MovieFault::CutOff);
    }

    // The keyboard guide reads the introduction with "%20" as blanks and escaped UTF-8 decoded.
    QString introduction = command.fields[3];
    QVERIFY(!introduction.contains(QLatin1Char(' ')));
    introduction.replace(QStringLiteral("%20"), QStringLiteral(" "));
    introduction = UtfToGb::PercentDecodeUtf8(introduction);
    QVERIFY(introduction.startsWith(QStringLiteral("<ul class=\"game_keyboard\">")));
    QCOMPARE(introduction.count(QStringLiteral("<li>")), game.controls.size());
    for (const GameControl& control : game.controls)
        QVERIFY2(introduction.contains(QStringLiteral("<span>%1</span>").arg(control.action)), qPrintable(control.action));
}

void TestSiteRouting::spacePageOffersLoginAndRegistration()
{
    static const QRegularExpression typed(QStringLiteral("<a\\s[^>]*type=\"([0-9]+)\"[^>]*>"));
    QStringList types;
    const QString visitor = body(fetch(SpaceUrl()));
    for (const QRegularExpressionMatch& match : typed.globalMatch(visitor)) {
        types += match.captured(1);
        QVERIFY(match.captured(0).contains(QStringLiteral("target=\"_blank\"")));
    }
    QCOMPARE(types, QStringList({QStringLiteral("8"), QStringLiteral("9")}));

    const HttpResponse login = fetch(SiteHomeUrl() + QStringLiteral("/my/login.php?username=demo&password=demo123&cookiesstate=0"));
    QByteArray cookie;
    for (const auto& [name, value] : login.headers) {
        if (name == "Set-Cookie")
            cookie = value.left(value.indexOf(';'));
    }
    QVERIFY(cookie.startsWith("mivo_session="));
    const QString member = body(fetch(SpaceUrl(), cookie));
    QVERIFY(member.contains(QStringLiteral("demo，欢迎回来")));
    QVERIFY(!typed.match(member).hasMatch());

    // After logging out the same cookie no longer counts.
    QCOMPARE(fetch(SiteHomeUrl() + QStringLiteral("/my/logout.php"), cookie).status, 302);
    QVERIFY(typed.match(body(fetch(SpaceUrl(), cookie))).hasMatch());
}

void TestSiteRouting::loginAnswers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("persistent");
    QTest::newRow("demo, kept") << "username=demo&password=demo123&cookiesstate=1" << "0" << true;
    QTest::newRow("demo, this session") << "username=demo&password=demo123&cookiesstate=0" << "0" << false;
    QTest::newRow("name in other case") << "username=DEMO&password=demo123&cookiesstate=0" << "0" << false;
    QTest::newRow("wrong password") << "username=demo&password=demo12&cookiesstate=1" << QString::fromUtf8("用户名或密码错误")
                                    << false;
    QTest::newRow("password case counts") << "username=demo&password=DEMO123&cookiesstate=1"
                                          << QString::fromUtf8("用户名或密码错误") << false;
    QTest::newRow("unknown user") << "username=nobody&password=demo123&cookiesstate=1"
                                  << QString::fromUtf8("用户名或密码错误") << false;
    QTest::newRow("no name") << "username=&password=demo123&cookiesstate=1" << QString::fromUtf8("请输入用户名") << false;
    QTest::newRow("no password") << "username=demo&password=&cookiesstate=1" << QString::fromUtf8("请输入密码") << false;
}

void TestSiteRouting::loginAnswers()
{
    QFETCH(QString, query);
    QFETCH(QString, answer);
    QFETCH(bool, persistent);
    const HttpResponse response = fetch(SiteHomeUrl() + QStringLiteral("/my/login.php?") + query);
    QCOMPARE(cleanAnswer(body(response)), answer);
    QByteArray cookie;
    for (const auto& [name, value] : response.headers) {
        if (name == "Set-Cookie")
            cookie = value;
    }
    QCOMPARE(cookie.isEmpty(), answer != QLatin1String("0"));
    QCOMPARE(cookie.contains("Max-Age="), persistent);
}

void TestSiteRouting::registrationAnswers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("answer");
    QTest::newRow("new user") << "username=player_1&password=secret1&email=p1@example.com" << "0";
    QTest::newRow("chinese name") << QString::fromUtf8("username=玩家一号&password=secret1&email=p2@example.com") << "0";
    QTest::newRow("name taken") << "username=Demo&password=secret1&email=d@example.com"
                                << QString::fromUtf8("该用户名已被注册");
    QTest::newRow("one letter") << "username=a&password=secret1&email=a@example.com"
                                << QString::fromUtf8("用户名须为2到16位字母、数字、下划线或汉字");
    QTest::newRow("markup in name") << "username=%3Cb%3Ex&password=secret1&email=a@example.com"
                                    << QString::fromUtf8("用户名须为2到16位字母、数字、下划线或汉字");
    QTest::newRow("short password") << "username=player_2&password=12345&email=a@example.com"
                                    << QString::fromUtf8("密码须为6到32位");
    QTest::newRow("no at sign") << "username=player_3&password=secret1&email=example.com"
                                << QString::fromUtf8("邮箱格式不正确");
}

void TestSiteRouting::registrationAnswers()
{
    QFETCH(QString, query);
    QFETCH(QString, answer);
    const HttpResponse response = fetch(SiteHomeUrl() + QStringLiteral("/my/register.php?") + query);
    QCOMPARE(cleanAnswer(body(response)), answer);
    if (answer != QLatin1String("0"))
        return;
    // The new account logs in with what it registered.
    const QUrl url(QStringLiteral("http://x/?") + query);
    const QString user = QUrlQuery(url).queryItemValue(QStringLiteral("username"), QUrl::FullyDecoded);
    const HttpResponse login = fetch(SiteHomeUrl() + QStringLiteral("/my/login.php?username=%1&password=secret1&cookiesstate=0").arg(user));
    QCOMPARE(cleanAnswer(body(login)), QStringLiteral("0"));
}

void TestSiteRouting::updatePageSurvivesCleaning()
{
    const QString text = cleanAnswer(body(fetch(SiteHomeUrl() + QStringLiteral("/tavolin/uplade.html"))));
    const QStringList fields = text.split(QLatin1Char('|'));
    QCOMPARE(fields.size(), qsizetype(2));
    bool number = false;
    QCOMPARE(fields[0].toDouble(&number), 3.0);
    QVERIFY(number);
    QString download = fields[1];
    download.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QCOMPARE(download, QStringLiteral("127.0.0.1:8737/tavolin/download/index.html"));
    QCOMPARE(fetch(QStringLiteral("http://") + download).status, 200);
}

void TestSiteRouting::searchFindsByNameAndCategory_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("part of a name") << QString::fromUtf8("泡泡") << QStringList({QString::fromUtf8("泡泡龙星球")});
    QTest::newRow("category") << QString::fromUtf8("棋牌")
                              << QStringList({QString::fromUtf8("象棋大师"), QString::fromUtf8("五子棋对弈"),
                                              QString::fromUtf8("欢乐斗地主")});
    QTest::newRow("every word must match") << QString::fromUtf8("射击 星")
                                           << QStringList({QString::fromUtf8("星际护卫")});
    QTest::newRow("latin, any case") << "pixel" << QStringList({QStringLiteral("Pixel Jump")});
    // Typed into the launcher's box and appended to the address as it stands.
    QTest::newRow("chinese and a blank, unencoded") << QString::fromUtf8("小熊 探险")
                                                    << QStringList({QString::fromUtf8("Toms 小熊 探险")});
    QTest::newRow("apostrophe") << QString::fromUtf8("tom's") << QStringList({QString::fromUtf8("Toms 小熊 探险")});
    QTest::newRow("chinese, escaped") << QStringLiteral("%E4%BC%81%E9%B9%85")
                                      << QStringList({QString::fromUtf8("消失的企鹅")});
    QTest::newRow("escaped percent") << "100%25" << QStringList();
    QTest::newRow("blank") << "%20" << QStringList();
}

void TestSiteRouting::searchFindsByNameAndCategory()
{
    QFETCH(QString, words);
    QFETCH(QStringList, names);
    const QString html = body(fetch(SearchUrl() + words));
    QStringList found;
    QSet<QString> seen;
    for (const auto& anchor : commandAnchors(html.section(QStringLiteral("大家都在玩"), 0, 0))) {
        const QString name = parseCommand(anchor.second).fields.value(0);
        if (!seen.contains(name)) {
            seen.insert(name);
            found += name;
        }
    }
    QCOMPARE(found, names);
}

void TestSiteRouting::addressesFollowOnlyLoopbackHosts_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("base");
    QTest::newRow("own address") << "127.0.0.1:8737" << "http://127.0.0.1:8737/";
    QTest::newRow("localhost on another port") << "localhost:9000" << "http://localhost:9000/";
    QTest::newRow("foreign host") << "evil.example" << "http://127.0.0.1:8737/";
    QTest::newRow("markup in host") << "127.0.0.1:1\"><script>" << "http://127.0.0.1:8737/";
}

void TestSiteRouting::addressesFollowOnlyLoopbackHosts()
{
    QFETCH(QString, host);
    QFETCH(QString, base);
    const std::optional<HttpRequest> request =
        HttpRequest::FromTarget("GET", "//tavolin/html/topleft/0.html", {{"host", host.toUtf8()}});
    QVERIFY(request);
    const QString html = QString::fromUtf8(m_router->respond(*request).body);
    const auto anchors = commandAnchors(html);
    QVERIFY(!anchors.isEmpty());
    for (const auto& anchor : anchors)
        QVERIFY2(parseCommand(anchor.second).fields.value(1).startsWith(base), qPrintable(anchor.second));
    QVERIFY(!html.contains(QStringLiteral("<script>alert")));
    QVERIFY(!html.contains(QStringLiteral("evil.example")));
}

void TestSiteRouting::pagesUseNoOutsideResources()
{
    static const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"]*)\"|url\\(([^)]*)\\)"));
    QStringList pages = {SiteHomeUrl(), ContactUrl(), FlashListUrl(), HotRankUrl(), GameWebListUrl(), FeatureUrl(),
                         SearchUrl() + QStringLiteral("大"), SpaceUrl(), AdRightUrl(), AdDownUrl(),
                         Base + QStringLiteral("css/site.css"), Base + QStringLiteral("tavolin/html/left/0/list.html"),
                         Base + QStringLiteral("tavolin/download/index.html"), Base + QStringLiteral("kefu.htm"),
                         Base + QStringLiteral("html/chongzhi.html"), Base + QStringLiteral("nothing")};
    for (const SiteGame& game : m_catalogue->games()) {
        pages += SitePaths::Absolute(Base, SitePaths::GamePage(game));
        if (game.isWeb())
            pages += SitePaths::Absolute(Base, SitePaths::WebGame(game));
    }
    for (const QString& address : pages) {
        const QString text = body(fetch(address));
        for (const QRegularExpressionMatch& match : reference.globalMatch(text)) {
            const QString target = match.captured(1) + match.captured(2);
            if (target.startsWith(QLatin1String("javascript:CALL_API")))
                continue;
            const bool local = (target.startsWith(QLatin1Char('/')) && !target.startsWith(QLatin1String("//")))
                || target.startsWith(Base);
            QVERIFY2(local, qPrintable(address + QStringLiteral(" refers to ") + target));
            if (target.startsWith(QLatin1Char('/')) || target.startsWith(Base)) {
                const QString resolved = target.startsWith(Base) ? target : Base + target.mid(1);
                QVERIFY2(fetch(resolved).status == 200, qPrintable(address + QStringLiteral(" links to missing ") + target));
            }
        }
    }
}

QTEST_MAIN(TestSiteRouting)
#include "TestSiteRouting.moc"
