#include "shell/MainFrm.h"

#include "account/Install.h"
#include "account/RightDown.h"
#include "account/About.h"
#include "account/FUpload.h"
#include "account/U_Regedit.h"
#include "controls/iButton.h"
#include "controls/MdlMenu.h"
#include "controls/WindowRegion.h"
#include "ipc/CorvaneLink.h"
#include "pages/MainGame.h"
#include "pages/MainMe.h"
#include "shell/Clock.h"
#include "shell/GlobalSettings.h"
#include "shell/MenuPublic.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "shell/TavolinApp.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/mdlTabAPI.h"
#include "tabs/uTab.h"
#include "web/SiteView.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMessageBox>
#include <QPainter>
#include <QWebEngineView>
#include <QWindow>

const QRect MainFrm::StripRect(45, 8, 660, 25);
const QRect MainFrm::ContainerRect(4, 34, 791, 550);

MainFrm::MainFrm(TavolinApp& app)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_app(app)
{
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
    RectRgn(this, FrameWidth, FrameHeight, 6);

    MdlMenu::HookMenuWindow(this);

    // The pane only tells whether the advertisement page exists; it has no room of its own.
    m_webRight = CreateSiteView(m_app.webProfile(), this);
    m_webRight->hide();
    connect(&m_timerRight, &CornerPopupTimer::due, this, &MainFrm::cornerPopupDue);
    connect(this, &MainFrm::cornerPopupDue, this, &MainFrm::showCornerPopup);
    connect(m_webRight, &QWebEngineView::loadFinished, this, &MainFrm::armCornerPopup);
    m_webRight->load(QUrl(AdRightUrl()));
}

MainFrm::~MainFrm()
{
    // The pane answers pending requests while it goes, so it goes while the frame is whole;
    // the pop-up's view goes before the profile it uses.
    delete m_cornerPopup;
    delete m_webRight;
}

void MainFrm::buildStrip()
{
    m_container = new QWidget(this);
    m_container->setGeometry(ContainerRect);
    m_strip = new uTab(TabSkinFormat::Png, this);
    m_strip->setGeometry(StripRect);
    m_strip->SethContainerWnd(m_container);
    // The heads start at the strip's own left edge.
    m_strip->SetTabLeftSize(0);
    connect(m_strip, &uTab::OnDrawBackground, this, [this](QPainter* hDC, int width, int height, bool& cancel) {
        cancel = true;
        mdlTabAPI::NineSliceDraw(*hDC, 0, 0, width, height, m_logo, 40, 8, 172, 25, 171, 0, 0, 0);
    });
    connect(m_strip, &uTab::OnMouseDown, this, [this](int index, Qt::MouseButtons button, Qt::KeyboardModifiers, float, float) {
        if (index < 0 && (button & Qt::LeftButton))
            startDrag();
    });

    m_myBox = new MainMe(m_app.webProfile());
    m_finder = new MainGame(m_app.webProfile(), m_myBox);
    CTabItems* tabs = m_strip->TabItems();
    tabs->Add(QStringLiteral("我的盒子"), m_myBox);
    tabs->Add(QStringLiteral("找游戏"), m_finder);
    for (int position : {0, 1}) {
        tabs->Item(position)->SetHideButton(true);
        tabs->Item(position)->SetLockSize(true);
    }
    m_strip->LockReDraw(false);
    connect(m_myBox, &MainMe::refused, this, &MainFrm::showNotice);
    connect(m_finder, &MainGame::refused, this, &MainFrm::showNotice);
    connect(m_myBox, &MainMe::webGameRequested, &m_app.gameBrowser(), &CorvaneLink::open);
    connect(m_myBox, &MainMe::elementTypeRequested, this, [this](int type) {
        if (type == 8)
            showLogin();
        else if (type == 9)
            showRegistration();
    });
    connect(&m_rememberedLogins, &RememberedLogins::saveFailed, this, &MainFrm::showNotice);
    connect(&m_app.gameBrowser(), &CorvaneLink::failed, this, &MainFrm::showNotice);
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
    // At the pointer, as the tray icon's menu opens too.
    connect(m_menuButton, &iButton::Click, this, [this] { showMainMenu(QCursor::pos()); });
    connect(m_minButton, &iButton::Click, this, &QWidget::showMinimized);
    connect(m_closeButton, &iButton::Click, this, &MainFrm::W_Close_Click);
}

MdlMenu::MainMenuCommands MainFrm::mainMenuCommands()
{
    return {
        [this] { openSettings(); },
        [] { MenuPublic::MenuHelp(); },
        [] { MenuPublic::MenuWeb(); },
        [this] { checkForUpdate(); },
        [this] { showAbout(); },
        [this] { Menu_Close_Click(); },
    };
}

U_Regedit* MainFrm::registrationWindow() const
{
    return m_registration;
}

void MainFrm::showRegistration()
{
    if (!m_registration) {
        m_registration = new U_Regedit(m_app.webProfile(), this);
        connect(m_registration, &U_Regedit::registered, m_myBox, &MainMe::WebRefresh);
    }
    m_registration->show();
    m_registration->raise();
    m_registration->activateWindow();
}

void MainFrm::checkForUpdate()
{
    // One check at a time: a second request while the page is on its way adds nothing.
    if (m_updateCheck)
        return;
    m_updateCheck = new FUpload(m_app.webProfile(), this);
    m_updateCheck->start();
}

void MainFrm::showAbout()
{
    // The corner pop-up waits while the box is open.
    m_timerRight.switchOff();
    auto* about = new About(Clock::Steady(), this);
    connect(about, &About::closed, &m_timerRight, &CornerPopupTimer::switchOn);
    about->show();
}

void MainFrm::showMainMenu(QPoint at)
{
    MdlMenu::ShowMainMenu(this, at, mainMenuCommands());
}

void MainFrm::showLogin()
{
    if (!m_login) {
        m_login = new U_Login(m_app.webProfile(), m_rememberedLogins, this);
        connect(m_login, &U_Login::loggedIn, m_myBox, &MainMe::WebRefresh);
        connect(m_login, &U_Login::registrationRequested, this, &MainFrm::showRegistration);
    }
    m_login->show();
    m_login->raise();
    m_login->activateWindow();
}

void MainFrm::armCornerPopup(bool loaded)
{
    if (!loaded)
        return;
    m_webRight->page()->toHtml([this](const QString& html) { m_timerRight.pageLoaded(html); });
}

RightDown* MainFrm::cornerPopup() const
{
    return m_cornerPopup;
}

void MainFrm::showCornerPopup()
{
    // Not a child of the frame: it shows even while the frame waits in the tray.
    delete m_cornerPopup;
    m_cornerPopup = new RightDown(m_app.webProfile());
    m_cornerPopup->showInCorner();
}

void MainFrm::openSettings()
{
    // The tray's menu still reaches the frame while the settings are open: one window.
    if (Install* open = findChild<Install*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* settings = new Install(m_app.webProfile(), m_app.programPath(), this);
    connect(settings, &Install::writeFailed, this, &MainFrm::showNotice);
    MenuPublic::MenuSZ(m_timerRight, settings);
}

void MainFrm::stopCornerPopupTimer()
{
    m_timerRight.switchOff();
}

void MainFrm::W_Close_Click()
{
    m_app.closeButton();
}

void MainFrm::Menu_Close_Click()
{
    m_app.quit();
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
    // A close from the desktop (a key, the window list) ends the program; only the
    // title bar's button follows the hide-or-quit setting.
    if (!m_app.isQuitting())
        Menu_Close_Click();
    // The program ends: the corner pop-up goes with the frame.
    if (m_cornerPopup)
        m_cornerPopup->close();
    event->accept();
}
