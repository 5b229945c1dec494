#include "controls/cSetStyle.h"

#include "controls/FrameOutline.h"
#include "controls/FrameZones.h"
#include "controls/WindowMessages.h"
#include "controls/cFormSubclass.h"

#include <QCursor>
#include <QMouseEvent>
#include <QScreen>

using FrameZones::None;

cSetStyle::cSetStyle(QObject* parent)
    : QObject(parent)
    , m_objSubclass(std::make_unique<cFormSubclass>())
{
    connect(m_objSubclass.get(), &cFormSubclass::MsgCome, this, &cSetStyle::objSubclass_MsgCome);
}

cSetStyle::~cSetStyle()
{
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_hookedHandle) {
        m_hookedHandle->removeEventFilter(this);
        if (m_cursorZone != None && m_window)
            showZoneCursor(None, QCursor::pos());
    }
}

void cSetStyle::SetWindowStyle(QWidget* window)
{
    if (!window)
        return;
    m_window = window;
    Qt::WindowFlags flags = window->windowFlags();
    if ((flags & Qt::WindowType_Mask) == Qt::Widget)
        flags |= Qt::Window;
    flags &= ~(Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint);
    flags |= Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    // New flags hide a shown window.
    const bool shown = window->isVisible();
    window->setWindowFlags(flags);
    if (shown)
        window->show();
    m_objSubclass->AddWindowMsgs(window);
    // Installed after the hook, so it runs first: the hook hands events on as the
    // program's own, and only here does a close still show it came from the desktop.
    window->installEventFilter(this);
    hookWindowHandle();
}

QWidget* cSetStyle::objForm() const
{
    return m_form ? m_form.data() : m_window.data();
}

void cSetStyle::setobjForm(QWidget* form)
{
    m_form = form;
}

QWidget* cSetStyle::outline() const
{
    return m_outline.get();
}

bool cSetStyle::CallWindowStateChange()
{
    QWidget* form = objForm();
    if (!form)
        return m_maximised;
    if (m_resizing)
        endResize(false);
    if (m_maximised) {
        m_maximised = false;
        form->setGeometry(m_normalBounds);
    } else {
        m_normalBounds = form->geometry();
        m_maximised = true;
        showZoneCursor(None, QCursor::pos());
        form->setGeometry(workArea());
    }
    return m_maximised;
}

void cSetStyle::objSubclass_MsgCome(bool before, bool& handled, qint32& result, QWidget* window, int message, QEvent* event)
{
    Q_UNUSED(window);
    if (before) {
        switch (message) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            pointerMessage(message, static_cast<QMouseEvent*>(event), handled);
            break;
        case QEvent::Close:
            // Only the desktop's close is taken over; the program's own close goes through.
            if (event->spontaneous()) {
                handled = true;
                result = 0;
                // Raised once the refused close is over, so that a handler may close
                // the window itself.
                QMetaObject::invokeMethod(this, &cSetStyle::CloseClick, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return;
    }
    switch (message) {
    case QEvent::Show:
    case QEvent::WinIdChange:
        hookWindowHandle();
        break;
    case QEvent::Hide:
        if (m_resizing)
            endResize(false);
        break;
    case WindowMessages::WM_SETTINGCHANGE:
        settingChanged();
        break;
    default:
        break;
    }
}

bool cSetStyle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() != QEvent::Close)
            return false;
        bool handled = false;
        qint32 result = 1;
        objSubclass_MsgCome(true, handled, result, m_window, event->type(), event);
        event->setAccepted(result != 0);
        return handled;
    }
    if (watched != m_hookedHandle)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        bool handled = false;
        qint32 result = 0;
        objSubclass_MsgCome(true, handled, result, m_window, event->type(), event);
        return handled;
    }
    case QEvent::Leave:
        // Whatever the pointer enters next sets its own cursor.
        m_cursorZone = None;
        return false;
    default:
        return false;
    }
}

void cSetStyle::hookWindowHandle()
{
    QWindow* handle = m_window ? m_window->windowHandle() : nullptr;
    if (handle == m_hookedHandle)
        return;
    if (m_hookedHandle) {
        m_hookedHandle->removeEventFilter(this);
        disconnect(m_hookedHandle, nullptr, this, nullptr);
    }
    m_hookedHandle = handle;
    m_cursorZone = None;
    if (!handle)
        return;
    handle->installEventFilter(this);
    connect(handle, &QWindow::screenChanged, this, &cSetStyle::watchScreen);
    watchScreen(handle->screen());
}

void cSetStyle::watchScreen(QScreen* screen)
{
    disconnect(m_screenWatch);
    if (screen)
        m_screenWatch = connect(screen, &QScreen::availableGeometryChanged, this, &cSetStyle::settingChanged);
}

void cSetStyle::settingChanged()
{
    emit SettingChange();
    QWidget* form = objForm();
    if (m_maximised && form && !form->isMinimized())
        form->setGeometry(workArea());
}

QRect cSetStyle::workArea() const
{
    QWidget* form = objForm();
    QScreen* screen = form ? form->screen() : nullptr;
    return screen ? screen->availableGeometry() : QRect();
}

void cSetStyle::pointerMessage(int message, QMouseEvent* event, bool& handled)
{
    QWidget* form = objForm();
    if (!form)
        return;
    const QPoint at = event->globalPosition().toPoint();
    if (m_resizing) {
        handled = true;
        if (message == QEvent::MouseMove) {
            if (event->buttons() & Qt::LeftButton) {
                m_newOutline = FrameZones::DraggedOutline(m_startBounds, m_dragZone, at - m_dragStart,
                    form->minimumSize(), form->maximumSize());
                m_outline->setGeometry(m_newOutline);
            } else {
                // The release went somewhere else: the drag is over all the same.
                endResize(true);
            }
        } else if (message == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton) {
            endResize(true);
        }
        return;
    }
    if (m_maximised)
        return;
    const int zone = FrameZones::HitZone(at, form->geometry());
    if (message == QEvent::MouseMove) {
        emit MouseSize(zone);
        // A button held since a press elsewhere belongs to that control's drag.
        if (event->buttons() == Qt::NoButton) {
            showZoneCursor(zone, at);
            handled = zone != None;
        }
    } else if (message == QEvent::MouseButtonPress && event->button() == Qt::LeftButton && zone != None) {
        beginResize(zone, at);
        handled = true;
    }
}

void cSetStyle::beginResize(int zone, QPoint at)
{
    QWidget* form = objForm();
    m_resizing = true;
    m_dragZone = zone;
    m_dragStart = at;
    m_startBounds = form->geometry();
    m_newOutline = m_startBounds;
    if (!m_outline)
        m_outline = std::make_unique<FrameOutline>();
    m_outline->setGeometry(m_newOutline);
    m_outline->show();
    m_outline->raise();
}

void cSetStyle::endResize(bool apply)
{
    m_resizing = false;
    if (m_outline)
        m_outline->hide();
    QWidget* form = objForm();
    if (apply && form && m_newOutline != form->geometry())
        form->setGeometry(m_newOutline);
}

void cSetStyle::showZoneCursor(int zone, QPoint at)
{
    if (zone == m_cursorZone || !m_hookedHandle || !m_window)
        return;
    m_cursorZone = zone;
    if (zone != None) {
        m_hookedHandle->setCursor(FrameZones::ZoneCursor(zone));
        return;
    }
    // Back to the cursor of the control under the pointer.
    QWidget* under = m_window->childAt(m_window->mapFromGlobal(at));
    m_hookedHandle->setCursor((under ? under : m_window.data())->cursor());
}
