#pragma once

#include "tabs/CTabItems.h"
#include "tabs/IuTab.h"
#include "tabs/TabAtlas.h"
#include "tabs/TabLayout.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QPainter;

// The tab strip: one head per tab of its list, selection and close buttons, and the
// selected tab's page kept on top of, and sized to, the container the host gives.
// It draws into off-screen pictures and paints by copying the finished frame.
// Created with drawing disabled: add the first tabs, then call LockReDraw(false).
// Connect to the notifications directly (they carry references).
class uTab : public QWidget, private IuTab {
    Q_OBJECT
    Q_PROPERTY(int TabStyle READ TabStyle WRITE SetTabStyle)
    Q_PROPERTY(int TabLeftSize READ TabLeftSize WRITE SetTabLeftSize)
    Q_PROPERTY(int TabRightSize READ TabRightSize WRITE SetTabRight)

public:
    // Loads both style atlases in `format` from the skin folder of the settings'
    // application folder (TabError 53 for a missing bitmap).
    explicit uTab(TabSkinFormat format = TabSkinFormat::Png, QWidget* parent = nullptr);
    ~uTab() override;

    // Full redraw: background, tabs, paint.
    void Refresh();
    // While locked, layout and drawing do nothing; unlocking lays out and redraws.
    void LockReDraw(bool lock);

    QWidget* hContainerWnd() const { return m_container; }
    void SethContainerWnd(QWidget* container);

    CTabItems* TabItems() override { return &m_items; }
    // -1: none. Writing a negative value clears the selection; a value past the last
    // tab is ignored. No notification is raised.
    int Selected() const override { return m_selected; }
    void SetSelected(int position) override;

    // Margins around the tab area; take effect at the next resize or unlock.
    int TabLeftSize() const { return m_tabLeftSize; }
    void SetTabLeftSize(int size) { m_tabLeftSize = size; }
    int TabRightSize() const { return m_tabRightSize; }
    void SetTabRight(int size) { m_tabRightSize = size; }
    // 0: menu style, 25 px high; any other value: browser style, 32 px high.
    int TabStyle() const { return m_tabStyle; }
    void SetTabStyle(int style);

    // The strip's arithmetic with its current values, and the hit test it runs.
    TabLayout Layout() const;
    TabHit HitTest(int x, int y) const;
    int HoverIndex() const { return m_hover; }
    // 0 normal, 1 pointer over the hovered tab's close button, 2 pressed on one.
    int CloseButtonState() const { return m_closeState; }
    // The finished frame, as the last paint copied it.
    const QImage& Frame() const { return m_frame; }

signals:
    // Index: a tab position, -1 (no tab there), -2 (margin), -3 (outside the strip);
    // 0 for buttons other than the left one.
    void OnDblClick(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void OnMouseDown(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void OnMouseHover(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void OnMouseMove(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void OnMouseUp(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void OnMouseLeave();
    // Before a tab is removed; set cancel to keep it. Close windows with close() or
    // deleteLater() here, never delete them.
    void OnItemColose(int index, bool& cancel);
    // Before the background is drawn into hDC (width x height); set cancel after
    // drawing it yourself.
    void OnDrawBackground(QPainter* hDC, int width, int height, bool& cancel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // What the list tells its strip.
    void Add(const QString& caption, ITabForm* form, const QString& key, int position) override;
    bool BeforeRemove(int position) override;
    void Remove(int position) override;
    void Clear() override;
    void Redraw(bool update) override;
    void ChangeForm(CTabItem* tab, ITabForm* form) override;
    QWidget* hwnd() override { return this; }
    QWidget* hParent() override { return parentWidget(); }
    QWidget* Control() override { return this; }

    std::vector<TabSlot> Slots() const;
    void RecomputeTabWidth();
    void Arrange();
    bool EnsureBuffers();
    void FullRedraw();
    void DrawBackground();
    void DrawTabs();
    void AttachForm(ITabForm* form);
    void ShowSelectedPage();
    void Press(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);

    QImage m_atlas[2];
    QImage m_background;
    QImage m_frame;
    QFont m_normalFont;
    QFont m_boldFont;
    CTabItems m_items;
    QPointer<QWidget> m_container;
    int m_tabLeftSize = 40;
    int m_tabRightSize = 0;
    int m_tabStyle = 0;
    int m_selected = -1;
    int m_hover = -1;
    int m_tabWidth = 108;
    int m_closeState = 0;
    bool m_drawing = false;
    struct LastPress {
        Qt::MouseButtons button;
        Qt::KeyboardModifiers shift;
        float x = 0;
        float y = 0;
    } m_lastPress;
};
