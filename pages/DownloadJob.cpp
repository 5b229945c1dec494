#include "pages/DownloadJob.h"

#include "pages/GameFiles.h"

#include <QDir>
#include <QFile>

DownloadJob::DownloadJob(QWebEngineProfile* cookieSource, QObject* parent)
    : QObject(parent)
    , m_control(cookieSource)
{
    m_swfTimer.setSingleShot(true);
    m_swfTimer.setInterval(MovieDelayMs);
    connect(&m_swfTimer, &QTimer::timeout, this, [this] { fetch(Stage::Movie); });
    connect(&m_control, &bkDLControl::DownloadProgress, this, [this](float fraction, qint64 speed, qint64 size) {
        if (onLastTransfer())
            emit progress(PercentOf(fraction), speed, size);
    });
    connect(&m_control, &bkDLControl::DownloadDone, this, &DownloadJob::transferDone);
    connect(&m_control, &bkDLControl::DownloadError, this, [this](int code, int) { transferFailed(code); });
}

DownloadJob::~DownloadJob()
{
    discardUnfinished();
}

void DownloadJob::start(const GameJob& job, const QString& userFolder)
{
    stop();
    m_job = job;
    m_userFolder = userFolder;
    m_files = {};
    fetch(Stage::Thumbnail);
}

bool DownloadJob::onLastTransfer() const
{
    return m_stage == Stage::Movie || (m_stage == Stage::Thumbnail && !m_job.fetchesMovie());
}

void DownloadJob::setStage(Stage stage)
{
    if (stage == m_stage)
        return;
    m_stage = stage;
    emit stageChanged(stage);
}

void DownloadJob::fetch(Stage stage)
{
    m_paused = false;
    const bool movie = stage == Stage::Movie;
    const QString source = movie ? m_job.movieAddress : m_job.thumbnailAddress;
    const QString folder = movie ? MovieFolder(m_userFolder) : ThumbnailFolder(m_userFolder);
    (movie ? m_files.movie : m_files.thumbnail) = folder + bkDLControl::SavedFileName(source);
    setStage(stage);
    if (!QDir().mkpath(folder)) {
        transferFailed(bkDLControl::SaveFailed);
        return;
    }
    m_control.SetSourceUrl(source);
    m_control.SetSaveFolder(folder);
    m_control.StartDownload();
}

void DownloadJob::transferDone(qint64 count)
{
    // The control reports an empty file as an error; a count of nothing is one too.
    if (count <= 0) {
        transferFailed(bkDLControl::NoBytes);
        return;
    }
    if (m_stage == Stage::Thumbnail && m_job.fetchesMovie()) {
        setStage(Stage::Waiting);
        m_swfTimer.start();
        return;
    }
    const FinishOutcome outcome = FinishGameJob(m_job, m_files, m_userFolder);
    setStage(Stage::Finished);
    emit finished(outcome);
}

void DownloadJob::transferFailed(int code)
{
    m_failedStage = m_stage;
    m_paused = false;
    setStage(Stage::Failed);
    emit failed(code, bkDLControl::ErrorText(code));
}

void DownloadJob::pause()
{
    if (m_paused)
        return;
    if (m_stage == Stage::Waiting) {
        m_swfTimer.stop();
        m_paused = true;
    } else if (m_stage == Stage::Thumbnail || m_stage == Stage::Movie) {
        m_control.PauseDownload();
        m_paused = true;
    }
}

void DownloadJob::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    if (m_stage == Stage::Waiting)
        fetch(Stage::Movie);
    else
        m_control.ResumeDownload();
}

void DownloadJob::retry()
{
    if (m_stage == Stage::Failed)
        fetch(m_failedStage);
}

void DownloadJob::discardUnfinished()
{
    m_swfTimer.stop();
    m_control.StopDownload();
    // A thumbnail that arrived for a job that never finished belongs to no game.
    const bool thumbnailArrived = m_stage == Stage::Waiting || m_stage == Stage::Movie
        || (m_stage == Stage::Failed && m_failedStage == Stage::Movie);
    if (thumbnailArrived)
        QFile::remove(m_files.thumbnail);
}

void DownloadJob::stop()
{
    discardUnfinished();
    m_paused = false;
    setStage(Stage::Idle);
}
