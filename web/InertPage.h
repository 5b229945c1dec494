#pragma once

#include <QSet>
#include <QWebEnginePage>

class QWebEngineUrlRequestInterceptor;

// A page that shows markup it does not trust as a picture: none of the markup's
// scripts run (script elements, event attributes, "javascript:" addresses), it never
// navigates away, and it reads nothing but the local files it is told it may read;
// nothing is fetched from the network either. The program's own scripts still run in
// the application world.
class InertPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit InertPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    // Shows `html`, resolving relative addresses against `baseUrl`; `readableFiles` are
    // the absolute paths of the only files the page may load from the disk.
    void showMarkup(const QString& html, const QUrl& baseUrl, const QStringList& readableFiles);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    QSet<QString> m_readable;
    QWebEngineUrlRequestInterceptor* m_gate = nullptr;
};
