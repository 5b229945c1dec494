#pragma once

#include <array>

// One delivery table of a message hook: up to MaxEntries specific messages, or all
// messages. A removed message leaves a free slot (0) that the next addition reuses.
class MessageTable {
public:
    static constexpr int MaxEntries = 32;
    static constexpr int AllMessages = -1;

    enum class AddResult { Added, AlreadyPresent, Overflow };

    AddResult add(int message);
    // AllMessages empties the table; any other message frees its slot.
    void remove(int message);
    bool contains(int message) const;

private:
    int m_count = 0;
    std::array<int, MaxEntries> m_entries {};
};
