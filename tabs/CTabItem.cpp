#include "tabs/CTabItem.h"

#include "tabs/ITabForm.h"
#include "tabs/IuTab.h"

CTabItem::~CTabItem()
{
    // The page may be destroying itself right now (it held the last reference to this
    // tab), so only a deferred delete is safe here; Qt drops it if the page is gone.
    if (m_window)
        m_window->deleteLater();
}

void CTabItem::SetCaption(const QString& caption)
{
    m_caption = caption;
    if (m_strip)
        m_strip->Redraw(true);
}

ITabForm* CTabItem::Form() const
{
    return m_window ? m_form : nullptr;
}

void CTabItem::SetForm(ITabForm* form)
{
    m_form = form;
    m_window = form ? form->hwnd() : nullptr;
    if (!form)
        return;
    form->Initialize(m_strip, shared_from_this());
    if (m_strip)
        m_strip->ChangeForm(this, form);
}

void CTabItem::SetHideButton(bool hide)
{
    m_hideButton = hide;
    if (m_strip)
        m_strip->Redraw(true);
}

void CTabItem::SetLockSize(bool lock)
{
    m_lockSize = lock;
    if (m_strip)
        m_strip->Redraw(true);
}

void CTabItem::DetachForm()
{
    m_form = nullptr;
    m_window = nullptr;
}

void CTabItem::UnloadForm()
{
    if (m_window) {
        m_window->hide();
        m_window->deleteLater();
    }
    DetachForm();
}
