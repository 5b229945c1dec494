#include "web/InertPage.h"

#include <QDir>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace {

// Lets through the page's own document and the files it may read; every other
// request, to the disk or the network, is blocked before anything is read.
class Gate : public QWebEngineUrlRequestInterceptor {
public:
    Gate(const QSet<QString>& readable, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent)
        , m_readable(readable)
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QUrl url = info.requestUrl();
        // The document itself arrives as a data address, and so may its pictures:
        // neither reads anything.
        if (url.scheme() == QLatin1String("data"))
            return;
        const bool readable = url.isLocalFile() && url.host().isEmpty()
                           && m_readable.contains(QDir::cleanPath(url.toLocalFile()));
        info.block(!readable);
    }

private:
    const QSet<QString>& m_readable;
};

} // namespace

InertPage::InertPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
    QWebEngineSettings* s = settings();
    // Only the main world: the program's scripts in the application world still run.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    // A file dropped on the view would otherwise be opened in it.
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    // Showing markup must not take the keyboard from the window around it.
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    m_gate = new Gate(m_readable, this);
    setUrlRequestInterceptor(m_gate);
}

void InertPage::showMarkup(const QString& html, const QUrl& baseUrl, const QStringList& readableFiles)
{
    m_readable.clear();
    for (const QString& file : readableFiles)
        m_readable.insert(QDir::cleanPath(file));
    setHtml(html, baseUrl);
}

bool InertPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // Only the program's own loads are typed; links, forms, refreshes, frames and
    // history moves stay where they are.
    return isMainFrame && type == NavigationTypeTyped && url.scheme() == QLatin1String("data");
}
