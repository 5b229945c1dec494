#pragma once

#include "site/AccountTable.h"
#include "site/HttpRequest.h"
#include "site/HttpResponse.h"
#include "site/SiteAssets.h"
#include "site/SiteCatalogue.h"

#include <QString>

// Answers every request of the demo site: pages, files, the login and registration
// services and the update page. No sockets here: the server hands requests in, from
// several threads at once; only the account table changes meanwhile, and it guards itself.
class SiteRouter {
public:
    SiteRouter(const SiteCatalogue& catalogue, const SiteAssets& assets, AccountTable& accounts);

    // Both set before serving starts.
    // "127.0.0.1:PORT", used when a request names no usable host.
    void setOwnAddress(const QString& hostAndPort) { m_ownAddress = hostAndPort; }
    // The version number the update page publishes.
    void setPublishedVersion(const QString& version) { m_version = version; }

    HttpResponse respond(const HttpRequest& request);
    // "http://HOST/" as the visitor addressed the site, when that is a loopback name.
    QString siteBaseFor(const HttpRequest& request) const;

private:
    HttpResponse accountService(const HttpRequest& request, const QString& path);
    QString hostFor(const HttpRequest& request) const;

    const SiteCatalogue& m_catalogue;
    const SiteAssets& m_assets;
    AccountTable& m_accounts;
    QString m_ownAddress = QStringLiteral("127.0.0.1:8737");
    QString m_version = QStringLiteral("3.0");
};
