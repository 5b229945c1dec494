#include "controls/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void WindowDrag::press(QWidget* window, QPoint global)
{
    QWindow* handle = window->windowHandle();
    m_following = !handle || !handle->startSystemMove();
    m_grabOffset = global - window->pos();
}

void WindowDrag::follow(QWidget* window, QPoint global) const
{
    if (m_following)
        window->move(global - m_grabOffset);
}

namespace {

class BackgroundDrag : public QObject {
public:
    explicit BackgroundDrag(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (const auto* mouse = static_cast<QMouseEvent*>(event); mouse->button() == Qt::LeftButton)
                m_drag.press(m_window, mouse->globalPosition().toPoint());
            break;
        case QEvent::MouseMove:
            if (const auto* mouse = static_cast<QMouseEvent*>(event); mouse->buttons() & Qt::LeftButton)
                m_drag.follow(m_window, mouse->globalPosition().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            m_drag.release();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_window;
    WindowDrag m_drag;
};

} // namespace

void DragByBackground(QWidget* window)
{
    window->installEventFilter(new BackgroundDrag(window));
}
