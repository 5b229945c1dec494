#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// One request as the router sees it. The path is percent-decoded and normalised; query
// names and values are percent-decoded ("+" stays "+": the launcher appends words unencoded).
struct HttpRequest {
    QByteArray method;
    QString path;
    QList<std::pair<QString, QString>> query;
    // Names in lower case, values trimmed, in arrival order.
    QList<std::pair<QByteArray, QByteArray>> headers;

    // Reads a request target in origin form ("/a/b?x=1") or absolute form; nothing when
    // its path holds a malformed escape, a control character or bytes that are not UTF-8.
    static std::optional<HttpRequest> FromTarget(const QByteArray& method, QByteArrayView target,
                                                 const QList<std::pair<QByteArray, QByteArray>>& headers = {});

    QByteArray header(QByteArrayView name) const;
    // The first value given for `name`; empty when the query lacks it.
    QString queryValue(QStringView name) const;
    QByteArray cookie(QByteArrayView name) const;
    bool isHead() const { return method == "HEAD"; }
};
