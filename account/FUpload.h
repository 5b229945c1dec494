#pragma once

#include <QObject>

class QWebEngineProfile;
class QWidget;
class SiteAnswerRequest;

// The update check the user asks for: reads the site's update page without showing a
// window or holding the one there is, tells the user in a message box and, when a
// newer version is out, opens its download address in the desktop's browser once the
// message is acknowledged. It deletes itself when it has told.
class FUpload : public QObject {
    Q_OBJECT
public:
    FUpload(QWebEngineProfile* profile, QWidget* owner);

    void start();

private:
    void tell(const QString& pageText);

    QWidget* m_owner;
    SiteAnswerRequest* m_request;
};
