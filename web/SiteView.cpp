#include "web/SiteView.h"

#include <QWebEngineView>

QWebEngineView* CreateSiteView(QWebEngineProfile* profile, QWidget* parent, SitePage::NewWindowHandler onNewWindow)
{
    auto* view = new QWebEngineView(parent);
    auto* page = new SitePage(profile, view);
    if (onNewWindow)
        page->setNewWindowHandler(std::move(onNewWindow));
    view->setPage(page);
    return view;
}
