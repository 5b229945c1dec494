#include "account/CacheMain.h"

#include "account/CacheCleaner.h"
#include "account/EngineUrlCache.h"

#include <QtDebug>

void ClearCache(QWebEngineProfile* profile, const QString& pattern, quint32 excludeMask)
{
    if (!profile || pattern.isEmpty()) {
        qWarning("ClearCache: refused %s", profile ? "an empty pattern" : "a missing profile");
        return;
    }
    EngineUrlCache cache(profile);
    CleanUrlCache(cache, pattern, excludeMask);
}
