#pragma once

#include "controls/ToolTable.h"

#include <QObject>
#include <QWidget>

// Hover texts for rectangles of a widget, without a widget per rectangle. A text shows
// after the usual tooltip delay while the pointer rests in its rectangle, also when
// the owner's window is not the active one.
class clsTooltip : public QObject {
    Q_OBJECT
public:
    explicit clsTooltip(QObject* parent = nullptr);

    // `rect` is in the owner's coordinates.
    void AddTool_ForRect(QWidget* owner, int id, const QRect& rect, const QString& text);
    const ToolTable& tools() const { return m_tools; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ToolTable m_tools;
};
