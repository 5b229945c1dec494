#include "site/SitePaths.h"

namespace SitePaths {

QString Thumbnail(const SiteGame& game) { return QStringLiteral("/tavolin/pic/%1.jpg").arg(game.id); }
QString Movie(const SiteGame& game) { return QStringLiteral("/tavolin/swf/%1.swf").arg(game.id); }
QString GamePage(const SiteGame& game) { return QStringLiteral("/tavolin/html/game/%1.html").arg(game.id); }
QString WebGame(const SiteGame& game) { return QStringLiteral("/tavolin/web/%1/index.html").arg(game.id); }
QString FlashList(int page) { return QStringLiteral("/tavolin/html/topleft/%1.html").arg(page); }

namespace {
const QString Product = QStringLiteral("/tavolin/");
const QString RedirectFolder = QStringLiteral("/tavolin/go/");
} // namespace

QString Redirect(const QString& path)
{
    return path.startsWith(Product) ? RedirectFolder + path.mid(Product.size()) : QString();
}

QString RedirectTarget(const QString& path)
{
    return path.startsWith(RedirectFolder) ? Product + path.mid(RedirectFolder.size()) : QString();
}

QString Absolute(const QString& siteBase, const QString& path)
{
    return siteBase + path.mid(path.startsWith(QLatin1Char('/')) ? 1 : 0);
}

} // namespace SitePaths
