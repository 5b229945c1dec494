#include "ipc/LocalTopic.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A frame is a 4-byte big-endian length and that many bytes of UTF-8; the answer to
// each frame is one byte.
constexpr char Acknowledged = 'A';
// Accepts per wake-up, so that a flood of connections cannot starve the event loop.
constexpr int AcceptBurst = 64;
constexpr int RetryMs = 250;

QString& installationFolder()
{
    static QString folder;
    return folder;
}

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool socketAddress(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, path.constData(), path.size());
    return true;
}

// A non-blocking connection to `path`, or -1 with errno telling why.
int connectTo(const QString& path)
{
    sockaddr_un address;
    if (!socketAddress(QFile::encodeName(path), address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool waitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

void SetTopicInstallation(const QString& folder)
{
    installationFolder() = QDir::cleanPath(folder);
}

QString TopicSocketPath(const QString& topic)
{
    // Two installations of the programs must not answer for each other.
    const QString folder = installationFolder().isEmpty() ? QCoreApplication::applicationDirPath() : installationFolder();
    const QByteArray installation = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    QString name = topic;
    name.replace(QLatin1Char('|'), QLatin1Char('.')).replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("%1/tavolin-%2-%3-%4").arg(runtimeFolder()).arg(getuid()).arg(QString::fromLatin1(installation), name);
}

TopicServer::TopicServer(const QString& topic, QObject* parent)
    : QObject(parent)
    , m_topic(topic)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &TopicServer::recover);
}

TopicServer::~TopicServer()
{
    close();
}

bool TopicServer::listen()
{
    if (isListening())
        return true;
    m_heldElsewhere = false;
    m_path = TopicSocketPath(m_topic);
    if (m_lockFd < 0 && !takeLock())
        return false;
    if (!openListeningSocket()) {
        close();
        return false;
    }
    m_error.clear();
    return true;
}

// The topic belongs to whoever holds the lock beside its socket. The kernel lets go of
// it when the holder ends however it ends, and not while it is merely stopped or hung,
// so no start has to guess from a socket that does not answer.
bool TopicServer::takeLock()
{
    const QByteArray path = QFile::encodeName(m_path + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_error = systemError("cannot open the topic lock");
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != getuid()) {
        ::close(fd);
        m_error = QStringLiteral("the topic lock %1 is not this user's file").arg(QFile::decodeName(path));
        return false;
    }
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        m_heldElsewhere = errno == EWOULDBLOCK;
        m_error = m_heldElsewhere ? QStringLiteral("topic %1 is held by another process").arg(m_topic)
                                  : systemError("cannot lock the topic");
        ::close(fd);
        return false;
    }
    m_lockFd = fd;
    return true;
}

bool TopicServer::openListeningSocket()
{
    // Bound under a name of its own and renamed into place once private: nobody else can
    // reach it before, and a socket left behind is replaced in one step. The lock makes
    // both names ours.
    const QByteArray path = QFile::encodeName(m_path);
    const QByteArray staging = path + ".new";
    sockaddr_un address;
    if (!socketAddress(staging, address)) {
        m_error = QStringLiteral("the socket path %1 is too long").arg(m_path);
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        m_error = systemError("cannot make a socket");
        return false;
    }
    ::unlink(staging.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::chmod(staging.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0
        || ::rename(staging.constData(), path.constData()) != 0) {
        m_error = systemError("cannot listen");
        ::close(fd);
        ::unlink(staging.constData());
        return false;
    }
    m_listenFd = fd;
    watch();
    return true;
}

void TopicServer::watch()
{
    if (m_listenFd < 0 || m_notifier)
        return;
    if (!QAbstractEventDispatcher::instance(thread())) {
        // No application yet: clients wait in the backlog until its event loop runs.
        QMetaObject::invokeMethod(this, &TopicServer::watch, Qt::QueuedConnection);
        return;
    }
    m_notifier = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TopicServer::acceptConnections);
}

void TopicServer::closeListeningSocket()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_listenFd >= 0)
        ::close(m_listenFd);
    m_listenFd = -1;
}

void TopicServer::close()
{
    m_retry.stop();
    for (QLocalSocket* socket : std::exchange(m_connections, {})) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    closeListeningSocket();
    if (m_lockFd >= 0) {
        ::unlink(QFile::encodeName(m_path).constData());
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

bool TopicServer::isListening() const
{
    return m_listenFd >= 0;
}

QString TopicServer::errorString() const
{
    return m_error;
}

void TopicServer::acceptConnections()
{
    for (int i = 0; i < AcceptBurst && m_listenFd >= 0; ++i) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            if (m_connections.size() >= MaxConnections)
                ::close(fd);
            else
                adopt(fd);
            continue;
        }
        switch (errno) {
        case EINTR:
        case ECONNABORTED:
        case EPROTO:
            continue;
        case EAGAIN:
            return;
        case EMFILE:
        case ENFILE:
        case ENOBUFS:
        case ENOMEM:
            // The process or the system is short of room: the clients stay in the backlog
            // and are taken once there is room again.
            m_notifier->setEnabled(false);
            m_retry.start();
            return;
        default:
            // The listening socket itself broke: listen anew on the same path.
            closeListeningSocket();
            m_retry.start();
            return;
        }
    }
}

void TopicServer::recover()
{
    if (m_lockFd < 0)
        return;
    if (m_listenFd >= 0) {
        if (m_notifier)
            m_notifier->setEnabled(true);
        return;
    }
    if (!openListeningSocket())
        m_retry.start();
}

void TopicServer::adopt(int descriptor)
{
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(descriptor, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
        ::close(descriptor);
        delete socket;
        return;
    }
    // No connection holds more than one largest frame.
    socket->setReadBufferSize(MaxCommandBytes + 4);
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(IdleLimitMs);
    connect(idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
        idle->start();
        readFrames(socket);
    });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
    m_connections.append(socket);
    idle->start();
}

void TopicServer::readFrames(QLocalSocket* socket)
{
    const QPointer<QLocalSocket> alive(socket);
    while (socket->bytesAvailable() >= 4) {
        char header[4];
        socket->peek(header, 4);
        const quint32 length = qFromBigEndian<quint32>(header);
        if (length > MaxCommandBytes) {
            drop(socket);
            return;
        }
        if (socket->bytesAvailable() < qint64(4) + length)
            break;
        socket->skip(4);
        const QString command = QString::fromUtf8(socket->read(length));
        emit executed(command);
        // The receiver may have closed or deleted the server.
        if (!alive || !m_connections.contains(socket))
            return;
        socket->write(&Acknowledged, 1);
    }
    keepWithinBudget();
}

// Over budget, the connection holding the most gives way, so that short commands get
// through while others hold long unfinished ones.
void TopicServer::keepWithinBudget()
{
    for (;;) {
        qint64 total = 0;
        qint64 most = -1;
        QLocalSocket* largest = nullptr;
        for (QLocalSocket* socket : std::as_const(m_connections)) {
            const qint64 held = socket->bytesAvailable() + socket->bytesToWrite();
            total += held;
            if (held > most) {
                most = held;
                largest = socket;
            }
        }
        if (total <= MaxBufferedBytes || !largest)
            return;
        drop(largest);
    }
}

void TopicServer::drop(QLocalSocket* socket)
{
    if (!m_connections.removeOne(socket))
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

bool TopicIsServed(const QString& topic)
{
    const int fd = connectTo(TopicSocketPath(topic));
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    // A full backlog still has a listener behind it.
    return errno == EAGAIN;
}

Delivery DeliverExecute(const QString& topic, const QStringList& commands, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = connectTo(TopicSocketPath(topic));
    if (fd < 0)
        return Delivery::NotConnected;
    const auto closing = qScopeGuard([fd] { ::close(fd); });

    QByteArray frames;
    for (const QString& command : commands) {
        const QByteArray bytes = command.toUtf8();
        char header[4];
        qToBigEndian<quint32>(quint32(bytes.size()), header);
        frames.append(header, 4).append(bytes);
    }
    qsizetype sent = 0;
    while (sent < frames.size()) {
        const ssize_t n = ::send(fd, frames.constData() + sent, size_t(frames.size() - sent), MSG_NOSIGNAL);
        if (n >= 0)
            sent += n;
        else if (errno != EINTR && (errno != EAGAIN || !waitFor(fd, POLLOUT, deadline)))
            return Delivery::Unanswered;
    }
    qsizetype acknowledged = 0;
    while (acknowledged < commands.size()) {
        char answers[256];
        const ssize_t n = ::recv(fd, answers, sizeof answers, 0);
        if (n > 0)
            acknowledged += std::count(answers, answers + n, Acknowledged);
        else if (n == 0 || (errno != EINTR && (errno != EAGAIN || !waitFor(fd, POLLIN, deadline))))
            return Delivery::Unanswered;
    }
    return Delivery::Acknowledged;
}

bool SendExecute(const QString& topic, const QStringList& commands, int timeoutMs)
{
    return DeliverExecute(topic, commands, timeoutMs) == Delivery::Acknowledged;
}
