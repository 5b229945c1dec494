#pragma once

#include "pages/DownloadJob.h"
#include "pages/PageCommandBridge.h"
#include "tabs/ITabForm.h"

#include <QWidget>

#include <memory>

class MainMe;
class ProgressBar;
class QLabel;
class QMovie;
class QWebEngineProfile;
class QWebEngineView;

// The game download page ("游戏下载"): a game's page on the site in a tab. Its links
// "FlashTable" and "WebTable" download the game (the panel shows the transfer),
// catalogue it, and then turn the tab into the player or have My box run the web
// game. A game the catalogue already holds is played without a download.
class MainGameUrl : public QWidget, public ITabForm {
    Q_OBJECT
public:
    static const QString Caption;
    // The link-style captions of LB_Stop.
    static const QString PauseText;
    static const QString ResumeText;
    static const QString RetryText;
    // The page hides its border and scroll bars: it is cropped by this much on the left
    // and top, and by (CropGrowth - CropOffset) on the right and bottom.
    static constexpr int CropOffset = 23;
    static constexpr int CropGrowth = 40;

    // `myBox` is told of new games and runs web games; it may be null.
    MainGameUrl(QWebEngineProfile* profile, MainMe* myBox, QWidget* parent = nullptr);
    ~MainGameUrl() override;

    QWidget* hwnd() override { return this; }
    void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab) override;
    void Form_Unload() override;

    // Shows the game page at `address`.
    void GameUrl(const QString& address);
    QString URL() const { return m_pageUrl; }

    // Once any page command arrived; closing the page before that returns to the finder.
    bool CommandTaken() const { return m_commandTaken; }
    const DownloadJob& job() const { return m_job; }
    QWebEngineView* view() const { return m_wb; }

    void LB_Stop_Click();
    void LBDel_Click();

signals:
    // Something the user asked for could not be done; the text says why.
    void refused(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPanel();
    void carryOut(const PageCommand& command);
    void flashTable(const QStringList& fields);
    void webTable(const QStringList& fields);
    void startFlashJob(const GameJob& job);
    void jobFinished(const FinishOutcome& outcome);
    void jobFailed(const QString& text);
    void setDownloading();
    void becomePlayer(const QString& name, const QString& introduction, const QString& address);

    QWebEngineProfile* m_profile;
    MainMe* m_myBox;
    IuTab* m_strip = nullptr;
    std::shared_ptr<CTabItem> m_tab;
    PageCommandTable m_commands;
    DownloadJob m_job;
    QString m_pageUrl;
    bool m_commandTaken = false;

    QWidget* m_picWb = nullptr;
    QWebEngineView* m_wb = nullptr;
    QLabel* m_picDown = nullptr;
    QLabel* m_gameName = nullptr;
    QLabel* m_speed = nullptr;
    QLabel* m_size = nullptr;
    ProgressBar* m_progress = nullptr;
    QLabel* m_loading = nullptr;
    QMovie* m_animation = nullptr;
    QWebEngineView* m_wbDown = nullptr;
    QLabel* m_stop = nullptr;
    QLabel* m_del = nullptr;
};
