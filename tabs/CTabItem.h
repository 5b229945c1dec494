#pragma once

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>

class CTabItems;
class ITabForm;
class IuTab;
class uTab;

// One tab: caption, hosted page, layout values and flags. Tabs are created only by
// CTabItems::Add and shared with their page (ITabForm::Initialize), so a removed tab
// stays valid while its page keeps it. A tab that still hosts a page when it is
// destroyed unloads that page.
class CTabItem : public std::enable_shared_from_this<CTabItem> {
public:
    ~CTabItem();
    CTabItem(const CTabItem&) = delete;
    CTabItem& operator=(const CTabItem&) = delete;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    // The hosted page; nullptr once the page is gone or the tab left its strip.
    ITabForm* Form() const;
    // Hosts `form` in this tab (the previous page stays loaded) and has the strip
    // attach its window.
    void SetForm(ITabForm* form);

    bool HideButton() const { return m_hideButton; }
    void SetHideButton(bool hide);

    // Layout values, written by the strip.
    int Left() const { return m_left; }
    int Width() const { return m_width; }

    bool LockSize() const { return m_lockSize; }
    void SetLockSize(bool lock);

    QVariant ItemData() const { return m_itemData; }
    void SetItemData(const QVariant& data) { m_itemData = data; }

private:
    friend class CTabItems;
    friend class uTab;

    CTabItem() = default;

    QWidget* window() const { return m_window; }
    void SetStrip(IuTab* strip) { m_strip = strip; }
    void SetLeft(int left) { m_left = left; }
    void SetWidth(int width) { m_width = width; }
    Qt::WindowFlags SavedWindowFlags() const { return m_savedFlags; }
    void SetSavedWindowFlags(Qt::WindowFlags flags) { m_savedFlags = flags; }
    // Forgets the page without unloading it.
    void DetachForm();
    // Unloads the page (hidden at once, deleted once control returns to the event
    // loop, so a page may close its own tab) and forgets it.
    void UnloadForm();

    QString m_caption;
    ITabForm* m_form = nullptr;
    QPointer<QWidget> m_window;
    Qt::WindowFlags m_savedFlags;
    bool m_hideButton = false;
    IuTab* m_strip = nullptr;
    int m_left = 0;
    int m_width = 0;
    bool m_lockSize = false;
    QVariant m_itemData;
};
