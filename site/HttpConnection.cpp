#include "site/HttpConnection.h"

#include "site/SiteRouter.h"

#include <QTcpSocket>

HttpConnection::HttpConnection(QTcpSocket* socket, SiteRouter& router, Timeouts timeouts, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_router(router)
    , m_timeouts(timeouts)
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(HttpRequestParser::MaxHeadBytes * 8);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HttpConnection::timedOut);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::readRequests);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    m_timer.start(m_timeouts.requestMs);
}

void HttpConnection::readRequests()
{
    if (m_closing) {
        m_socket->readAll();
        return;
    }
    m_buffer += m_socket->readAll();
    while (!m_closing) {
        const HttpRequestParser::State state = m_parser.feed(m_buffer);
        if (state == HttpRequestParser::State::NeedMore)
            break;
        if (state == HttpRequestParser::State::Failed) {
            send(HttpResponse::Refusal(m_parser.failureStatus()).serialise(false, false), false);
            return;
        }
        const HttpRequest& request = m_parser.request();
        const bool keepOpen = request.keepAlive();
        send(m_router.respond(request).serialise(request.isHead(), keepOpen), keepOpen);
        if (m_socket->bytesToWrite() > MaxPendingOutput) {
            m_socket->abort();
            return;
        }
        m_timingRequest = false;
    }
    if (m_closing)
        return;
    if (m_parser.isMidRequest()) {
        // The clock of a request starts with its first byte and is not reset by later ones.
        if (!m_timingRequest) {
            m_timingRequest = true;
            m_timer.start(m_timeouts.requestMs);
        }
    } else {
        m_timingRequest = false;
        m_timer.start(m_timeouts.idleMs);
    }
}

void HttpConnection::send(const QByteArray& bytes, bool keepOpen)
{
    m_socket->write(bytes);
    if (!keepOpen)
        close();
}

void HttpConnection::timedOut()
{
    if (m_timingRequest)
        send(HttpResponse::Refusal(408).serialise(false, false), false);
    else
        close();
}

void HttpConnection::close()
{
    m_closing = true;
    m_timer.stop();
    m_buffer.clear();
    // Sends what is queued, then closes; a peer that never reads is cut off.
    m_socket->disconnectFromHost();
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        QTimer::singleShot(m_timeouts.requestMs, m_socket, &QTcpSocket::abort);
}
