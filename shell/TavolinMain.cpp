#include "shell/TavolinMain.h"

#include "controls/ProgramFont.h"
#include "ipc/SingleInstance.h"
#include "shell/MainFrm.h"
#include "shell/TavolinApp.h"
#include "shell/TerminationSignals.h"
#include "web/GraphicsBackend.h"

#include <QApplication>
#include <QMessageBox>

#include <pthread.h>

extern "C" Q_DECL_EXPORT int TavolinRunMainWindow(int argc, char** argv, SingleInstance* instance,
                                                  const sigset_t* restoreMask)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavolin"));
    // The window lives on in the tray; quitting is explicit.
    app.setQuitOnLastWindowClosed(false);
    UseProgramFont();
    GraphicsBackend::ChooseForWebViews();
    // From here on a termination request waits for the event loop instead of killing.
    TerminationSignals termination;
    pthread_sigmask(SIG_SETMASK, restoreMask, nullptr);

    TavolinApp tavolin;
    QObject::connect(instance, &SingleInstance::commandReceived, &tavolin, &TavolinApp::executeCommand);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &tavolin, &TavolinApp::quit);
    tavolin.frame()->show();
    return app.exec();
}

extern "C" Q_DECL_EXPORT void TavolinShowNotAnswering(int argc, char** argv, const char* message)
{
    QApplication app(argc, argv);
    QMessageBox::warning(nullptr, QStringLiteral("Tavolin"), QString::fromUtf8(message));
}
