#include "site/HttpResponse.h"

HttpResponse HttpResponse::Html(const QString& page, int status)
{
    HttpResponse response;
    response.status = status;
    response.contentType = "text/html; charset=utf-8";
    response.body = page.toUtf8();
    return response;
}

HttpResponse HttpResponse::Bytes(const QByteArray& contentType, const QByteArray& body)
{
    HttpResponse response;
    response.contentType = contentType;
    response.body = body;
    return response;
}

HttpResponse HttpResponse::Refusal(int status)
{
    HttpResponse response;
    response.status = status;
    response.contentType = "text/plain; charset=utf-8";
    response.body = QByteArray::number(status) + ' ' + ReasonPhrase(status) + '\n';
    if (status == 405)
        response.headers.append(std::pair<QByteArray, QByteArray>("Allow", "GET, HEAD"));
    return response;
}

QByteArray HttpResponse::serialise(bool headOnly, bool keepAlive) const
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) + "\r\n";
    out += "Server: tavolin-site\r\n";
    if (!contentType.isEmpty())
        out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    for (const auto& [name, value] : headers)
        out += name + ": " + value + "\r\n";
    out += "\r\n";
    if (!headOnly)
        out += body;
    return out;
}

QByteArray HttpResponse::ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 413: return "Content Too Large";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    case 501: return "Not Implemented";
    case 503: return "Service Unavailable";
    case 505: return "HTTP Version Not Supported";
    default: return "Unknown";
    }
}
