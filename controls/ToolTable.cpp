#include "controls/ToolTable.h"

void ToolTable::add(const QObject* owner, int id, const QRect& rect, const QString& text)
{
    m_tools.append({ owner, id, rect, text });
}

void ToolTable::removeOwner(const QObject* owner)
{
    m_tools.removeIf([owner](const Tool& tool) { return tool.owner == owner; });
}

const ToolTable::Tool* ToolTable::find(const QObject* owner, const QPoint& at) const
{
    for (const Tool& tool : m_tools) {
        if (tool.owner == owner && tool.rect.contains(at))
            return &tool;
    }
    return nullptr;
}

bool ToolTable::hasOwner(const QObject* owner) const
{
    for (const Tool& tool : m_tools) {
        if (tool.owner == owner)
            return true;
    }
    return false;
}
