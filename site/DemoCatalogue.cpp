// demo-catalogue APP_FOLDER SITE_BASE: gives an application folder whose catalogue is
// empty the demo site's newest games, so that the demo opens on a full My box.
#include "site/CatalogueSeeder.h"
#include "shell/UserFiles.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Fonts for the thumbnails need a GUI application, never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: demo-catalogue APP_FOLDER SITE_BASE\n");
        return 2;
    }
    // The games go where Tavolin started from this folder keeps them.
    const QString appFolder = QDir(arguments[1]).absolutePath() + QLatin1Char('/');
    const QString userFolder = UserFiles::UserFolderOf(appFolder);
    const QString unprepared = UserFiles::PrepareUserFolder(appFolder, userFolder);
    if (!unprepared.isEmpty()) {
        std::fprintf(stderr, "demo-catalogue: %s\n", qPrintable(unprepared));
        return 1;
    }
    const SiteCatalogue catalogue;
    const CatalogueSeeder::Result result = CatalogueSeeder::Seed(catalogue, userFolder, arguments[2]);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "demo-catalogue: %s (%d games added)\n", qPrintable(result.error), result.added);
        return 1;
    }
    if (result.hadGames)
        std::printf("demo-catalogue: the catalogue already has games; nothing added\n");
    else
        std::printf("demo-catalogue: added %d demo games to the catalogue\n", result.added);
    return 0;
}
