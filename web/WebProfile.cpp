#include "web/WebProfile.h"

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
    return profile;
}
