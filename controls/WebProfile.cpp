#include "WebProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStandardPaths>
#include <QWebEngineProfile>

QWebEngineProfile* NamedWebProfile(const QString& name)
{
    static QHash<QString, QWebEngineProfile*> profiles;
    if (QWebEngineProfile* existing = profiles.value(name))
        return existing;
    auto* profile = new QWebEngineProfile(name, QCoreApplication::instance());
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    profile->setPersistentStoragePath(QDir(data).absoluteFilePath(QStringLiteral("tavolin/web/") + name));
    profile->setCachePath(QDir(cache).absoluteFilePath(QStringLiteral("tavolin/web/") + name));
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    profiles.insert(name, profile);
    return profile;
}
