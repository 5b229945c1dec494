#pragma once

#include "account/UrlCache.h"

#include <QHash>
#include <QList>
#include <QPointer>

class QWebEngineProfile;

// A web profile's browsing data as a URL cache. The engine has no cache groups. Its
// entries: the HTTP cache as one ordinary entry ("httpcache:" and the profile's name),
// the visited-links history as one history entry ("visited:"), and each cookie the
// profile holds as a cookie entry ("cookie:NAME@DOMAIN/PATH"). The cookies are those
// the profile's ProfileCookies mirror has heard of, so a program makes that mirror with
// its profile. Deleting hands the work to the engine, which finishes it in the
// background: the call never waits for the disk.
class EngineUrlCache : public UrlCache {
public:
    explicit EngineUrlCache(QWebEngineProfile* profile);

    int findFirstGroup(FindHandle& find, GroupId& group) override;
    int findNextGroup(FindHandle find, GroupId& group) override;
    int deleteGroup(GroupId group) override;
    int findFirstEntry(const QString& pattern, int bufferBytes, FindHandle& find, Entry& entry) override;
    int findNextEntry(FindHandle find, int bufferBytes, Entry& entry) override;
    int deleteEntry(const QString& sourceUrl) override;
    void closeFind(FindHandle find) override;

    // What the profile holds now, in walking order: the HTTP cache first.
    QList<Entry> entries() const;

private:
    struct Walk {
        QList<Entry> entries;
        qsizetype next = 0;
    };
    int step(Walk& walk, int bufferBytes, Entry& entry) const;

    QPointer<QWebEngineProfile> m_profile;
    QHash<FindHandle, Walk> m_walks;
    FindHandle m_lastHandle = 0;
};
