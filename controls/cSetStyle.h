#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <QWindow>

#include <memory>

class cFormSubclass;
class FrameOutline;
class QMouseEvent;
class QScreen;

// Turns a top-level widget into a borderless window the user resizes by its edges
// and that maximises to the work area of its screen.
//
// Pointer messages are taken from the widget's window before any widget sees them
// (before = true), so the edge band belongs to the frame even where a child covers
// it: a left press there starts a resize and reaches no control. A drag shows an
// outline on the screen and reshapes the window once, on release. A close asked for
// by the desktop, not by the program, is refused before the form sees it and raised
// as CloseClick. The form's other messages come after its own handling (before =
// false): a settings message or a change of the work area raises SettingChange and
// fits a maximised window to the work area again.
class cSetStyle : public QObject {
    Q_OBJECT
public:
    explicit cSetStyle(QObject* parent = nullptr);
    ~cSetStyle() override;

    // Makes `window` borderless, keeping its minimise and close commands for the
    // taskbar, and starts watching it.
    void SetWindowStyle(QWidget* window);
    // Maximised to the work area, or back to the bounds it had before; answers
    // whether it is maximised now.
    bool CallWindowStateChange();
    void objSubclass_MsgCome(bool before, bool& handled, qint32& result, QWidget* window, int message, QEvent* event);
    // The form moved and sized; the styled window when none is set.
    QWidget* objForm() const;
    void setobjForm(QWidget* form);

    bool isMaximised() const { return m_maximised; }
    bool isResizing() const { return m_resizing; }
    // The outline shown while an edge is dragged.
    QWidget* outline() const;

signals:
    void CloseClick();
    void SettingChange();
    void MouseSize(int zone);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hookWindowHandle();
    void watchScreen(QScreen* screen);
    void settingChanged();
    QRect workArea() const;
    void pointerMessage(int message, QMouseEvent* event, bool& handled);
    void beginResize(int zone, QPoint at);
    void endResize(bool apply);
    void showZoneCursor(int zone, QPoint at);

    std::unique_ptr<cFormSubclass> m_objSubclass;
    std::unique_ptr<FrameOutline> m_outline;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_form;
    QPointer<QWindow> m_hookedHandle;
    QMetaObject::Connection m_screenWatch;
    bool m_resizing = false;
    bool m_maximised = false;
    QPoint m_dragStart;
    int m_dragZone = -1;
    QRect m_startBounds;
    QRect m_newOutline;
    QRect m_normalBounds;
    int m_cursorZone = -1;
};
