#include "pages/MainGame.h"

#include "shell/SiteAddresses.h"
#include "web/SiteView.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

MainGame::MainGame(QWebEngineProfile* profile, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(791, 550);
    m_wb = CreateSiteView(profile, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_wb);
    m_wb->load(QUrl(FlashListUrl()));
}
