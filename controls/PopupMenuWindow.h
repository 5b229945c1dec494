#pragma once

#include <QPointer>
#include <QWidget>

// The popup that stands in for the platform's owner-drawn menu: it lays the module's
// items out top to bottom, highlights the one under the pointer and posts the chosen
// identifier to its owner as a command event.
class PopupMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit PopupMenuWindow(QWidget* owner);

    // Index of the item at a point of the popup, or -1.
    int itemAt(QPoint point) const;
    int highlighted() const { return m_highlighted; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect itemRect(int index) const;
    void setHighlighted(int index);
    void choose(int index);

    QPointer<QWidget> m_owner;
    int m_highlighted = -1;
    // The buttons held while the popup opened, and where the pointer was then: the
    // release that ends that press neither chooses nor closes, unless the pointer was
    // dragged onto an item first.
    Qt::MouseButtons m_openingButtons;
    QPoint m_openedAt;
};
