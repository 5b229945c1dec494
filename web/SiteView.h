#pragma once

#include "web/SitePage.h"

class QWebEngineProfile;
class QWebEngineView;
class QWidget;

// A web view of a page form, on the program's profile, showing a SitePage; `onNewWindow`
// takes the new-window requests the form handles itself.
QWebEngineView* CreateSiteView(QWebEngineProfile* profile, QWidget* parent,
                               SitePage::NewWindowHandler onNewWindow = {});
