#include "site/SiteAssets.h"

#include "site/SitePaths.h"
#include "site/SwfWriter.h"
#include "site/ThumbnailPainter.h"

SiteAssets::SiteAssets(const SiteCatalogue& catalogue)
{
    for (const SiteGame& game : catalogue.games()) {
        m_assets.insert(SitePaths::Thumbnail(game).toLower(), {"image/jpeg", ThumbnailPainter::Jpeg(game)});
        if (game.isWeb())
            continue;
        SwfMovie movie;
        movie.background = game.colour.lighter(140);
        movie.ground = game.colour.darker(160);
        movie.accent = QColor::fromHsv((game.colour.hsvHue() + 180) % 360, 200, 250);
        m_assets.insert(SitePaths::Movie(game).toLower(), {"application/x-shockwave-flash", SwfWriter::Write(movie)});
    }
}

const SiteAssets::Asset* SiteAssets::find(const QString& path) const
{
    const auto found = m_assets.constFind(path.toLower());
    return found == m_assets.constEnd() ? nullptr : &found.value();
}
