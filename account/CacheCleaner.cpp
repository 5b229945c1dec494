#include "account/CacheCleaner.h"

#include "account/UrlCache.h"

namespace {

class OpenFind {
public:
    OpenFind(UrlCache& cache, UrlCache::FindHandle handle)
        : m_cache(cache)
        , m_handle(handle)
    {
    }
    ~OpenFind() { m_cache.closeFind(m_handle); }
    OpenFind(const OpenFind&) = delete;
    OpenFind& operator=(const OpenFind&) = delete;

private:
    UrlCache& m_cache;
    UrlCache::FindHandle m_handle;
};

// False when the cleaning must end here.
bool deleteGroups(UrlCache& cache)
{
    UrlCache::FindHandle find = 0;
    UrlCache::GroupId group = 0;
    const int error = cache.findFirstGroup(find, group);
    if (error == UrlCache::GroupFunctionsMissing)
        return true;
    if (!find)
        return error == UrlCache::NoMoreGroups;
    const OpenFind open(cache, find);
    for (;;) {
        const int deleted = cache.deleteGroup(group);
        if (deleted != UrlCache::Success && deleted != UrlCache::GroupFunctionsMissing)
            return false;
        // Any failure but the end stops here: going round again would only retry the
        // group just deleted.
        const int next = cache.findNextGroup(find, group);
        if (next == UrlCache::NoMoreGroups)
            return true;
        if (next != UrlCache::Success)
            return false;
    }
}

void deleteEntries(UrlCache& cache, const QString& pattern, quint32 excludeMask)
{
    UrlCache::FindHandle find = 0;
    UrlCache::Entry entry;
    // Nothing found (an empty cache) and a failure end alike.
    if (cache.findFirstEntry(pattern, CacheEntryBufferBytes, find, entry) != UrlCache::Success || !find)
        return;
    const OpenFind open(cache, find);
    do {
        if ((entry.type & excludeMask) == 0)
            cache.deleteEntry(entry.sourceUrl); // one that stays must not keep the rest
    } while (cache.findNextEntry(find, CacheEntryBufferBytes, entry) == UrlCache::Success);
}

} // namespace

void CleanUrlCache(UrlCache& cache, const QString& pattern, quint32 excludeMask)
{
    if (deleteGroups(cache))
        deleteEntries(cache, pattern, excludeMask);
}
