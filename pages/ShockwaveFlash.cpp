#include "pages/ShockwaveFlash.h"

#include "web/ProfileCookies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

constexpr char MessagePrefix[] = "tavolin-player:";

// The player page's reports arrive as console messages.
class PlayerPage : public QWebEnginePage {
public:
    using Listener = std::function<void(const QString&, const QString&)>;

    PlayerPage(QWebEngineProfile* profile, Listener listener, QObject* parent)
        : QWebEnginePage(profile, parent)
        , m_listener(std::move(listener))
    {
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override
    {
        if (!message.startsWith(QLatin1String(MessagePrefix))) {
            QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
            return;
        }
        const QJsonObject fields =
            QJsonDocument::fromJson(message.mid(int(qstrlen(MessagePrefix))).toUtf8()).object();
        m_listener(fields.value(QStringLiteral("kind")).toString(), fields.value(QStringLiteral("detail")).toString());
    }

private:
    Listener m_listener;
};

QString jsString(const QString& text)
{
    // A JSON array of one string is a valid script literal once the brackets go.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

} // namespace

QUrl ShockwaveFlash::MovieUrl(const QString& address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("file"))
        return url;
    return QUrl::fromLocalFile(address);
}

ShockwaveFlash::ShockwaveFlash(QWebEngineProfile* profile, const QString& playerPage, QWidget* parent)
    : QWidget(parent)
{
    m_view = new QWebEngineView(this);
    auto* page = new PlayerPage(
        profile, [this](const QString& kind, const QString& detail) { pageMessage(kind, detail); }, m_view);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    m_view->setPage(page);
    // Streamed movies come with the site session, like downloads; the profile's cookie
    // mirror fills asynchronously, so it starts now rather than at the first stream.
    ProfileCookies::Of(page->profile());
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_view->load(QUrl::fromLocalFile(playerPage));
}

void ShockwaveFlash::run(const QString& script)
{
    if (!m_ready) {
        m_pending << script;
        return;
    }
    m_view->page()->runJavaScript(script);
}

void ShockwaveFlash::pageMessage(const QString& kind, const QString& detail)
{
    if (kind == QLatin1String("ready")) {
        m_ready = true;
        for (const QString& script : std::exchange(m_pending, {}))
            m_view->page()->runJavaScript(script);
    } else if (kind == QLatin1String("loaded")) {
        // The movie takes the keys at once, so a keyboard game answers without a click.
        m_view->setFocus();
        emit movieLoaded(m_movie);
    } else if (kind == QLatin1String("failed")) {
        emit movieFailed(m_movie, detail);
    }
}

void ShockwaveFlash::LoadMovie(int layer, const QString& address)
{
    if (layer != 0)
        return;
    m_movie = address;
    if (m_streaming)
        m_streaming->abort();
    const QUrl url = MovieUrl(address);
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        stream(url);
    else
        run(QStringLiteral("tavolin.load(%1)").arg(jsString(url.toString())));
}

void ShockwaveFlash::stream(const QUrl& url)
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        m_network->setCookieJar(ProfileCookies::Of(m_view->page()->profile())->NewJar());
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    m_streaming = reply;
    const QString address = m_movie;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaxStreamedBytes || total > MaxStreamedBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, address] {
        reply->deleteLater();
        if (address != m_movie)
            return; // another movie was asked for meanwhile
        if (reply->error() != QNetworkReply::NoError) {
            emit movieFailed(address, reply->errorString());
            return;
        }
        const QString name = reply->url().fileName();
        run(QStringLiteral("tavolin.loadData('%1', %2)")
                .arg(QString::fromLatin1(reply->readAll().toBase64()), jsString(name)));
    });
}

void ShockwaveFlash::SetPlaying(bool playing)
{
    m_playing = playing;
    run(QStringLiteral("tavolin.setPlaying(%1)").arg(playing ? QStringLiteral("true") : QStringLiteral("false")));
}

void ShockwaveFlash::SetMenu(bool menu)
{
    m_menu = menu;
    run(QStringLiteral("tavolin.setMenu(%1)").arg(menu ? QStringLiteral("true") : QStringLiteral("false")));
}

void ShockwaveFlash::SetScaleMode(int mode)
{
    m_scaleMode = mode;
    run(QStringLiteral("tavolin.setKeepProportions(%1)").arg(mode == 0 ? QStringLiteral("true") : QStringLiteral("false")));
}
