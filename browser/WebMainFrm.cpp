#include "browser/WebMainFrm.h"

#include "account/CacheMain.h"
#include "browser/WebMainLayout.h"
#include "browser/WebURL.h"
#include "controls/BForm.h"
#include "controls/cSetStyle.h"
#include "controls/iButton.h"
#include "shell/SkinPath.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/uTab.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

// The tool bar: its middle piece stretched over the whole bar, the end pieces on top.
class ToolBarPanel : public QWidget {
public:
    explicit ToolBarPanel(QWidget* parent)
        : QWidget(parent)
        , m_middle(SkinPath(QStringLiteral("InitImages/Pan_Button_middle.bmp")))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(rect(), m_middle);
    }

private:
    QImage m_middle;
};

QLabel* Picture(QWidget* parent, const QString& name, const QString& skinFile)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap(SkinPath(skinFile)));
    label->adjustSize();
    label->setCursor(Qt::ArrowCursor);
    return label;
}

constexpr QSize StartSize(1024, 720);
constexpr int TitleButtonTop = 5;

} // namespace

WebMainFrm::WebMainFrm(QWebEngineProfile* profile, const QString& siteBase, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_profile(profile)
    , m_siteBase(siteBase)
{
    setWindowTitle(QString::fromUtf8(Corvane::WindowCaption));
    setWindowIcon(QIcon(SkinPath(QStringLiteral("Ico/Corvane_Logo.bmp"))));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size = StartSize.boundedTo(available.size());
    setGeometry(QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size));

    m_objStyle = std::make_unique<cSetStyle>();
    m_objStyle->setobjForm(this);
    m_objStyle->SetWindowStyle(this);
    connect(m_objStyle.get(), &cSetStyle::CloseClick, this, &QWidget::close);

    m_title = new BForm(this);
    m_title->setObjectName(QStringLiteral("WebBForm"));
    m_title->setPP(QPixmap(SkinPath(QStringLiteral("corvane/bgpf.bmp"))));
    m_title->setCaption(windowTitle());
    m_title->setfrmHwnd(this);
    m_title->setCursor(Qt::ArrowCursor);
    m_title->installEventFilter(this);
    m_title->Printform(this);

    buildTitleButtons();
    buildStrip();
    buildToolBar();
    m_logo = Picture(this, QStringLiteral("PicLogo"), QStringLiteral("Ico/Corvane_Logo.bmp"));
    applyLayout();
}

WebMainFrm::~WebMainFrm() = default;

iButton* WebMainFrm::makeButton(QWidget* parent, const QString& name, const QString& skinFile, int style)
{
    auto* button = new iButton(parent, StripRule::Browser);
    button->setObjectName(name);
    button->setStyle(style);
    button->setBackPicture(QPixmap(SkinPath(skinFile)));
    button->setCursor(Qt::ArrowCursor);
    // Keys belong to the game page, not to the frame's buttons.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

iButton* WebMainFrm::button(const QString& name) const
{
    return findChild<iButton*>(name);
}

void WebMainFrm::buildTitleButtons()
{
    iButton* close = makeButton(this, QStringLiteral("web_close"), QStringLiteral("corvane/close.bmp"), 0);
    iButton* minMax = makeButton(this, QStringLiteral("web_minmax"), QStringLiteral("corvane/minmax.bmp"), 1);
    iButton* minimise = makeButton(this, QStringLiteral("web_min"), QStringLiteral("corvane/min.bmp"), 0);
    iButton* tool = makeButton(this, QStringLiteral("web_tool"), QStringLiteral("corvane/tool.bmp"), 1);
    close->setToolTip(QStringLiteral("关闭"));
    minMax->setToolTip(QStringLiteral("最大化/还原"));
    minimise->setToolTip(QStringLiteral("最小化"));
    tool->setToolTip(QStringLiteral("工具栏"));
    connect(close, &iButton::Click, this, &QWidget::close);
    connect(minimise, &iButton::Click, this, &QWidget::showMinimized);
    connect(minMax, &iButton::Click, this, &WebMainFrm::web_minmax_Click);
    connect(tool, &iButton::Click, this, &WebMainFrm::web_tool_Click);
}

void WebMainFrm::buildStrip()
{
    m_container = new QWidget(this);
    m_container->setObjectName(QStringLiteral("pCnt"));
    m_container->setCursor(Qt::ArrowCursor);
    m_strip = new uTab(TabSkinFormat::ColourKeyedBmp, this);
    m_strip->setObjectName(QStringLiteral("WebuTab"));
    m_strip->SetTabStyle(1);
    m_strip->SetTabLeftSize(40);
    m_strip->SetTabRight(0);
    m_strip->SethContainerWnd(m_container);
    m_strip->setCursor(Qt::ArrowCursor);
    connect(m_strip, &uTab::OnMouseDown, this,
            [this](int index, Qt::MouseButtons button, Qt::KeyboardModifiers, float x, float y) {
                stripMouseDown(index, button, m_strip->mapToGlobal(QPointF(x, y)).toPoint());
            });
    connect(m_strip, &uTab::OnMouseMove, this,
            [this](int, Qt::MouseButtons button, Qt::KeyboardModifiers, float x, float y) {
                if (button & Qt::LeftButton)
                    m_drag.follow(this, m_strip->mapToGlobal(QPointF(x, y)).toPoint());
            });
    connect(m_strip, &uTab::OnMouseUp, this, [this] { m_drag.release(); });
    connect(m_strip, &uTab::OnMouseHover, this, [this](int index, Qt::MouseButtons, Qt::KeyboardModifiers, float, float) {
        const CTabItems* tabs = m_strip->TabItems();
        m_strip->setToolTip(index >= 0 && index < tabs->Count() ? tabs->Item(index)->Caption() : QString());
    });
    connect(m_strip, &uTab::OnItemColose, this, [this](int, bool& cancel) {
        // The window never stays open with an empty strip.
        if (m_strip->TabItems()->Count() <= 1) {
            cancel = true;
            close();
        }
    });
}

void WebMainFrm::buildToolBar()
{
    m_toolBar = new ToolBarPanel(this);
    m_toolBar->setObjectName(QStringLiteral("Pic_Btn"));
    m_toolBar->setCursor(Qt::ArrowCursor);
    m_toolLeft = Picture(m_toolBar, QStringLiteral("ImgLeft"), QStringLiteral("InitImages/Pan_Button_left.bmp"));
    m_toolRight = Picture(m_toolBar, QStringLiteral("ImgRight"), QStringLiteral("InitImages/Pan_Button_Right.bmp"));
    m_toolBar->resize(m_toolBar->width(), m_toolLeft->height());
    const Corvane::ToolPages pages = Corvane::ToolPagesFor(m_siteBase);
    struct Tool {
        const char* name;
        const char* skinFile;
        const char* tip;
        QString address;
    };
    const Tool tools[] = {
        {"Btn_Home", "Corvane/tool_home.bmp", "游戏首页", pages.home},
        {"Btn_customer", "Corvane/tool_customer.bmp", "客服中心", pages.customerService},
        {"Btn_Pay", "Corvane/tool_pay.bmp", "充值中心", pages.payment},
        {"Btn_Cache", "Corvane/tool_clearcache.bmp", "清除缓存", QString()},
    };
    int index = 0;
    for (const Tool& tool : tools) {
        iButton* button = makeButton(m_toolBar, QLatin1String(tool.name), QLatin1String(tool.skinFile), 0);
        button->setToolTip(QString::fromUtf8(tool.tip));
        button->move(Corvane::ToolButtonPosition(index++, button->size(), m_toolBar->height()));
        if (tool.address.isEmpty()) {
            connect(button, &iButton::Click, this, [this] {
                // Cookies and history stay: the user stays logged in.
                ClearCache(m_profile, QStringLiteral("*.*"), CookieCacheEntry | UrlHistoryCacheEntry);
            });
        } else {
            const QString address = tool.address;
            connect(button, &iButton::Click, this, [this, address] { OpenPage(address); });
        }
    }
    m_toolBar->hide();
}

void WebMainFrm::Start(const QString& address)
{
    OpenPage(address);
    m_strip->LockReDraw(false);
}

void WebMainFrm::OpenPage(const QString& address)
{
    const QString key = Corvane::PageKey(address);
    CTabItems* tabs = m_strip->TabItems();
    const int position = tabs->FindItem(TabIndex(key));
    if (position >= 0) {
        tabs->SetSelected(position);
        return;
    }
    // Made inside the container and loaded once shown: a view moved between windows, or
    // loading while hidden, paints its first frame later.
    auto* page = new WebURL(m_profile, m_container);
    connect(page, &WebURL::newPageRequested, this, &WebMainFrm::OpenPage);
    tabs->Add(key, page, key);
    tabs->SetSelected(tabs->Count() - 1);
    page->OpenUrl(address);
}

void WebMainFrm::ExecuteAddress(const QString& address)
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    OpenPage(address);
}

bool WebMainFrm::isMaximised() const
{
    return m_objStyle->isMaximised();
}

void WebMainFrm::web_minmax_Click()
{
    const bool maximised = m_objStyle->CallWindowStateChange();
    button(QStringLiteral("web_minmax"))->setValue(maximised);
    // Only a window that is not maximised can be dragged by its title bar.
    m_title->setfrmHwnd(maximised ? nullptr : this);
}

void WebMainFrm::web_tool_Click()
{
    const int change = Corvane::TwipsToPixels(Corvane::ToolBarTwips);
    const bool shown = button(QStringLiteral("web_tool"))->Value();
    resize(width(), height() + (shown ? change : -change));
    // A window whose height did not change still shows or hides the bar.
    applyLayout();
}

void WebMainFrm::stripMouseDown(int index, Qt::MouseButtons button, QPoint global)
{
    if (index < 0 && (button & Qt::LeftButton) && !isMaximised())
        m_drag.press(this, global);
}

void WebMainFrm::applyLayout()
{
    if (isMinimized())
        return;
    const bool toolBarShown = button(QStringLiteral("web_tool"))->Value();
    const Corvane::WebMainLayout layout =
        Corvane::WebMainLayout::For(size(), Corvane::TwipsToPixels(BForm::HeightTwips), m_strip->height(), toolBarShown,
                                    m_toolBar->height(), m_toolRight->width());
    m_title->setGeometry(layout.title);
    setMask(Corvane::WindowRegion(size()));
    button(QStringLiteral("web_close"))->move(layout.closeLeft, TitleButtonTop);
    button(QStringLiteral("web_minmax"))->move(layout.minMaxLeft, TitleButtonTop);
    button(QStringLiteral("web_min"))->move(layout.minLeft, TitleButtonTop);
    button(QStringLiteral("web_tool"))->move(layout.toolLeft, TitleButtonTop);
    m_strip->setGeometry(layout.strip);
    m_container->setGeometry(layout.container);
    m_toolBar->setVisible(toolBarShown);
    if (toolBarShown) {
        m_toolBar->setGeometry(layout.toolBar);
        m_toolRight->move(layout.toolBarRightPieceLeft, 0);
    }
    // The logo sits in the strip's left margin, above the pages.
    m_logo->move(layout.strip.left() + 4, layout.strip.top());
    m_strip->raise();
    m_logo->raise();
    for (const char* name : {"web_tool", "web_min", "web_minmax", "web_close"})
        button(QLatin1String(name))->raise();
}

void WebMainFrm::resizeEvent(QResizeEvent*)
{
    applyLayout();
}

void WebMainFrm::closeEvent(QCloseEvent* event)
{
    m_strip->TabItems()->Clear();
    event->accept();
}

bool WebMainFrm::eventFilter(QObject* watched, QEvent* event)
{
    // A maximised window stays where it is: the title bar does not drag it.
    if (watched == m_title && event->type() == QEvent::MouseButtonPress && isMaximised()
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        return true;
    return QWidget::eventFilter(watched, event);
}
