#pragma once

#include "shell/Clock.h"

#include <QUrl>
#include <QWebEnginePage>

#include <functional>
#include <optional>

// What the user activated just before a page asked for a new window: the element's
// type attribute and link address, as the document reports them.
struct LinkActivation {
    QString type;
    QString href;
    QUrl requestedUrl;
};

// A web page that knows which link asked for a new window. A script in every frame,
// in a world of its own, reports each activated link (click, middle click, Enter) to
// the program through a console message that carries a per-process token, so pages
// cannot forge it. New-window requests go to the handler; a request it does not take
// opens in the desktop's browser.
class SitePage : public QWebEnginePage {
    Q_OBJECT
public:
    using NewWindowHandler = std::function<bool(const LinkActivation&)>;

    // An activation explains a request for this long after it was reported.
    static constexpr qint64 ActivationLifetimeMs = 2000;

    SitePage(QWebEngineProfile* profile, QObject* parent = nullptr, const Clock& clock = Clock::Steady());

    void setNewWindowHandler(NewWindowHandler handler) { m_handler = std::move(handler); }
    LinkActivation lastActivation() const { return m_lastActivation; }

    static QString ActivationToken();

signals:
    void linkActivated(const LinkActivation& link);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    void resolveNewWindow(const QUrl& requested);

    const Clock& m_clock;
    NewWindowHandler m_handler;
    LinkActivation m_lastActivation;
    std::optional<qint64> m_lastActivationTime;
};
