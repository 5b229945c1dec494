#pragma once

#include "tabs/TabIndex.h"

#include <QString>

#include <memory>
#include <vector>

class CTabItem;
class ITabForm;
class IuTab;
class uTab;

// The ordered, keyed list of tabs of one strip: the only way pages are added to,
// found in, removed from or popped out of it. Positions are 0-based.
class CTabItems {
public:
    CTabItems() = default;
    // Unloads the pages the list still hosts.
    ~CTabItems();
    CTabItems(const CTabItems&) = delete;
    CTabItems& operator=(const CTabItems&) = delete;

    // Hosts `form` in a new tab at `index` (0..Count; missing: append) under the
    // optional unique `key` (empty: none). Does not select it. Throws TabError 5 when
    // the index is not a number, 9 when it is out of range, 457 when the key is in
    // use; a failed Add leaves the list and the page untouched.
    bool Add(const QString& caption, ITabForm* form, const QString& key = QString(),
             const TabIndex& index = TabIndex());
    // Removes the tab FindItem(index) names, if the strip allows it. The page is
    // unloaded when `unloadForm` is true; otherwise it is handed back untouched.
    bool Remove(const TabIndex& index, bool unloadForm);
    // Unloads every page and empties the list (the strip is not asked).
    void Clear();
    // Position of the tab named by a key, a position, a page or the tab itself;
    // -1 when nothing matches.
    int FindItem(const TabIndex& index) const;
    // Takes the page out of the strip and makes it a free top-level window again with
    // its former window flags, centred on the screen. False when nothing happened.
    bool ReleaseForm(const TabIndex& index);
    int Count() const { return int(m_entries.size()); }
    // The tab at a position (empty when out of range).
    std::shared_ptr<CTabItem> Item(int position) const;
    // The tab with a key; throws TabError 5 when absent.
    std::shared_ptr<CTabItem> Item(const QString& key) const;
    // Forwarded to the strip; -1 without one.
    int Selected() const;
    void SetSelected(int position);

private:
    friend class uTab;

    struct Entry {
        std::shared_ptr<CTabItem> tab;
        QString key;
    };

    void SetStrip(IuTab* strip) { m_strip = strip; }
    int KeyPosition(const QString& key) const;
    int InsertPosition(const TabIndex& index) const;

    std::vector<Entry> m_entries;
    IuTab* m_strip = nullptr;
};
