#include "controls/PopupMenuWindow.h"

#include "controls/MdlMenu.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>

PopupMenuWindow::PopupMenuWindow(QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
    , m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    resize(sizeHint());
    m_openingButtons = QGuiApplication::mouseButtons();
    m_openedAt = QCursor::pos();
}

QSize PopupMenuWindow::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const clsTopMenu* item : MdlMenu::MenuItems()) {
        width = std::max(width, item->Width());
        height += item->Height();
    }
    return {width, height};
}

QRect PopupMenuWindow::itemRect(int index) const
{
    int top = 0;
    const auto& items = MdlMenu::MenuItems();
    for (int i = 0; i < index; ++i)
        top += items[i]->Height();
    return QRect(0, top, width(), items[index]->Height());
}

int PopupMenuWindow::itemAt(QPoint point) const
{
    const auto& items = MdlMenu::MenuItems();
    for (int i = 0; i < items.size(); ++i) {
        if (itemRect(i).contains(point))
            return i;
    }
    return -1;
}

void PopupMenuWindow::setHighlighted(int index)
{
    const auto& items = MdlMenu::MenuItems();
    if (index >= 0 && items[index]->isSeparator())
        index = -1;
    if (index == m_highlighted)
        return;
    m_highlighted = index;
    update();
}

void PopupMenuWindow::choose(int index)
{
    const auto& items = MdlMenu::MenuItems();
    if (index < 0 || items[index]->isSeparator() || !items[index]->Enabled())
        return;
    const int id = items[index]->MenuID();
    close();
    if (m_owner)
        QCoreApplication::postEvent(m_owner, new MdlMenu::MenuCommandEvent(id));
}

void PopupMenuWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto& items = MdlMenu::MenuItems();
    for (int i = 0; i < items.size(); ++i)
        items[i]->DrawMenu(painter, itemRect(i), i == m_highlighted, MdlMenu::Colors(), MdlMenu::Picture(0));
}

void PopupMenuWindow::mouseMoveEvent(QMouseEvent* event)
{
    setHighlighted(itemAt(event->position().toPoint()));
}

void PopupMenuWindow::mousePressEvent(QMouseEvent* event)
{
    m_openingButtons = Qt::NoButton;
    QWidget::mousePressEvent(event);
}

void PopupMenuWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_openingButtons & event->button()) {
        m_openingButtons &= ~event->button();
        const bool dragged = (event->globalPosition().toPoint() - m_openedAt).manhattanLength()
            >= QApplication::startDragDistance();
        if (!dragged || !rect().contains(event->position().toPoint()))
            return;
    }
    if (!rect().contains(event->position().toPoint())) {
        close();
        return;
    }
    choose(itemAt(event->position().toPoint()));
}

void PopupMenuWindow::leaveEvent(QEvent*)
{
    setHighlighted(-1);
}

void PopupMenuWindow::keyPressEvent(QKeyEvent* event)
{
    const int count = int(MdlMenu::MenuItems().size());
    const auto step = [&](int direction) {
        int index = m_highlighted;
        for (int tries = 0; tries < count; ++tries) {
            index = (index + direction + count) % count;
            if (!MdlMenu::MenuItems()[index]->isSeparator()) {
                setHighlighted(index);
                return;
            }
        }
    };
    switch (event->key()) {
    case Qt::Key_Down: step(1); break;
    case Qt::Key_Up: step(-1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: choose(m_highlighted); break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(event);
    }
}
