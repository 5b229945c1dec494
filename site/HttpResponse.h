#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// One answer: status, body and its type, and any further header fields.
struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;

    static HttpResponse Html(const QString& page, int status = 200);
    static HttpResponse Bytes(const QByteArray& contentType, const QByteArray& body);
    // A body-less refusal of a malformed or unsupported request.
    static HttpResponse Refusal(int status);

    // The whole message. A HEAD answer carries the same fields without the body.
    QByteArray serialise(bool headOnly, bool keepAlive) const;
    static QByteArray ReasonPhrase(int status);
};
