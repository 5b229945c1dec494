#include "site/HttpRequest.h"

QByteArray HttpRequest::header(QByteArrayView name) const
{
    for (const auto& [key, value] : headers) {
        if (key == name)
            return value;
    }
    return QByteArray();
}

QString HttpRequest::queryValue(QStringView name) const
{
    for (const auto& [key, value] : query) {
        if (key == name)
            return value;
    }
    return QString();
}

QByteArray HttpRequest::cookie(QByteArrayView name) const
{
    for (const auto& [key, value] : headers) {
        if (key != "cookie")
            continue;
        for (const QByteArray& pair : value.split(';')) {
            const QByteArray item = pair.trimmed();
            const qsizetype equals = item.indexOf('=');
            if (equals > 0 && QByteArrayView(item).first(equals) == name)
                return item.mid(equals + 1);
        }
    }
    return QByteArray();
}

bool HttpRequest::keepAlive() const
{
    bool close = false;
    bool keep = false;
    for (const auto& [key, value] : headers) {
        if (key != "connection")
            continue;
        for (const QByteArray& option : value.split(',')) {
            const QByteArray word = option.trimmed().toLower();
            close = close || word == "close";
            keep = keep || word == "keep-alive";
        }
    }
    if (close)
        return false;
    return minorVersion >= 1 || keep;
}
