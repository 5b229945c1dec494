// The main program: fill the settings record, hand over to a running instance or
// become the one, and show the main frame.
#include "GlobalSettings.h"
#include "LocalTopic.h"
#include "MainFrm.h"
#include "SingleInstance.h"
#include "SubMain.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavolin"));
    // The window lives on in the tray; quitting is explicit.
    app.setQuitOnLastWindowClosed(false);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    app.setFont(font);
    // From here on a termination request waits for the event loop instead of killing.
    TerminationSignals termination;

    SubMain::FillGlobalSettings();
    SetTopicInstallation(Settings().AppPath);
    SingleInstance instance;
    if (instance.claim(app.arguments().mid(1)) == SingleInstance::Outcome::Forwarded)
        return 0;

    MainFrm frame;
    QObject::connect(&instance, &SingleInstance::commandReceived, &frame, &MainFrm::executeCommand);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &frame, &MainFrm::Menu_Close_Click);
    frame.show();
    return app.exec();
}
