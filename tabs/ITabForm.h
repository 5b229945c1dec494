#pragma once

#include <memory>

class CTabItem;
class IuTab;
class QWidget;

// What every page that can live in a tab offers the tab workspace.
// The widget returned by hwnd() is the page itself (or lives exactly as long as it):
// the workspace re-parents it into the strip's container and unloads the page by
// deleting that widget.
class ITabForm {
public:
    virtual ~ITabForm() = default;

    // The page's top-level widget, created on first use.
    virtual QWidget* hwnd() = 0;
    // Called (twice) while the page is put into a tab. A page that wants to change
    // its tab later keeps `tab`; holding it keeps the tab alive after its removal.
    // `strip` is valid while the tab is in the strip. The page must not show itself.
    virtual void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab);
    // The user took the page's tab away with its page (the tab is out of the strip,
    // whose selection is already fixed); the page is deleted next. Not called when
    // the whole workspace goes.
    virtual void Form_Unload();
};

inline void ITabForm::Initialize(IuTab*, const std::shared_ptr<CTabItem>&)
{
}

inline void ITabForm::Form_Unload()
{
}
