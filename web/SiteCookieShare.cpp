#include "web/SiteCookieShare.h"

#include "web/ProfileCookies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

#include <algorithm>

namespace {

QByteArray keyOf(const QNetworkCookie& cookie)
{
    return cookie.name() + '\n' + cookie.domain().toUtf8() + '\n' + cookie.path().toUtf8();
}

} // namespace

QString SiteCookiesPath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).absoluteFilePath(QStringLiteral("tavolin/web/site-cookies"));
}

bool IsSiteCookie(const QNetworkCookie& cookie, const QString& siteHost)
{
    QString domain = cookie.domain();
    if (domain.startsWith(QLatin1Char('.')))
        domain.remove(0, 1);
    if (domain.isEmpty() || siteHost.isEmpty())
        return false;
    return siteHost.compare(domain, Qt::CaseInsensitive) == 0
        || siteHost.endsWith(QLatin1Char('.') + domain, Qt::CaseInsensitive);
}

QByteArray SiteCookiesText(const QList<QNetworkCookie>& cookies, const QString& siteHost)
{
    QList<QByteArray> lines;
    for (const QNetworkCookie& cookie : cookies) {
        if (IsSiteCookie(cookie, siteHost))
            lines.append(cookie.toRawForm(QNetworkCookie::Full));
    }
    std::sort(lines.begin(), lines.end());
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return text;
}

QList<QNetworkCookie> ParseSiteCookies(const QByteArray& text, const QString& siteHost, int* rejected)
{
    QList<QNetworkCookie> cookies;
    int bad = 0;
    for (const QByteArray& line : text.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QList<QNetworkCookie> parsed = QNetworkCookie::parseCookies(line);
        if (parsed.size() == 1 && IsSiteCookie(parsed.first(), siteHost))
            cookies.append(parsed.first());
        else
            ++bad;
    }
    if (rejected)
        *rejected = bad;
    return cookies;
}

SiteCookieWriter::SiteCookieWriter(QWebEngineProfile* profile, const QUrl& site, const QString& path, QObject* parent)
    : QObject(parent)
    , m_profile(profile)
    , m_host(site.host())
    , m_path(path)
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(50);
    connect(&m_coalesce, &QTimer::timeout, this, &SiteCookieWriter::write);
    // A running timer is not restarted: a steady stream of cookies still gets written.
    connect(ProfileCookies::Of(profile), &ProfileCookies::changed, this, [this] {
        if (!m_coalesce.isActive())
            m_coalesce.start();
    });
}

void SiteCookieWriter::write()
{
    const QByteArray text = SiteCookiesText(ProfileCookies::Of(m_profile)->cookies(), m_host);
    if (text == m_written)
        return;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    // Owner-only before a byte is written: the file holds the user's session.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(text) == text.size() && file.commit();
    if (!written) {
        qWarning("The site's login could not be passed on to the game browser: %s: %s", qPrintable(m_path),
                 qPrintable(file.errorString()));
        return;
    }
    m_written = text;
}

SiteCookieReader::SiteCookieReader(QWebEngineProfile* profile, const QUrl& site, const QString& path, QObject* parent)
    : QObject(parent)
    , m_store(profile->cookieStore())
    , m_site(site)
    , m_path(path)
    , m_watcher(new QFileSystemWatcher(this))
{
    // The folder tells when the file first appears and when a new one replaces it;
    // the file itself when it is written in place.
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    m_watcher->addPath(folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &SiteCookieReader::read);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &SiteCookieReader::read);
    read();
}

QUrl SiteCookieReader::originOf(const QNetworkCookie& cookie) const
{
    QUrl origin = m_site.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    origin.setPath(cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path());
    return origin;
}

void SiteCookieReader::read()
{
    QFile file(m_path);
    QByteArray text;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            // What was set stays: an unreadable file says nothing about a logout.
            qWarning("The site's login could not be read: %s: %s", qPrintable(m_path), qPrintable(file.errorString()));
            return;
        }
        text = file.readAll();
        if (!m_watcher->files().contains(m_path))
            m_watcher->addPath(m_path);
    }
    int rejected = 0;
    QHash<QByteArray, QNetworkCookie> now;
    for (const QNetworkCookie& cookie : ParseSiteCookies(text, m_site.host(), &rejected))
        now.insert(keyOf(cookie), cookie);
    if (rejected > 0)
        qWarning("The site's login file %s has %d line(s) that are no cookie of the site; skipped", qPrintable(m_path), rejected);

    for (auto gone = m_set.cbegin(); gone != m_set.cend(); ++gone) {
        if (!now.contains(gone.key()))
            m_store->deleteCookie(gone.value(), originOf(gone.value()));
    }
    for (auto cookie = now.cbegin(); cookie != now.cend(); ++cookie) {
        const auto before = m_set.constFind(cookie.key());
        if (before == m_set.cend() || before->toRawForm() != cookie->toRawForm())
            m_store->setCookie(cookie.value(), originOf(cookie.value()));
    }
    m_set = now;
}
