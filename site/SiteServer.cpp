#include "site/SiteServer.h"

#include "site/SiteRouter.h"

#include <httplib.h>

#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

struct SiteServer::Library {
    httplib::Server server;
};

namespace {

constexpr size_t FullSpeedSlice = 64 * 1024;

// Keeps one transfer at its rate: after each slice it sleeps until the bytes sent so
// far are due, so the count never runs ahead of the rate by more than one slice.
class Pace {
public:
    explicit Pace(int kibPerSecond)
        : m_bytesPerSecond(qint64(kibPerSecond) * 1024)
    {
    }

    size_t slice() const
    {
        // Ten slices a second: the progress a person watches moves smoothly.
        return m_bytesPerSecond > 0 ? size_t(std::max<qint64>(1, m_bytesPerSecond / 10)) : FullSpeedSlice;
    }

    void sent(size_t bytes)
    {
        if (m_bytesPerSecond <= 0)
            return;
        if (m_sent == 0)
            m_start = std::chrono::steady_clock::now();
        m_sent += qint64(bytes);
        std::this_thread::sleep_until(m_start + std::chrono::microseconds(m_sent * 1000000 / m_bytesPerSecond));
    }

private:
    qint64 m_bytesPerSecond;
    qint64 m_sent = 0;
    std::chrono::steady_clock::time_point m_start;
};

std::optional<HttpRequest> requestOf(const httplib::Request& in)
{
    QList<std::pair<QByteArray, QByteArray>> headers;
    for (const auto& [name, value] : in.headers)
        headers.append({QByteArray::fromStdString(name).toLower(), QByteArray::fromStdString(value).trimmed()});
    return HttpRequest::FromTarget(QByteArray::fromStdString(in.method),
                                   QByteArrayView(in.target.data(), qsizetype(in.target.size())), headers);
}

struct Slice {
    qint64 from = 0;
    qint64 length = 0;
};

// The part of a file of `length` bytes that the request's ranges ask for: the whole file
// for no range, or for several (which a server may answer whole); nothing when the one
// range lies past the end.
std::optional<Slice> sliceOf(const httplib::Ranges& ranges, qint64 length)
{
    if (ranges.size() != 1)
        return Slice{0, length};
    qint64 first = ranges.front().first;
    qint64 last = ranges.front().second;
    if (first < 0 && last < 0)
        return Slice{0, length};
    if (first < 0) {
        // "-N": the last N bytes.
        first = std::max<qint64>(0, length - last);
        last = last > 0 ? length - 1 : -1;
    } else if (last < 0 || last >= length) {
        last = length - 1;
    }
    if (first >= length || last < first)
        return std::nullopt;
    return Slice{first, last - first + 1};
}

void answer(const HttpResponse& out, const httplib::Ranges& ranges, httplib::Response& res, int throttle)
{
    for (const auto& [name, value] : out.headers)
        res.headers.emplace(name.toStdString(), value.toStdString());
    res.status = out.status;
    if (!out.file) {
        res.set_content(out.body.constData(), size_t(out.body.size()), out.contentType.toStdString());
        return;
    }
    const HttpResponse::File file = *out.file;
    res.set_header("Accept-Ranges", "bytes");
    const std::optional<Slice> slice = out.status == 200 ? sliceOf(ranges, file.length) : Slice{0, file.length};
    if (!slice) {
        res.status = 416;
        res.set_header("Content-Range", "bytes */" + std::to_string(file.length));
        res.set_content("416 Range Not Satisfiable\n", "text/plain; charset=utf-8");
        return;
    }
    if (slice->length != file.length) {
        res.status = 206;
        res.set_header("Content-Range", "bytes " + std::to_string(slice->from) + '-'
                                            + std::to_string(slice->from + slice->length - 1) + '/'
                                            + std::to_string(file.length));
    }
    auto pace = std::make_shared<Pace>(throttle);
    const qint64 from = slice->from;
    res.set_content_provider(size_t(slice->length), out.contentType.toStdString(),
                             [file, from, pace](size_t offset, size_t length, httplib::DataSink& sink) {
                                 const qint64 at = from + qint64(offset);
                                 const qint64 end = file.cutOffAt >= 0 ? file.cutOffAt : file.length;
                                 if (at >= end)
                                     return false; // drops the connection short of the announced length
                                 const size_t size = std::min({length, pace->slice(), size_t(end - at)});
                                 std::vector<char> bytes(size);
                                 file.read(at, bytes.data(), qint64(size));
                                 if (!sink.write(bytes.data(), size))
                                     return false;
                                 pace->sent(size);
                                 return true;
                             });
}

} // namespace

SiteServer::SiteServer(SiteRouter& router)
    : m_router(router)
    , m_library(std::make_unique<Library>())
{
    httplib::Server& server = m_library->server;
    server.new_task_queue = [] { return new httplib::ThreadPool(Threads); };
    // The library's default also shares the port with other processes (SO_REUSEPORT):
    // a second site on a taken port must fail instead.
    server.set_socket_options([](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        // Other methods go on to the library, which reads their bodies and answers 404.
        if (req.method != "GET" && req.method != "HEAD")
            return httplib::Server::HandlerResponse::Unhandled;
        const std::optional<HttpRequest> request = requestOf(req);
        // The library's own range arithmetic neither keeps a range inside the file nor
        // refuses one past its end, and reads beyond the content it is given: ranges
        // are answered here, and hidden from it.
        httplib::Ranges ranges;
        std::swap(ranges, const_cast<httplib::Request&>(req).ranges);
        answer(request ? m_router.respond(*request) : HttpResponse::BadRequest(), ranges, res, m_throttle);
        return httplib::Server::HandlerResponse::Handled;
    });
}

SiteServer::~SiteServer() = default;

bool SiteServer::listen(quint16 port)
{
    httplib::Server& server = m_library->server;
    const int bound = port == 0 ? server.bind_to_any_port("127.0.0.1")
                                : (server.bind_to_port("127.0.0.1", port) ? int(port) : -1);
    if (bound <= 0)
        return false;
    m_port = quint16(bound);
    m_router.setOwnAddress(QStringLiteral("127.0.0.1:%1").arg(m_port));
    return true;
}

bool SiteServer::serve()
{
    return m_library->server.listen_after_bind();
}

void SiteServer::stop()
{
    m_library->server.stop();
}
