#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ProfileCookies;
class QWebEngineProfile;

// Fetches one file of the game site at a time into a folder, off the window's thread.
// Write SourceUrl, then SaveFolder, then call StartDownload; the notifications arrive
// on the thread that owns the control.
//
// The body goes to a temporary file and is moved into place, as SavedFileName of the
// address, only when all of it arrived (as many bytes as announced): a failed or
// cut-off transfer never leaves a file under the final name. DownloadDone comes once
// per start, after the file is closed and in place; a failure raises DownloadError
// instead. Requests carry the cookies the web profile holds for the address.
class bkDLControl : public QObject {
    Q_OBJECT
public:
    enum ErrorCode {
        NotDownloadable = 1, // the server refused the file (an HTTP error status) or the address is no http(s) one
        Redirected = 2,      // too many redirects, or one to another scheme
        NoBytes = 3,         // an empty body, or one that ended before its announced length
        SaveFailed = 4,      // the file could not be written or moved into place
        Unknown = 99,        // anything else: no connection, a reset, a time-out
    };
    // "不可下载文件", "重定向", "没有字节返回", "文件保存错误", "不明错误".
    static QString ErrorText(int code);

    // The name a transfer of `sourceUrl` is saved under in the save folder: the address's
    // last "/"-separated segment without query or fragment, through the safe game-file
    // name mapping, so no site address can write outside the folder.
    static QString SavedFileName(const QString& sourceUrl);

    // Cookies come from `cookieSource`'s store when one is given.
    explicit bkDLControl(QWebEngineProfile* cookieSource = nullptr, QObject* parent = nullptr);
    ~bkDLControl() override;

    QString SourceUrl() const;
    void SetSourceUrl(const QString& address);
    QString SaveFolder() const;
    void SetSaveFolder(const QString& folder);

    // Starts fetching SourceUrl into SaveFolder and returns at once; a transfer still
    // running is abandoned first.
    void StartDownload();
    // Abandons the running or paused transfer and removes its partial file; harmless
    // when none runs. Raises nothing.
    void StopDownload();
    // Holds the running transfer, keeping what arrived; raises nothing.
    void PauseDownload();
    // Goes on after a pause: from where it stopped when the server accepts a range
    // request, otherwise from the start.
    void ResumeDownload();

    bool IsRunning() const; // started, not yet done, failed or stopped (a paused transfer counts)
    bool IsPaused() const;

signals:
    // fraction of the announced length (0 when unknown), bytes per second over the last
    // second, the announced length (or the bytes so far when none was announced). The
    // fraction never decreases within one start.
    void DownloadProgress(float fraction, qint64 bytesPerSecond, qint64 size);
    void DownloadError(int code, int unused);
    void DownloadDone(qint64 count);

private:
    class Transfer;
    QPointer<ProfileCookies> m_cookies;
    Transfer* m_transfer = nullptr;
    QString m_sourceUrl;
    QString m_saveFolder;
};
