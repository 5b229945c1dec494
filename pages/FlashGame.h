#pragma once

#include "pages/FlashGameLayout.h"
#include "tabs/ITabForm.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <memory>

class BForm;
class KeyGuideView;
class QWebEngineProfile;
class ShockwaveFlash;
class cSetStyle;
class iButton;

// A picture that answers a left click, like the guide's scroll arrows.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    ClickablePicture(const QPixmap& picture, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The Flash player window: one game in the player, with the tool strip below it
// (replay, favourite, fit, full screen, pop out, guide) and, in its place on demand,
// the game's keyboard guide. It lives in a tab of the main frame until it is popped
// out into a free skinned window; there is no way back into a tab.
class FlashGame : public QWidget, public ITabForm {
    Q_OBJECT
public:
    // How long the replay cue plays before the game starts again.
    static constexpr int ReplayCueMs = 1200;

    explicit FlashGame(QWebEngineProfile* profile, QWidget* parent = nullptr);
    ~FlashGame() override;

    QWidget* hwnd() override { return this; }
    void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab) override;
    // Closed in its tab, the player hands the window back to the finder.
    void Form_Unload() override;

    // Loads a game: `address` is empty for a game stored in "Games/", otherwise an
    // address on the site (a "?nosave" one streams the game).
    void URL(const QString& name, const QString& introduction, const QString& address);

    // Where a game's movie comes from, by the design's rule.
    static QString GameAddress(const QString& userFolder, const QString& siteHome, const QString& name,
                               const QString& address);

    bool poppedOut() const { return m_poppedOut; }
    ShockwaveFlash* player() const { return m_player; }
    KeyGuideView* guide() const { return m_guide; }
    QWidget* guidePanel() const { return m_guidePanel; }
    // The tool buttons by their control names ("Eject_Tool_Replay", "web_close", ...).
    iButton* button(const QString& name) const;

    void Eject_Tool_Replay_Click();
    void Eject_Tool_Favorite_Click();
    void Eject_Tool_Filling_Click();
    void Eject_Tool_Pop_Click();
    void Eject_Tool_Popping_Click();
    void web_close_Click();

signals:
    // Something the user asked for could not be done; the text says why.
    void refused(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    iButton* makeButton(QWidget* parent, const QString& name, const QString& tip = QString());
    void applyLayout();
    void setFullScreen(bool on);
    void showNotice(const QString& text);
    int tabPosition() const;
    // Plays the shipped movie `shipped`, then `then` once it has played for `afterMs`.
    void playFirst(const QString& shipped, const QString& then, int afterMs = 0);

    QWebEngineProfile* m_profile;
    QString m_gameName;
    QString m_storedMovie;
    QMetaObject::Connection m_followUp;
    bool m_poppedOut = false;
    bool m_fullScreen = false;
    BForm* m_title = nullptr;
    ShockwaveFlash* m_player = nullptr;
    QWidget* m_strip = nullptr;
    QWidget* m_guidePanel = nullptr;
    KeyGuideView* m_guide = nullptr;
    QLabel* m_stripLeft = nullptr;
    ClickablePicture* m_scrollUp = nullptr;
    ClickablePicture* m_scrollDown = nullptr;
    QList<iButton*> m_buttons;
    std::unique_ptr<cSetStyle> m_style;
    IuTab* m_tabStrip = nullptr;
    // Where the form sat in its tab while it shows full screen on its own.
    QPointer<QWidget> m_tabParent;
    QRect m_tabGeometry;
    // The main frame's shape and bounds from before it took the screen.
    QRegion m_frameMask;
    QSize m_frameMinimum;
    QSize m_frameMaximum;
    QRect m_frameGeometry;
};
