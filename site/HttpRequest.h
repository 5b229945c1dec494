#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// One parsed request head. The path is percent-decoded and normalised; query names and
// values are percent-decoded ("+" stays "+": the launcher appends words unencoded).
struct HttpRequest {
    QByteArray method;
    QByteArray target;
    QString path;
    QList<std::pair<QString, QString>> query;
    int minorVersion = 1;
    // Names in lower case, values trimmed, in arrival order.
    QList<std::pair<QByteArray, QByteArray>> headers;

    QByteArray header(QByteArrayView name) const;
    // The first value given for `name`; empty when the query lacks it.
    QString queryValue(QStringView name) const;
    QByteArray cookie(QByteArrayView name) const;
    bool isHead() const { return method == "HEAD"; }
    // HTTP/1.1 keeps the connection unless told to close; HTTP/1.0 only when asked.
    bool keepAlive() const;
};
