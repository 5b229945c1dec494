#include "MainGame.h"

#include "SitePage.h"
#include "SiteAddresses.h"
#include "WebProfile.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

MainGame::MainGame(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(791, 550);
    m_wb = new QWebEngineView(this);
    m_wb->setPage(new SitePage(NamedWebProfile(QStringLiteral("Tavolin")), m_wb));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_wb);
    m_wb->load(QUrl(FlashListUrl()));
}
