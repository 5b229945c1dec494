#pragma once

#include <QString>

class CTabItem;
class CTabItems;
class ITabForm;
class QWidget;

// The strip as its tab list sees it. The list calls the first six operations to
// report its changes; pages reach their strip's list and selection through it.
// The interface's own operations do nothing.
class IuTab {
public:
    virtual ~IuTab() = default;

    // A tab was inserted at `position`.
    virtual void Add(const QString& caption, ITabForm* form, const QString& key, int position);
    // False refuses the removal.
    virtual bool BeforeRemove(int position);
    virtual void Remove(int position);
    virtual void Clear();
    virtual void Redraw(bool update);
    virtual void ChangeForm(CTabItem* tab, ITabForm* form);
    virtual int Selected() const;
    virtual void SetSelected(int position);
    virtual CTabItems* TabItems();
    virtual QWidget* hwnd();
    // The window the strip sits on; nullptr when there is none.
    virtual QWidget* hParent();
    virtual QWidget* Control();
};
