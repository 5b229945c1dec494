#include "pages/MainGame.h"

#include "controls/iButton.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "web/SiteView.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QUrl>
#include <QWebEngineView>


namespace {

struct Category {
    const char* objectName;
    const char* picture;
    QString (*address)();
};

// Left to right on the bar, as the site files its games.
const Category Categories[] = {
    {"Btn_feature", "feature.bmp", FeatureUrl},
    {"Btn_flash", "flash.bmp", FlashListUrl},
    {"Btn_corvane", "corvane.bmp", GameWebListUrl},
    {"Btn_hot", "hot.bmp", HotRankUrl},
};
constexpr int FlashCategory = 1;

// Where the bar's picture puts its pieces.
constexpr int CategoryLeft = 12;
constexpr int CategoryStep = 92;
constexpr int CategoryTop = 6;
const QRect SearchTextRect(558, 9, 154, 22);
const QPoint SearchButtonAt(720, 7);

} // namespace

QString MainGame::SearchPrompt()
{
    return QStringLiteral("搜索您想玩的游戏名称...");
}

MainGame::MainGame(QWebEngineProfile* profile, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(791, 550);

    m_picBtnBg = new QLabel(this);
    m_picBtnBg->setObjectName(QStringLiteral("PicBtnBg"));
    m_picBtnBg->setPixmap(QPixmap(SkinPath(QStringLiteral("MainGameBtnbg.gif"))));
    m_picBtnBg->setGeometry(0, 0, width(), BarHeight);

    for (int i = 0; i < int(std::size(Categories)); ++i) {
        auto* button = new iButton(this);
        button->setObjectName(QLatin1String(Categories[i].objectName));
        button->setBackPicture(QPixmap(SkinPath(QLatin1String(Categories[i].picture))));
        button->move(CategoryLeft + i * CategoryStep, CategoryTop);
        connect(button, &iButton::Click, this, [this, i] { selectCategory(i); });
        m_categories.append(button);
    }
    m_categories[FlashCategory]->setLocked(true);

    m_txtSearch = new QLineEdit(this);
    m_txtSearch->setObjectName(QStringLiteral("txt_search"));
    m_txtSearch->setFrame(false);
    m_txtSearch->setGeometry(SearchTextRect);
    m_txtSearch->installEventFilter(this);
    connect(m_txtSearch, &QLineEdit::returnPressed, this, &MainGame::CmdSearch_Click);
    showPrompt();

    m_btnSearch = new iButton(this);
    m_btnSearch->setObjectName(QStringLiteral("Btn_search"));
    m_btnSearch->setBackPicture(QPixmap(SkinPath(QStringLiteral("search.bmp"))));
    m_btnSearch->move(SearchButtonAt);
    connect(m_btnSearch, &iButton::Click, this, &MainGame::CmdSearch_Click);

    m_wb = CreateSiteView(profile, this);
    m_wb->setGeometry(0, BarHeight, width(), height() - BarHeight);
    connect(m_wb, &QWebEngineView::loadFinished, this, [this] {
        const QString address = m_wb->url().toString();
        if (address != QLatin1String("javascript:'';"))
            m_lastPageUrl = address;
    });
    m_wb->load(QUrl(FlashListUrl()));
}

MainGame::~MainGame() = default;

void MainGame::Initialize(IuTab* strip, const std::shared_ptr<CTabItem>&)
{
    m_strip = strip;
}

void MainGame::selectCategory(int index)
{
    m_wb->load(QUrl(Categories[index].address()));
    for (int i = 0; i < m_categories.size(); ++i)
        m_categories[i]->setLocked(i == index);
}

void MainGame::CmdSearch_Click()
{
    const QString words = m_txtSearch->text();
    if (words.isEmpty() || words == SearchPrompt()) {
        showPrompt();
        return;
    }
    // The words go as typed; the web engine escapes what an address cannot hold.
    m_wb->load(QUrl(SearchUrl() + words));
}

void MainGame::showPrompt()
{
    QPalette palette = m_txtSearch->palette();
    // The desktop's grey for text, not the box's own palette, which typing made black.
    palette.setColor(QPalette::Text, QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
    m_txtSearch->setPalette(palette);
    m_txtSearch->setText(SearchPrompt());
}

bool MainGame::eventFilter(QObject* watched, QEvent* event)
{
    // The prompt makes way as soon as the user comes to type.
    if (watched == m_txtSearch && event->type() == QEvent::FocusIn && m_txtSearch->text() == SearchPrompt()) {
        m_txtSearch->clear();
        QPalette palette = m_txtSearch->palette();
        palette.setColor(QPalette::Text, Qt::black);
        m_txtSearch->setPalette(palette);
    }
    return QWidget::eventFilter(watched, event);
}
