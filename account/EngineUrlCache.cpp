#include "account/EngineUrlCache.h"

#include "account/CacheMain.h"
#include "web/ProfileCookies.h"

#include <QNetworkCookie>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace {

const QString HttpCachePrefix = QStringLiteral("httpcache:");
const QString HistoryUrl = QStringLiteral("visited:");

QString cookieUrl(const QNetworkCookie& cookie)
{
    return QStringLiteral("cookie:%1@%2%3")
        .arg(QString::fromUtf8(cookie.name()), cookie.domain(), cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path());
}

} // namespace

EngineUrlCache::EngineUrlCache(QWebEngineProfile* profile)
    : m_profile(profile)
{
}

int EngineUrlCache::findFirstGroup(FindHandle& find, GroupId&)
{
    find = 0;
    return NoMoreGroups;
}

int EngineUrlCache::findNextGroup(FindHandle, GroupId&)
{
    return InvalidHandle;
}

int EngineUrlCache::deleteGroup(GroupId)
{
    return FileNotFound;
}

QList<UrlCache::Entry> EngineUrlCache::entries() const
{
    QList<Entry> all;
    if (!m_profile)
        return all;
    all.append({HttpCachePrefix + m_profile->storageName(), NormalCacheEntry});
    all.append({HistoryUrl, UrlHistoryCacheEntry | NormalCacheEntry});
    for (const QNetworkCookie& cookie : ProfileCookies::Of(m_profile)->cookies())
        all.append({cookieUrl(cookie), CookieCacheEntry | NormalCacheEntry});
    return all;
}

int EngineUrlCache::step(Walk& walk, int bufferBytes, Entry& entry) const
{
    if (walk.next >= walk.entries.size())
        return NoMoreItems;
    if (InfoBytes(walk.entries[walk.next]) > bufferBytes)
        return InsufficientBuffer;
    entry = walk.entries[walk.next++];
    return Success;
}

int EngineUrlCache::findFirstEntry(const QString& pattern, int bufferBytes, FindHandle& find, Entry& entry)
{
    find = 0;
    Walk walk;
    for (const Entry& candidate : entries()) {
        if (Matches(pattern, candidate.sourceUrl))
            walk.entries.append(candidate);
    }
    if (const int error = step(walk, bufferBytes, entry); error != Success)
        return error;
    find = ++m_lastHandle;
    m_walks.insert(find, walk);
    return Success;
}

int EngineUrlCache::findNextEntry(FindHandle find, int bufferBytes, Entry& entry)
{
    const auto walk = m_walks.find(find);
    return walk == m_walks.end() ? int(InvalidHandle) : step(*walk, bufferBytes, entry);
}

int EngineUrlCache::deleteEntry(const QString& sourceUrl)
{
    if (!m_profile)
        return FileNotFound;
    if (sourceUrl == HttpCachePrefix + m_profile->storageName()) {
        m_profile->clearHttpCache();
        return Success;
    }
    if (sourceUrl == HistoryUrl) {
        m_profile->clearAllVisitedLinks();
        return Success;
    }
    for (const QNetworkCookie& cookie : ProfileCookies::Of(m_profile)->cookies()) {
        if (cookieUrl(cookie) == sourceUrl) {
            m_profile->cookieStore()->deleteCookie(cookie);
            return Success;
        }
    }
    return FileNotFound;
}

void EngineUrlCache::closeFind(FindHandle find)
{
    m_walks.remove(find);
}
