#pragma once

#include "site/HttpRequestParser.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;
class SiteRouter;

// One client connection: reads requests as they arrive (several may come in one
// packet), answers each through the router, and keeps the connection for the next
// unless the request or an error says otherwise. A request must arrive whole within
// the request time-out from its first byte; an idle connection closes after the idle one.
class HttpConnection : public QObject {
    Q_OBJECT
public:
    struct Timeouts {
        int requestMs = 10000;
        int idleMs = 30000;
    };
    // Stops answering a client that sends faster than it reads.
    static constexpr qint64 MaxPendingOutput = 4 << 20;

    // Takes ownership of `socket`; the connection deletes itself when the socket closes.
    HttpConnection(QTcpSocket* socket, SiteRouter& router, Timeouts timeouts, QObject* parent = nullptr);

private:
    void readRequests();
    void send(const QByteArray& bytes, bool keepOpen);
    void timedOut();
    void close();

    QTcpSocket* m_socket;
    SiteRouter& m_router;
    Timeouts m_timeouts;
    HttpRequestParser m_parser;
    QByteArray m_buffer;
    QTimer m_timer;
    bool m_timingRequest = false;
    bool m_closing = false;
};
