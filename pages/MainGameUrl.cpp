#include "pages/MainGameUrl.h"

#include "controls/CursorFile.h"
#include "controls/ProgressBar.h"
#include "pages/FlashGame.h"
#include "pages/MainMe.h"
#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"
#include "shell/SkinPath.h"
#include "store/Catalogue.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/IuTab.h"
#include "web/SiteView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QWebEngineView>

#include <functional>

const QString MainGameUrl::Caption = QStringLiteral("游戏下载");
const QString MainGameUrl::PauseText = QStringLiteral("暂停下载");
const QString MainGameUrl::ResumeText = QStringLiteral("开始下载");
const QString MainGameUrl::RetryText = QStringLiteral("重新下载");

namespace {

// Inside the panel picture: the status card, and the advertisement below its rule.
const QRect CardRect(12, 12, 767, 92);
const QRect AdvertisementRect(12, 125, 767, 413);

const QColor LinkColour(31, 95, 153);

// A label that reads as a link and answers a left click.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, const QCursor& cursor, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick))
    {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        setCursor(cursor);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, LinkColour);
        setPalette(colours);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

QLabel* textLabel(const QString& text, QWidget* parent, const QRect& geometry, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

QString downloadingText(const QString& name)
{
    return QStringLiteral("您正在下载“%1”游戏，请耐心等待...").arg(name);
}

} // namespace

MainGameUrl::MainGameUrl(QWebEngineProfile* profile, MainMe* myBox, QWidget* parent)
    : QWidget(parent)
    , m_profile(profile)
    , m_myBox(myBox)
    , m_job(profile)
{
    resize(791, 550);
    setWindowTitle(Caption);

    m_picWb = new QWidget(this);
    m_picWb->setObjectName(QStringLiteral("PicWB"));
    m_wb = CreateSiteView(profile, m_picWb, TakePageCommands([this](const PageCommand& command) { carryOut(command); }));
    m_wb->setObjectName(QStringLiteral("WB"));
    connect(m_wb, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        if (m_tab && !title.isEmpty())
            m_tab->SetCaption(title);
    });
    buildPanel();

    m_commands.add(QStringLiteral("FlashTable"), GameJob::FlashFields, [this](const QStringList& f) { flashTable(f); });
    m_commands.add(QStringLiteral("WebTable"), GameJob::WebFields, [this](const QStringList& f) { webTable(f); });

    connect(&m_job, &DownloadJob::progress, this, [this](int percent, qint64 speed, qint64 size) {
        m_speed->setText(FormatSize(speed));
        m_size->setText(FormatSize(size));
        m_progress->setText(QString::number(percent) + QLatin1Char('%'));
        m_progress->setValue(percent);
    });
    connect(&m_job, &DownloadJob::stageChanged, this, [this](DownloadJob::Stage stage) {
        // The movie's transfer starts the animation afresh.
        if (stage == DownloadJob::Stage::Movie) {
            m_animation->stop();
            m_animation->start();
        }
    });
    connect(&m_job, &DownloadJob::failed, this, [this](int, const QString& text) { jobFailed(text); });
    connect(&m_job, &DownloadJob::finished, this, &MainGameUrl::jobFinished);
}

MainGameUrl::~MainGameUrl() = default;

void MainGameUrl::buildPanel()
{
    const QCursor hand = CursorFromFile(SkinPath(QStringLiteral("Cur/harrow.cur")));
    m_picDown = new QLabel(this);
    m_picDown->setObjectName(QStringLiteral("PicDown"));
    m_picDown->setGeometry(rect());
    m_picDown->hide();

    // The loading animation on its rounded plate, at the card's left.
    auto* plate = new QLabel(m_picDown);
    plate->setObjectName(QStringLiteral("PicLoadingbg"));
    plate->setPixmap(QPixmap(SkinPath(QStringLiteral("loading_bg.gif"))));
    plate->setGeometry(CardRect.left() + 16, CardRect.top() + (CardRect.height() - 64) / 2, 64, 64);
    m_loading = new QLabel(plate);
    m_loading->setObjectName(QStringLiteral("PicLoading"));
    m_loading->setGeometry(16, 16, 32, 32);
    m_animation = new QMovie(this);
    m_loading->setMovie(m_animation);

    const int text = plate->geometry().right() + 18;
    m_gameName = textLabel(QString(), m_picDown, QRect(text, CardRect.top() + 16, 560, 22), QColor(51, 51, 51));
    m_gameName->setObjectName(QStringLiteral("LB_GameName"));
    QFont bold = m_gameName->font();
    bold.setBold(true);
    m_gameName->setFont(bold);

    m_progress = new ProgressBar(m_picDown);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setGeometry(text, CardRect.top() + 52, 400, 18);
    m_progress->setMax(100);
    m_progress->setTextStyle(3);

    const QColor grey(110, 110, 110);
    const int counts = m_progress->geometry().right() + 16;
    textLabel(QStringLiteral("速度"), m_picDown, QRect(counts, CardRect.top() + 52, 28, 18), grey);
    m_speed = textLabel(QStringLiteral(" - -"), m_picDown, QRect(counts + 30, CardRect.top() + 52, 52, 18), grey);
    m_speed->setObjectName(QStringLiteral("LB_Speed"));
    textLabel(QStringLiteral("大小"), m_picDown, QRect(counts + 84, CardRect.top() + 52, 28, 18), grey);
    m_size = textLabel(QStringLiteral(" - -"), m_picDown, QRect(counts + 114, CardRect.top() + 52, 52, 18), grey);
    m_size->setObjectName(QStringLiteral("LB_cbSize"));

    const int links = CardRect.right() - 72;
    m_stop = new LinkLabel(PauseText, hand, m_picDown, [this] { LB_Stop_Click(); });
    m_stop->setObjectName(QStringLiteral("LB_Stop"));
    m_stop->setGeometry(links, CardRect.top() + 16, 60, 22);
    m_del = new LinkLabel(QStringLiteral("删除下载"), hand, m_picDown, [this] { LBDel_Click(); });
    m_del->setObjectName(QStringLiteral("LBDel"));
    m_del->setGeometry(links, CardRect.top() + 50, 60, 22);

    m_wbDown = CreateSiteView(m_profile, m_picDown);
    m_wbDown->setObjectName(QStringLiteral("WBDown"));
    m_wbDown->setGeometry(AdvertisementRect);
    // An advertisement that cannot be had leaves the panel plain, not an error page.
    m_wbDown->hide();
    connect(m_wbDown, &QWebEngineView::loadFinished, m_wbDown, &QWidget::setVisible);
}

void MainGameUrl::Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab)
{
    m_strip = strip;
    m_tab = tab;
}

void MainGameUrl::GameUrl(const QString& address)
{
    m_pageUrl = address;
    m_wb->load(QUrl(address));
    m_picDown->hide();
    m_animation->setFileName(SkinPath(QStringLiteral("Loading.gif")));
    m_wbDown->hide();
    m_wbDown->load(QUrl(AdDownUrl()));
    m_picDown->setPixmap(QPixmap(SkinPath(QStringLiteral("downbgcolor.gif"))));
}

void MainGameUrl::resizeEvent(QResizeEvent*)
{
    m_picWb->setGeometry(rect());
    m_wb->setGeometry(-CropOffset, -CropOffset, m_picWb->width() + CropGrowth, m_picWb->height() + CropGrowth);
    m_picDown->setGeometry(rect());
}

void MainGameUrl::carryOut(const PageCommand& command)
{
    m_commandTaken = true;
    if (const QString refusal = m_commands.carryOut(command, QStringLiteral("没有")); !refusal.isEmpty())
        emit refused(refusal);
}

void MainGameUrl::flashTable(const QStringList& fields)
{
    const GameJob job = GameJob::FromFlashCommand(fields, m_pageUrl, SiteHomeUrl());
    const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(job.name);
    if (!rows.isEmpty()) {
        becomePlayer(job.name, job.introduction, rows.last().playAddress);
        return;
    }
    startFlashJob(job);
}

void MainGameUrl::webTable(const QStringList& fields)
{
    const GameJob job = GameJob::FromWebCommand(fields, m_pageUrl, SiteHomeUrl());
    if (!Catalogue::FindGame(job.name).isEmpty()) {
        if (m_myBox)
            m_myBox->Image_Flash_Run(job.name);
        return;
    }
    // No panel: the thumbnail is small, and the game runs in the game browser.
    m_job.start(job, Settings().UserPath);
}

void MainGameUrl::startFlashJob(const GameJob& job)
{
    m_speed->setText(QStringLiteral(" - -"));
    m_size->setText(QStringLiteral(" - -"));
    m_progress->setValue(0);
    m_progress->setText(QStringLiteral("0%"));
    m_picDown->show();
    m_picDown->raise();
    m_job.start(job, Settings().UserPath);
    if (m_job.stage() != DownloadJob::Stage::Failed)
        setDownloading();
}

void MainGameUrl::setDownloading()
{
    m_gameName->setText(downloadingText(m_job.job().name));
    m_stop->setText(PauseText);
    m_animation->start();
}

void MainGameUrl::jobFailed(const QString& text)
{
    const QString name = m_job.job().name;
    if (m_job.job().kind == GameJob::Kind::Web) {
        emit refused(QStringLiteral("“%1”的缩略图下载失败：%2").arg(name, text));
        return;
    }
    m_gameName->setText(QStringLiteral("“%1”下载失败：%2").arg(name, text));
    m_stop->setText(RetryText);
    m_animation->setPaused(true);
}

void MainGameUrl::jobFinished(const FinishOutcome& outcome)
{
    const GameJob& job = m_job.job();
    if (!outcome.problems.isEmpty())
        emit refused(outcome.problems.join(QLatin1Char('\n')));
    if (!outcome.catalogued) {
        if (job.kind != GameJob::Kind::Web) {
            m_gameName->setText(outcome.problems.value(0));
            m_stop->setText(RetryText);
            m_animation->setPaused(true);
        }
        return;
    }
    if (job.kind == GameJob::Kind::Web) {
        if (m_myBox)
            m_myBox->Image_Flash_Add(job.name, QStringLiteral("1"));
        return;
    }
    if (m_myBox)
        m_myBox->Image_Flash_Add(job.name, QStringLiteral("0"));
    becomePlayer(job.name, job.introduction, job.playerAddress());
}

void MainGameUrl::becomePlayer(const QString& name, const QString& introduction, const QString& address)
{
    if (!m_tab)
        return;
    auto* player = new FlashGame(m_profile);
    if (m_myBox)
        connect(player, &FlashGame::refused, m_myBox, &MainMe::refused);
    m_tab->SetForm(player);
    player->URL(name, introduction, address);
    // The player holds the tab now; this page goes.
    hide();
    deleteLater();
}

void MainGameUrl::LB_Stop_Click()
{
    if (m_stop->text() == RetryText) {
        if (m_job.stage() == DownloadJob::Stage::Failed)
            m_job.retry();
        else
            m_job.start(m_job.job(), Settings().UserPath);
        if (m_job.stage() != DownloadJob::Stage::Failed)
            setDownloading();
    } else if (m_stop->text() == PauseText) {
        m_job.pause();
        m_animation->setPaused(true);
        m_stop->setText(ResumeText);
    } else {
        m_job.resume();
        m_animation->setPaused(false);
        m_stop->setText(PauseText);
    }
}

void MainGameUrl::LBDel_Click()
{
    m_job.stop();
    if (m_strip)
        m_strip->TabItems()->Remove(TabIndex(static_cast<const ITabForm*>(this)), true);
}

void MainGameUrl::Form_Unload()
{
    m_job.stop();
    if (!m_commandTaken)
        m_strip->SetSelected(1);
}
