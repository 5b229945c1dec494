#include "MainFrm.h"

#include "CTabItem.h"
#include "CorvaneLink.h"
#include "CTabItems.h"
#include "Catalogue.h"
#include "GlobalSettings.h"
#include "MainGame.h"
#include "MainMe.h"
#include "MdlMenu.h"
#include "MenuPublic.h"
#include "SiteAddresses.h"
#include "SkinPath.h"
#include "SitePage.h"
#include "WebProfile.h"
#include "iButton.h"
#include "mdlTabAPI.h"
#include "uTab.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QSystemTrayIcon>
#include <QWebEngineView>
#include <QWindow>

const QRect MainFrm::StripRect(45, 8, 660, 25);
const QRect MainFrm::ContainerRect(4, 34, 791, 550);

namespace {

QPointer<MainFrm> theFrame;

QRegion roundedRegion(int width, int height)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), 3, 3);
    return QRegion(path.toFillPolygon().toPolygon());
}

} // namespace

MainFrm* MainFrm::instance()
{
    return theFrame;
}

MainFrm::MainFrm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    theFrame = this;
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(FrameWidth, FrameHeight);
    setWindowTitle(Settings().AppTitle);
    m_logo = QImage(SkinPath(QStringLiteral("Ico/logo.bmp")));
    m_background = QImage(SkinPath(QStringLiteral("frmMain_bg.gif")));
    setWindowIcon(QIcon(SkinPath(QStringLiteral("Ico/Tavolin.ico"))));

    buildStrip();

    // The first picture is the check mark of selected items; no item of these menus is selected.
    QList<QPixmap> pictures{QPixmap()};
    for (const char* icon : {"Ico/MenuSet.ico", "Ico/MenuBBS.ico", "Ico/MenuExit.ico", "Ico/menulookup.ico",
                             "Ico/menudetele.ico"})
        pictures << QPixmap(SkinPath(QString::fromLatin1(icon)));
    MdlMenu::SetMenuPictures(pictures);
    buildTitleButtons();
    setMask(roundedRegion(FrameWidth, FrameHeight));

    MdlMenu::HookMenuWindow(this);
    MdlMenu::SetMainMenuCommands({
        [] { MenuPublic::MenuSZ(); },
        [] { MenuPublic::MenuHelp(); },
        [] { MenuPublic::MenuWeb(); },
        [this] { showNotice(QStringLiteral("检测更新暂时不可用。")); },
        [this] { stopCornerPopupTimer(); },
        [this] { Menu_Close_Click(); },
    });
    buildTray();

    // The pane only tells whether the advertisement page exists; it has no room of its own.
    m_webRight = new QWebEngineView(this);
    m_webRight->setPage(new SitePage(NamedWebProfile(QStringLiteral("Tavolin")), m_webRight));
    m_webRight->hide();
    m_timerRight.setSingleShot(true);
    connect(&m_timerRight, &QTimer::timeout, this, &MainFrm::cornerPopupDue);
    connect(m_webRight, &QWebEngineView::loadFinished, this, &MainFrm::armCornerPopup);
    m_webRight->load(QUrl(AdRightUrl()));
}

MainFrm::~MainFrm()
{
    if (m_tray)
        m_tray->hide();
    // The pane answers pending requests while it goes, so it goes while the frame is whole.
    delete m_webRight;
}

void MainFrm::buildStrip()
{
    m_container = new QWidget(this);
    m_container->setGeometry(ContainerRect);
    m_strip = new uTab(TabSkinFormat::Png, this);
    m_strip->setGeometry(StripRect);
    m_strip->SethContainerWnd(m_container);
    connect(m_strip, &uTab::OnDrawBackground, this, [this](QPainter* hDC, int width, int height, bool& cancel) {
        cancel = true;
        mdlTabAPI::NineSliceDraw(*hDC, 0, 0, width, height, m_logo, 40, 8, 172, 25, 171, 0, 0, 0);
    });
    connect(m_strip, &uTab::OnMouseDown, this, [this](int index, Qt::MouseButtons button, Qt::KeyboardModifiers, float, float) {
        if (index < 0 && (button & Qt::LeftButton))
            startDrag();
    });

    m_myBox = new MainMe;
    m_finder = new MainGame;
    CTabItems* tabs = m_strip->TabItems();
    tabs->Add(QStringLiteral("我的盒子"), m_myBox);
    tabs->Add(QStringLiteral("找游戏"), m_finder);
    for (int position : {0, 1}) {
        tabs->Item(position)->SetHideButton(true);
        tabs->Item(position)->SetLockSize(true);
    }
    m_strip->LockReDraw(false);
    connect(m_myBox, &MainMe::refused, this, &MainFrm::showNotice);
}

void MainFrm::buildTitleButtons()
{
    m_menuButton = new iButton(this);
    m_menuButton->setBackPicture(QPixmap(SkinPath(QStringLiteral("menubtn.bmp"))));
    m_minButton = new iButton(this);
    m_minButton->setBackPicture(QPixmap(SkinPath(QStringLiteral("min.bmp"))));
    m_closeButton = new iButton(this);
    m_closeButton->setBackPicture(QPixmap(SkinPath(QStringLiteral("main_close.bmp"))));
    // Right-aligned along the top edge, closest to the corner the close button.
    int right = FrameWidth - 6;
    for (iButton* button : {m_closeButton, m_minButton, m_menuButton}) {
        right -= button->width();
        button->move(right, 6);
        right -= 2;
    }
    connect(m_menuButton, &iButton::Click, this, [this] {
        MdlMenu::ShowMainMenu(this, m_menuButton->mapToGlobal(QPoint(0, m_menuButton->height())));
    });
    connect(m_minButton, &iButton::Click, this, &QWidget::showMinimized);
    connect(m_closeButton, &iButton::Click, this, &MainFrm::W_Close_Click);
}

void MainFrm::buildTray()
{
    m_tray = new QSystemTrayIcon(windowIcon(), this);
    m_tray->setToolTip(Settings().AppTitle);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            showFromTray();
        } else if (reason == QSystemTrayIcon::Context) {
            activateWindow();
            MdlMenu::ShowMainMenu(this, QCursor::pos());
        }
    });
    m_tray->show();
}

void MainFrm::armCornerPopup(bool loaded)
{
    if (!loaded)
        return;
    m_webRight->page()->toHtml([this](const QString& html) {
        // A page going away answers with nothing; that is no advertisement either.
        if (html.isEmpty())
            return;
        QString compact = html;
        compact.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QLatin1Char('\t')).remove(QLatin1Char(' '));
        if (!compact.contains(QStringLiteral("无法找到该页")))
            m_timerRight.start(CornerPopupDelayMs);
    });
}

void MainFrm::stopCornerPopupTimer()
{
    m_timerRight.stop();
}

void MainFrm::executeCommand(const QString& command)
{
    if (command != QLatin1String("Show"))
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    showNormal();
    raise();
    activateWindow();
}

void MainFrm::showFromTray()
{
    // A hidden window comes back; a minimised one stays as it is.
    if (!isVisible())
        show();
}

void MainFrm::W_Close_Click()
{
    if (!Catalogue::CloseHidesWindow()) {
        Menu_Close_Click();
        return;
    }
    // Without a tray to come back from, hiding would lose the window.
    if (m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void MainFrm::Menu_Close_Click()
{
    m_quitting = true;
    emit quitting();
    stopCornerPopupTimer();
    m_myBox->gameBrowser()->endStartedProcesses();
    if (m_tray)
        m_tray->hide();
    close();
    QApplication::quit();
}

void MainFrm::showNotice(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, Settings().AppTitle, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainFrm::startDrag()
{
    if (QWindow* window = windowHandle())
        window->startSystemMove();
}

void MainFrm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull())
        painter.drawImage(0, 0, m_background);
}

void MainFrm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() <= DragStripHeight)
        startDrag();
}

void MainFrm::closeEvent(QCloseEvent* event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    // A close from the desktop (a key or the task bar) goes the close button's way.
    event->ignore();
    W_Close_Click();
}
