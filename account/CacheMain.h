#pragma once

#include <QString>

class QWebEngineProfile;

// Empties a program's browser cache while keeping what `excludeMask` names: entries
// whose type has any of its bits stay. The callers pass "*.*" and
// CookieCacheEntry | UrlHistoryCacheEntry, so a user who clears the cache stays logged
// in. Tells nobody, and returns at once: the engine empties its HTTP cache and drops
// cookies in the background, so the window never waits for the disk. Qt 6.4 announces
// no end of the HTTP cache's clearing; each cookie dropped is announced by the
// profile's cookie store (cookieRemoved). An empty pattern or no profile is refused
// with a warning.
inline constexpr quint32 NormalCacheEntry = 0x00000001;
inline constexpr quint32 CookieCacheEntry = 0x00100000;
inline constexpr quint32 UrlHistoryCacheEntry = 0x00200000;

void ClearCache(QWebEngineProfile* profile, const QString& pattern, quint32 excludeMask);
