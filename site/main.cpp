// tavolin-site: the demo game site on 127.0.0.1, for trying the launcher and for the
// end-to-end tests. "--port 0" picks a free port; the first line on standard output
// names the address in every case.
#include "site/AccountTable.h"
#include "site/SiteAssets.h"
#include "site/SiteCatalogue.h"
#include "site/SiteRouter.h"
#include "site/SiteServer.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Fonts for the thumbnails need a GUI application, never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tavolin-site"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("The demo game site, served on 127.0.0.1."));
    options.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on; 0 picks a free one."),
                                        QStringLiteral("N"), QStringLiteral("8737"));
    const QCommandLineOption versionOption(QStringLiteral("update-version"),
                                           QStringLiteral("Version number the update page publishes."),
                                           QStringLiteral("V"), QStringLiteral("3.0"));
    options.addOption(portOption);
    options.addOption(versionOption);
    options.process(app);

    bool ok = false;
    const uint port = options.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        std::fprintf(stderr, "tavolin-site: --port takes a number from 0 to 65535\n");
        return 2;
    }

    const SiteCatalogue catalogue;
    const SiteAssets assets(catalogue);
    AccountTable accounts;
    SiteRouter router(catalogue, assets, accounts);
    router.setPublishedVersion(options.value(versionOption));
    SiteServer server(router);
    if (!server.listen(quint16(port))) {
        std::fprintf(stderr, "tavolin-site: cannot listen on 127.0.0.1:%u: %s\n", port,
                     qPrintable(server.errorString()));
        return 1;
    }
    std::printf("listening on 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
