#include "site/HttpResponse.h"

#include <cstring>

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

HttpResponse HttpResponse::StoredFile(const QByteArray& contentType, const QByteArray& bytes)
{
    HttpResponse response = Bytes(contentType, bytes);
    response.file = File{bytes.size(), [bytes](qint64 offset, char* out, qint64 size) {
                             std::memcpy(out, bytes.constData() + offset, size_t(size));
                         }};
    return response;
}

HttpResponse HttpResponse::MadeFile(const QByteArray& contentType, qint64 length,
                                    std::function<void(qint64 offset, char* out, qint64 size)> make)
{
    HttpResponse response;
    response.contentType = contentType;
    response.file = File{length, std::move(make)};
    return response;
}

HttpResponse HttpResponse::BadRequest()
{
    HttpResponse response;
    response.status = 400;
    response.contentType = "text/plain; charset=utf-8";
    response.body = "400 Bad Request\n";
    return response;
}
