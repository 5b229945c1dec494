#include "account/Install.h"

#include "account/Autostart.h"
#include "account/CacheMain.h"
#include "controls/WindowDrag.h"
#include "controls/WindowRegion.h"
#include "controls/iButton.h"
#include "shell/GlobalSettings.h"
#include "shell/SkinPath.h"
#include "store/Catalogue.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int BandHeight = 30;
constexpr int FooterTop = 277;

QLabel* heading(const QString& text, QWidget* parent, int top)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #0460a3;"));
    label->setGeometry(24, top, 373, 20);
    // A hairline from the end of the words to the right margin.
    auto* rule = new QWidget(parent);
    rule->setStyleSheet(QStringLiteral("background: #dfe6ed;"));
    rule->setGeometry(24 + label->sizeHint().width() + 8, top + 10, 373 - label->sizeHint().width() - 8, 1);
    return label;
}

} // namespace

Install::Install(QWebEngineProfile* profile, const QString& programPath, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , m_profile(profile)
    , m_programPath(programPath)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("设置"));
    setFixedSize(FormWidth, FormHeight);
    if (owner)
        move(owner->pos() + QPoint(qRound(OffsetLeftTwips / 15.0), qRound(OffsetTopTwips / 15.0)));
    m_background = QImage(SkinPath(QStringLiteral("Install_bg.gif")));
    RectRgn(this, FormWidth, FormHeight, 6);
    DragByBackground(this);
    setStyleSheet(QStringLiteral("QCheckBox { color: #2b3440; spacing: 7px; } QLabel { color: #2b3440; }"));

    m_wClose = new iButton(this);
    m_wClose->setBackPicture(QPixmap(SkinPath(QStringLiteral("pop_close.bmp"))));
    m_wClose->move(FormWidth - 26, 4);

    heading(QStringLiteral("常规"), this, 44);
    m_chkClose = new QCheckBox(QStringLiteral("关闭主面板时隐藏到通知区域，不退出程序"), this);
    m_chkClose->setGeometry(36, 72, 360, 22);
    m_chkRun = new QCheckBox(QStringLiteral("登录桌面时自动启动%1").arg(Settings().AppTitle), this);
    m_chkRun->setGeometry(36, 100, 360, 22);

    heading(QStringLiteral("浏览器缓存"), this, 142);
    auto* note = new QLabel(QStringLiteral("游戏页面打不开或显示不正常时，可以清除缓存后再试。登录状态和浏览记录会保留。"),
                            this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #8a97a5;"));
    note->setGeometry(36, 168, 360, 36);
    m_purge = new iButton(this);
    m_purge->setBackPicture(QPixmap(SkinPath(QStringLiteral("PurgeBtn.bmp"))));
    m_purge->move(36, 214);

    m_btnClose = new iButton(this);
    m_btnClose->setBackPicture(QPixmap(SkinPath(QStringLiteral("btn75_23.bmp"))));
    m_btnClose->setCaption(QStringLiteral("确定"));
    m_btnClose->move(FormWidth - 16 - m_btnClose->width(), FooterTop + (FormHeight - FooterTop - m_btnClose->height()) / 2);

    // Nothing is kept between openings: both options come from where they are stored.
    m_chkRun->setChecked(Autostart::IsOn(m_programPath));
    m_chkClose->setChecked(Catalogue::CloseHidesWindow());

    connect(m_wClose, &iButton::Click, this, &QDialog::reject);
    connect(m_btnClose, &iButton::Click, this, &Install::save);
    connect(m_purge, &iButton::Click, this,
            [this] { ClearCache(m_profile, QStringLiteral("*.*"), CookieCacheEntry | UrlHistoryCacheEntry); });
}

void Install::save()
{
    QStringList failures;
    if (!Catalogue::SetCloseHidesWindow(m_chkClose->isChecked()))
        failures << QStringLiteral("关闭主面板的方式没有保存：程序目录中的数据文件无法写入。");
    const QString autostart = Autostart::Set(m_programPath, m_chkRun->isChecked());
    if (!autostart.isEmpty())
        failures << autostart;
    if (!failures.isEmpty())
        emit writeFailed(QStringLiteral("部分设置没有保存。\n\n") + failures.join(QLatin1Char('\n')));
    accept();
}

void Install::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
    QFont font = this->font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(33, 0, 200, BandHeight), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
}
