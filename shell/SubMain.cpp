#include "shell/SubMain.h"

#include "shell/SitePathNames.h"

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

void FillGlobalSettings()
{
    QString refusal;
    SetGlobalSettings(MakeGlobalSettings(QCoreApplication::applicationDirPath(),
                                         qEnvironmentVariable(SiteBaseVariable), &refusal));
    if (!refusal.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(refusal));
}

} // namespace SubMain
