#include "skin/SkinCatalogue.h"

#include "skin/ButtonArt.h"
#include "skin/SmallArt.h"
#include "skin/TabArt.h"
#include "skin/WindowArt.h"

namespace {

using Paint = std::function<QList<QImage>()>;

Paint One(std::function<QImage()> f)
{
    return [f] { return QList<QImage>{f()}; };
}

SkinFile Still(const char* path, SkinFormat format, QSize size, int cells, const char* usedBy,
               const char* placement, std::function<QImage()> paint)
{
    return {QString::fromLatin1(path), format, size, cells, 1, QString::fromLatin1(usedBy),
            QString::fromLatin1(placement), QPoint(), One(std::move(paint))};
}

QList<SkinFile> Build()
{
    using F = SkinFormat;
    using G = Glyph;
    QList<SkinFile> files{
        // Main window
        Still("frmMain_bg.gif", F::Gif, {801, 589}, 1, "main window background",
              "title band rows 0-33, tab strip (45, 8, 660, 25), container (4, 34, 791, 550), title buttons from x 713 at top 6",
              WindowArt::MainFrame),
        Still("Ico/logo.bmp", F::Bmp, {220, 34}, 1, "main window tab strip background",
              "the title band as seen at window x + 5: nine-slice source x 40, y 8, w 172, h 25, left edge 171",
              WindowArt::MainLogo),
        Still("menubtn.bmp", F::Bmp, {84, 22}, 3, "main window menu button", "28 x 22 frames, on the title band at top 6",
              [] { return ButtonArt::MainTitleButton(G::MenuLines); }),
        Still("min.bmp", F::Bmp, {84, 22}, 3, "main window minimise button", "28 x 22 frames, on the title band at top 6",
              [] { return ButtonArt::MainTitleButton(G::Minimise); }),
        Still("main_close.bmp", F::Bmp, {84, 22}, 3, "main window close button", "28 x 22 frames, on the title band at top 6",
              [] { return ButtonArt::MainTitleButton(G::Close); }),
        Still("MainMenu.png", F::Png, {415, 25}, 1, "tab strip style 0, main program",
              "column x 0; heads 122 x 25 at x 1, 123, 245; close glyphs 12 x 12 at x 367, 379, 391, 403", TabArt::MainMenuPng),
        Still("CorvaneMenu.png", F::Png, {421, 28}, 1, "tab strip style 1, main program",
              "column x 0 (28 rows); heads 124 x 26 at x 1, 125, 249; close glyphs 12 x 12 at x 373, 385, 397, 409",
              TabArt::CorvaneMenuPng),
        Still("MainMenu.bmp", F::Bmp, {415, 25}, 1, "tab strip style 0, browser program",
              "as MainMenu.png, magenta = transparent", TabArt::MainMenuBmp),
        Still("CorvaneMenu.bmp", F::Bmp, {421, 28}, 1, "tab strip style 1, browser program",
              "as CorvaneMenu.png, magenta = transparent", TabArt::CorvaneMenuBmp),
        // The main program's window and tray icon
        {QStringLiteral("Ico/Tavolin.ico"), F::Ico, {32, 32}, 1, 1, QStringLiteral("main program: window and tray icon"),
         QStringLiteral("16 x 16 and 32 x 32"), {},
         [] { return QList<QImage>{WindowArt::ProgramIcon(16), WindowArt::ProgramIcon(32)}; }},
        // Menu icons
        {QStringLiteral("Ico/MenuSet.ico"), F::Ico, {32, 32}, 1, 1, QStringLiteral("main menu: settings"), QStringLiteral("drawn 16 x 16"), {},
         [] { return SmallArt::MenuIcon(G::Gear); }},
        {QStringLiteral("Ico/MenuBBS.ico"), F::Ico, {32, 32}, 1, 1, QStringLiteral("main menu: help and suggestions"), QStringLiteral("drawn 16 x 16"), {},
         [] { return SmallArt::MenuIcon(G::Help); }},
        {QStringLiteral("Ico/MenuExit.ico"), F::Ico, {32, 32}, 1, 1, QStringLiteral("main menu: quit"), QStringLiteral("drawn 16 x 16"), {},
         [] { return SmallArt::MenuIcon(G::Power); }},
        {QStringLiteral("Ico/menulookup.ico"), F::Ico, {32, 32}, 1, 1, QStringLiteral("game menu: game introduction"), QStringLiteral("drawn 16 x 16"), {},
         [] { return SmallArt::MenuIcon(G::Lookup); }},
        {QStringLiteral("Ico/menudetele.ico"), F::Ico, {32, 32}, 1, 1, QStringLiteral("game menu: delete game"), QStringLiteral("drawn 16 x 16"), {},
         [] { return SmallArt::MenuIcon(G::Trash); }},
        // My box page
        Still("MainMe_bg.gif", F::Gif, {791, 550}, 1, "my box page background",
              "grid area (0, 0, 602, 550) in the grid colour (249, 249, 249), side pane from x 603", WindowArt::MyBoxPage),
        Still("game_all.bmp", F::Bmp, {240, 24}, 3, "my box page: all games filter", "80 x 24 frames on the grid colour",
              [] { return ButtonArt::FilterButton(G::Gamepad, QStringLiteral("全部游戏")); }),
        Still("game_sc.bmp", F::Bmp, {240, 24}, 3, "my box page: favourites filter", "80 x 24 frames on the grid colour",
              [] { return ButtonArt::FilterButton(G::Heart, QStringLiteral("我的收藏")); }),
        Still("bed.bmp", F::Bmp, {74, 74}, 1, "my box tile background", "tile picture rectangle", SmallArt::TileBed),
        Still("origin.bmp", F::BmpAlpha, {74, 74}, 1, "my box tile overlay", "blended with its own alpha over the tile",
              SmallArt::TileOverlay),
        Still("MoveGame.bmp", F::Bmp, {74, 74}, 1, "my box \"more games\" tile", "the tile's thumbnail", SmallArt::MoreGames),
        Still("knob.bmp", F::Bmp, {72, 18}, 4, "my box page buttons", "cells 18 x 18: hidden, normal, current page, hover",
              SmallArt::PageKnobs),
        // Game finder page
        Still("MainGameBtnbg.gif", F::Gif, {791, 40}, 1, "game finder button bar",
              "category buttons at top 6 from x 12 every 92, search field (532, 7, 184, 26), search button at (720, 7)",
              WindowArt::FinderBar),
        Still("feature.bmp", F::Bmp, {264, 28}, 3, "game finder: featured", "88 x 28 frames on the bar at top 6",
              [] { return ButtonArt::CategoryButton(G::Star, QStringLiteral("精品推荐")); }),
        Still("flash.bmp", F::Bmp, {264, 28}, 3, "game finder: Flash games", "88 x 28 frames on the bar at top 6",
              [] { return ButtonArt::CategoryButton(G::Bolt, QStringLiteral("小游戏")); }),
        Still("corvane.bmp", F::Bmp, {264, 28}, 3, "game finder: web games", "88 x 28 frames on the bar at top 6",
              [] { return ButtonArt::CategoryButton(G::Globe, QStringLiteral("网页游戏")); }),
        Still("hot.bmp", F::Bmp, {264, 28}, 3, "game finder: hot list", "88 x 28 frames on the bar at top 6",
              [] { return ButtonArt::CategoryButton(G::Flame, QStringLiteral("热门排行")); }),
        Still("search.bmp", F::Bmp, {168, 26}, 3, "game finder: search", "56 x 26 frames on the bar at top 7",
              ButtonArt::SearchButton),
        // Game download page
        {QStringLiteral("Loading.gif"), F::Gif, {32, 32}, 1, 12, QStringLiteral("download page loading animation"),
         QStringLiteral("12 frames, 80 ms each, on white"), {}, SmallArt::LoadingFrames},
        Still("loading_bg.gif", F::Gif, {64, 64}, 1, "download page: behind the loading animation",
              "white card; the animation centred at (16, 16)", WindowArt::LoadingBackdrop),
        Still("downbgcolor.gif", F::Gif, {791, 550}, 1, "download page: download panel",
              "status card (12, 12, 767, 92) with accent bar, advertisement area below y 117", WindowArt::DownloadPanel),
        {QStringLiteral("Cur/harrow.cur"), F::Cur, {32, 32}, 1, 1, QStringLiteral("hand pointer over links"),
         QStringLiteral("hot spot (11, 1), the fingertip"), QPoint(11, 1), One(SmallArt::HandCursor)},
        // Flash player window
        Still("corvane/bgpf.bmp", F::Bmp, {200, 100}, 1, "skinned frame: title bar and borders",
              "3000 x 1500 twips: band rows 0-33, border 4 px with outline, pieces cut in twips", WindowArt::FrameSkin),
        Still("corvane/min2.bmp", F::Bmp, {72, 22}, 3, "player minimise button", "24 x 22 frames on the frame band at top 5",
              [] { return ButtonArt::FrameTitleButton(G::Minimise, 24); }),
        Still("corvane/close.bmp", F::Bmp, {120, 22}, 3, "player and browser close button",
              "40 x 22 frames on the frame band at top 5", [] { return ButtonArt::FrameTitleButton(G::Close, 40); }),
        Still("InitImages/Pan_Button_left.bmp", F::Bmp, {8, 52}, 1, "tool strip left end", "strip rows 0-51", WindowArt::StripLeft),
        Still("InitImages/Pan_Button_Right.bmp", F::Bmp, {8, 52}, 1, "tool strip right end", "strip rows 0-51", WindowArt::StripRight),
        Still("InitImages/Pan_Button_middle.bmp", F::Bmp, {8, 52}, 1, "tool strip middle", "stretched across the strip",
              WindowArt::StripMiddle),
        Still("InitImages/Pan_Button_middle.gif", F::Gif, {8, 52}, 1, "tool strip middle in full screen",
              "stretched across the strip", WindowArt::StripMiddle),
        Still("Eject_ToolBg_L.bmp", F::Bmp, {260, 52}, 1, "player tool tray",
              "at the strip's left; white tray (4, 3, 252, 46), tool buttons at top 6 from x 10 every 40", WindowArt::ToolTray),
        Still("Eject_Tool_Replay.bmp", F::Bmp, {120, 40}, 3, "player: replay", "40 x 40 frames on the white tray",
              [] { return ButtonArt::PlayerTool(G::Replay); }),
        Still("Eject_Tool_Favorite.bmp", F::Bmp, {120, 40}, 3, "player: favourite", "40 x 40 frames on the white tray",
              [] { return ButtonArt::PlayerTool(G::Heart); }),
        Still("Eject_Tool_Filling.bmp", F::Bmp, {240, 40}, 6, "player: fit toggle", "40 x 40 frames on the white tray",
              [] { return ButtonArt::PlayerToggle(G::Expand, G::Shrink); }),
        Still("Eject_Tool_Pop.bmp", F::Bmp, {240, 40}, 6, "player: full screen toggle", "40 x 40 frames on the white tray",
              [] { return ButtonArt::PlayerToggle(G::FullEnter, G::FullExit); }),
        Still("Eject_Tool_Popping.bmp", F::Bmp, {120, 40}, 3, "player: pop out", "40 x 40 frames on the white tray",
              [] { return ButtonArt::PlayerTool(G::PopOut); }),
        Still("Eject_Tool_Closed.bmp", F::Bmp, {120, 40}, 3, "player: show the guide", "40 x 40 frames on the white tray",
              [] { return ButtonArt::PlayerTool(G::Keyboard); }),
        Still("Eject_Tool_Trigger.bmp", F::Bmp, {120, 40}, 3, "player: hide the guide", "40 x 40 frames on the strip at top 6",
              ButtonArt::PlayerTrigger),
        Still("Eject_Tool_Up.bmp", F::Bmp, {20, 20}, 1, "player guide: scroll up", "on the strip at top 4",
              [] { return ButtonArt::ScrollButton(G::ChevronUp, 4); }),
        Still("Eject_Tool_Down.bmp", F::Bmp, {20, 20}, 1, "player guide: scroll down", "on the strip at top 28",
              [] { return ButtonArt::ScrollButton(G::ChevronDown, 28); }),
        Still("icon_keys.png", F::Png, {80, 704}, 1, "keyboard guide sprite",
              "pieces cut by the guide page's style sheet (background positions 2 .. -674, 30 rows each; key cap at -553, 24 x 27)",
              SmallArt::KeySprite),
        // Small windows
        Still("Login_bg.gif", F::Gif, {334, 227}, 1, "login window", "band rows 0-29, mark (9, 6, 18, 18), footer from y 181",
              [] { return WindowArt::Dialog(334, 227, true); }),
        Still("Regedit_bg.gif", F::Gif, {401, 348}, 1, "registration window",
              "band rows 0-29, mark (9, 6, 18, 18), footer from y 302", [] { return WindowArt::Dialog(401, 348, true); }),
        Still("Install_bg.gif", F::Gif, {421, 323}, 1, "settings window",
              "band rows 0-29, mark (9, 6, 18, 18), footer from y 277", [] { return WindowArt::Dialog(421, 323, true); }),
        Still("About_bg.gif", F::Gif, {419, 256}, 1, "about box",
              "band rows 0-29, large mark (28, 58, 56, 56), texts from x 104, footer from y 210", WindowArt::AboutBox),
        Still("RightDwon_bg.bmp", F::Bmp, {310, 200}, 1, "corner pop-up", "band rows 0-29 with its caption",
              WindowArt::CornerPopup),
        Still("pop_close.bmp", F::Bmp, {66, 22}, 3, "close button of the small windows",
              "22 x 22 frames on the band at top 4 (left = width - 26)", ButtonArt::DialogClose),
        Still("btn75_23.bmp", F::Bmp, {225, 23}, 3, "dialog push buttons", "75 x 23 frames on the footer; caption drawn by the button",
              ButtonArt::DialogButton),
        Still("LoginError_bg.bmp", F::Bmp, {294, 24}, 1, "login status line", "text from x 26", WindowArt::LoginStatus),
        Still("PurgeBtn.bmp", F::Bmp, {264, 26}, 3, "settings: clear the cache", "88 x 26 frames on white", ButtonArt::PurgeButton),
        // Browser program
        Still("corvane/min.bmp", F::Bmp, {72, 22}, 3, "browser minimise button", "24 x 22 frames on the frame band at top 5",
              [] { return ButtonArt::FrameTitleButton(G::Minimise, 24); }),
        Still("corvane/minmax.bmp", F::Bmp, {144, 22}, 6, "browser maximise / restore toggle",
              "24 x 22 frames on the frame band at top 5", [] { return ButtonArt::FrameToggleButton(G::Maximise, G::Restore); }),
        Still("corvane/tool.bmp", F::Bmp, {144, 22}, 6, "browser tool bar toggle", "24 x 22 frames on the frame band at top 5",
              [] { return ButtonArt::FrameToggleButton(G::Toolbar, G::Toolbar); }),
        Still("corvane/tool_home.bmp", F::Bmp, {264, 32}, 3, "browser tool: site home", "88 x 32 frames on the strip at top 10",
              [] { return ButtonArt::BrowserTool(G::Home, QStringLiteral("游戏首页")); }),
        Still("corvane/tool_customer.bmp", F::Bmp, {264, 32}, 3, "browser tool: customer service",
              "88 x 32 frames on the strip at top 10", [] { return ButtonArt::BrowserTool(G::Headset, QStringLiteral("在线客服")); }),
        Still("corvane/tool_pay.bmp", F::Bmp, {264, 32}, 3, "browser tool: payment", "88 x 32 frames on the strip at top 10",
              [] { return ButtonArt::BrowserTool(G::Card, QStringLiteral("充值中心")); }),
        Still("corvane/tool_clearcache.bmp", F::Bmp, {264, 32}, 3, "browser tool: clear the cache",
              "88 x 32 frames on the strip at top 10", [] { return ButtonArt::BrowserTool(G::Broom, QStringLiteral("清除缓存")); }),
        Still("Ico/Corvane_Logo.bmp", F::Bmp, {32, 32}, 1, "browser logo", "on the frame band at top 2, left of the tabs",
              WindowArt::BrowserLogo),
    };
    return files;
}

} // namespace

const QList<SkinFile>& SkinFiles()
{
    static const QList<SkinFile> files = Build();
    return files;
}
