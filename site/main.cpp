// tavolin-site: the demo game site on 127.0.0.1, for trying the launcher and for the
// end-to-end tests. "--port 0" picks a free port; the first line on standard output
// names the address in every case. "--throttle" slows every file down, so that a
// person can watch the launcher's download progress.
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
    const QCommandLineOption throttleOption(QStringLiteral("throttle"),
                                            QStringLiteral("Send every file at most at this many KiB per second."),
                                            QStringLiteral("KIB_PER_S"));
    options.addOption(portOption);
    options.addOption(versionOption);
    options.addOption(throttleOption);
    options.process(app);

    bool ok = false;
    const uint port = options.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        std::fprintf(stderr, "tavolin-site: --port takes a number from 0 to 65535\n");
        return 2;
    }
    int throttle = 0;
    if (options.isSet(throttleOption)) {
        throttle = options.value(throttleOption).toInt(&ok);
        if (!ok || throttle < 1 || throttle > 1024 * 1024) {
            std::fprintf(stderr, "tavolin-site: --throttle takes a rate from 1 to 1048576 KiB per second\n");
            return 2;
        }
    }

    const SiteCatalogue catalogue;
    const SiteAssets assets(catalogue);
    AccountTable accounts;
    SiteRouter router(catalogue, assets, accounts);
    router.setPublishedVersion(options.value(versionOption));
    SiteServer server(router);
    server.setThrottle(throttle);
    if (!server.listen(quint16(port))) {
        std::fprintf(stderr, "tavolin-site: cannot listen on 127.0.0.1:%u (taken, or not allowed)\n", port);
        return 1;
    }
    std::printf("listening on 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    // The server's own threads answer; this one only waits for them.
    return server.serve() ? 0 : 1;
}
