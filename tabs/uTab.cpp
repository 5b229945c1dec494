#include "tabs/uTab.h"

#include "shell/GlobalSettings.h"
#include "tabs/CTabItem.h"
#include "tabs/ITabForm.h"
#include "tabs/mdlTabAPI.h"
#include "tabs/TabPainter.h"

#include <QMouseEvent>
#include <QtMath>
#include <QPainter>

uTab::uTab(TabSkinFormat format, QWidget* parent)
    : QWidget(parent)
{
    m_atlas[0] = TabAtlas::Load(format, 0, Settings().AppPath);
    m_atlas[1] = TabAtlas::Load(format, 1, Settings().AppPath);
    m_items.SetStrip(this);
    m_normalFont = font();
    m_normalFont.setWeight(QFont::Normal);
    m_boldFont = font();
    m_boldFont.setWeight(QFont::Bold);
    setMouseTracking(true);
    setFixedHeight(TabLayout::StripHeight(m_tabStyle));
}

uTab::~uTab()
{
    if (m_container)
        m_container->removeEventFilter(this);
}

void uTab::Refresh()
{
    FullRedraw();
}

void uTab::LockReDraw(bool lock)
{
    m_drawing = !lock;
    if (lock)
        return;
    RecomputeTabWidth();
    Arrange();
    FullRedraw();
}

void uTab::SethContainerWnd(QWidget* container)
{
    if (m_container)
        m_container->removeEventFilter(this);
    m_container = container;
    if (m_container)
        m_container->installEventFilter(this);
}

void uTab::SetSelected(int position)
{
    if (position > m_items.Count() - 1)
        return;
    m_selected = position < 0 ? -1 : position;
    if (m_selected >= 0)
        ShowSelectedPage();
    FullRedraw();
}

void uTab::SetTabStyle(int style)
{
    m_tabStyle = style;
    setFixedHeight(TabLayout::StripHeight(style));
}

TabLayout uTab::Layout() const
{
    TabLayout layout;
    layout.TabStyle = m_tabStyle;
    layout.StripWidth = width();
    layout.TabLeftSize = m_tabLeftSize;
    layout.TabRightSize = m_tabRightSize;
    return layout;
}

TabHit uTab::HitTest(int x, int y) const
{
    return Layout().HitTest(Slots(), x, y);
}

std::vector<TabSlot> uTab::Slots() const
{
    std::vector<TabSlot> heads;
    heads.reserve(m_items.Count());
    for (int i = 0; i < m_items.Count(); ++i) {
        const std::shared_ptr<CTabItem> tab = m_items.Item(i);
        heads.push_back(TabSlot { tab->Caption(), tab->Left(), tab->Width(), tab->LockSize(), tab->HideButton() });
    }
    return heads;
}

void uTab::RecomputeTabWidth()
{
    if (m_drawing)
        m_tabWidth = Layout().TabWidth(Slots());
}

void uTab::Arrange()
{
    if (!m_drawing)
        return;
    std::vector<TabSlot> heads = Slots();
    Layout().Arrange(heads, m_tabWidth);
    for (int i = 0; i < m_items.Count(); ++i) {
        const std::shared_ptr<CTabItem> tab = m_items.Item(i);
        tab->SetLeft(heads[i].Left);
        tab->SetWidth(heads[i].Width);
    }
}

// Rebuilds the pictures when the strip's size changed since they were made (a hidden
// strip gets no resize event). True when it did.
bool uTab::EnsureBuffers()
{
    if (m_background.size() == size() && m_frame.size() == size())
        return false;
    m_background = mdlTabAPI::NewMemoryPicture(width(), height());
    m_frame = mdlTabAPI::NewMemoryPicture(width(), height());
    return true;
}

void uTab::FullRedraw()
{
    if (!m_drawing)
        return;
    EnsureBuffers();
    DrawBackground();
    DrawTabs();
}

void uTab::DrawBackground()
{
    m_background.fill(Qt::transparent);
    QPainter painter(&m_background);
    bool cancel = false;
    emit OnDrawBackground(&painter, width(), height(), cancel);
    if (!cancel) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        TabPainter(m_tabStyle, m_atlas[m_tabStyle == 0 ? 0 : 1], m_normalFont, m_boldFont)
            .DrawBackground(painter, width());
    }
}

void uTab::DrawTabs()
{
    if (!m_drawing)
        return;
    if (EnsureBuffers())
        DrawBackground();
    m_frame = m_background.copy();
    QPainter painter(&m_frame);
    const TabLayout layout = Layout();
    painter.setClipRect(layout.TabLeftSize, 0, layout.TabAreaWidth(), height());
    painter.translate(layout.TabLeftSize, 0);
    TabPainter(m_tabStyle, m_atlas[m_tabStyle == 0 ? 0 : 1], m_normalFont, m_boldFont)
        .DrawTabs(painter, Slots(), m_selected, m_hover, m_closeState);
    painter.end();
    update();
}

void uTab::AttachForm(ITabForm* form)
{
    QWidget* window = form ? form->hwnd() : nullptr;
    if (!window || !m_container)
        return;
    if (window->parentWidget() != m_container)
        window->setParent(m_container);
    // Pages below the selected one stay visible; each must cover what lies beneath.
    window->setAutoFillBackground(true);
    window->setGeometry(m_container->rect());
    window->hide();
}

void uTab::ShowSelectedPage()
{
    if (m_selected < 0 || m_selected >= m_items.Count() || !m_container)
        return;
    QWidget* window = m_items.Item(m_selected)->window();
    if (!window || window->parentWidget() != m_container)
        return;
    window->setGeometry(m_container->rect());
    window->raise();
    window->show();
}

void uTab::Add(const QString&, ITabForm* form, const QString&, int position)
{
    AttachForm(form);
    // The tab that was selected stays selected when the new one goes before it.
    if (m_selected >= position && m_selected < m_items.Count() - 1)
        ++m_selected;
    if (m_selected > m_items.Count() || m_selected < 0)
        m_selected = 0;
    RecomputeTabWidth();
    Arrange();
    DrawTabs();
}

bool uTab::BeforeRemove(int position)
{
    bool cancel = false;
    emit OnItemColose(position, cancel);
    return !cancel;
}

void uTab::Remove(int position)
{
    RecomputeTabWidth();
    Arrange();
    if (position == m_selected)
        m_selected = 0;
    else if (position < m_selected)
        --m_selected;
    ShowSelectedPage();
    DrawTabs();
}

void uTab::Clear()
{
    RecomputeTabWidth();
    m_selected = 0;
    DrawTabs();
}

void uTab::Redraw(bool)
{
    // Size flags change the layout, not only the picture.
    RecomputeTabWidth();
    Arrange();
    FullRedraw();
}

void uTab::ChangeForm(CTabItem*, ITabForm* form)
{
    AttachForm(form);
    ShowSelectedPage();
}

bool uTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_container && event->type() == QEvent::Resize)
        ShowSelectedPage();
    return QWidget::eventFilter(watched, event);
}

void uTab::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
}

void uTab::resizeEvent(QResizeEvent*)
{
    EnsureBuffers();
    RecomputeTabWidth();
    Arrange();
    FullRedraw();
}

void uTab::Press(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y)
{
    int index = 0;
    if (button == Qt::LeftButton) {
        const TabHit hit = HitTest(qFloor(x), qFloor(y));
        index = hit.index;
        if (index >= 0 && index < m_items.Count()) {
            if (index != m_selected && !hit.onCloseButton) {
                SetSelected(index);
            } else if (hit.onCloseButton && m_closeState != 2) {
                m_closeState = 2;
                DrawTabs();
            }
        }
    }
    m_lastPress = LastPress { button, shift, x, y };
    emit OnMouseDown(index, button, shift, x, y);
}

void uTab::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    Press(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void uTab::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    int index = 0;
    if (event->buttons() == Qt::NoButton) {
        const TabHit hit = HitTest(qFloor(at.x()), qFloor(at.y()));
        const int state = hit.onCloseButton ? 1 : 0;
        if (hit.index != m_hover)
            emit OnMouseHover(hit.index, event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
        if (hit.index != m_hover || state != m_closeState) {
            m_hover = hit.index;
            m_closeState = state;
            DrawTabs();
        }
        index = hit.index;
    }
    emit OnMouseMove(index, event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
}

void uTab::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    int index = 0;
    if (event->button() == Qt::LeftButton) {
        const TabHit hit = HitTest(qFloor(at.x()), qFloor(at.y()));
        index = hit.index;
        m_closeState = 0;
        if (index >= 0 && index < m_items.Count() && index == m_hover && hit.onCloseButton)
            m_items.Remove(index, true);
        FullRedraw();
    }
    emit OnMouseUp(index, event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void uTab::mouseDoubleClickEvent(QMouseEvent*)
{
    const LastPress last = m_lastPress;
    const int index = HitTest(qFloor(last.x), qFloor(last.y)).index;
    Press(last.button, last.shift, last.x, last.y);
    emit OnDblClick(index, last.button, last.shift, last.x, last.y);
}

void uTab::leaveEvent(QEvent*)
{
    if (m_hover != -1) {
        m_hover = -1;
        DrawTabs();
    }
    emit OnMouseLeave();
}
