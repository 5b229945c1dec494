#pragma once

#include <QString>

// Where the site keeps the pages the launcher opens: written once, for the launcher's
// address functions and for the bundled demo site that serves them.
namespace SitePathNames {

// The product's folder on the site; the product pages below lie under it.
inline constexpr char Product[] = "tavolin";

inline constexpr char FlashList[] = "/html/topleft/0.html";
inline constexpr char HotRank[] = "/html/hot/rank.htm";
inline constexpr char GameWebList[] = "/html/corvane/index.htm";
inline constexpr char Feature[] = "/html/left/0/0.html";
inline constexpr char Search[] = "/php/search.php";
inline constexpr char SearchKeyword[] = "keyword";
inline constexpr char AdRight[] = "/html/ad/adright.html";
inline constexpr char AdDown[] = "/html/ad/addown.html";

// Pages at the site's root.
inline constexpr char Contact[] = "/about/contact.htm";
inline constexpr char Space[] = "/my/space1.php";
inline constexpr char Login[] = "/my/login.php";
inline constexpr char Register[] = "/my/register.php";
// The update page: the version published, "|", the download address.
inline constexpr char UpdatePage[] = "/tavolin/uplade.html";

// A product page's path from the site's root, as the site serves it.
inline QString ProductPath(const char* path)
{
    return QLatin1Char('/') + QLatin1String(Product) + QLatin1String(path);
}

} // namespace SitePathNames
