#include "web/ProfileCookies.h"

#include <QMutex>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

// The cookies under a lock: the store reports on the profile's thread, network
// managers ask on theirs. The jar inside only lends its matching rules (domain, path,
// expiry, secure) and is never used as a QObject.
class ProfileCookies::Table {
public:
    void insert(const QNetworkCookie& cookie)
    {
        QMutexLocker lock(&m_mutex);
        m_cookies.insertCookie(cookie);
    }
    void remove(const QNetworkCookie& cookie)
    {
        QMutexLocker lock(&m_mutex);
        m_cookies.deleteCookie(cookie);
    }
    // The profile is going: its cookies no longer speak for the user.
    void close()
    {
        QMutexLocker lock(&m_mutex);
        m_gone = true;
    }
    QList<QNetworkCookie> forUrl(const QUrl& url) const
    {
        QMutexLocker lock(&m_mutex);
        return m_gone ? QList<QNetworkCookie>() : m_cookies.cookiesForUrl(url);
    }
    QList<QNetworkCookie> all() const
    {
        QMutexLocker lock(&m_mutex);
        return m_gone ? QList<QNetworkCookie>() : m_cookies.all();
    }

private:
    // Opens up the jar's list of every cookie.
    class Jar : public QNetworkCookieJar {
    public:
        QList<QNetworkCookie> all() const { return allCookies(); }
    };

    mutable QMutex m_mutex;
    Jar m_cookies;
    bool m_gone = false;
};

namespace {

class MirrorJar : public QNetworkCookieJar {
public:
    explicit MirrorJar(std::shared_ptr<const ProfileCookies::Table> table)
        : m_table(std::move(table))
    {
    }

    QList<QNetworkCookie> cookiesForUrl(const QUrl& url) const override { return m_table->forUrl(url); }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }

private:
    std::shared_ptr<const ProfileCookies::Table> m_table;
};

} // namespace

ProfileCookies* ProfileCookies::Of(QWebEngineProfile* profile)
{
    if (auto* mirror = profile->findChild<ProfileCookies*>(QString(), Qt::FindDirectChildrenOnly))
        return mirror;
    return new ProfileCookies(profile);
}

ProfileCookies::ProfileCookies(QWebEngineProfile* profile)
    : QObject(profile)
    , m_table(std::make_shared<Table>())
{
    QWebEngineCookieStore* store = profile->cookieStore();
    const std::shared_ptr<Table> table = m_table;
    connect(store, &QWebEngineCookieStore::cookieAdded, this, [this, table](const QNetworkCookie& cookie) {
        table->insert(cookie);
        emit changed();
    });
    connect(store, &QWebEngineCookieStore::cookieRemoved, this, [this, table](const QNetworkCookie& cookie) {
        table->remove(cookie);
        emit changed();
    });
    // Announces what the store already holds, persisted cookies included.
    store->loadAllCookies();
}

ProfileCookies::~ProfileCookies()
{
    m_table->close();
}

QNetworkCookieJar* ProfileCookies::NewJar() const
{
    return new MirrorJar(m_table);
}

QList<QNetworkCookie> ProfileCookies::cookies() const
{
    return m_table->all();
}
