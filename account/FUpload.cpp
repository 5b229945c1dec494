#include "account/FUpload.h"

#include "account/SiteAnswerRequest.h"
#include "account/UpdatePage.h"
#include "shell/GlobalSettings.h"
#include "shell/SiteAddresses.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QWidget>

FUpload::FUpload(QWebEngineProfile* profile, QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
    , m_request(new SiteAnswerRequest(profile, this))
{
    connect(m_request, &SiteAnswerRequest::answered, this, &FUpload::tell);
    // A site that cannot be reached reads like a page that is not the update page.
    connect(m_request, &SiteAnswerRequest::failed, this, [this] { tell(QString()); });
}

void FUpload::start()
{
    m_request->send(QUrl(UpdatePageUrl()));
}

void FUpload::tell(const QString& pageText)
{
    const UpdateNews news = ReadUpdatePage(pageText);
    auto* box = new QMessageBox(QMessageBox::NoIcon, Settings().AppTitle, UpdateMessage(news.kind), QMessageBox::Ok,
                                m_owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (!news.download.isEmpty())
        connect(box, &QMessageBox::finished, box, [download = news.download] { QDesktopServices::openUrl(download); });
    box->open();
    deleteLater();
}
