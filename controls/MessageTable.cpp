#include "controls/MessageTable.h"

MessageTable::AddResult MessageTable::add(int message)
{
    if (message == AllMessages) {
        m_count = AllMessages;
        return AddResult::Added;
    }
    if (m_count == AllMessages)
        return AddResult::AlreadyPresent;
    int freeSlot = -1;
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == message)
            return AddResult::AlreadyPresent;
        if (m_entries[i] == 0 && freeSlot < 0)
            freeSlot = i;
    }
    if (freeSlot >= 0) {
        m_entries[freeSlot] = message;
        return AddResult::Added;
    }
    if (m_count >= MaxEntries)
        return AddResult::Overflow;
    m_entries[m_count++] = message;
    return AddResult::Added;
}

void MessageTable::remove(int message)
{
    if (message == AllMessages) {
        m_count = 0;
        return;
    }
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == message)
            m_entries[i] = 0;
    }
}

bool MessageTable::contains(int message) const
{
    if (m_count == AllMessages)
        return true;
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == message)
            return true;
    }
    return false;
}
