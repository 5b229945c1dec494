#pragma once

#include "site/SiteCatalogue.h"

#include <QString>

// Fills an empty game catalogue with the demo site's newest games whose movie works,
// recorded as the launcher records games played from the site (by the name the download
// link carries), so that My box shows a full grid on a new machine. A catalogue that
// holds any game is never touched.
namespace CatalogueSeeder {

constexpr int GameCount = 24;

struct Result {
    int added = 0;
    bool hadGames = false;
    // Empty on success.
    QString error;
};

// `userFolder`, the user's folder of an application folder, holds the database
// npGameData.DLL and the thumbnail folder Jpgs;
// `siteBase` is the site's address, ending in "/" or not.
Result Seed(const SiteCatalogue& catalogue, const QString& userFolder, const QString& siteBase);

} // namespace CatalogueSeeder
