#include "shell/TavolinApp.h"

#include "controls/MdlMenu.h"
#include "ipc/CorvaneLink.h"
#include "shell/CloseRule.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/SiteAddresses.h"
#include "store/Catalogue.h"
#include "web/SiteCookieShare.h"
#include "web/WebProfile.h"

#include <QApplication>
#include <QCursor>
#include <QSystemTrayIcon>

TavolinApp::TavolinApp(const QString& programPath, QObject* parent)
    : QObject(parent)
    , m_programPath(programPath.isEmpty() ? QCoreApplication::applicationFilePath() : programPath)
    , m_profile(CreateNamedWebProfile(QStringLiteral("Tavolin"), this))
    , m_gameBrowser(std::make_unique<CorvaneLink>(Settings().AppPath + QStringLiteral("Corvane")))
{
    // The game browser's pages are logged in as this program's are.
    new SiteCookieWriter(m_profile, QUrl(SiteHomeUrl()), SiteCookiesPath(), this);
    m_frame = std::make_unique<MainFrm>(*this);
    buildTray();
}

TavolinApp::~TavolinApp()
{
    if (m_tray)
        m_tray->hide();
    // The frame's views go before the profile they use.
    m_frame.reset();
}

void TavolinApp::buildTray()
{
    m_tray = new QSystemTrayIcon(m_frame->windowIcon(), this);
    m_tray->setToolTip(Settings().AppTitle);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            showFromTray();
        } else if (reason == QSystemTrayIcon::Context) {
            m_frame->activateWindow();
            m_frame->showMainMenu(QCursor::pos());
        }
    });
    m_tray->show();
}

void TavolinApp::executeCommand(const QString& command)
{
    if (command != QLatin1String("Show"))
        return;
    m_frame->setWindowState(m_frame->windowState() & ~Qt::WindowMinimized);
    m_frame->showNormal();
    m_frame->raise();
    m_frame->activateWindow();
}

void TavolinApp::showFromTray()
{
    if (!m_frame->isVisible())
        m_frame->show();
}

void TavolinApp::closeButton()
{
    const bool trayShown = m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
    switch (CloseButtonAction(Catalogue::CloseHidesWindow(), trayShown)) {
    case CloseAction::HideToTray: m_frame->hide(); break;
    case CloseAction::Minimise: m_frame->showMinimized(); break;
    case CloseAction::Quit: quit(); break;
    }
}

void TavolinApp::quit()
{
    m_quitting = true;
    emit quitting();
    m_frame->stopCornerPopupTimer();
    m_gameBrowser->endStartedProcesses();
    if (m_tray)
        m_tray->hide();
    m_frame->close();
    QApplication::quit();
}
