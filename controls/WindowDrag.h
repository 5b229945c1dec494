#pragma once

#include <QPoint>

class QWidget;

// Moves a frameless window the user drags by its background. The window manager
// takes the move where there is one; otherwise the window follows the pointer.
class WindowDrag {
public:
    // A left-button press at `global` on `window`.
    void press(QWidget* window, QPoint global);
    // The pointer at `global` with the left button held.
    void follow(QWidget* window, QPoint global) const;
    void release() { m_following = false; }

private:
    bool m_following = false;
    QPoint m_grabOffset;
};

// Lets the user drag `window` by its background: by any left press that no child takes.
void DragByBackground(QWidget* window);
