#include "shell/SiteAddresses.h"

#include "shell/GlobalSettings.h"
#include "shell/SitePathNames.h"

namespace {

QString productPage(const char* path)
{
    return Settings().SiteBase + QLatin1Char('/') + Settings().ProductKey + QLatin1String(path);
}

QString rootPage(const char* path)
{
    return Settings().SiteBase + QLatin1String(path);
}

} // namespace

using namespace SitePathNames;

QString SiteHomeUrl() { return Settings().SiteBase; }
QString ContactUrl() { return rootPage(Contact); }
QString FlashListUrl() { return productPage(FlashList); }
QString HotRankUrl() { return productPage(HotRank); }
QString GameWebListUrl() { return productPage(GameWebList); }
QString FeatureUrl() { return productPage(Feature); }
QString SearchUrl() { return productPage(Search) + QLatin1Char('?') + QLatin1String(SearchKeyword) + QLatin1Char('='); }
QString SpaceUrl() { return rootPage(Space); }
QString LoginUrl() { return rootPage(Login); }
QString RegisterUrl() { return rootPage(Register); }
QString UpdatePageUrl() { return rootPage(UpdatePage); }
QString AdRightUrl() { return productPage(AdRight); }
QString AdDownUrl() { return productPage(AdDown); }
