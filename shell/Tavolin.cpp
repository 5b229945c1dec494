// The main program: fill the settings record, hand over to a running instance or
// become the one, and show the main frame.
#include "ipc/LocalTopic.h"
#include "ipc/SingleInstance.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/SubMain.h"
#include "shell/TavolinApp.h"
#include "shell/TerminationSignals.h"

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

    TavolinApp tavolin;
    QObject::connect(&instance, &SingleInstance::commandReceived, &tavolin, &TavolinApp::executeCommand);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &tavolin, &TavolinApp::quit);
    tavolin.frame()->show();
    return app.exec();
}
