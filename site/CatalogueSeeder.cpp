#include "site/CatalogueSeeder.h"

#include "site/CommandLinks.h"
#include "site/SitePaths.h"
#include "shell/GlobalSettings.h"
#include "site/ThumbnailPainter.h"
#include "store/DatabaseCycle.h"
#include "store/GameFileName.h"
#include "store/Statements.h"

#include <QDir>
#include <QSaveFile>

namespace CatalogueSeeder {
namespace {

// The name the launcher records: the one the download link carries.
QString recordedName(const SiteGame& game)
{
    return CommandLinks::Field(game.name);
}

// Where My box looks the game's thumbnail up.
QString thumbnailFile(const QDir& jpgs, const SiteGame& game)
{
    return jpgs.filePath(GameFileName(recordedName(game)) + QStringLiteral(".jpg"));
}

QString insertStatement(const SiteGame& game, const QString& siteBase)
{
    const QString page = SitePaths::Absolute(siteBase, SitePaths::GamePage(game));
    if (game.isWeb())
        return Statements::InsertWebGame(recordedName(game), SitePaths::Absolute(siteBase, SitePaths::WebGame(game)), page);
    // Played from the site, so no movie has to be present in the Games folder.
    return Statements::InsertStreamedFlashGame(recordedName(game), SitePaths::Absolute(siteBase, SitePaths::Movie(game)),
                                               CommandLinks::IntroductionField(game), page);
}

} // namespace

Result Seed(const SiteCatalogue& catalogue, const QString& userFolder, const QString& siteBase)
{
    Result result;
    const QString base = siteBase.endsWith(QLatin1Char('/')) ? siteBase : siteBase + QLatin1Char('/');
    const QDir folder(userFolder);
    DatabaseCycle cycle(folder.absolutePath() + QLatin1Char('/'), DatabaseFileName());
    if (!cycle.isOpen()) {
        result.error = QStringLiteral("cannot open the catalogue: ") + cycle.errorMessage();
        return result;
    }
    int rows = 0;
    if (cycle.query(Statements::SelectAllGames(), [&rows](mSqlite::SqlStatement) { ++rows; }) != 0) {
        result.error = QStringLiteral("cannot read the catalogue: ") + cycle.errorMessage();
        return result;
    }
    if (rows > 0) {
        result.hadGames = true;
        return result;
    }
    if (!folder.mkpath(QStringLiteral("Jpgs"))) {
        result.error = QStringLiteral("cannot create the folder Jpgs");
        return result;
    }
    const QDir jpgs(folder.filePath(QStringLiteral("Jpgs")));
    // Games whose movie fails on purpose would only fail in My box.
    QList<SiteGame> games;
    for (const SiteGame& game : catalogue.games()) {
        if (game.movieFault == MovieFault::None && games.size() < GameCount)
            games.append(game);
    }
    // Pictures first: a folder that cannot take them is left with an empty catalogue, ready for another try.
    for (const SiteGame& game : games) {
        QSaveFile thumbnail(thumbnailFile(jpgs, game));
        if (!thumbnail.open(QIODevice::WriteOnly) || thumbnail.write(ThumbnailPainter::Jpeg(game)) < 0
            || !thumbnail.commit()) {
            result.error = QStringLiteral("cannot write %1: %2").arg(thumbnail.fileName(), thumbnail.errorString());
            return result;
        }
    }
    // Oldest first, so that the site's newest game is also the newest in the catalogue.
    for (auto game = games.crbegin(); game != games.crend(); ++game) {
        if (cycle.exec(insertStatement(*game, base)) != 0) {
            result.error = QStringLiteral("cannot add %1: %2").arg(game->name, cycle.errorMessage());
            return result;
        }
        ++result.added;
    }
    return result;
}

} // namespace CatalogueSeeder
