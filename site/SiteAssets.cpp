#include "site/SiteAssets.h"

#include "site/GameMovies.h"
#include "site/SitePaths.h"
#include "site/ThumbnailPainter.h"

SiteAssets::SiteAssets(const SiteCatalogue& catalogue)
{
    for (const SiteGame& game : catalogue.games()) {
        m_assets.insert(SitePaths::Thumbnail(game).toLower(), {"image/jpeg", ThumbnailPainter::Jpeg(game)});
        if (game.isWeb() || game.movieFault == MovieFault::Missing)
            continue;
        m_assets.insert(SitePaths::Movie(game).toLower(),
                        {"application/x-shockwave-flash", GameMovies::Write(GameMovies::For(game)),
                         game.movieFault == MovieFault::CutOff});
    }
}

const SiteAssets::Asset* SiteAssets::find(const QString& path) const
{
    const auto found = m_assets.constFind(path.toLower());
    return found == m_assets.constEnd() ? nullptr : &found.value();
}
