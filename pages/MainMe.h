#pragma once

#include "pages/MyBoxGrid.h"
#include "store/Catalogue.h"
#include "tabs/ITabForm.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

class MyBoxPainter;
class QWebEngineProfile;
class QWebEngineView;
class TileComposer;
class clsTooltip;
class iButton;
struct GameRunStep;

// The My box page: the user's catalogue as a grid of tiles twenty to a page, with page
// buttons, the all/favourites filters and the user's space page on the site. From here
// games run, their pages open, and they are marked, unmarked and deleted.
class MainMe : public QWidget, public ITabForm {
    Q_OBJECT
public:
    static constexpr int SpacePageDelayMs = 1000;

    explicit MainMe(QWebEngineProfile* profile, QWidget* parent = nullptr);
    ~MainMe() override;

    QWidget* hwnd() override { return this; }
    void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab) override;

    void WebRefresh();
    void Image_Flash_Add(const QString& name, const QString& runFlag);
    void Image_Flash_Run(const QString& name);
    void GameRun();
    void GameRunWebUrl();
    void FavoriteRun();
    void FavoriteDel();
    void Image_Del();

    // Rebuilds the grid from a list of the catalogue. A catalogue that cannot be read
    // leaves the grid as it was and is reported once until a list loads again.
    bool LoadGameList(Catalogue::GameList list);
    const MyBoxGrid& grid() const { return m_grid; }
    QString selectedGame() const { return m_selectedGame; }
    void setSelectedGame(const QString& name) { m_selectedGame = name; }
    iButton* allGamesButton() const { return m_btnGameAll; }
    iButton* favouritesButton() const { return m_btnGameSc; }
    QWebEngineView* spaceView() const { return m_wb; }

signals:
    // A web game to open in the game browser.
    void webGameRequested(const QString& address);
    // The space page asked for the login (8) or registration (9) window.
    void elementTypeRequested(int type);
    // Something the user asked for cannot be done; the text says why.
    void refused(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showPage(int page);
    void updatePageButtonTips();
    void carryOut(const GameRunStep& step);
    void selectTab(int position);
    // A new player tab for a Flash game, selected.
    void openPlayer(const GameRunStep& step);
    // A download page tab on the game's page, selected.
    void openDownloadPage(const GameRunStep& step);
    int tabPosition(const QString& caption) const;
    // False, with the reason told to the user, when a write did not take effect.
    bool written(const QString& action, const Catalogue::Result& result);
    void refuse(const QString& message);

    MyBoxGrid m_grid;
    std::unique_ptr<TileComposer> m_composer;
    std::unique_ptr<MyBoxPainter> m_painter;
    int m_highlightedTile = -1;
    QString m_selectedGame;
    iButton* m_btnGameAll = nullptr;
    iButton* m_btnGameSc = nullptr;
    QWebEngineView* m_wb = nullptr;
    QTimer m_timerWb;
    clsTooltip* m_tooltip = nullptr;
    IuTab* m_strip = nullptr;
    QWebEngineProfile* m_profile;
    bool m_constructed = false;
    bool m_gridLoaded = false;
    bool m_unreadableReported = false;
};
