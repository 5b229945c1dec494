#include "pages/KeyGuideView.h"

#include "pages/KeyGuidePage.h"
#include "shell/GlobalSettings.h"
#include "web/InertPage.h"

#include <QFileInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

// The page's body asks, through its own handlers, that its text be neither selected
// nor dragged; those handlers never run here, so the program does it for them.
QWebEngineScript keepStill()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("tavolin-guide-still"));
    script.setSourceCode(QStringLiteral(
        "['selectstart', 'dragstart'].forEach(function (type) {"
        "  document.addEventListener(type, function (event) { event.preventDefault(); }, true);"
        "});"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    return script;
}

} // namespace

KeyGuideView::KeyGuideView(QWidget* parent)
    : QWebEngineView(parent)
    // Its own profile, kept in memory: the guide loads nothing from the site and must
    // share no cookies or cache with it.
    , m_profile(new QWebEngineProfile(this))
{
    m_page = new InertPage(m_profile, this);
    m_page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    m_page->scripts().insert(keepStill());
    setPage(m_page);
    setContextMenuPolicy(Qt::NoContextMenu);
}

KeyGuideView::~KeyGuideView()
{
    // The page must go before the profile it lives on.
    delete m_page;
}

void KeyGuideView::write(const QString& introduction)
{
    const QString folder = Settings().AppPath;
    const QString sprite = KeyGuideSpriteFile(folder);
    m_page->showMarkup(KeyGuidePageText(introduction, folder), QUrl::fromLocalFile(QFileInfo(sprite).path() + QLatin1Char('/')),
                       {sprite});
}

void KeyGuideView::scrollBy(int dx, int dy)
{
    m_page->runJavaScript(QStringLiteral("window.scrollBy(%1, %2);").arg(dx).arg(dy), QWebEngineScript::ApplicationWorld);
}
