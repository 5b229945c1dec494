#pragma once

#include <QString>

// Every site address, concatenated afresh from the settings record on each call.
// A trailing "/" of the site base is kept, so "SiteBase/..." carries a doubled slash.
QString SiteHomeUrl();
QString ContactUrl();
QString FlashListUrl();
QString HotRankUrl();
QString GameWebListUrl();
QString FeatureUrl();
QString SearchUrl();
QString SpaceUrl();
QString LoginUrl();
QString RegisterUrl();
QString UpdatePageUrl();
QString AdRightUrl();
QString AdDownUrl();
