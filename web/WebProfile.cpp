#include "web/WebProfile.h"

#include "web/ProfileCookies.h"

#include <QDir>
#include <QStandardPaths>
#include <QWebEngineProfile>

QWebEngineProfile* CreateNamedWebProfile(const QString& name, QObject* owner)
{
    auto* profile = new QWebEngineProfile(name, owner);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    profile->setPersistentStoragePath(QDir(data).absoluteFilePath(QStringLiteral("tavolin/web/") + name));
    profile->setCachePath(QDir(cache).absoluteFilePath(QStringLiteral("tavolin/web/") + name));
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    // The program's own requests and the cache cleaner see the cookies the store
    // announces from now on, the stored ones included.
    ProfileCookies::Of(profile);
    return profile;
}
