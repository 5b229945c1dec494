#pragma once

#include "site/HttpConnection.h"

#include <QObject>
#include <QTcpServer>

class SiteRouter;

// Listens on 127.0.0.1 only and hands each connection to an HttpConnection. Beyond
// MaxConnections open at once, new connections are closed straight away.
class SiteServer : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxConnections = 64;

    explicit SiteServer(SiteRouter& router, QObject* parent = nullptr);

    // Port 0 picks a free port. On success the router learns the address.
    bool listen(quint16 port);
    // Applies to connections accepted from now on.
    void setTimeouts(HttpConnection::Timeouts timeouts) { m_timeouts = timeouts; }
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();

    SiteRouter& m_router;
    QTcpServer m_server;
    HttpConnection::Timeouts m_timeouts;
    int m_open = 0;
};
