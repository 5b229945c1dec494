#pragma once

#include "pages/GameDownload.h"
#include "pages/bkDLControl.h"

#include <QObject>
#include <QTimer>

class QWebEngineProfile;

// One download job on its way, without a window: the thumbnail into the thumbnails'
// folder, for a saved Flash game a one-second wait and the movie into "Games/", then
// the finishing steps. Pages show what it reports.
//
// A failed or cut-off transfer leaves no file and is never catalogued: the job stops
// in the Failed stage until it is retried or stopped.
class DownloadJob : public QObject {
    Q_OBJECT
public:
    static constexpr int MovieDelayMs = 1000;
    enum class Stage { Idle, Thumbnail, Waiting, Movie, Finished, Failed };

    explicit DownloadJob(QWebEngineProfile* cookieSource = nullptr, QObject* parent = nullptr);
    ~DownloadJob() override;

    // Starts `job` below `userFolder` (ending in "/"); a job under way is abandoned.
    void start(const GameJob& job, const QString& userFolder);
    // Holds the running transfer (or the wait before the movie), keeping what arrived.
    void pause();
    void resume();
    // After a failure: the transfer that failed, once more.
    void retry();
    // Abandons the job and what its running transfer had fetched.
    void stop();

    Stage stage() const { return m_stage; }
    bool isPaused() const { return m_paused; }
    const GameJob& job() const { return m_job; }
    // The progress display follows the job's last transfer only.
    bool onLastTransfer() const;
    // The wait between the thumbnail and the movie.
    const QTimer& movieTimer() const { return m_swfTimer; }

signals:
    void stageChanged(DownloadJob::Stage stage);
    // During the last transfer: percent done, bytes per second, the file's size.
    void progress(int percent, qint64 bytesPerSecond, qint64 size);
    // A transfer failed: the control's code and its text.
    void failed(int code, const QString& text);
    void finished(const FinishOutcome& outcome);

private:
    void discardUnfinished();
    void setStage(Stage stage);
    void fetch(Stage stage);
    void transferDone(qint64 count);
    void transferFailed(int code);

    bkDLControl m_control;
    QTimer m_swfTimer;
    GameJob m_job;
    QString m_userFolder;
    FetchedFiles m_files;
    Stage m_stage = Stage::Idle;
    Stage m_failedStage = Stage::Idle;
    bool m_paused = false;
};
