#include "site/HttpRequestParser.h"

#include "site/UrlText.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

// Position just past the blank line that ends the head, or -1.
qsizetype headEnd(const QByteArray& buffer)
{
    for (qsizetype i = buffer.indexOf('\n'); i >= 0; i = buffer.indexOf('\n', i + 1)) {
        if (i + 1 < buffer.size() && buffer[i + 1] == '\n')
            return i + 2;
        if (i + 2 < buffer.size() && buffer[i + 1] == '\r' && buffer[i + 2] == '\n')
            return i + 3;
    }
    return -1;
}

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

HttpRequestParser::State HttpRequestParser::fail(int status)
{
    m_failure = status;
    m_midRequest = false;
    return State::Failed;
}

bool HttpRequestParser::refuse(int status)
{
    fail(status);
    return false;
}

HttpRequestParser::State HttpRequestParser::feed(QByteArray& buffer)
{
    if (m_failure)
        return State::Failed;
    if (!m_readingBody) {
        // Stray line ends between requests are allowed and ignored.
        qsizetype skip = 0;
        while (skip < buffer.size() && (buffer[skip] == '\r' || buffer[skip] == '\n'))
            ++skip;
        buffer.remove(0, skip);
        m_midRequest = !buffer.isEmpty();
        if (buffer.isEmpty())
            return State::NeedMore;
        const qsizetype end = headEnd(buffer);
        if (end < 0 || end > MaxHeadBytes) {
            if (end < 0 && buffer.size() <= MaxHeadBytes)
                return State::NeedMore;
            const qsizetype lineEnd = buffer.indexOf('\n');
            return fail(lineEnd < 0 || lineEnd > MaxHeadBytes ? 414 : 431);
        }
        m_request = HttpRequest();
        if (!parseHead(QByteArrayView(buffer).first(end)))
            return State::Failed;
        buffer.remove(0, end);
        m_readingBody = true;
    }
    const qint64 taken = qMin<qint64>(m_bodyLeft, buffer.size());
    buffer.remove(0, taken);
    m_bodyLeft -= taken;
    if (m_bodyLeft > 0)
        return State::NeedMore;
    m_readingBody = false;
    m_midRequest = false;
    return State::Complete;
}

bool HttpRequestParser::parseHead(QByteArrayView head)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < head.size(); ++i) {
        if (head[i] != '\n')
            continue;
        QByteArrayView line = head.sliced(start, i - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines += line;
        start = i + 1;
    }
    // The last line is the blank one that ended the head.
    lines.removeLast();
    if (lines.isEmpty() || !parseRequestLine(lines.first()))
        return m_failure ? false : refuse(400);
    if (lines.size() - 1 > MaxHeaderCount)
        return refuse(431);
    int hosts = 0;
    qint64 contentLength = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const qsizetype colon = line.indexOf(':');
        // A folded continuation line or a name with blanks is refused, not guessed at.
        if (colon <= 0 || !isToken(line.first(colon)))
            return refuse(400);
        const QByteArray name = line.first(colon).toByteArray().toLower();
        const QByteArray value = line.sliced(colon + 1).trimmed().toByteArray();
        if (name == "host")
            ++hosts;
        if (name == "transfer-encoding")
            return refuse(501);
        if (name == "content-length") {
            bool ok = false;
            const qint64 length = value.toLongLong(&ok);
            const bool digitsOnly = !value.isEmpty()
                && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!ok || !digitsOnly || (contentLength >= 0 && contentLength != length))
                return refuse(400);
            contentLength = length;
        }
        m_request.headers.append({name, value});
    }
    if (hosts > 1 || (hosts == 0 && m_request.minorVersion >= 1))
        return refuse(400);
    if (contentLength > MaxBodyBytes)
        return refuse(413);
    m_bodyLeft = qMax<qint64>(contentLength, 0);
    if (m_request.method != "GET" && m_request.method != "HEAD")
        return refuse(405);
    return true;
}

bool HttpRequestParser::parseRequestLine(QByteArrayView line)
{
    const qsizetype first = line.indexOf(' ');
    const qsizetype last = line.lastIndexOf(' ');
    if (first <= 0 || last == first)
        return false;
    const QByteArrayView method = line.first(first);
    const QByteArrayView target = line.sliced(first + 1, last - first - 1);
    const QByteArrayView version = line.sliced(last + 1);
    if (!isToken(method) || target.isEmpty() || target.contains(' '))
        return false;
    if (version == "HTTP/1.1") {
        m_request.minorVersion = 1;
    } else if (version == "HTTP/1.0") {
        m_request.minorVersion = 0;
    } else {
        const bool looksLikeHttp = version.size() == 8 && version.startsWith("HTTP/") && version[6] == '.'
            && QChar::isDigit(uchar(version[5])) && QChar::isDigit(uchar(version[7]));
        return looksLikeHttp ? refuse(505) : false;
    }
    m_request.method = method.toByteArray();
    m_request.target = target.toByteArray();
    return parseTarget(target);
}

bool HttpRequestParser::parseTarget(QByteArrayView target)
{
    // The absolute form names the host too; only the path and query matter here.
    const QByteArray lower = target.first(qMin<qsizetype>(8, target.size())).toByteArray().toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://")) {
        const qsizetype authority = target.indexOf("://") + 3;
        const qsizetype slash = target.indexOf('/', authority);
        const qsizetype question = target.indexOf('?', authority);
        const qsizetype cut = slash < 0 ? question : (question < 0 ? slash : qMin(slash, question));
        target = cut < 0 ? QByteArrayView("/") : target.sliced(cut);
        if (target.startsWith('?'))
            return parseTarget(QByteArray("/") + target.toByteArray());
    }
    if (!target.startsWith('/'))
        return false;
    const qsizetype hash = target.indexOf('#');
    if (hash >= 0)
        target.truncate(hash);
    const qsizetype question = target.indexOf('?');
    const QByteArrayView rawPath = question < 0 ? target : target.first(question);
    const std::optional<QByteArray> pathBytes = UrlText::PercentDecodeStrict(rawPath);
    if (!pathBytes)
        return false;
    for (const char c : *pathBytes) {
        if (uchar(c) < 0x20 || c == 0x7F)
            return false;
    }
    const std::optional<QString> path = decodeUtf8(*pathBytes);
    if (!path)
        return false;
    m_request.path = UrlText::NormalisePath(*path);
    if (question < 0)
        return true;
    const QByteArray rawQuery = target.sliced(question + 1).toByteArray();
    for (const QByteArray& item : rawQuery.split('&')) {
        if (item.isEmpty())
            continue;
        const qsizetype equals = item.indexOf('=');
        const QByteArray name = equals < 0 ? item : item.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
        m_request.query.append({QString::fromUtf8(UrlText::PercentDecodeLenient(name)),
                                QString::fromUtf8(UrlText::PercentDecodeLenient(value))});
    }
    return true;
}
