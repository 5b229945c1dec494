#include "shell/UserFiles.h"

#include "shell/GlobalSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace UserFiles {

QString UserFolderFor(const QString& appFolder, bool appFolderWritable, const QString& dataHome)
{
    if (appFolderWritable)
        return appFolder;
    return QDir(dataHome).absoluteFilePath(QStringLiteral("tavolin")) + QLatin1Char('/');
}

bool IsWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString UserFolderOf(const QString& appFolder)
{
    return UserFolderFor(appFolder, IsWritableFolder(appFolder),
                         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString PrepareUserFolder(const QString& appFolder, const QString& userFolder)
{
    if (QDir(userFolder) == QDir(appFolder))
        return QString();
    if (!QDir().mkpath(userFolder))
        return QStringLiteral("cannot make the folder for your games %1").arg(userFolder);
    const QString catalogue = userFolder + DatabaseFileName();
    if (QFileInfo::exists(catalogue))
        return QString();
    const QString shipped = appFolder + DatabaseFileName();
    QFile source(shipped);
    if (!source.copy(catalogue))
        return QStringLiteral("cannot copy the empty catalogue %1 to %2: %3").arg(shipped, catalogue, source.errorString());
    if (!QFile::setPermissions(catalogue, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return QStringLiteral("cannot make the catalogue %1 yours alone").arg(catalogue);
    return QString();
}

QString ShippedMovie(const QString& fileName)
{
    return Settings().AppPath + QStringLiteral("Games/") + fileName;
}

} // namespace UserFiles
