#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

// One answer: status, body and its type, and any further header fields.
struct HttpResponse {
    // A file the launcher downloads rather than a page: the server sends it slice by
    // slice (at the throttled rate, and only a range of it when asked).
    struct File {
        qint64 length = 0;
        // Writes bytes [offset, offset + size) of the file to `out`.
        std::function<void(qint64 offset, char* out, qint64 size)> read;
        // When not negative the transfer stops there and the connection drops, although
        // the whole length was announced.
        qint64 cutOffAt = -1;
    };

    int status = 200;
    QByteArray contentType;
    // A page, or a stored file (which `file` then reads).
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;
    std::optional<File> file;

    static HttpResponse Html(const QString& page, int status = 200);
    static HttpResponse Bytes(const QByteArray& contentType, const QByteArray& body);
    // A stored file, kept in memory whole.
    static HttpResponse StoredFile(const QByteArray& contentType, const QByteArray& bytes);
    // A file made slice by slice as it is sent, never whole in memory.
    static HttpResponse MadeFile(const QByteArray& contentType, qint64 length,
                                 std::function<void(qint64 offset, char* out, qint64 size)> make);
    // The answer to a request whose target cannot be read.
    static HttpResponse BadRequest();
};
