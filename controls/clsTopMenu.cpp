#include "controls/clsTopMenu.h"

#include <QPainter>

void clsTopMenu::InitMenu(int menuId, const QString& caption, int width, int height, const QPixmap& icon)
{
    m_menuId = menuId;
    m_caption = caption;
    m_width = width;
    m_height = height;
    m_icon = icon;
}

void clsTopMenu::DrawMenu(QPainter& painter, const QRect& rect, bool highlighted, const MenuColors& colours,
                          const QPixmap& checkImage) const
{
    // Separators never take the highlight.
    if (highlighted && isSeparator())
        return;
    if (highlighted) {
        painter.fillRect(rect, colours.selectedFill);
        painter.setPen(colours.selectedFrame);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        painter.fillRect(QRect(rect.left(), rect.top(), IconColumnWidth - rect.left(), rect.height()), colours.iconColumn);
        painter.fillRect(QRect(IconColumnWidth, rect.top(), rect.right() - IconColumnWidth + 1, rect.height()),
                         colours.textArea);
        if (isSeparator()) {
            painter.fillRect(QRect(IconColumnWidth, rect.top() + 2, rect.right() - IconColumnWidth + 1, 1),
                             colours.separator);
            return;
        }
    }
    if (m_selected && !checkImage.isNull())
        painter.drawPixmap(QRect(4, rect.top() + 4, 16, 16), checkImage);
    else if (!m_icon.isNull())
        painter.drawPixmap(QRect(4, rect.top() + 3, 16, 16), m_icon);

    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint baseline(TextLeft, rect.top() + 5 + metrics.ascent());
    if (m_enabled) {
        painter.setPen(highlighted ? colours.selectedText : colours.normalText);
        painter.drawText(baseline, m_caption);
    } else {
        // Embossed: a light copy one pixel down and right under a grey one.
        painter.setPen(Qt::white);
        painter.drawText(baseline + QPoint(1, 1), m_caption);
        painter.setPen(QColor(160, 160, 160));
        painter.drawText(baseline, m_caption);
    }
}
