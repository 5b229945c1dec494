#pragma once

#include "account/UrlCache.h"

#include <QHash>
#include <QList>
#include <QStringList>

// A URL cache in memory that keeps count of its open find handles and of misuse
// (a handle used after closing, or closed twice).
class FakeUrlCache : public UrlCache {
public:
    struct Item {
        QString url;
        quint32 type = 0;
        GroupId group = 0; // 0: in no group
        bool stuck = false; // its delete fails
    };

    QList<Item> items;
    QList<GroupId> groups;
    int firstGroupError = Success; // Success: the groups as listed
    GroupId failingGroup = 0; // its delete fails with failingGroupError
    int failingGroupError = 5;

    int openFinds() const { return int(m_walks.size()); }
    int misuses() const { return m_misuses; }
    QStringList urls() const
    {
        QStringList all;
        for (const Item& item : items)
            all << item.url;
        return all;
    }

    int findFirstGroup(FindHandle& find, GroupId& group) override
    {
        find = 0;
        if (firstGroupError != Success)
            return firstGroupError;
        if (groups.isEmpty())
            return NoMoreGroups;
        find = open(Walk{{}, groups, 0});
        group = groups[0];
        return Success;
    }
    int findNextGroup(FindHandle find, GroupId& group) override
    {
        Walk* walk = walkOf(find);
        if (!walk)
            return InvalidHandle;
        if (walk->next + 1 >= walk->groups.size())
            return NoMoreGroups;
        group = walk->groups[++walk->next];
        return Success;
    }
    int deleteGroup(GroupId group) override
    {
        if (group == failingGroup)
            return failingGroupError;
        if (!groups.removeOne(group))
            return FileNotFound;
        items.removeIf([group](const Item& item) { return item.group == group; });
        return Success;
    }

    int findFirstEntry(const QString& pattern, int bufferBytes, FindHandle& find, Entry& entry) override
    {
        find = 0;
        Walk walk;
        for (const Item& item : items) {
            if (Matches(pattern, item.url))
                walk.entries.append({item.url, item.type});
        }
        if (walk.entries.isEmpty())
            return NoMoreItems;
        if (const int error = fill(walk, bufferBytes, entry); error != Success)
            return error;
        find = open(walk);
        return Success;
    }
    int findNextEntry(FindHandle find, int bufferBytes, Entry& entry) override
    {
        Walk* walk = walkOf(find);
        if (!walk)
            return InvalidHandle;
        if (walk->next + 1 >= walk->entries.size())
            return NoMoreItems;
        ++walk->next;
        return fill(*walk, bufferBytes, entry);
    }
    int deleteEntry(const QString& sourceUrl) override
    {
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items[i].url == sourceUrl && !items[i].stuck) {
                items.removeAt(i);
                return Success;
            }
        }
        return FileNotFound;
    }
    void closeFind(FindHandle find) override
    {
        if (!m_walks.remove(find))
            ++m_misuses;
    }

private:
    // A walk goes over what was there when it began.
    struct Walk {
        QList<Entry> entries;
        QList<GroupId> groups;
        qsizetype next = 0;
    };

    FindHandle open(const Walk& walk)
    {
        m_walks.insert(++m_lastHandle, walk);
        return m_lastHandle;
    }
    Walk* walkOf(FindHandle find)
    {
        const auto walk = m_walks.find(find);
        if (walk == m_walks.end()) {
            ++m_misuses;
            return nullptr;
        }
        return &*walk;
    }
    static int fill(const Walk& walk, int bufferBytes, Entry& entry)
    {
        if (InfoBytes(walk.entries[walk.next]) > bufferBytes)
            return InsufficientBuffer;
        entry = walk.entries[walk.next];
        return Success;
    }

    QHash<FindHandle, Walk> m_walks;
    FindHandle m_lastHandle = 0;
    int m_misuses = 0;
};
