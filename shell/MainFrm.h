#pragma once

#include "controls/MdlMenu.h"
#include "account/RememberedLogins.h"
#include "account/U_Login.h"
#include "shell/CornerPopupTimer.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class FUpload;
class MainGame;
class MainMe;
class QWebEngineView;
class RightDown;
class TavolinApp;
class U_Regedit;
class iButton;
class uTab;

// The main window: borderless, fixed in size, with rounded corners; the tab strip on
// its top edge hosts the pages and three title buttons sit beside it. The one place
// that knows every page. How it hides and quits is the application's to decide.
class MainFrm : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameWidth = 801;
    static constexpr int FrameHeight = 589;
    static constexpr int DragStripHeight = 20;
    static const QRect StripRect;
    static const QRect ContainerRect;

    explicit MainFrm(TavolinApp& app);
    ~MainFrm() override;

    uTab* strip() const { return m_strip; }
    MainMe* myBox() const { return m_myBox; }
    MainGame* finder() const { return m_finder; }
    iButton* menuButton() const { return m_menuButton; }
    iButton* minimiseButton() const { return m_minButton; }
    iButton* closeButton() const { return m_closeButton; }
    QWebEngineView* advertisementPane() const { return m_webRight; }
    CornerPopupTimer& cornerPopupTimer() { return m_timerRight; }
    // The open login window, if any.
    U_Login* loginWindow() const { return m_login; }
    RememberedLogins& rememberedLogins() { return m_rememberedLogins; }
    // The corner pop-up while it is open, else null.
    RightDown* cornerPopup() const;

    void stopCornerPopupTimer();
    // The title bar's close button.
    void W_Close_Click();
    void Menu_Close_Click();
    // Opens the main menu at `at`, a global position.
    void showMainMenu(QPoint at);
    // Opens the login window, or brings the open one forward.
    void showLogin();
    MdlMenu::MainMenuCommands mainMenuCommands();
    // The registration window, open or null.
    U_Regedit* registrationWindow() const;

public slots:
    // Opens the registration window, or brings the open one forward.
    void showRegistration();

signals:
    // The advertisement pane loaded and its delay passed: time for the corner pop-up.
    void cornerPopupDue();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStrip();
    void buildTitleButtons();
    void armCornerPopup(bool loaded);
    void showCornerPopup();
    void openSettings();
    void showNotice(const QString& text);
    void startDrag();
    void checkForUpdate();
    void showAbout();

    TavolinApp& m_app;
    QImage m_background;
    QImage m_logo;
    uTab* m_strip = nullptr;
    QWidget* m_container = nullptr;
    MainMe* m_myBox = nullptr;
    MainGame* m_finder = nullptr;
    QWebEngineView* m_webRight = nullptr;
    CornerPopupTimer m_timerRight;
    RememberedLogins m_rememberedLogins;
    QPointer<U_Login> m_login;
    QPointer<RightDown> m_cornerPopup;
    iButton* m_menuButton = nullptr;
    iButton* m_minButton = nullptr;
    iButton* m_closeButton = nullptr;
    QPointer<U_Regedit> m_registration;
    QPointer<FUpload> m_updateCheck;
};
