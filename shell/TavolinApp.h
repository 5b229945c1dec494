#pragma once

#include <QObject>

#include <memory>

class CorvaneLink;
class MainFrm;
class QSystemTrayIcon;
class QWebEngineProfile;

// The running main program: owns its web profile, the link to the game browser, the
// tray icon and the main frame, and decides how the program hides and quits.
class TavolinApp : public QObject {
    Q_OBJECT
public:
    // `programPath` is the program to start at logon: this program, unless a test says otherwise.
    explicit TavolinApp(const QString& programPath = QString(), QObject* parent = nullptr);
    ~TavolinApp() override;

    QWebEngineProfile* webProfile() const { return m_profile; }
    CorvaneLink& gameBrowser() const { return *m_gameBrowser; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    MainFrm* frame() const { return m_frame.get(); }
    bool isQuitting() const { return m_quitting; }
    QString programPath() const { return m_programPath; }

    // A command from a later start: "Show" brings the window back; others are ignored.
    void executeCommand(const QString& command);
    // The title bar's close button: hide, minimise or quit, by the stored setting.
    void closeButton();
    // A left click on the tray icon: a hidden window comes back, a minimised one stays.
    void showFromTray();
    // Ends the program: the game browsers it started, the tray icon, the window.
    void quit();

signals:
    void quitting();

private:
    void buildTray();

    QString m_programPath;
    QWebEngineProfile* m_profile = nullptr;
    std::unique_ptr<CorvaneLink> m_gameBrowser;
    QSystemTrayIcon* m_tray = nullptr;
    std::unique_ptr<MainFrm> m_frame;
    bool m_quitting = false;
};
