#include "browser/WebMainLayout.h"

#include "controls/WindowRegion.h"

#include <QPolygon>

namespace Corvane {

QString StartAddress(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')).trimmed();
}

QString PageKey(const QString& address)
{
    return address + QStringLiteral("Game");
}

ToolPages ToolPagesFor(const QString& siteBase)
{
    QString base = siteBase;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return {base, base + QStringLiteral("/kefu.htm"), base + QStringLiteral("/html/chongzhi.html")};
}

int TwipsToPixels(int twips)
{
    return qRound(twips / 15.0);
}

WebMainLayout WebMainLayout::For(QSize client, int titleHeight, int stripHeight, bool toolBarShown, int toolBarHeight,
                                 int rightPieceWidth)
{
    const int width = client.width();
    const int height = client.height();
    const int margin = TwipsToPixels(60);
    WebMainLayout layout;
    layout.title = QRect(0, 0, width, titleHeight);
    layout.closeLeft = width - TwipsToPixels(730);
    layout.minMaxLeft = width - TwipsToPixels(1105);
    layout.minLeft = width - TwipsToPixels(1465);
    layout.toolLeft = width - TwipsToPixels(1825);
    layout.strip = QRect(TwipsToPixels(100), TwipsToPixels(45), width - TwipsToPixels(2000), stripHeight);
    const int pagesTop = stripHeight;
    if (toolBarShown) {
        layout.toolBar = QRect(margin, height - toolBarHeight - margin, width - 2 * margin, toolBarHeight);
        layout.toolBarRightPieceLeft = layout.toolBar.width() - rightPieceWidth;
        layout.container = QRect(margin, pagesTop, width - 2 * margin, height - pagesTop - toolBarHeight - margin);
    } else {
        layout.container = QRect(margin, pagesTop, width - 2 * margin, height - pagesTop - margin);
    }
    return layout;
}

QPoint ToolButtonPosition(int index, QSize button, int toolBarHeight)
{
    constexpr int firstLeft = 14;
    constexpr int gap = 10;
    return QPoint(firstLeft + index * (button.width() + gap), (toolBarHeight - button.height()) / 2);
}

QRegion WindowRegion(QSize client)
{
    return RoundRectRgn(client.width() + 1, client.height() + 1, 6);
}

} // namespace Corvane
