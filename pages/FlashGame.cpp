#include "pages/FlashGame.h"

#include "controls/BForm.h"
#include "controls/WindowRegion.h"
#include "controls/cSetStyle.h"
#include "controls/iButton.h"
#include "pages/CatalogueMessages.h"
#include "pages/GameFiles.h"
#include "pages/KeyGuideView.h"
#include "pages/ShockwaveFlash.h"
#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "shell/UserFiles.h"
#include "store/Catalogue.h"
#include "tabs/CTabItems.h"
#include "tabs/IuTab.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {

QPixmap skin(const QString& name)
{
    return QPixmap(SkinPath(name));
}

// The tool strip and the guide panel: the strip picture stretched across, with its
// two ends.
class StripPanel : public QWidget {
public:
    explicit StripPanel(QWidget* parent)
        : QWidget(parent)
        , m_middle(skin(QStringLiteral("InitImages/Pan_Button_middle.bmp")))
        , m_left(skin(QStringLiteral("InitImages/Pan_Button_left.bmp")))
        , m_right(skin(QStringLiteral("InitImages/Pan_Button_Right.bmp")))
    {
        setCursor(Qt::ArrowCursor);
    }
    void setRightCap(int left)
    {
        m_rightCap = left;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_middle);
        painter.drawPixmap(0, 0, m_left.width(), height(), m_left);
        const int capLeft = std::min(m_rightCap, width() - m_right.width());
        painter.drawPixmap(capLeft, 0, m_right.width(), height(), m_right);
    }

private:
    QPixmap m_middle;
    QPixmap m_left;
    QPixmap m_right;
    int m_rightCap = 0;
};

} // namespace

ClickablePicture::ClickablePicture(const QPixmap& picture, QWidget* parent)
    : QLabel(parent)
{
    setPixmap(picture);
    setCursor(Qt::ArrowCursor);
    adjustSize();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QString FlashGame::GameAddress(const QString& userFolder, const QString& siteHome, const QString& name,
                               const QString& address)
{
    return address.isEmpty() ? MovieFile(userFolder, name) : SiteAddress(address, siteHome);
}

FlashGame::FlashGame(QWebEngineProfile* profile, QWidget* parent)
    : QWidget(parent)
    , m_profile(profile)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(791, 550);

    m_title = new BForm(this);
    m_title->setPP(skin(QStringLiteral("corvane/bgpf.bmp")));
    m_title->setfrmHwnd(this);
    m_title->setCursor(Qt::ArrowCursor);
    iButton* minimise = makeButton(m_title, QStringLiteral("web_min"));
    minimise->setBackPicture(skin(QStringLiteral("corvane/min2.bmp")));
    iButton* close = makeButton(m_title, QStringLiteral("web_close"));
    close->setBackPicture(skin(QStringLiteral("corvane/close.bmp")));
    connect(minimise, &iButton::Click, this, [this] { window()->showMinimized(); });
    connect(close, &iButton::Click, this, &FlashGame::web_close_Click);

    m_player = new ShockwaveFlash(profile, Settings().AppPath + QStringLiteral("ruffle/player.html"), this);

    auto* strip = new StripPanel(this);
    m_strip = strip;
    m_stripLeft = new QLabel(m_strip);
    m_stripLeft->setPixmap(skin(QStringLiteral("Eject_ToolBg_L.bmp")));
    m_stripLeft->adjustSize();
    // The decoration carries the game's name.
    auto* nameLabel = new QLabel(m_stripLeft);
    nameLabel->setObjectName(QStringLiteral("gameName"));
    nameLabel->setAlignment(Qt::AlignCenter);
    nameLabel->setStyleSheet(QStringLiteral("color: #1f5f99; font-weight: bold;"));
    nameLabel->setGeometry(m_stripLeft->rect().adjusted(8, 0, -8, 0));
    struct Tool {
        const char* name;
        const char* tip;
        void (FlashGame::*click)();
    };
    const Tool tools[] = {
        {"Eject_Tool_Replay", "重玩（Alt + 1）", &FlashGame::Eject_Tool_Replay_Click},
        {"Eject_Tool_Favorite", "收藏（Alt + 2）", &FlashGame::Eject_Tool_Favorite_Click},
        {"Eject_Tool_Filling", "调整尺寸（Alt + 3）", &FlashGame::Eject_Tool_Filling_Click},
        {"Eject_Tool_Pop", "全屏（Alt + 4）", &FlashGame::Eject_Tool_Pop_Click},
        {"Eject_Tool_Popping", "", &FlashGame::Eject_Tool_Popping_Click},
        {"Eject_Tool_Closed", "", nullptr},
    };
    for (const Tool& tool : tools) {
        iButton* button = makeButton(m_strip, QString::fromLatin1(tool.name), QString::fromUtf8(tool.tip));
        if (tool.click)
            connect(button, &iButton::Click, this, tool.click);
    }
    // Fit and full screen stay pressed while on.
    button(QStringLiteral("Eject_Tool_Filling"))->setStyle(1);
    button(QStringLiteral("Eject_Tool_Pop"))->setStyle(1);

    auto* guidePanel = new StripPanel(this);
    m_guidePanel = guidePanel;
    auto* caption = new QLabel(QStringLiteral("操作说明："), m_guidePanel);
    caption->setObjectName(QStringLiteral("guideCaption"));
    caption->move(12, 8);
    caption->adjustSize();
    m_guide = new KeyGuideView(m_guidePanel);
    // The scroll arrows are plain pictures that answer a click.
    m_scrollUp = new ClickablePicture(skin(QStringLiteral("Eject_Tool_Up.bmp")), m_guidePanel);
    m_scrollDown = new ClickablePicture(skin(QStringLiteral("Eject_Tool_Down.bmp")), m_guidePanel);
    m_scrollUp->setObjectName(QStringLiteral("PicUp"));
    m_scrollDown->setObjectName(QStringLiteral("PicDown"));
    connect(m_scrollUp, &ClickablePicture::clicked, this, [this] { m_guide->scrollBy(0, -KeyGuideView::ScrollStep); });
    connect(m_scrollDown, &ClickablePicture::clicked, this, [this] { m_guide->scrollBy(0, KeyGuideView::ScrollStep); });
    makeButton(m_guidePanel, QStringLiteral("Eject_Tool_Trigger"));
    m_guidePanel->hide();
    connect(button(QStringLiteral("Eject_Tool_Closed")), &iButton::Click, this, [this] {
        m_guidePanel->show();
        m_guidePanel->raise();
    });
    connect(button(QStringLiteral("Eject_Tool_Trigger")), &iButton::Click, m_guidePanel, &QWidget::hide);

    // Esc leaves full screen, as the button does.
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(leave, &QShortcut::activated, this, [this] {
        if (m_fullScreen) {
            button(QStringLiteral("Eject_Tool_Pop"))->setValue(false);
            Eject_Tool_Pop_Click();
        }
    });
    applyLayout();
}

FlashGame::~FlashGame() = default;

iButton* FlashGame::makeButton(QWidget* parent, const QString& name, const QString& tip)
{
    auto* made = new iButton(parent);
    made->setObjectName(name);
    made->setBackPicture(skin(name + QStringLiteral(".bmp")));
    if (!tip.isEmpty())
        made->setToolTip(tip);
    m_buttons << made;
    return made;
}

iButton* FlashGame::button(const QString& name) const
{
    for (iButton* candidate : m_buttons) {
        if (candidate->objectName() == name)
            return candidate;
    }
    return nullptr;
}

void FlashGame::Initialize(IuTab* strip, const std::shared_ptr<CTabItem>&)
{
    m_tabStrip = strip;
}

int FlashGame::tabPosition() const
{
    return m_tabStrip ? m_tabStrip->TabItems()->FindItem(TabIndex(static_cast<const ITabForm*>(this))) : -1;
}

void FlashGame::URL(const QString& name, const QString& introduction, const QString& address)
{
    m_gameName = name;
    setWindowTitle(name);
    if (QWidget* host = m_tabStrip ? m_tabStrip->hParent() : nullptr)
        setWindowIcon(host->window()->windowIcon());
    m_title->setCaption(name);
    if (auto* nameLabel = m_stripLeft->findChild<QLabel*>(QStringLiteral("gameName")))
        nameLabel->setText(nameLabel->fontMetrics().elidedText(name, Qt::ElideRight, nameLabel->width()));
    m_poppedOut = false;
    m_storedMovie = MovieFile(Settings().UserPath, name);
    m_player->SetPlaying(true);
    m_player->SetMenu(false);
    m_player->SetScaleMode(2);
    const QString movie = GameAddress(Settings().UserPath, SiteHomeUrl(), name, address);
    const bool missing = address.isEmpty() && !QFileInfo::exists(movie);
    // The loading movie shows first; the game replaces it once the loading movie plays.
    playFirst(UserFiles::ShippedMovie(QStringLiteral("2.swf")), missing ? QString() : movie);
    if (missing)
        emit refused(QStringLiteral("找不到「%1」的游戏文件，请重新下载这个游戏。").arg(name));
    m_guide->write(introduction);
}

void FlashGame::Eject_Tool_Replay_Click()
{
    if (!QFileInfo::exists(m_storedMovie)) {
        emit refused(QStringLiteral("「%1」没有保存在本机，无法重玩。").arg(m_gameName));
        return;
    }
    m_player->SetPlaying(true);
    playFirst(UserFiles::ShippedMovie(QStringLiteral("1.swf")), m_storedMovie, ReplayCueMs);
}

void FlashGame::playFirst(const QString& shipped, const QString& then, int afterMs)
{
    disconnect(m_followUp);
    if (!QFileInfo::exists(shipped)) {
        if (!then.isEmpty())
            m_player->LoadMovie(0, then);
        return;
    }
    m_player->LoadMovie(0, shipped);
    if (then.isEmpty())
        return;
    m_followUp = connect(m_player, &ShockwaveFlash::movieLoaded, this, [this, shipped, then, afterMs](const QString& loaded) {
        if (loaded != shipped)
            return;
        disconnect(m_followUp);
        QTimer::singleShot(afterMs, this, [this, then] { m_player->LoadMovie(0, then); });
    });
}

void FlashGame::Eject_Tool_Favorite_Click()
{
    const Catalogue::Result result = Catalogue::MarkFavourite(m_gameName);
    if (result.ok())
        showNotice(QStringLiteral("收藏成功"));
    else
        emit refused(QStringLiteral("收藏失败：") + CatalogueFailureText(result.failure, m_gameName));
}

void FlashGame::Eject_Tool_Filling_Click()
{
    m_player->SetScaleMode(button(QStringLiteral("Eject_Tool_Filling"))->Value() ? 0 : 2);
}

void FlashGame::Eject_Tool_Pop_Click()
{
    setFullScreen(button(QStringLiteral("Eject_Tool_Pop"))->Value());
}

void FlashGame::setFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    // The screen is also taken explicitly: without a window manager the full-screen
    // state alone changes nothing.
    if (m_poppedOut) {
        if (on) {
            m_tabGeometry = geometry();
            setGeometry(screen()->geometry());
            showFullScreen();
        } else {
            showNormal();
            setGeometry(m_tabGeometry);
        }
    } else if (on) {
        // From its tab the player covers the main frame, which takes the whole screen.
        QWidget* frame = window();
        m_tabParent = parentWidget();
        m_tabGeometry = geometry();
        m_frameMask = frame->mask();
        m_frameMinimum = frame->minimumSize();
        m_frameMaximum = frame->maximumSize();
        m_frameGeometry = frame->geometry();
        frame->clearMask();
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setParent(frame);
        // Moving a window clears its full-screen state, so the move comes first.
        frame->setGeometry(frame->screen()->geometry());
        frame->showFullScreen();
        setGeometry(frame->rect());
        show();
        raise();
    } else {
        QWidget* frame = window();
        frame->showNormal();
        frame->setMinimumSize(m_frameMinimum);
        frame->setMaximumSize(m_frameMaximum);
        frame->setGeometry(m_frameGeometry);
        frame->setMask(m_frameMask);
        setParent(m_tabParent);
        setGeometry(m_tabGeometry);
        show();
    }
    applyLayout();
    m_player->setFocus();
}

void FlashGame::Eject_Tool_Popping_Click()
{
    if (m_poppedOut || !m_tabStrip)
        return;
    if (m_fullScreen) {
        button(QStringLiteral("Eject_Tool_Pop"))->setValue(false);
        setFullScreen(false);
    }
    const int position = tabPosition();
    if (position < 0 || !m_tabStrip->TabItems()->ReleaseForm(TabIndex(position)))
        return;
    m_poppedOut = true;
    button(QStringLiteral("Eject_Tool_Popping"))->hide();
    m_style = std::make_unique<cSetStyle>();
    m_style->setobjForm(this);
    m_style->SetWindowStyle(this);
    connect(m_style.get(), &cSetStyle::CloseClick, this, &FlashGame::web_close_Click);
    m_title->Printform(this);
    resize(700, 613);
    show();
    activateWindow();
}

void FlashGame::web_close_Click()
{
    if (m_poppedOut) {
        m_style.reset();
        close();
        return;
    }
    IuTab* strip = m_tabStrip;
    if (m_fullScreen)
        setFullScreen(false);
    const int position = tabPosition();
    if (strip && position >= 0)
        strip->TabItems()->Remove(TabIndex(position), true);
}

void FlashGame::Form_Unload()
{
    // The finder page.
    if (!m_poppedOut && m_tabStrip)
        m_tabStrip->SetSelected(1);
}

void FlashGame::showNotice(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, Settings().AppTitle, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void FlashGame::resizeEvent(QResizeEvent*)
{
    applyLayout();
}

void FlashGame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        applyLayout();
    QWidget::changeEvent(event);
}

void FlashGame::applyLayout()
{
    if (window()->isMinimized())
        return;
    const FlashGameLayout layout =
        m_fullScreen ? FlashGameLayout::FullScreen(size()) : FlashGameLayout::Normal(size());
    m_title->setVisible(!layout.title.isNull());
    if (!layout.title.isNull())
        m_title->setGeometry(layout.title);
    button(QStringLiteral("web_close"))->move(layout.closeLeft, 4);
    button(QStringLiteral("web_min"))->move(layout.minimiseLeft, 4);
    if (m_poppedOut && !m_fullScreen)
        RectRgn(this, width() + 1, height() + 1, 6);
    else
        clearMask();
    m_player->setGeometry(layout.movie);
    for (QWidget* panel : {m_strip, m_guidePanel})
        panel->setGeometry(layout.strip);
    static_cast<StripPanel*>(m_strip)->setRightCap(layout.rightCap - layout.strip.left());
    static_cast<StripPanel*>(m_guidePanel)->setRightCap(layout.rightCap - layout.strip.left());
    // The tools in a row after the strip's decoration, the guide's parts across its panel.
    int x = m_stripLeft->width() + 12;
    for (const char* name : {"Eject_Tool_Replay", "Eject_Tool_Favorite", "Eject_Tool_Filling", "Eject_Tool_Pop",
                             "Eject_Tool_Popping", "Eject_Tool_Closed"}) {
        iButton* tool = button(QString::fromLatin1(name));
        if (tool->isHidden())
            continue;
        tool->move(x, (layout.strip.height() - tool->height()) / 2);
        x += tool->width() + 4;
    }
    m_stripLeft->move(4, (layout.strip.height() - m_stripLeft->height()) / 2);
    const QWidget* caption = m_guidePanel->findChild<QWidget*>(QStringLiteral("guideCaption"));
    const int guideLeft = caption->geometry().right() + 6;
    const int scrollLeft = layout.scrollLeft - layout.strip.left();
    m_guide->setGeometry(guideLeft, 4, std::clamp(layout.guideWidth, 0, std::max(0, scrollLeft - 48 - guideLeft)),
                         layout.strip.height() - 8);
    QWidget* up = m_scrollUp;
    QWidget* down = m_scrollDown;
    up->move(scrollLeft, layout.strip.height() / 2 - up->height() - 1);
    down->move(scrollLeft, layout.strip.height() / 2 + 1);
    iButton* trigger = button(QStringLiteral("Eject_Tool_Trigger"));
    trigger->move(scrollLeft - trigger->width() - 4, (layout.strip.height() - trigger->height()) / 2);
}
