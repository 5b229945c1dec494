#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

// A small HTTP/1.1 server on 127.0.0.1, on a thread of its own, that answers one
// connection at a time (each closed after its answer) through a handler writing the
// raw response, so a test can cut, slow down or misstate an answer at will.
class LoopbackHttpServer {
public:
    struct Request {
        QByteArray method;
        QByteArray target; // path and query
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };

    class Connection {
    public:
        explicit Connection(int socket)
            : m_socket(socket)
        {
        }
        // False once the client is gone.
        bool send(const char* data, size_t size)
        {
            while (size > 0) {
                const ssize_t sent = ::send(m_socket, data, size, MSG_NOSIGNAL);
                if (sent <= 0)
                    return false;
                data += sent;
                size -= size_t(sent);
            }
            return true;
        }
        bool send(const QByteArray& data) { return send(data.constData(), size_t(data.size())); }

    private:
        int m_socket;
    };

    using Handler = std::function<void(const Request&, Connection&)>;

    // A whole "200 OK" answer with `headers` (each line ending in CRLF) and `body`.
    static QByteArray Answer(const QByteArray& headers, const QByteArray& body)
    {
        return "HTTP/1.1 200 OK\r\n" + headers + "Content-Length: " + QByteArray::number(body.size())
               + "\r\nConnection: close\r\n\r\n" + body;
    }

    explicit LoopbackHttpServer(Handler handler)
        : m_handler(std::move(handler))
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0
            || ::listen(m_listener, 16) != 0 || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }

    ~LoopbackHttpServer()
    {
        m_stopping = true;
        ::shutdown(m_listener, SHUT_RDWR); // wakes the accept
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
    }

    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // 0 when the server did not come up.
    quint16 port() const { return m_port; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    QList<Request> requests() const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

private:
    void serve()
    {
        while (!m_stopping) {
            const int socket = ::accept(m_listener, nullptr, nullptr);
            if (socket < 0)
                continue;
            // Nothing here waits for ever on a client that went quiet.
            const timeval limit{10, 0};
            ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
            ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
            Request request;
            if (readRequest(socket, &request)) {
                {
                    QMutexLocker lock(&m_mutex);
                    m_requests << request;
                }
                Connection connection(socket);
                m_handler(request, connection);
            }
            ::shutdown(socket, SHUT_WR);
            ::close(socket);
        }
    }

    static bool readRequest(int socket, Request* request)
    {
        QByteArray head;
        char buffer[4096];
        while (!head.contains("\r\n\r\n")) {
            const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
            if (got <= 0 || head.size() > 65536)
                return false;
            head.append(buffer, got);
        }
        const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        if (first.size() < 2)
            return false;
        request->method = first[0];
        request->target = first[1];
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request->headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        return true;
    }

    Handler m_handler;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
    mutable QMutex m_mutex;
    QList<Request> m_requests;
};
