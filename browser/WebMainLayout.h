#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QStringList>

// The game browser's decisions that need no window: what its command line means,
// which tab an address gets, where the tool buttons lead, and where every part of
// the frame goes for a client size.
namespace Corvane {

inline constexpr char WindowCaption[] = "mivo盒子-网页游戏";
inline constexpr char Refusal[] = "非法访问，游戏浏览器必须由主程序打开！";
inline constexpr char NotAnswering[] = "游戏浏览器正在运行，但没有响应。";

// The whole command line is one address: the arguments joined by single spaces, so an
// address with blanks typed unquoted still arrives whole (the main program passes one
// argument). Blank: no address, the start is refused.
QString StartAddress(const QStringList& arguments);
// A page's tab is found again by its address followed by "Game".
QString PageKey(const QString& address);

// The tool bar's three site pages, below the site base without its trailing "/".
struct ToolPages {
    QString home;
    QString customerService;
    QString payment;
};
ToolPages ToolPagesFor(const QString& siteBase);

// Lengths on the form are in twips, 15 to a pixel.
int TwipsToPixels(int twips);
// How much taller the window grows when the tool bar is shown.
inline constexpr int ToolBarTwips = 1000;

// Where the frame's parts go, in pixels of the client area.
struct WebMainLayout {
    QRect title;
    int closeLeft = 0;
    int minMaxLeft = 0;
    int minLeft = 0;
    int toolLeft = 0;
    QRect strip;
    QRect container;
    // Null while the tool bar is hidden.
    QRect toolBar;
    // Left edge of the tool bar's right end piece, in tool bar coordinates.
    int toolBarRightPieceLeft = 0;

    static WebMainLayout For(QSize client, int titleHeight, int stripHeight, bool toolBarShown, int toolBarHeight,
                             int rightPieceWidth);
};

// The tool buttons sit side by side from the bar's left end, centred in its height.
QPoint ToolButtonPosition(int index, QSize button, int toolBarHeight);

// The window's shape: a rounded rectangle one pixel beyond the client area, with
// corner ellipses of 6 x 6 pixels.
QRegion WindowRegion(QSize client);

} // namespace Corvane
