#pragma once

#include <QWidget>

// The outline shown on the screen while a window edge is dragged: a thin dotted
// frame in a window of its own that never takes the pointer or the focus.
class FrameOutline : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 2;

    FrameOutline();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
