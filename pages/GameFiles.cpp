#include "pages/GameFiles.h"

#include "shell/SkinPath.h"
#include "store/GameFileName.h"

QString ThumbnailFolder(const QString& appFolder)
{
    return ResolveCaseInsensitive(appFolder, QStringLiteral("Jpgs")) + QLatin1Char('/');
}

QString MovieFolder(const QString& appFolder)
{
    return appFolder + QStringLiteral("Games/");
}

QString ThumbnailFile(const QString& appFolder, const QString& gameName)
{
    return ThumbnailFolder(appFolder) + GameFileName(gameName) + QStringLiteral(".jpg");
}

QString MovieFile(const QString& appFolder, const QString& gameName)
{
    return MovieFolder(appFolder) + GameFileName(gameName) + QStringLiteral(".swf");
}

QString SiteAddress(const QString& address, const QString& siteHome)
{
    if (address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return address;
    return siteHome + address;
}
