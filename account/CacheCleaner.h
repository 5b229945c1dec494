#pragma once

#include <QString>
#include <QtGlobal>

class UrlCache;

// Empties `cache` in two steps. First every group goes, flushed with its entries,
// cookies and history included: groups are flushed whole. A cache without group
// functions skips this step; any other failure here ends the cleaning. Then every entry
// that `pattern` selects goes unless its type has a bit of `excludeMask`; an entry that
// will not delete is passed over, and one too big for the entry buffer ends the walk
// there (what went before stays deleted). Every find handle is closed on every way out.
void CleanUrlCache(UrlCache& cache, const QString& pattern, quint32 excludeMask);

// The buffer offered for each entry's information; no larger one is tried.
inline constexpr int CacheEntryBufferBytes = 2048;
