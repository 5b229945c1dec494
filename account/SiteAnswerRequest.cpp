#include "account/SiteAnswerRequest.h"

#include "account/SiteAnswer.h"

#include <QWebEnginePage>
#include <QWebEngineScript>

#include <utility>

SiteAnswerRequest::SiteAnswerRequest(QWebEngineProfile* profile, QObject* parent)
    : QObject(parent)
    , m_profile(profile)
{
}

void SiteAnswerRequest::send(const QUrl& address)
{
    // A page per request: signals of a dropped request cannot be taken for the new one's.
    delete std::exchange(m_page, nullptr);
    auto* page = new QWebEnginePage(m_profile, this);
    m_page = page;
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool loaded) {
        if (!loaded) {
            emit failed();
            return;
        }
        page->runJavaScript(QString::fromLatin1(SiteAnswerScript), QWebEngineScript::ApplicationWorld,
                            [self = QPointer<SiteAnswerRequest>(this), page](const QVariant& markup) {
                                // A page going away may still call back: only the live request answers.
                                if (self && page == self->m_page)
                                    emit self->answered(CleanSiteAnswer(markup.toString()));
                            });
    });
    page->load(address);
}
