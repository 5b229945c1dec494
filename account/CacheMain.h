#pragma once

#include <QString>

class QWebEngineProfile;

// Empties a program's browser cache while keeping what `excludeMask` names: entries
// whose type has any of its bits stay. The callers pass "*.*" and
// CookieCacheEntry | UrlHistoryCacheEntry, so a user who clears the cache stays logged
// in. Runs to its end and tells nobody.
inline constexpr quint32 CookieCacheEntry = 0x00100000;
inline constexpr quint32 UrlHistoryCacheEntry = 0x00200000;

void ClearCache(QWebEngineProfile* profile, const QString& pattern, quint32 excludeMask);
