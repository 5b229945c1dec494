#include "pages/bkDLControl.h"

#include "store/GameFileName.h"
#include "web/ProfileCookies.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QPointer>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>

namespace {

constexpr int MaxRedirects = 10;
constexpr int StallTimeoutMs = 30000;
constexpr qint64 ReportIntervalMs = 100;
constexpr qint64 SpeedWindowMs = 1000;
constexpr qint64 ReadBufferBytes = 4 << 20;

struct Report {
    enum Kind { Progress, Error, Done } kind = Progress;
    int generation = 0;
    float fraction = 0;
    qint64 bytesPerSecond = 0;
    qint64 size = 0;
    int code = 0;
};

struct Job {
    int generation = 0;
    QString address;
    QString folder;
    QString name;
};

// "bytes 100-199/1000" -> 100 and 1000 (-1 when the total is "*").
bool parseContentRange(const QByteArray& header, qint64* start, qint64* total)
{
    const QByteArray text = header.trimmed();
    if (!text.startsWith("bytes "))
        return false;
    const qsizetype dash = text.indexOf('-');
    const qsizetype slash = text.indexOf('/');
    if (dash < 0 || slash < dash)
        return false;
    bool ok = false;
    *start = text.mid(6, dash - 6).trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    const QByteArray end = text.mid(slash + 1).trimmed();
    *total = end == "*" ? -1 : end.toLongLong(&ok);
    return ok;
}

// Runs on the transfer thread: one job at a time, written straight to its temporary
// file as the bytes arrive.
class Worker : public QObject {
public:
    using Post = std::function<void(const Report&)>;

    Worker(QNetworkCookieJar* jar, Post post)
        : m_jar(jar)
        , m_post(std::move(post))
    {
    }
    ~Worker() override { abandon(); }

    void start(const Job& job);
    void pause();
    void resume();
    void abandon();

private:
    void send();
    void readyRead();
    void finished();
    bool followRedirect();
    int refusal() const;
    bool accept();
    bool writeAvailable();
    void complete();
    void fail(int code);
    void report(bool last);
    void dropReply();
    void closeFile();

    QNetworkCookieJar* m_jar;
    Post m_post;
    QNetworkAccessManager* m_network = nullptr;

    // The job, while one is running or paused.
    bool m_active = false;
    Job m_job;
    QUrl m_url;
    QString m_partPath;
    QFile m_file;
    QPointer<QNetworkReply> m_reply;
    bool m_accepted = false;
    int m_redirects = 0;
    qint64 m_written = 0;
    qint64 m_total = -1;
    QByteArray m_validator; // ETag or Last-Modified of the full answer, so a resume never splices two versions
    QElapsedTimer m_clock;
    qint64 m_lastReportMs = -1;
    std::deque<std::pair<qint64, qint64>> m_samples; // (ms, bytes) of recent reports
};

void Worker::start(const Job& job)
{
    abandon();
    m_job = job;
    m_active = true;
    m_written = 0;
    m_total = -1;
    m_validator.clear();
    m_redirects = 0;
    m_url = QUrl(job.address);
    const QString scheme = m_url.scheme().toLower();
    if (!m_url.isValid() || m_url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        fail(bkDLControl::NotDownloadable);
        return;
    }
    if (job.folder.isEmpty() || !QFileInfo(job.folder).isDir()) {
        fail(bkDLControl::SaveFailed);
        return;
    }
    // A unique temporary name: two controls fetching one file into one folder must not
    // write into each other's bytes.
    QTemporaryFile part(QDir(job.folder).filePath(job.name + QStringLiteral(".XXXXXX.part")));
    part.setAutoRemove(false);
    if (!part.open()) {
        fail(bkDLControl::SaveFailed);
        return;
    }
    m_partPath = part.fileName();
    part.close();
    m_file.setFileName(m_partPath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(bkDLControl::SaveFailed);
        return;
    }
    m_clock.start();
    send();
}

void Worker::send()
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        if (m_jar)
            m_network->setCookieJar(m_jar);
    }
    QNetworkRequest request(m_url);
    // Followed here, one reply per hop: a reply that Qt redirects itself may still
    // announce the length of the redirect's own body.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(StallTimeoutMs);
    // The bytes as served: an encoding Qt undid would not match the announced length.
    request.setRawHeader("Accept-Encoding", "identity");
    if (m_written > 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(m_written) + '-');
        if (!m_validator.isEmpty())
            request.setRawHeader("If-Range", m_validator);
    }
    m_accepted = false;
    m_samples.clear();
    m_samples.emplace_back(m_clock.elapsed(), m_written);
    m_reply = m_network->get(request);
    // Bounded: when the disk is slower than the network, the network waits.
    m_reply->setReadBufferSize(ReadBufferBytes);
    connect(m_reply, &QNetworkReply::readyRead, this, &Worker::readyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Worker::finished);
}

// The error code for a final answer that brings no file, 0 when it brings one.
int Worker::refusal() const
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return bkDLControl::Unknown;
    const int code = status.toInt();
    if (code == 200 || code == 206)
        return 0;
    if (code >= 300 && code < 400)
        return bkDLControl::Redirected;
    if (code >= 400)
        return bkDLControl::NotDownloadable;
    return code == 204 ? int(bkDLControl::NoBytes) : int(bkDLControl::Unknown);
}

// Takes the answer's headers: where its body goes in the file and how long the file is.
bool Worker::accept()
{
    if (const int code = refusal()) {
        fail(code);
        return false;
    }
    const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const bool hasLength = m_reply->header(QNetworkRequest::ContentLengthHeader).isValid();
    if (m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 206) {
        qint64 start = -1;
        qint64 total = -1;
        if (!parseContentRange(m_reply->rawHeader("Content-Range"), &start, &total) || start != m_written) {
            fail(bkDLControl::Unknown);
            return false;
        }
        m_total = total >= 0 ? total : (hasLength ? start + length : -1);
    } else {
        // The whole file again: a server that ignores ranges, or one whose file changed.
        if (m_written > 0) {
            m_file.resize(0);
            m_written = 0;
        }
        m_total = hasLength ? length : -1;
        const QByteArray etag = m_reply->rawHeader("ETag");
        m_validator = !etag.isEmpty() && !etag.startsWith("W/") ? etag : m_reply->rawHeader("Last-Modified");
    }
    m_accepted = true;
    return true;
}

bool Worker::writeAvailable()
{
    const QByteArray data = m_reply->readAll();
    if (data.isEmpty())
        return true;
    if (m_file.write(data) != data.size()) {
        fail(bkDLControl::SaveFailed);
        return false;
    }
    m_written += data.size();
    return true;
}

void Worker::readyRead()
{
    if (!m_accepted && refusal()) {
        m_reply->readAll(); // an error page: the end of the answer tells
        return;
    }
    if (!m_accepted && !accept())
        return;
    if (writeAvailable())
        report(false);
}

// A redirect goes on to its target, never from https down to http nor to another
// scheme; false when the answer is no redirect to follow.
bool Worker::followRedirect()
{
    const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray location = m_reply->rawHeader("Location");
    if (code < 300 || code >= 400 || location.isEmpty())
        return false;
    const QUrl target = m_url.resolved(QUrl::fromEncoded(location));
    const QString scheme = target.scheme().toLower();
    const bool safe = scheme == QLatin1String("https")
                      || (scheme == QLatin1String("http") && m_url.scheme().toLower() == QLatin1String("http"));
    dropReply();
    if (++m_redirects > MaxRedirects || !safe || target.host().isEmpty()) {
        fail(bkDLControl::Redirected);
        return true;
    }
    m_url = target;
    send();
    return true;
}

void Worker::finished()
{
    if (!m_accepted && followRedirect())
        return;
    if (!m_accepted && !accept())
        return;
    if (!writeAvailable())
        return;
    const QNetworkReply::NetworkError error = m_reply->error();
    dropReply();
    if (error == QNetworkReply::RemoteHostClosedError)
        fail(bkDLControl::NoBytes);
    else if (error != QNetworkReply::NoError)
        fail(bkDLControl::Unknown);
    else if (m_written == 0 || (m_total >= 0 && m_written != m_total))
        fail(bkDLControl::NoBytes);
    else
        complete();
}

void Worker::complete()
{
    const bool flushed = m_file.flush();
    m_file.close();
    std::error_code failure;
    if (flushed && m_file.error() == QFileDevice::NoError)
        std::filesystem::rename(QFile::encodeName(m_partPath).toStdString(),
                                QFile::encodeName(QDir(m_job.folder).filePath(m_job.name)).toStdString(), failure);
    if (!flushed || m_file.error() != QFileDevice::NoError || failure) {
        fail(bkDLControl::SaveFailed);
        return;
    }
    m_total = m_written;
    report(true);
    m_active = false;
    m_post({Report::Done, m_job.generation, 1.0f, 0, m_written, 0});
}

void Worker::fail(int code)
{
    const int generation = m_job.generation;
    abandon();
    m_post({Report::Error, generation, 0, 0, 0, code});
}

void Worker::report(bool last)
{
    const qint64 now = m_clock.elapsed();
    if (!last && m_lastReportMs >= 0 && now - m_lastReportMs < ReportIntervalMs)
        return;
    m_lastReportMs = now;
    m_samples.emplace_back(now, m_written);
    while (m_samples.size() > 1 && now - m_samples[1].first >= SpeedWindowMs)
        m_samples.pop_front();
    const auto [sinceMs, sinceBytes] = m_samples.front();
    const qint64 spanMs = now - sinceMs;
    const qint64 speed = spanMs > 0 ? (m_written - sinceBytes) * 1000 / spanMs : 0;
    const float fraction = m_total > 0 ? float(double(m_written) / double(m_total)) : 0.0f;
    m_post({Report::Progress, m_job.generation, fraction, speed, m_total >= 0 ? m_total : m_written, 0});
}

void Worker::pause()
{
    if (!m_active || !m_reply)
        return;
    // What already arrived is kept; a resume asks for the rest.
    if (m_accepted && !writeAvailable())
        return;
    dropReply();
    closeFile();
}

void Worker::resume()
{
    if (!m_active || m_reply)
        return;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        fail(bkDLControl::SaveFailed);
        return;
    }
    m_lastReportMs = -1;
    if (m_total >= 0 && m_written == m_total)
        complete();
    else
        send();
}

void Worker::abandon()
{
    if (!m_active)
        return;
    m_active = false;
    dropReply();
    m_file.close();
    if (!m_partPath.isEmpty())
        QFile::remove(m_partPath);
    m_partPath.clear();
    m_lastReportMs = -1;
}

void Worker::dropReply()
{
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    if (m_reply->isRunning())
        m_reply->abort();
    m_reply->deleteLater();
    m_reply = nullptr;
}

void Worker::closeFile()
{
    if (!m_file.flush()) {
        fail(bkDLControl::SaveFailed);
        return;
    }
    m_file.close();
}

} // namespace

// The control's side of its transfer thread: the thread, the worker living there, and
// what the control knows of the job.
class bkDLControl::Transfer {
public:
    Transfer(bkDLControl* control, QNetworkCookieJar* jar)
    {
        // Reports from an abandoned start are dropped on arrival by their generation.
        auto post = [control](const Report& report) {
            QMetaObject::invokeMethod(control, [control, report] { control->m_transfer->deliver(*control, report); },
                                      Qt::QueuedConnection);
        };
        worker = new Worker(jar, post);
        if (jar)
            jar->setParent(worker);
        worker->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        thread.setObjectName(QStringLiteral("bkDLControl"));
        thread.start();
    }
    ~Transfer()
    {
        thread.quit();
        thread.wait();
    }

    template <class F>
    void onThread(F action)
    {
        QMetaObject::invokeMethod(worker, std::move(action), Qt::QueuedConnection);
    }

    void deliver(bkDLControl& control, const Report& report)
    {
        if (report.generation != generation || !running)
            return;
        switch (report.kind) {
        case Report::Progress:
            fraction = std::max(fraction, report.fraction);
            emit control.DownloadProgress(fraction, report.bytesPerSecond, report.size);
            break;
        case Report::Error:
            running = paused = false;
            emit control.DownloadError(report.code, 0);
            break;
        case Report::Done:
            running = paused = false;
            emit control.DownloadDone(report.size);
            break;
        }
    }

    QThread thread;
    Worker* worker = nullptr;
    int generation = 0;
    bool running = false;
    bool paused = false;
    float fraction = 0;
};

QString bkDLControl::ErrorText(int code)
{
    switch (code) {
    case NotDownloadable:
        return QStringLiteral("不可下载文件");
    case Redirected:
        return QStringLiteral("重定向");
    case NoBytes:
        return QStringLiteral("没有字节返回");
    case SaveFailed:
        return QStringLiteral("文件保存错误");
    default:
        return QStringLiteral("不明错误");
    }
}

QString bkDLControl::SavedFileName(const QString& sourceUrl)
{
    // Split before decoding: an encoded "/" belongs to the name, and the mapping makes it safe.
    const QByteArray path = QUrl(sourceUrl).path(QUrl::FullyEncoded).toUtf8();
    return GameFileName(QUrl::fromPercentEncoding(path.mid(path.lastIndexOf('/') + 1)));
}

bkDLControl::bkDLControl(QWebEngineProfile* cookieSource, QObject* parent)
    : QObject(parent)
    , m_cookies(cookieSource ? ProfileCookies::Of(cookieSource) : nullptr)
{
    // Made now rather than at the first start: the mirror fills asynchronously.
}

bkDLControl::~bkDLControl()
{
    // The worker removes a partial file as it goes, on its own thread.
    delete m_transfer;
    m_transfer = nullptr;
}

QString bkDLControl::SourceUrl() const
{
    return m_sourceUrl;
}

void bkDLControl::SetSourceUrl(const QString& address)
{
    m_sourceUrl = address;
}

QString bkDLControl::SaveFolder() const
{
    return m_saveFolder;
}

void bkDLControl::SetSaveFolder(const QString& folder)
{
    m_saveFolder = folder;
}

void bkDLControl::StartDownload()
{
    if (!m_transfer)
        m_transfer = new Transfer(this, m_cookies ? m_cookies->NewJar() : nullptr);
    Transfer& transfer = *m_transfer;
    const Job job{++transfer.generation, m_sourceUrl, m_saveFolder, SavedFileName(m_sourceUrl)};
    transfer.running = true;
    transfer.paused = false;
    transfer.fraction = 0;
    Worker* worker = transfer.worker;
    transfer.onThread([worker, job] { worker->start(job); });
}

void bkDLControl::StopDownload()
{
    if (!m_transfer || !m_transfer->running)
        return;
    ++m_transfer->generation;
    m_transfer->running = m_transfer->paused = false;
    Worker* worker = m_transfer->worker;
    m_transfer->onThread([worker] { worker->abandon(); });
}

void bkDLControl::PauseDownload()
{
    if (!IsRunning() || IsPaused())
        return;
    m_transfer->paused = true;
    Worker* worker = m_transfer->worker;
    m_transfer->onThread([worker] { worker->pause(); });
}

void bkDLControl::ResumeDownload()
{
    if (!IsPaused())
        return;
    m_transfer->paused = false;
    Worker* worker = m_transfer->worker;
    m_transfer->onThread([worker] { worker->resume(); });
}

bool bkDLControl::IsRunning() const
{
    return m_transfer && m_transfer->running;
}

bool bkDLControl::IsPaused() const
{
    return m_transfer && m_transfer->paused;
}
