#include "SiteAddresses.h"

#include "GlobalSettings.h"

namespace {

QString productPage(const char* path)
{
    return Settings().SiteBase + QLatin1Char('/') + Settings().ProductKey + QLatin1String(path);
}

} // namespace

QString SiteHomeUrl() { return Settings().SiteBase; }
QString ContactUrl() { return Settings().SiteBase + QLatin1String("/about/contact.htm"); }
QString FlashListUrl() { return productPage("/html/topleft/0.html"); }
QString HotRankUrl() { return productPage("/html/hot/rank.htm"); }
QString GameWebListUrl() { return productPage("/html/corvane/index.htm"); }
QString FeatureUrl() { return productPage("/html/left/0/0.html"); }
QString SearchUrl() { return productPage("/php/search.php?keyword="); }
QString SpaceUrl() { return Settings().SiteBase + QLatin1String("/my/space1.php"); }
QString AdRightUrl() { return productPage("/html/ad/adright.html"); }
QString AdDownUrl() { return productPage("/html/ad/addown.html"); }
