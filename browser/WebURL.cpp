#include "browser/WebURL.h"

#include "tabs/CTabItem.h"

#include <QResizeEvent>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// The view's own border lies outside the visible box.
constexpr int Overhang = 2;
}

WebURL::WebURL(QWebEngineProfile* profile, QWidget* parent)
    : QWidget(parent)
{
    m_picture = new QWidget(this);
    m_wb = new QWebEngineView(m_picture);
    m_wb->setPage(new QWebEnginePage(profile, m_wb));
    connect(m_wb, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        if (const auto tab = m_tab.lock())
            tab->SetCaption(title);
    });
    connect(m_wb->page(), &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        // Not opened in the request's own page: the address gets a tab like any other.
        emit newPageRequested(request.requestedUrl().toString());
    });
}

void WebURL::Initialize(IuTab*, const std::shared_ptr<CTabItem>& tab)
{
    m_tab = tab;
}

void WebURL::OpenUrl(const QString& address)
{
    // What a person would type works too: a host without a scheme, a file path.
    m_wb->load(QUrl::fromUserInput(address));
}

void WebURL::resizeEvent(QResizeEvent* event)
{
    m_picture->setGeometry(0, 0, event->size().width(), event->size().height());
    m_wb->setGeometry(-Overhang, -Overhang, event->size().width() + 2 * Overhang,
                      event->size().height() + 2 * Overhang);
}
