#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class MainGame;
class MainMe;
class QSystemTrayIcon;
class QWebEngineView;
class iButton;
class uTab;

// The main window: borderless, fixed in size, with rounded corners; the tab strip on
// its top edge hosts the pages, three title buttons sit beside it, and an icon in the
// tray brings it back. Closing hides it or quits, as the user set.
class MainFrm : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameWidth = 801;
    static constexpr int FrameHeight = 589;
    static constexpr int DragStripHeight = 20;
    static constexpr int CornerPopupDelayMs = 5000;
    static const QRect StripRect;
    static const QRect ContainerRect;

    explicit MainFrm(QWidget* parent = nullptr);
    ~MainFrm() override;

    // The program's one main frame, or null before it exists and after it is gone.
    static MainFrm* instance();

    uTab* strip() const { return m_strip; }
    MainMe* myBox() const { return m_myBox; }
    MainGame* finder() const { return m_finder; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    iButton* menuButton() const { return m_menuButton; }
    iButton* minimiseButton() const { return m_minButton; }
    iButton* closeButton() const { return m_closeButton; }
    QWebEngineView* advertisementPane() const { return m_webRight; }
    const QTimer& cornerPopupTimer() const { return m_timerRight; }

    void stopCornerPopupTimer();
    // A command from a later start: "Show" brings the window back; others are ignored.
    void executeCommand(const QString& command);
    // The close button: hide to the tray, or quit, by the stored setting.
    void W_Close_Click();
    void Menu_Close_Click();
    // A left click on the tray icon.
    void showFromTray();

signals:
    // The advertisement pane loaded and its delay passed: time for the corner pop-up.
    void cornerPopupDue();
    void quitting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStrip();
    void buildTitleButtons();
    void buildTray();
    void armCornerPopup(bool loaded);
    void showNotice(const QString& text);
    void startDrag();

    QImage m_background;
    QImage m_logo;
    uTab* m_strip = nullptr;
    QWidget* m_container = nullptr;
    MainMe* m_myBox = nullptr;
    MainGame* m_finder = nullptr;
    QWebEngineView* m_webRight = nullptr;
    QTimer m_timerRight;
    iButton* m_menuButton = nullptr;
    iButton* m_minButton = nullptr;
    iButton* m_closeButton = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    bool m_quitting = false;
};
