#include "web/SitePage.h"

#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// The console message of an activation may trail the request slightly.
constexpr int ResolveDelayMs = 60;

QString activationScript()
{
    return QStringLiteral(R"JS(
(function () {
  var token = '%1';
  function report(event) {
    var node = event.target;
    while (node && node.nodeType !== 1) node = node.parentNode;
    var element = node && node.closest ? node.closest('a,area,input,button') : null;
    if (!element) element = document.activeElement;
    if (!element) return;
    // A script address is reported as written; others as the absolute address.
    var written = element.getAttribute('href') || '';
    var href = /^\s*javascript:/i.test(written) ? written : (element.href || written);
    console.log(token + JSON.stringify({ type: element.getAttribute('type') || '', href: href }));
  }
  function onKey(event) { if (event.key === 'Enter') report(event); }
  function arm() {
    // Adding the same listener again does nothing, so arming twice is harmless.
    document.addEventListener('click', report, true);
    document.addEventListener('auxclick', report, true);
    document.addEventListener('keydown', onKey, true);
  }
  arm();
  // document.open() erases the listeners and replaces the document's children; the
  // observer of those children outlives it and arms again. No timer: an idle page
  // costs nothing.
  new MutationObserver(arm).observe(document, { childList: true });
})();
)JS")
        .arg(SitePage::ActivationToken());
}

} // namespace

QString SitePage::ActivationToken()
{
    static const QString token = QStringLiteral("tavolin-link-%1:").arg(QRandomGenerator::system()->generate64(), 16, 16,
                                                                         QLatin1Char('0'));
    return token;
}

SitePage::SitePage(QWebEngineProfile* profile, QObject* parent, const Clock& clock)
    : QWebEnginePage(profile, parent)
    , m_clock(clock)
{
    QWebEngineScript script;
    script.setName(QStringLiteral("tavolin-link-activation"));
    script.setSourceCode(activationScript());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    scripts().insert(script);

    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        // Not opening the request cancels it; the decision comes once the activation is in.
        const QUrl requested = request.requestedUrl();
        QTimer::singleShot(ResolveDelayMs, this, [this, requested] { resolveNewWindow(requested); });
    });
}

void SitePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                        const QString& source)
{
    if (!message.startsWith(ActivationToken())) {
        QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
        return;
    }
    const QJsonObject fields = QJsonDocument::fromJson(message.mid(ActivationToken().size()).toUtf8()).object();
    m_lastActivation = {fields.value(QStringLiteral("type")).toString(),
                        fields.value(QStringLiteral("href")).toString(), QUrl()};
    m_lastActivationTime = m_clock.nowMs();
    emit linkActivated(m_lastActivation);
}

void SitePage::resolveNewWindow(const QUrl& requested)
{
    LinkActivation link;
    if (m_lastActivationTime && m_clock.nowMs() - *m_lastActivationTime <= ActivationLifetimeMs)
        link = m_lastActivation;
    link.requestedUrl = requested;
    // One activation explains one request.
    m_lastActivationTime.reset();
    if (m_handler && m_handler(link))
        return;
    if (requested.isValid() && (requested.scheme() == QLatin1String("http") || requested.scheme() == QLatin1String("https")))
        QDesktopServices::openUrl(requested);
}
