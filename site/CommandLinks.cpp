#include "site/CommandLinks.h"

#include "site/SitePaths.h"
#include "site/UrlText.h"

#include <QRegularExpression>

namespace CommandLinks {
namespace {

// A file named in the download link.
QString address(const SiteGame& game, const QString& siteBase, const QString& path)
{
    const QString linked = game.redirected ? SitePaths::Redirect(path) : path;
    return game.absoluteAddresses ? SitePaths::Absolute(siteBase, linked) : linked;
}

// A name as a link carries it: only the characters that would split it are left out.
QString carried(const QString& name)
{
    QString out = name;
    out.remove(QRegularExpression(QStringLiteral("[,|]")));
    return out;
}

} // namespace

QString Command(const QString& word, const QStringList& fields)
{
    return QStringLiteral("javascript:CALL_API('%1','%2')").arg(word, fields.join(QLatin1Char('|')));
}

QString Field(const QString& text)
{
    QString out = text;
    out.remove(QRegularExpression(QStringLiteral("[(),'|]")));
    return out;
}

QString OpenTable(const SiteGame& game, const QString& siteBase)
{
    return Command(QStringLiteral("openTable"),
                   {carried(game.name), SitePaths::Absolute(siteBase, SitePaths::GamePage(game))});
}

QString FlashTable(const SiteGame& game, const QString& siteBase)
{
    QString movie = address(game, siteBase, SitePaths::Movie(game));
    if (game.streamed)
        movie += QLatin1String("?nosave");
    return Command(QStringLiteral("FlashTable"),
                   {carried(game.name), address(game, siteBase, SitePaths::Thumbnail(game)), movie, IntroductionField(game)});
}

QString WebTable(const SiteGame& game, const QString& siteBase, bool onListPage)
{
    const QString thumbnail =
        onListPage ? SitePaths::Thumbnail(game) : address(game, siteBase, SitePaths::Thumbnail(game));
    return Command(QStringLiteral("WebTable"),
                   {carried(game.name), thumbnail, SitePaths::Absolute(siteBase, SitePaths::WebGame(game))});
}

QString GuideFragment(const SiteGame& game)
{
    QString out = QStringLiteral("<ul class=\"game_keyboard\">");
    for (const GameControl& control : game.controls) {
        out += QLatin1String("<li>");
        if (!control.picture.isEmpty()) {
            const QString cls = control.picture == QLatin1String("full") ? QStringLiteral("ico_full")
                                                                         : QLatin1String("ico_c_") + control.picture;
            out += QStringLiteral("<span class=\"%1\"></span>").arg(cls);
        }
        for (const QChar key : control.keys)
            out += QStringLiteral("<span class=\"ico_key\">%1</span>").arg(key);
        out += QStringLiteral("<span>%1</span></li>").arg(control.action);
    }
    return out + QLatin1String("</ul>");
}

QString IntroductionField(const SiteGame& game)
{
    return UrlText::EscapeSpacesAndNonAscii(GuideFragment(game));
}

} // namespace CommandLinks
