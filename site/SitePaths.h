#pragma once

#include "site/SiteGame.h"

#include <QString>

// Where the site keeps each game's files and pages: paths below the site root, and
// full addresses below a site base that ends in "/".
namespace SitePaths {

// Service pages at the site's root, which the game browser's tool bar opens.
inline constexpr char CustomerService[] = "/kefu.htm";
inline constexpr char TopUp[] = "/html/chongzhi.html";

QString Thumbnail(const SiteGame& game);
QString Movie(const SiteGame& game);
QString GamePage(const SiteGame& game);
QString WebGame(const SiteGame& game);
QString FlashList(int page);
// The address that redirects to the file at `path`, a path below the product's folder.
QString Redirect(const QString& path);
// The file at the end of a redirect address; empty for any other path.
QString RedirectTarget(const QString& path);
// `siteBase` followed by `path` without its leading "/".
QString Absolute(const QString& siteBase, const QString& path);

} // namespace SitePaths
