#include "site/SiteRouter.h"

#include "shell/SitePathNames.h"

#include "site/BigFile.h"
#include "site/SitePages.h"
#include "site/SitePaths.h"
#include "site/SiteStyle.h"
#include "site/WebGamePage.h"

#include <QRegularExpression>

using SitePathNames::ProductPath;

namespace {

const QByteArray SessionCookie = "mivo_session";
constexpr int RememberedLoginSeconds = 30 * 24 * 3600;

HttpResponse page(const QString& html)
{
    HttpResponse response = HttpResponse::Html(html);
    response.headers.append(std::pair<QByteArray, QByteArray>("Cache-Control", "no-cache"));
    return response;
}

// A service reply: the bare answer, never cached.
HttpResponse answer(const QString& text)
{
    HttpResponse response = HttpResponse::Html(text);
    response.headers.append(std::pair<QByteArray, QByteArray>("Cache-Control", "no-store"));
    return response;
}

int numberIn(const QString& path, const QRegularExpression& pattern)
{
    const QRegularExpressionMatch match = pattern.match(path);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

SiteRouter::SiteRouter(const SiteCatalogue& catalogue, const SiteAssets& assets, AccountTable& accounts)
    : m_catalogue(catalogue)
    , m_assets(assets)
    , m_accounts(accounts)
{
}

QString SiteRouter::hostFor(const HttpRequest& request) const
{
    // Only loopback names go into the pages: the Host field is the visitor's to choose.
    static const QRegularExpression loopback(QStringLiteral("^(127\\.0\\.0\\.1|localhost)(:[0-9]{1,5})?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString host = QString::fromLatin1(request.header("host"));
    return loopback.match(host).hasMatch() ? host.toLower() : m_ownAddress;
}

QString SiteRouter::siteBaseFor(const HttpRequest& request) const
{
    return QStringLiteral("http://%1/").arg(hostFor(request));
}

HttpResponse SiteRouter::respond(const HttpRequest& request)
{
    static const QRegularExpression flashList(QStringLiteral("^/tavolin/html/topleft/([0-9]{1,3})\\.html$"));
    static const QRegularExpression gamePage(QStringLiteral("^/tavolin/html/game/([0-9]{1,6})\\.html$"));
    static const QRegularExpression webGame(QStringLiteral("^/tavolin/web/([0-9]{1,6})/(index\\.html)?$"));
    static const QRegularExpression bigFile(QStringLiteral("^/tavolin/big/([0-9]{1,4})\\.bin$"));

    const QString path = request.path.toLower();
    const QString visitor = m_accounts.userOf(request.cookie(SessionCookie));
    const SitePages pages(m_catalogue, siteBaseFor(request), visitor);

    if (path == QLatin1String("/") || path == QLatin1String("/index.html") || path == QLatin1String("/index.htm"))
        return page(pages.home());
    if (path == QLatin1String(SitePathNames::Contact))
        return page(pages.contact());
    if (path == QLatin1String(SitePaths::CustomerService))
        return page(pages.customerService());
    if (path == QLatin1String(SitePaths::TopUp))
        return page(pages.topUp());
    if (path == QLatin1String(SiteStyle::StylePath)) {
        HttpResponse css = HttpResponse::Bytes("text/css; charset=utf-8", SiteStyle::Css().toUtf8());
        css.headers.append(std::pair<QByteArray, QByteArray>("Cache-Control", "max-age=3600"));
        return css;
    }
    if (const int number = numberIn(path, flashList); number >= 0 && number < pages.flashPageCount())
        return page(pages.flashList(number));
    if (path == ProductPath(SitePathNames::HotRank))
        return page(pages.hotRank());
    if (path == ProductPath(SitePathNames::GameWebList))
        return page(pages.webList());
    if (path == ProductPath(SitePathNames::Feature))
        return page(pages.featured());
    if (path == QLatin1String("/tavolin/html/left/0/list.html"))
        return page(pages.featuredFrame());
    if (path == ProductPath(SitePathNames::Search))
        return page(pages.search(request.queryValue(QString::fromLatin1(SitePathNames::SearchKeyword))));
    if (path == ProductPath(SitePathNames::AdRight))
        return page(pages.adRight());
    if (path == ProductPath(SitePathNames::AdDown))
        return page(pages.adDown());
    if (path == QLatin1String("/tavolin/download/index.html"))
        return page(pages.clientDownload());
    if (path == QLatin1String(SitePathNames::Space))
        return page(pages.space(m_accounts.userOf(request.cookie(SessionCookie))));
    if (path.startsWith(QLatin1String("/my/")))
        return accountService(request, path);
    if (path == QLatin1String("/tavolin/uplade.html")) {
        // The launcher strips every "/" from this text, so the address uses "\".
        return answer(QStringLiteral("%1|%2\\tavolin\\download\\index.html").arg(m_version, hostFor(request)));
    }
    if (const SiteGame* game = m_catalogue.find(numberIn(path, gamePage)))
        return page(pages.gamePage(*game));
    if (const SiteGame* game = m_catalogue.find(numberIn(path, webGame)); game && game->isWeb())
        return page(WebGamePage::Build(*game));
    if (const SiteAssets::Asset* asset = m_assets.find(path)) {
        HttpResponse file = HttpResponse::StoredFile(asset->type, asset->bytes);
        if (asset->cutOff)
            file.file->cutOffAt = asset->bytes.size() / 2;
        file.headers.append(std::pair<QByteArray, QByteArray>("Cache-Control", "max-age=3600"));
        return file;
    }
    if (const QString target = SitePaths::RedirectTarget(path); !target.isEmpty() && m_assets.find(target)) {
        const QString location = SitePaths::Absolute(siteBaseFor(request), target);
        HttpResponse response = HttpResponse::Html(QStringLiteral("<a href=\"%1\">%1</a>").arg(location), 302);
        response.headers.append(std::pair<QByteArray, QByteArray>("Location", location.toUtf8()));
        return response;
    }
    if (const int mebibytes = numberIn(path, bigFile); mebibytes >= 1 && mebibytes <= BigFile::MaxMebibytes) {
        HttpResponse big = HttpResponse::MadeFile("application/octet-stream", BigFile::Length(mebibytes), BigFile::Read);
        big.headers.append(std::pair<QByteArray, QByteArray>("Cache-Control", "no-store"));
        return big;
    }
    return HttpResponse::Html(pages.notFound(), 404);
}

HttpResponse SiteRouter::accountService(const HttpRequest& request, const QString& path)
{
    AccountTable::Answer result;
    bool remember = false;
    if (path == QLatin1String("/my/login.php")) {
        result = m_accounts.logIn(request.queryValue(u"username"), request.queryValue(u"password"));
        remember = request.queryValue(u"cookiesstate") == QLatin1String("1");
    } else if (path == QLatin1String("/my/register.php")) {
        result = m_accounts.registerAccount(request.queryValue(u"username"), request.queryValue(u"password"),
                                            request.queryValue(u"email"));
    } else if (path == QLatin1String("/my/logout.php")) {
        m_accounts.logOut(request.cookie(SessionCookie));
        HttpResponse response = HttpResponse::Html(QStringLiteral("<a href=\"/my/space1.php\">/my/space1.php</a>"), 302);
        response.headers.append(std::pair<QByteArray, QByteArray>("Location", "/my/space1.php"));
        response.headers.append(std::pair<QByteArray, QByteArray>("Set-Cookie", SessionCookie + "=; Path=/; Max-Age=0; HttpOnly; SameSite=Lax"));
        return response;
    } else {
        return HttpResponse::Html(SitePages(m_catalogue, siteBaseFor(request)).notFound(), 404);
    }
    HttpResponse response = answer(result.text);
    if (!result.session.isEmpty()) {
        QByteArray cookie = SessionCookie + '=' + result.session + "; Path=/; HttpOnly; SameSite=Lax";
        if (remember)
            cookie += "; Max-Age=" + QByteArray::number(RememberedLoginSeconds);
        response.headers.append(std::pair<QByteArray, QByteArray>("Set-Cookie", cookie));
    }
    return response;
}
