#pragma once

#include <QString>
#include <QtGlobal>

// A browser cache as the cleaner sees it: groups it can flush whole, and entries it
// walks one by one with their source URL and type bits. Every call answers with an
// error code (0 on success). A find that succeeds hands out a handle that stays open
// until closeFind, so an implementation can hold whatever the walk needs.
class UrlCache {
public:
    enum Error : int {
        Success = 0,
        FileNotFound = 2, // no such group or entry, and no more groups
        NoMoreGroups = FileNotFound,
        InvalidHandle = 6,
        InsufficientBuffer = 122,
        NoMoreItems = 259,
        GroupFunctionsMissing = 453,
    };

    using FindHandle = quint64; // 0: none
    using GroupId = qint64;

    struct Entry {
        QString sourceUrl;
        quint32 type = 0;
    };

    // Bytes an entry's information takes: the fixed record and its URL, terminated.
    static constexpr int EntryRecordBytes = 80;
    static int InfoBytes(const Entry& entry) { return EntryRecordBytes + int(entry.sourceUrl.toUtf8().size()) + 1; }

    // Whether `pattern` selects `sourceUrl`: "*.*" selects every entry; any other
    // pattern is a wildcard ("*", "?") over the whole URL. An empty pattern selects none.
    static bool Matches(const QString& pattern, const QString& sourceUrl);

    virtual ~UrlCache() = default;

    // `find` is 0 unless the call succeeds.
    virtual int findFirstGroup(FindHandle& find, GroupId& group) = 0;
    virtual int findNextGroup(FindHandle find, GroupId& group) = 0;
    // Deletes the group and every entry in it, whatever their type.
    virtual int deleteGroup(GroupId group) = 0;

    // An entry whose information exceeds `bufferBytes` is not handed out: the call
    // fails with InsufficientBuffer.
    virtual int findFirstEntry(const QString& pattern, int bufferBytes, FindHandle& find, Entry& entry) = 0;
    virtual int findNextEntry(FindHandle find, int bufferBytes, Entry& entry) = 0;
    virtual int deleteEntry(const QString& sourceUrl) = 0;

    virtual void closeFind(FindHandle find) = 0;
};
