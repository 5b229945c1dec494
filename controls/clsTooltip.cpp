#include "controls/clsTooltip.h"

#include <QHelpEvent>
#include <QToolTip>

clsTooltip::clsTooltip(QObject* parent)
    : QObject(parent)
{
}

void clsTooltip::AddTool_ForRect(QWidget* owner, int id, const QRect& rect, const QString& text)
{
    if (!owner)
        return;
    if (!m_tools.hasOwner(owner)) {
        owner->installEventFilter(this);
        // Tooltips normally wait for the window to be active.
        owner->window()->setAttribute(Qt::WA_AlwaysShowToolTips);
        connect(owner, &QObject::destroyed, this, [this](QObject* gone) { m_tools.removeOwner(gone); });
    }
    m_tools.add(owner, id, rect, text);
}

bool clsTooltip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        // The owner moved into another window, which must show tips while inactive too.
        static_cast<QWidget*>(watched)->window()->setAttribute(Qt::WA_AlwaysShowToolTips);
        return false;
    }
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* owner = static_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = owner->mapFromGlobal(help->globalPos());
    const ToolTable::Tool* tool = m_tools.find(owner, at);
    if (!tool)
        return false;
    QToolTip::showText(help->globalPos(), tool->text, owner, tool->rect);
    return true;
}
