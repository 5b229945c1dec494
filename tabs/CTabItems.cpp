#include "tabs/CTabItems.h"

#include "tabs/CTabItem.h"
#include "tabs/ITabForm.h"
#include "tabs/IuTab.h"
#include "tabs/RoundHalfEven.h"
#include "tabs/TabError.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

CTabItems::~CTabItems()
{
    for (const Entry& entry : m_entries) {
        entry.tab->SetStrip(nullptr);
        entry.tab->UnloadForm();
    }
}

int CTabItems::KeyPosition(const QString& key) const
{
    for (int i = 0; i < Count(); ++i) {
        if (!m_entries[i].key.isEmpty() && m_entries[i].key == key)
            return i;
    }
    return -1;
}

int CTabItems::InsertPosition(const TabIndex& index) const
{
    if (index.isMissing())
        return Count();
    double number = 0;
    if (const int* position = std::get_if<int>(&index.value())) {
        number = *position;
    } else if (const QString* text = std::get_if<QString>(&index.value())) {
        bool ok = false;
        number = text->trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(number))
            throw TabError::InvalidArgument();
    } else {
        throw TabError::InvalidArgument();
    }
    if (number < -1e9 || number > 1e9)
        throw TabError::OutOfRange();
    const int n = RoundHalfEven(number);
    if (n < 0 || n > Count())
        throw TabError::OutOfRange();
    return n;
}

bool CTabItems::Add(const QString& caption, ITabForm* form, const QString& key, const TabIndex& index)
{
    QWidget* window = form ? form->hwnd() : nullptr;
    if (!window)
        throw TabError::InvalidArgument();
    // Everything that can fail is checked first, so that a refused page is left as it was.
    const int position = InsertPosition(index);
    if (!key.isEmpty() && KeyPosition(key) != -1)
        throw TabError::DuplicateKey();

    std::shared_ptr<CTabItem> tab(new CTabItem);
    tab->SetSavedWindowFlags(window->windowFlags());
    tab->SetStrip(m_strip);
    form->Initialize(m_strip, tab);
    tab->SetCaption(caption);
    tab->SetForm(form);

    m_entries.insert(m_entries.begin() + position, Entry { tab, key });
    if (m_strip) {
        m_strip->Add(caption, form, key, position);
        if (QWidget* strip = m_strip->hwnd())
            strip->activateWindow();
    }
    return true;
}

bool CTabItems::Remove(const TabIndex& index, bool unloadForm)
{
    int position = FindItem(index);
    if (position == -1)
        return false;
    const std::shared_ptr<CTabItem> tab = m_entries[position].tab;
    if (m_strip) {
        if (!m_strip->BeforeRemove(position))
            return false;
        // The close handler may have changed the list.
        position = FindItem(tab.get());
        if (position == -1)
            return false;
    }
    m_entries.erase(m_entries.begin() + position);
    tab->SetStrip(nullptr);
    if (m_strip)
        m_strip->Remove(position);
    if (unloadForm) {
        if (ITabForm* form = tab->Form())
            form->Form_Unload();
        tab->UnloadForm();
    } else {
        tab->DetachForm();
    }
    return true;
}

void CTabItems::Clear()
{
    std::vector<Entry> entries;
    entries.swap(m_entries);
    for (const Entry& entry : entries) {
        entry.tab->SetStrip(nullptr);
        entry.tab->UnloadForm();
    }
    if (m_strip)
        m_strip->Clear();
}

int CTabItems::FindItem(const TabIndex& index) const
{
    if (m_entries.empty())
        return -1;
    const TabIndex::Value& value = index.value();
    if (const QString* key = std::get_if<QString>(&value))
        return KeyPosition(*key);
    if (const int* position = std::get_if<int>(&value))
        return *position >= 0 && *position < Count() ? *position : -1;
    if (const ITabForm* const* form = std::get_if<const ITabForm*>(&value)) {
        for (int i = 0; *form && i < Count(); ++i) {
            if (m_entries[i].tab->Form() == *form)
                return i;
        }
        return -1;
    }
    if (const CTabItem* const* tab = std::get_if<const CTabItem*>(&value)) {
        for (int i = 0; i < Count(); ++i) {
            if (m_entries[i].tab.get() == *tab)
                return i;
        }
    }
    return -1;
}

bool CTabItems::ReleaseForm(const TabIndex& index)
{
    const int position = FindItem(index);
    if (position == -1)
        return false;
    const std::shared_ptr<CTabItem> tab = m_entries[position].tab;
    QWidget* window = tab->window();
    const Qt::WindowFlags flags = tab->SavedWindowFlags();
    if (!Remove(position, false) || !window)
        return false;

    window->setParent(nullptr, flags);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize size = window->frameGeometry().size();
    window->move(RoundHalfEven((screen.width() - size.width()) / 2.0),
                 RoundHalfEven((screen.height() - size.height()) / 2.0));
    window->show();
    if (m_strip) {
        if (QWidget* host = m_strip->hParent())
            host->update();
    }
    return true;
}

std::shared_ptr<CTabItem> CTabItems::Item(int position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return m_entries[position].tab;
}

std::shared_ptr<CTabItem> CTabItems::Item(const QString& key) const
{
    const int position = KeyPosition(key);
    if (position == -1)
        throw TabError::InvalidArgument();
    return m_entries[position].tab;
}

int CTabItems::Selected() const
{
    return m_strip ? m_strip->Selected() : -1;
}

void CTabItems::SetSelected(int position)
{
    if (m_strip)
        m_strip->SetSelected(position);
}
