#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// Window and page backgrounds and the fixed decorations around them.
namespace WindowArt {
// The brand mark: a white rounded square holding the accent gamepad.
void DrawLogoMark(QPainter& p, const QRectF& box);

QImage MainFrame();        // 801 x 589: band 0..33, container (4, 34, 791, 550)
QImage MainLogo();         // 220 x 34: the title band seen by the tab strip, mark at (6, 5)
QImage FrameSkin();        // 200 x 100: title band, borders and corners of the skinned frame
QImage Dialog(int width, int height, bool withFooter); // band 0..29, footer 46 rows
QImage CornerPopup();      // 310 x 200, with the caption "系统提示"
QImage AboutBox();         // 419 x 256, large mark at (28, 58)
QImage MyBoxPage();        // 791 x 550: grid area (0, 0, 602, 550), side pane from x 602
QImage FinderBar();        // 791 x 40: category buttons at top 6, search field (532, 7, 184, 26)
QImage DownloadPanel();    // 791 x 550: status card (12, 12, 767, 92), advertisement area below
QImage LoadingBackdrop();  // 64 x 64 card behind the loading animation
QImage StripLeft();        // 8 x 52
QImage StripRight();       // 8 x 52
QImage StripMiddle();      // 8 x 52, stretched
QImage ToolTray();         // 260 x 52: white tray (4, 3, 252, 46), the player's tools at top 6 from x 10
QImage BrowserLogo();      // 32 x 32 on the skinned frame band, top 2
QImage ProgramIcon(int size); // the main program's window and tray icon: the mark on the accent
QImage LoginStatus();      // 294 x 24 status strip
}
