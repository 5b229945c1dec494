#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

// The colours every menu item is drawn in.
struct MenuColors {
    QColor selectedFill;
    QColor selectedFrame;
    QColor textArea;
    QColor selectedText;
    QColor normalText;
    QColor iconColumn;
    QColor separator;
};

// One owner-drawn item of a popup menu. An empty caption marks a separator.
class clsTopMenu {
public:
    static constexpr int IconColumnWidth = 24;
    static constexpr int TextLeft = 33;

    int MenuID() const { return m_menuId; }
    QString Caption() const { return m_caption; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool Selected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    bool isSeparator() const { return m_caption.isEmpty(); }

    void InitMenu(int menuId, const QString& caption, int width, int height, const QPixmap& icon);
    // Paints the item into `rect`; `checkImage` replaces the icon while Selected.
    void DrawMenu(QPainter& painter, const QRect& rect, bool highlighted, const MenuColors& colours,
                  const QPixmap& checkImage) const;

private:
    int m_menuId = 0;
    QString m_caption;
    int m_width = 0;
    int m_height = 0;
    QPixmap m_icon;
    bool m_enabled = true;
    bool m_selected = false;
};
