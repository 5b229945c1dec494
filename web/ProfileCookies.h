#pragma once

#include <QList>
#include <QNetworkCookie>
#include <QObject>

#include <memory>

class QNetworkCookieJar;
class QWebEngineProfile;

// What a web profile's cookie store holds, mirrored for the program's own network
// requests (downloads, streamed movies), so that files the site serves to logged-in
// users only come with the user's session. One mirror per profile, kept as the
// profile's child; it follows the store's additions and removals.
class ProfileCookies : public QObject {
    Q_OBJECT
public:
    // The profile's mirror, made on first use. On the profile's thread only.
    static ProfileCookies* Of(QWebEngineProfile* profile);

    // A new, unowned cookie jar that answers from this mirror, for a network manager on
    // any thread (move it there first); it may outlive the mirror, then it answers with
    // no cookies. Cookies servers set on its requests are not kept: the web views own
    // the profile's cookies.
    QNetworkCookieJar* NewJar() const;

    // Every cookie the mirror holds now.
    QList<QNetworkCookie> cookies() const;

    class Table;

signals:
    // The store added or removed a cookie; `cookies()` already tells the new state.
    void changed();

private:
    explicit ProfileCookies(QWebEngineProfile* profile);
    ~ProfileCookies() override;

    std::shared_ptr<Table> m_table;
};
