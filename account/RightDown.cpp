#include "account/RightDown.h"

#include "controls/WindowRegion.h"
#include "controls/iButton.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "web/SiteView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWebEngineView>

RightDown::RightDown(QWebEngineProfile* profile)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("系统提示"));
    setFixedSize(FormWidth, FormHeight);
    m_background = QImage(SkinPath(QStringLiteral("RightDwon_bg.bmp")));
    RectRgn(this, FormWidth, FormHeight, 6);

    // The page fills the space below the caption band, inside the one-pixel outline.
    m_wb = CreateSiteView(profile, this);
    m_wb->setGeometry(1, 30, FormWidth - 2, FormHeight - 31);
    m_wb->setFocusPolicy(Qt::NoFocus);
    m_wb->setContextMenuPolicy(Qt::NoContextMenu);

    m_wClose = new iButton(this);
    m_wClose->setBackPicture(QPixmap(SkinPath(QStringLiteral("pop_close.bmp"))));
    m_wClose->setFocusPolicy(Qt::NoFocus);
    m_wClose->move(FormWidth - 26, 4);
    connect(m_wClose, &iButton::Click, this, &QWidget::close);

    // Counted from creation: the notice goes even while its page is still loading.
    m_timerClose.setSingleShot(true);
    connect(&m_timerClose, &QTimer::timeout, this, &QWidget::close);
    m_timerClose.start(LifetimeMs);

    m_wb->load(QUrl(AdRightUrl()));
}

QPoint RightDown::CornerPosition(const QRect& workArea, QSize size)
{
    return {workArea.x() + workArea.width() - size.width(), workArea.y() + workArea.height() - size.height()};
}

void RightDown::showInCorner()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    move(CornerPosition(screen->availableGeometry(), size()));
    show();
}

void RightDown::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_background);
}
