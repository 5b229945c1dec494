#include "pages/GameDownload.h"

#include "pages/CatalogueMessages.h"
#include "pages/GameFiles.h"
#include "store/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

const QLatin1String NoSave("?nosave");

// One decimal, and none when it is zero: 1.5, 1, 0.5.
QString oneDecimal(double value)
{
    QString text = QString::number(value, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

// Replaces `target` with `fetched`. True when the target now holds the fetched file.
bool putInPlace(const QString& fetched, const QString& target, QString& why)
{
    if (!QFileInfo::exists(fetched)) {
        why = QStringLiteral("下载的文件不存在");
        return false;
    }
    // The site may already name the file as the game's.
    if (QFileInfo(fetched).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return true;
    QFile old(target);
    if (old.exists() && !old.remove()) {
        why = old.errorString();
        return false;
    }
    QFile file(fetched);
    if (!file.rename(target)) {
        why = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString FormatSize(qint64 bytes)
{
    if (bytes < 1024)
        return QString::number(bytes) + QLatin1Char('b');
    if (bytes < 1048576)
        return QString::number(bytes / 1024) + QLatin1Char('k');
    // Up to half a gigabyte in megabytes, then in gigabytes.
    if (bytes < 536870912)
        return oneDecimal(double(bytes / 1024) / 1024) + QLatin1Char('M');
    QString gigabytes = oneDecimal(double(bytes / 1048576) / 1024);
    // Thousands are grouped: 1,024G.
    const qsizetype point = gigabytes.indexOf(QLatin1Char('.'));
    for (qsizetype at = (point < 0 ? gigabytes.size() : point) - 3; at > 0; at -= 3)
        gigabytes.insert(at, QLatin1Char(','));
    return gigabytes + QLatin1Char('G');
}

int PercentOf(float fraction)
{
    if (!(fraction > 0))
        return 0;
    return std::min(100, int(std::lround(double(fraction) * 100)));
}

GameJob GameJob::FromFlashCommand(const QStringList& fields, const QString& pageAddress, const QString& siteHome)
{
    GameJob job;
    job.name = fields.value(0);
    job.thumbnailAddress = SiteAddress(fields.value(1), siteHome);
    job.movieAddress = SiteAddress(fields.value(2), siteHome);
    job.introduction = fields.value(3);
    job.pageAddress = pageAddress;
    job.kind = job.movieAddress.contains(NoSave) ? Kind::StreamedFlash : Kind::SavedFlash;
    return job;
}

GameJob GameJob::FromWebCommand(const QStringList& fields, const QString& pageAddress, const QString& siteHome)
{
    GameJob job;
    job.kind = Kind::Web;
    job.name = fields.value(0);
    job.thumbnailAddress = SiteAddress(fields.value(1), siteHome);
    job.playAddress = fields.value(2);
    job.pageAddress = pageAddress;
    return job;
}

QString GameJob::playerAddress() const
{
    return kind == Kind::StreamedFlash ? movieAddress : QString();
}

QString GameJob::storedPlayAddress() const
{
    switch (kind) {
    case Kind::SavedFlash: return QString();
    case Kind::StreamedFlash: return QString(movieAddress).remove(NoSave);
    case Kind::Web: return playAddress;
    }
    return QString();
}

FinishOutcome FinishGameJob(const GameJob& job, const FetchedFiles& files, const QString& userFolder)
{
    FinishOutcome outcome;
    QString why;
    if (job.fetchesMovie()) {
        if (!QDir().mkpath(MovieFolder(userFolder))
            || !putInPlace(files.movie, MovieFile(userFolder, job.name), why)) {
            outcome.problems << QStringLiteral("无法保存「%1」的游戏文件：%2").arg(job.name, why);
            return outcome;
        }
    }
    if (!putInPlace(files.thumbnail, ThumbnailFile(userFolder, job.name), why))
        outcome.problems << QStringLiteral("无法保存「%1」的缩略图：%2").arg(job.name, why);

    Catalogue::Result inserted;
    switch (job.kind) {
    case GameJob::Kind::SavedFlash:
        inserted = Catalogue::AddSavedFlashGame(job.name, job.introduction, job.pageAddress);
        break;
    case GameJob::Kind::StreamedFlash:
        inserted = Catalogue::AddStreamedFlashGame(job.name, job.storedPlayAddress(), job.introduction, job.pageAddress);
        break;
    case GameJob::Kind::Web:
        inserted = Catalogue::AddWebGame(job.name, job.storedPlayAddress(), job.pageAddress);
        break;
    }
    outcome.catalogued = inserted.ok();
    if (!outcome.catalogued)
        outcome.problems << QStringLiteral("「%1」没有加入我的盒子：").arg(job.name)
                                + CatalogueFailureText(inserted.failure, job.name);
    return outcome;
}
