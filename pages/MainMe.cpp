#include "pages/MainMe.h"

#include "controls/clsTooltip.h"
#include "controls/iButton.h"
#include "controls/MdlMenu.h"
#include "pages/CatalogueMessages.h"
#include "pages/FlashGame.h"
#include "pages/GameFiles.h"
#include "pages/GameRunPlan.h"
#include "pages/MainGameUrl.h"
#include "pages/MyBoxPainter.h"
#include "pages/TileComposer.h"
#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "tabs/CTabItems.h"
#include "tabs/IuTab.h"
#include "web/SiteView.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWebEngineView>

namespace {

QImage skinImage(const QString& name)
{
    return QImage(SkinPath(name));
}

const QRect SpacePageRect(596, 8, 187, 512);

// Looked up anew for every list: the folder may be made or renamed while the program runs.
QString thumbnailFolder()
{
    return ThumbnailFolder(Settings().UserPath);
}

} // namespace

MainMe::MainMe(QWebEngineProfile* profile, QWidget* parent)
    : QWidget(parent)
    , m_profile(profile)
{
    setFixedSize(MyBoxGrid::PageWidth, 550);
    setMouseTracking(true);
    m_composer = std::make_unique<TileComposer>(skinImage(QStringLiteral("bed.bmp")),
                                                skinImage(QStringLiteral("origin.bmp")), thumbnailFolder());
    m_painter = std::make_unique<MyBoxPainter>(*m_composer, skinImage(QStringLiteral("MainMe_bg.gif")),
                                               skinImage(QStringLiteral("knob.bmp")),
                                               skinImage(QStringLiteral("MoveGame.bmp")));

    m_btnGameAll = new iButton(this);
    m_btnGameAll->setBackPicture(QPixmap(SkinPath(QStringLiteral("game_all.bmp"))));
    m_btnGameAll->move(32, 4);
    m_btnGameSc = new iButton(this);
    m_btnGameSc->setBackPicture(QPixmap(SkinPath(QStringLiteral("game_sc.bmp"))));
    m_btnGameSc->move(m_btnGameAll->geometry().right() + 8, 4);
    m_btnGameAll->setLocked(true);
    connect(m_btnGameAll, &iButton::Click, this, [this] {
        m_btnGameAll->setLocked(true);
        m_btnGameSc->setLocked(false);
        LoadGameList(Catalogue::GameList::All);
    });
    connect(m_btnGameSc, &iButton::Click, this, [this] {
        m_btnGameSc->setLocked(true);
        m_btnGameAll->setLocked(false);
        LoadGameList(Catalogue::GameList::Favourites);
    });

    LoadGameList(Catalogue::GameList::OnLoad);

    MdlMenu::HookMenuWindow(this);

    m_wb = CreateSiteView(profile, this, [this](const LinkActivation& link) {
        if (link.type != QLatin1String("8") && link.type != QLatin1String("9"))
            return false;
        emit elementTypeRequested(link.type.toInt());
        return true;
    });
    m_wb->setGeometry(SpacePageRect);
    m_wb->hide();
    m_timerWb.setSingleShot(true);
    m_timerWb.setInterval(SpacePageDelayMs);
    connect(&m_timerWb, &QTimer::timeout, m_wb, &QWidget::show);
    WebRefresh();
    m_timerWb.start();
    m_constructed = true;
}

MainMe::~MainMe() = default;

void MainMe::Initialize(IuTab* strip, const std::shared_ptr<CTabItem>&)
{
    m_strip = strip;
}

void MainMe::WebRefresh()
{
    m_wb->load(QUrl(SpaceUrl()));
}

bool MainMe::LoadGameList(Catalogue::GameList list)
{
    m_composer->setThumbnailFolder(thumbnailFolder());
    const Catalogue::NameList games = Catalogue::ReadGameNames(list);
    if (!games.outcome.ok()) {
        // A page that never had a list starts empty; a loaded one keeps what it shows.
        if (!m_gridLoaded) {
            m_grid.setGames({});
            updatePageButtonTips();
            update();
        }
        if (!m_unreadableReported) {
            m_unreadableReported = true;
            refuse(QStringLiteral("无法读取游戏目录：") + CatalogueFailureText(games.outcome.failure, QString()));
        }
        return false;
    }
    m_gridLoaded = true;
    m_unreadableReported = false;
    m_composer->clear();
    m_grid.setGames(games.names);
    m_highlightedTile = -1;
    updatePageButtonTips();
    update();
    return true;
}

bool MainMe::written(const QString& action, const Catalogue::Result& result)
{
    if (result.ok())
        return true;
    refuse(action + QStringLiteral("：") + CatalogueFailureText(result.failure, m_selectedGame));
    return false;
}

void MainMe::refuse(const QString& message)
{
    // Nobody listens before the page is built; the first load's report waits for the loop.
    if (m_constructed)
        emit refused(message);
    else
        QTimer::singleShot(0, this, [this, message] { emit refused(message); });
}

void MainMe::updatePageButtonTips()
{
    // A fresh table each time: the row of buttons may now show other pages.
    delete m_tooltip;
    m_tooltip = new clsTooltip(this);
    for (int slot = 0; slot < m_grid.shownPageButtons(); ++slot)
        m_tooltip->AddTool_ForRect(this, slot, MyBoxGrid::PageButtonRect(slot),
                                   QStringLiteral("第%1页").arg(m_grid.pageOfSlot(slot) + 1));
}

void MainMe::showPage(int page)
{
    const int firstShown = m_grid.firstShownPage();
    m_grid.setCurrentPage(page);
    if (m_grid.firstShownPage() != firstShown)
        updatePageButtonTips();
    update();
}

void MainMe::Image_Flash_Add(const QString& name, const QString& runFlag)
{
    LoadGameList(Catalogue::GameList::OnLoad);
    if (runFlag == QLatin1String("1"))
        Image_Flash_Run(name);
}

void MainMe::Image_Flash_Run(const QString& name)
{
    m_selectedGame = name;
    GameRun();
}

int MainMe::tabPosition(const QString& caption) const
{
    return m_strip ? m_strip->TabItems()->FindItem(TabIndex(caption)) : -1;
}

void MainMe::selectTab(int position)
{
    if (m_strip && position >= 0)
        m_strip->SetSelected(position);
}

void MainMe::GameRun()
{
    const auto steps = PlanGameRun(m_selectedGame, Catalogue::FindGame(m_selectedGame),
                                   [this](const QString& caption) { return tabPosition(caption) >= 0; });
    for (const GameRunStep& step : steps)
        carryOut(step);
}

void MainMe::GameRunWebUrl()
{
    const auto steps = PlanGameIntroduction(m_selectedGame, Catalogue::FindGame(m_selectedGame),
                                            [this](const QString& caption) { return tabPosition(caption) >= 0; });
    for (const GameRunStep& step : steps)
        carryOut(step);
}

void MainMe::carryOut(const GameRunStep& step)
{
    switch (step.kind) {
    case GameRunStep::Kind::OpenInDesktopBrowser:
        QDesktopServices::openUrl(QUrl::fromUserInput(step.address));
        break;
    case GameRunStep::Kind::OpenInGameBrowser:
        emit webGameRequested(step.address);
        break;
    case GameRunStep::Kind::SelectTab:
        selectTab(tabPosition(step.caption));
        break;
    case GameRunStep::Kind::OpenPlayer:
        openPlayer(step);
        break;
    case GameRunStep::Kind::OpenDownloadPage:
        openDownloadPage(step);
        break;
    }
}

void MainMe::openDownloadPage(const GameRunStep& step)
{
    if (!m_strip)
        return;
    if (step.address.isEmpty()) {
        refuse(QStringLiteral("“%1”没有记下游戏介绍的网址。").arg(step.caption));
        return;
    }
    auto* page = new MainGameUrl(m_profile, this);
    connect(page, &MainGameUrl::refused, this, &MainMe::refused);
    page->GameUrl(step.address);
    CTabItems* tabs = m_strip->TabItems();
    // Keyed by the game's name, so that the next request finds this tab.
    tabs->Add(step.caption, page, step.caption);
    selectTab(tabs->Count() - 1);
}

void MainMe::openPlayer(const GameRunStep& step)
{
    if (!m_strip)
        return;
    auto* player = new FlashGame(m_profile);
    connect(player, &FlashGame::refused, this, &MainMe::refused);
    CTabItems* tabs = m_strip->TabItems();
    // Keyed by the game's name, so that running it again selects this tab.
    if (!tabs->Add(step.caption, player, step.caption)) {
        delete player;
        return;
    }
    player->URL(step.caption, step.introduction, step.address);
    selectTab(tabs->Count() - 1);
}

void MainMe::FavoriteRun()
{
    if (written(QStringLiteral("收藏失败"), Catalogue::MarkFavourite(m_selectedGame)))
        LoadGameList(Catalogue::GameList::Favourites);
}

void MainMe::FavoriteDel()
{
    if (written(QStringLiteral("取消收藏失败"), Catalogue::UnmarkFavourite(m_selectedGame)))
        LoadGameList(Catalogue::GameList::Favourites);
}

void MainMe::Image_Del()
{
    if (written(QStringLiteral("删除失败"), Catalogue::DeleteGame(m_selectedGame)))
        LoadGameList(Catalogue::GameList::OnLoad);
}

void MainMe::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_painter->paint(painter, m_grid, m_highlightedTile);
}

void MainMe::mouseMoveEvent(QMouseEvent* event)
{
    const MyBoxGrid::Hit hit = m_grid.hitTest(event->position().toPoint());
    const bool buttonsChanged = m_grid.setHoveredSlot(hit.kind == MyBoxGrid::HitKind::PageButton ? hit.index : -1);
    const int tile = hit.kind == MyBoxGrid::HitKind::Tile ? hit.index : -1;
    if (tile != m_highlightedTile) {
        for (int position : {m_highlightedTile, tile}) {
            if (position >= 0)
                update(MyBoxGrid::TilePictureRect(position));
        }
        m_highlightedTile = tile;
    }
    if (buttonsChanged)
        update(QRect(MyBoxGrid::PageButtonRect(0).topLeft(), QSize(width(), MyBoxGrid::PageButtonSize)));
}

void MainMe::leaveEvent(QEvent*)
{
    if (m_highlightedTile >= 0)
        update(MyBoxGrid::TilePictureRect(m_highlightedTile));
    m_highlightedTile = -1;
    if (m_grid.setHoveredSlot(-1))
        update();
}

void MainMe::mouseReleaseEvent(QMouseEvent* event)
{
    const MyBoxGrid::Hit hit = m_grid.hitTest(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        if (hit.kind == MyBoxGrid::HitKind::PageButton) {
            showPage(m_grid.pageOfSlot(hit.index));
        } else if (hit.kind == MyBoxGrid::HitKind::Tile) {
            const int entry = m_grid.entryAt(hit.index);
            if (m_grid.isMoreGames(entry)) {
                selectTab(1);
            } else {
                m_selectedGame = m_grid.entries().at(entry);
                GameRun();
            }
        }
    } else if (event->button() == Qt::RightButton && hit.kind == MyBoxGrid::HitKind::Tile) {
        const int entry = m_grid.entryAt(hit.index);
        if (!m_grid.isMoreGames(entry)) {
            m_selectedGame = m_grid.entries().at(entry);
            MdlMenu::ShowGameMenu(this, event->globalPosition().toPoint(),
                                  {[this] { GameRunWebUrl(); }, [this] { GameRun(); }, [this] { FavoriteRun(); },
                                   [this] { FavoriteDel(); }, [this] { Image_Del(); }});
        }
    }
}
