#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QNetworkCookie>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <optional>

class QFileSystemWatcher;
class QWebEngineCookieStore;
class QWebEngineProfile;

// The site's login reaches the game browser through a file and not through shared
// storage: two processes must never open one profile. The main program writes the
// site's cookies whenever its store changes; the game browser copies them into its own
// store at start and on every change of the file.

// The file, next to the profiles in the user's data folder; readable by its owner only.
QString SiteCookiesPath();

// True for a cookie sent to `siteHost`: its own, or one of a parent domain.
bool IsSiteCookie(const QNetworkCookie& cookie, const QString& siteHost);

// The site's cookies among `cookies`, one full raw form a line, sorted so that an
// unchanged set gives the same text.
QByteArray SiteCookiesText(const QList<QNetworkCookie>& cookies, const QString& siteHost);

// The site's cookies in `text`; lines that are no cookie of the site are skipped and counted in `rejected`.
QList<QNetworkCookie> ParseSiteCookies(const QByteArray& text, const QString& siteHost, int* rejected = nullptr);

// Keeps the file in step with the site's cookies in `profile`'s store; a burst of
// changes is written once. A failed write is reported on standard error and tried
// again on the next change.
class SiteCookieWriter : public QObject {
    Q_OBJECT
public:
    SiteCookieWriter(QWebEngineProfile* profile, const QUrl& site, const QString& path, QObject* parent = nullptr);

private:
    void write();

    QWebEngineProfile* m_profile;
    QString m_host;
    QString m_path;
    QTimer m_coalesce;
    // What the file holds since this writer last wrote it.
    std::optional<QByteArray> m_written;
};

// Copies the file's cookies into `profile`'s store: at once (before the caller's first
// page loads) and on every change; cookies it set that leave the file are deleted.
// Cookies the site sets in this profile itself are left alone.
class SiteCookieReader : public QObject {
    Q_OBJECT
public:
    SiteCookieReader(QWebEngineProfile* profile, const QUrl& site, const QString& path, QObject* parent = nullptr);

private:
    void read();
    QUrl originOf(const QNetworkCookie& cookie) const;

    QWebEngineCookieStore* m_store;
    QUrl m_site;
    QString m_path;
    QFileSystemWatcher* m_watcher;
    // The cookies this reader set, by name, domain and path.
    QHash<QByteArray, QNetworkCookie> m_set;
};
