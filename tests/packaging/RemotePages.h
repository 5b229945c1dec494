#pragma once

// The web pages of another process, through its web engine's remote debugging port
// (QTWEBENGINE_REMOTE_DEBUGGING): which pages it shows, and scripts run in them, so a
// test can find where a link is before the real pointer clicks it.

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTest>
#include <QWebSocket>

#include <memory>
#include <optional>

class RemotePages {
public:
    struct Page {
        QString url;
        QString socket; // the page's debugging connection
    };

    // A loopback port nobody listens on now, for the other process to take.
    static quint16 FreePort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }

    explicit RemotePages(quint16 port)
        : m_port(port)
    {
    }

    // The pages shown now; none while the engine is not listening yet.
    QList<Page> pages()
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/json/list").arg(m_port)));
        request.setTransferTimeout(5000);
        std::unique_ptr<QNetworkReply> reply(m_network.get(request));
        QEventLoop wait;
        QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
        wait.exec();
        QList<Page> found;
        for (const QJsonValue& entry : QJsonDocument::fromJson(reply->readAll()).array()) {
            const QJsonObject target = entry.toObject();
            if (target.value(QStringLiteral("type")).toString() == QLatin1String("page"))
                found.append({target.value(QStringLiteral("url")).toString(),
                              target.value(QStringLiteral("webSocketDebuggerUrl")).toString()});
        }
        return found;
    }

    // The value of `expression` in `page`; nothing when the page does not answer.
    static std::optional<QJsonValue> evaluate(const Page& page, const QString& expression, int timeoutMs = 5000)
    {
        QWebSocket socket;
        std::optional<QJsonValue> value;
        QObject::connect(&socket, &QWebSocket::connected, &socket, [&] {
            const QJsonObject params{{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}};
            const QJsonObject call{{QStringLiteral("id"), 1},
                                   {QStringLiteral("method"), QStringLiteral("Runtime.evaluate")},
                                   {QStringLiteral("params"), params}};
            socket.sendTextMessage(QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact)));
        });
        QObject::connect(&socket, &QWebSocket::textMessageReceived, &socket, [&](const QString& message) {
            const QJsonObject answer = QJsonDocument::fromJson(message.toUtf8()).object();
            if (answer.value(QStringLiteral("id")).toInt() == 1)
                value = answer.value(QStringLiteral("result")).toObject().value(QStringLiteral("result")).toObject().value(
                    QStringLiteral("value"));
        });
        socket.open(QUrl(page.socket));
        const bool answered = QTest::qWaitFor([&] { return value.has_value(); }, timeoutMs);
        socket.close();
        return answered ? value : std::nullopt;
    }

private:
    quint16 m_port;
    QNetworkAccessManager m_network;
};
