// The game browser: started by the main program with one address, fed further
// addresses over its topic while it runs, ended with its window.
#include "browser/CorvaneApp.h"
#include "browser/WebMainLayout.h"
#include "controls/ProgramFont.h"
#include "ipc/LocalTopic.h"
#include "shell/GlobalSettings.h"
#include "shell/SubMain.h"
#include "web/GraphicsBackend.h"

#include <QApplication>
#include <QMessageBox>

namespace {

int Refuse(const char* text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QString::fromUtf8(text), QMessageBox::Ok);
    box.exec();
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Corvane"));
    UseProgramFont();
    GraphicsBackend::ChooseForWebViews();
    SubMain::FillGlobalSettings();
    SetTopicInstallation(Settings().AppPath);

    CorvaneApp corvane;
    switch (corvane.start(app.arguments().mid(1))) {
    case CorvaneApp::Outcome::Refused:
        return Refuse(Corvane::Refusal);
    case CorvaneApp::Outcome::NotAnswering:
        return Refuse(Corvane::NotAnswering);
    case CorvaneApp::Outcome::HandedOver:
        return 0;
    case CorvaneApp::Outcome::Running:
        break;
    }
    return app.exec();
}
