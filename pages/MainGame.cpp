#include "pages/MainGame.h"

#include "controls/iButton.h"
#include "pages/MainGameUrl.h"
#include "pages/MainMe.h"
#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "store/Catalogue.h"
#include "tabs/CTabItems.h"
#include "tabs/IuTab.h"
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

MainGame::MainGame(QWebEngineProfile* profile, MainMe* myBox, QWidget* parent)
    : QWidget(parent)
    , m_profile(profile)
    , m_myBox(myBox)
    , m_webJob(profile)
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

    m_commands.add(QStringLiteral("openTable"), 2, [this](const QStringList& f) { openTable(f); });
    m_commands.add(QStringLiteral("WebTable"), GameJob::WebFields, [this](const QStringList& f) { webTable(f); });
    connect(&m_webJob, &DownloadJob::finished, this, &MainGame::webGameFinished);
    connect(&m_webJob, &DownloadJob::failed, this, [this](int, const QString& text) {
        emit refused(QStringLiteral("“%1”的图标下载失败：%2").arg(m_webJob.job().name, text));
    });

    m_wb = CreateSiteView(profile, this, TakePageCommands([this](const PageCommand& command) { carryOut(command); }));
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

void MainGame::carryOut(const PageCommand& command)
{
    if (const QString refusal = m_commands.carryOut(command, QStringLiteral("函数错误，请联系系统管理员")); !refusal.isEmpty())
        emit refused(refusal);
}

void MainGame::openTable(const QStringList& fields)
{
    if (!m_strip)
        return;
    const QString& caption = fields[0];
    CTabItems* tabs = m_strip->TabItems();
    const int position = tabs->FindItem(TabIndex(caption));
    if (position >= 0) {
        // The tab keeps its page; the address is not loaded again.
        m_strip->SetSelected(position);
        return;
    }
    auto* page = new MainGameUrl(m_profile, m_myBox);
    connect(page, &MainGameUrl::refused, this, &MainGame::refused);
    page->GameUrl(fields[1]);
    if (!tabs->Add(caption, page, caption)) {
        delete page;
        return;
    }
    m_strip->SetSelected(tabs->Count() - 1);
}

void MainGame::webTable(const QStringList& fields)
{
    const QString& name = fields[0];
    if (!Catalogue::FindGame(name).isEmpty()) {
        if (m_myBox)
            m_myBox->Image_Flash_Run(name);
        return;
    }
    // The list's thumbnail is a site path, always below the site's home.
    GameJob job = GameJob::FromWebCommand(fields, m_lastPageUrl, SiteHomeUrl());
    job.thumbnailAddress = SiteHomeUrl() + fields[1];
    m_webJob.start(job, Settings().UserPath);
}

void MainGame::webGameFinished(const FinishOutcome& outcome)
{
    if (!outcome.problems.isEmpty())
        emit refused(outcome.problems.join(QLatin1Char('\n')));
    if (outcome.catalogued && m_myBox)
        m_myBox->Image_Flash_Add(m_webJob.job().name, QStringLiteral("1"));
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
