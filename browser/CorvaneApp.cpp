#include "browser/CorvaneApp.h"

#include "browser/WebMainFrm.h"
#include "browser/WebMainLayout.h"
#include "ipc/CorvaneLink.h"
#include "shell/SiteAddresses.h"
#include "web/SiteCookieShare.h"
#include "web/WebProfile.h"

CorvaneApp::CorvaneApp(QObject* parent)
    : QObject(parent)
    , m_instance(QString::fromLatin1(GameBrowserTopic))
{
}

CorvaneApp::~CorvaneApp()
{
    // The pages go before the profile they use.
    m_frame.reset();
}

CorvaneApp::Outcome CorvaneApp::start(const QStringList& arguments)
{
    const QString address = Corvane::StartAddress(arguments);
    if (address.isEmpty())
        return Outcome::Refused;
    switch (m_instance.claimOrForward({address})) {
    case SingleInstance::Outcome::Forwarded:
        return Outcome::HandedOver;
    case SingleInstance::Outcome::NotAnswering:
        return Outcome::NotAnswering;
    case SingleInstance::Outcome::First:
        break;
    }
    m_profile = CreateNamedWebProfile(QStringLiteral("Corvane"), this);
    // The main program's login, in the store before the first page asks for it.
    new SiteCookieReader(m_profile, QUrl(SiteHomeUrl()), SiteCookiesPath(), this);
    m_frame = std::make_unique<WebMainFrm>(m_profile, SiteHomeUrl());
    connect(&m_instance, &SingleInstance::commandReceived, m_frame.get(), &WebMainFrm::ExecuteAddress);
    m_frame->Start(address);
    m_frame->show();
    return Outcome::Running;
}
