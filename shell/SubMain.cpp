#include "shell/SubMain.h"

#include "shell/SitePathNames.h"
#include "shell/UserFiles.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

namespace SubMain {
namespace {

QString siteBaseRefusal(const QString& candidate)
{
    const QUrl url(candidate, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty())
        return QStringLiteral("is not an absolute address");
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return QStringLiteral("is not an http or https address");
    if (!candidate.endsWith(QLatin1Char('/')))
        return QStringLiteral("does not end in \"/\"");
    return QString();
}

} // namespace

GlobalSettings MakeGlobalSettings(const QString& programFolder, const QString& siteBaseOverride,
                                  QString* refusal)
{
    GlobalSettings record;
    record.ProductKey = QLatin1String(SitePathNames::Product);
    record.ShowStudioCredit = false;
    record.AppPath = programFolder.endsWith(QLatin1Char('/')) ? programFolder : programFolder + QLatin1Char('/');
    record.UserPath = record.AppPath;
    record.DbFile = DatabaseFileName();
    record.SiteBase = QString::fromLatin1(DefaultSiteBase);
    record.AppTitle = QStringLiteral("mivo盒子");
    if (!siteBaseOverride.isEmpty()) {
        const QString why = siteBaseRefusal(siteBaseOverride);
        if (why.isEmpty())
            record.SiteBase = siteBaseOverride;
        else if (refusal)
            *refusal = QStringLiteral("%1=\"%2\" %3; using %4")
                           .arg(QLatin1String(SiteBaseVariable), siteBaseOverride, why, record.SiteBase);
    }
    return record;
}

GlobalSettings StartupSettings(const QString& programFolder)
{
    QString refusal;
    GlobalSettings record = MakeGlobalSettings(programFolder, qEnvironmentVariable(SiteBaseVariable), &refusal);
    if (!refusal.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(refusal));
    record.UserPath = UserFiles::UserFolderOf(record.AppPath);
    return record;
}

void FillGlobalSettings()
{
    SetGlobalSettings(StartupSettings(QCoreApplication::applicationDirPath()));
}

} // namespace SubMain
