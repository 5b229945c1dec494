#include "pages/GameFiles.h"

#include "shell/SkinPath.h"
#include "store/GameFileName.h"

QString ThumbnailFolder(const QString& userFolder)
{
    return ResolveCaseInsensitive(userFolder, QStringLiteral("Jpgs")) + QLatin1Char('/');
}

QString MovieFolder(const QString& userFolder)
{
    return userFolder + QStringLiteral("Games/");
}

QString ThumbnailFile(const QString& userFolder, const QString& gameName)
{
    return ThumbnailFolder(userFolder) + GameFileName(gameName) + QStringLiteral(".jpg");
}

QString MovieFile(const QString& userFolder, const QString& gameName)
{
    return MovieFolder(userFolder) + GameFileName(gameName) + QStringLiteral(".swf");
}

QString SiteAddress(const QString& address, const QString& siteHome)
{
    if (address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return address;
    return siteHome + address;
}
