#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QWebEnginePage;
class QWebEngineProfile;

// One request to the site's account or update services, made by a page of the
// program's web profile that is never shown, so that a cookie the site sets reaches
// every view of the program. The answer is read out of the loaded document.
class SiteAnswerRequest : public QObject {
    Q_OBJECT
public:
    explicit SiteAnswerRequest(QWebEngineProfile* profile, QObject* parent = nullptr);

    // Sends a GET for `address`; a request still on its way is dropped unanswered.
    void send(const QUrl& address);

signals:
    // The site's page loaded; `answer` is the reply CleanSiteAnswer reads in it.
    void answered(const QString& answer);
    // No page came back (the site cannot be reached).
    void failed();

private:
    QWebEngineProfile* m_profile;
    QPointer<QWebEnginePage> m_page;
};
