// The main program: fill the settings record, hand over to a running instance or
// become the one. Only the first instance loads the windowed part: a later start
// links nothing of the GUI and ends quickly.
#include "ipc/LocalTopic.h"
#include "ipc/SingleInstance.h"
#include "shell/GlobalSettings.h"
#include "shell/SubMain.h"
#include "shell/TavolinMain.h"
#include "shell/UserFiles.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

#include <dlfcn.h>
#include <pthread.h>

namespace {

// What QCoreApplication::applicationDirPath() reports, known before any application
// object exists.
QString programFolder(const char* argv0)
{
    const QFileInfo running(QStringLiteral("/proc/self/exe"));
    const QString program = running.exists() ? running.canonicalFilePath()
                                             : QFileInfo(QString::fromLocal8Bit(argv0)).absoluteFilePath();
    return QFileInfo(program).path();
}

// Somewhere a message box can be seen.
bool hasDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal"))
        return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The windowed part's entry `name`, or null (said on standard error) when the module
// cannot be loaded.
void* windowedPart(const char* name)
{
    const QByteArray path = QFile::encodeName(Settings().AppPath + QLatin1String(TavolinMainModule));
    void* module = dlopen(path.constData(), RTLD_NOW | RTLD_GLOBAL);
    void* entry = module ? dlsym(module, name) : nullptr;
    if (!entry)
        std::fprintf(stderr, "Tavolin: cannot load %s: %s\n", path.constData(), dlerror());
    return entry;
}

} // namespace

int main(int argc, char** argv)
{
    SetGlobalSettings(SubMain::StartupSettings(programFolder(argv[0])));
    const QString unprepared = UserFiles::PrepareUserFolder(Settings().AppPath, Settings().UserPath);
    if (!unprepared.isEmpty())
        std::fprintf(stderr, "Tavolin: %s; your games cannot be kept\n", qPrintable(unprepared));
    SetTopicInstallation(Settings().AppPath);

    // Once the topic is served, others may ask this process to end; until the event loop
    // can take that request it waits, rather than killing the process half made.
    sigset_t terminationSignals;
    sigset_t previousMask;
    sigemptyset(&terminationSignals);
    sigaddset(&terminationSignals, SIGTERM);
    sigaddset(&terminationSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &terminationSignals, &previousMask);

    SingleInstance instance;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    switch (instance.claim(arguments)) {
    case SingleInstance::Outcome::Forwarded:
        return 0;
    case SingleInstance::Outcome::NotAnswering:
        pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
        std::fprintf(stderr, "%s\n", QString::fromUtf8(SingleInstance::NotAnsweringMessage).toLocal8Bit().constData());
        if (hasDisplay()) {
            if (auto show = reinterpret_cast<TavolinShowNotAnsweringFunction>(windowedPart("TavolinShowNotAnswering")))
                show(argc, argv, SingleInstance::NotAnsweringMessage);
        }
        return 1;
    case SingleInstance::Outcome::First:
        break;
    }
    auto run = reinterpret_cast<TavolinRunMainWindowFunction>(windowedPart("TavolinRunMainWindow"));
    return run ? run(argc, argv, &instance, &previousMask) : 1;
}
