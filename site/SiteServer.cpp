#include "site/SiteServer.h"

#include "site/HttpConnection.h"
#include "site/SiteRouter.h"

#include <QTcpSocket>

SiteServer::SiteServer(SiteRouter& router, QObject* parent)
    : QObject(parent)
    , m_router(router)
{
    connect(&m_server, &QTcpServer::newConnection, this, &SiteServer::accept);
}

bool SiteServer::listen(quint16 port)
{
    if (!m_server.listen(QHostAddress::LocalHost, port))
        return false;
    m_router.setOwnAddress(QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()));
    return true;
}

void SiteServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_open >= MaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_open;
        auto* connection = new HttpConnection(socket, m_router, m_timeouts, this);
        connect(connection, &QObject::destroyed, this, [this] { --m_open; });
    }
}
