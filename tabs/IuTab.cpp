#include "tabs/IuTab.h"

void IuTab::Add(const QString&, ITabForm*, const QString&, int)
{
}

bool IuTab::BeforeRemove(int)
{
    return false;
}

void IuTab::Remove(int)
{
}

void IuTab::Clear()
{
}

void IuTab::Redraw(bool)
{
}

void IuTab::ChangeForm(CTabItem*, ITabForm*)
{
}

int IuTab::Selected() const
{
    return 0;
}

void IuTab::SetSelected(int)
{
}

CTabItems* IuTab::TabItems()
{
    return nullptr;
}

QWidget* IuTab::hwnd()
{
    return nullptr;
}

QWidget* IuTab::hParent()
{
    return nullptr;
}

QWidget* IuTab::Control()
{
    return nullptr;
}
