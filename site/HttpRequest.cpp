#include "site/HttpRequest.h"

#include "site/UrlText.h"

#include <QStringDecoder>

namespace {

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

std::optional<HttpRequest> HttpRequest::FromTarget(const QByteArray& method, QByteArrayView target,
                                                   const QList<std::pair<QByteArray, QByteArray>>& headers)
{
    // The absolute form names the host too; only the path and query matter here.
    QByteArray origin;
    const QByteArray lower = target.first(qMin<qsizetype>(8, target.size())).toByteArray().toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://")) {
        const qsizetype authority = target.indexOf("://") + 3;
        const qsizetype slash = target.indexOf('/', authority);
        const qsizetype question = target.indexOf('?', authority);
        const qsizetype cut = slash < 0 ? question : (question < 0 ? slash : qMin(slash, question));
        origin = cut < 0 ? QByteArray("/") : target.sliced(cut).toByteArray();
        if (origin.startsWith('?'))
            origin.prepend('/');
        target = origin;
    }
    if (!target.startsWith('/'))
        return std::nullopt;
    const qsizetype hash = target.indexOf('#');
    if (hash >= 0)
        target.truncate(hash);
    const qsizetype question = target.indexOf('?');
    const QByteArrayView rawPath = question < 0 ? target : target.first(question);
    const std::optional<QByteArray> pathBytes = UrlText::PercentDecodeStrict(rawPath);
    if (!pathBytes)
        return std::nullopt;
    for (const char c : *pathBytes) {
        if (uchar(c) < 0x20 || c == 0x7F)
            return std::nullopt;
    }
    const std::optional<QString> path = decodeUtf8(*pathBytes);
    if (!path)
        return std::nullopt;

    HttpRequest request;
    request.method = method;
    request.headers = headers;
    request.path = UrlText::NormalisePath(*path);
    if (question < 0)
        return request;
    const QByteArray rawQuery = target.sliced(question + 1).toByteArray();
    for (const QByteArray& item : rawQuery.split('&')) {
        if (item.isEmpty())
            continue;
        const qsizetype equals = item.indexOf('=');
        const QByteArray name = equals < 0 ? item : item.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
        request.query.append({QString::fromUtf8(UrlText::PercentDecodeLenient(name)),
                              QString::fromUtf8(UrlText::PercentDecodeLenient(value))});
    }
    return request;
}

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
