#include "ipc/LocalTopic.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>

#include <unistd.h>

namespace {

// A frame is a 4-byte big-endian length and that many bytes of UTF-8; the answer to
// each frame is one byte.
constexpr quint32 MaxCommandBytes = 1 << 20;
constexpr char Acknowledged = 'A';

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

// Reads every complete frame in the socket's buffer.
void readFrames(QLocalSocket* socket, TopicServer* server)
{
    while (socket->bytesAvailable() >= 4) {
        char header[4];
        socket->peek(header, 4);
        const quint32 length = qFromBigEndian<quint32>(header);
        if (length > MaxCommandBytes) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < qint64(4 + length))
            return;
        socket->read(header, 4);
        const QString command = QString::fromUtf8(socket->read(length));
        emit server->executed(command);
        socket->write(&Acknowledged, 1);
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
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &TopicServer::acceptConnections);
}

bool TopicServer::listen()
{
    return serve(false);
}

bool TopicServer::replace()
{
    return serve(true);
}

bool TopicServer::serve(bool replaceLiveServer)
{
    const QString path = TopicSocketPath(m_topic);
    // Two processes starting at once must not both decide they are the only one.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(2000)) {
        m_error = QStringLiteral("topic %1 is being taken by another process").arg(m_topic);
        return false;
    }
    // Listening replaces whatever socket file is there, so a live server is asked first.
    if (!replaceLiveServer && TopicIsServed(m_topic)) {
        m_error = QStringLiteral("topic %1 is served by another process").arg(m_topic);
        return false;
    }
    QLocalServer::removeServer(path);
    if (!m_server.listen(path)) {
        m_error = m_server.errorString();
        return false;
    }
    m_error.clear();
    return true;
}

void TopicServer::close()
{
    m_server.close();
}

bool TopicServer::isListening() const
{
    return m_server.isListening();
}

QString TopicServer::errorString() const
{
    return m_error;
}

void TopicServer::acceptConnections()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [socket, this] { readFrames(socket, this); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readFrames(socket, this);
    }
}

bool TopicIsServed(const QString& topic, int timeoutMs)
{
    QLocalSocket probe;
    probe.connectToServer(TopicSocketPath(topic));
    return probe.waitForConnected(timeoutMs);
}

bool SendExecute(const QString& topic, const QStringList& commands, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(TopicSocketPath(topic));
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    for (const QString& command : commands) {
        const QByteArray bytes = command.toUtf8();
        char header[4];
        qToBigEndian<quint32>(quint32(bytes.size()), header);
        socket.write(header, 4);
        socket.write(bytes);
    }
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())) && socket.bytesToWrite() > 0)
        return false;
    qsizetype acknowledged = 0;
    while (acknowledged < commands.size()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(qMax<qint64>(0, deadline.remainingTime()))))
            return false;
        acknowledged += socket.readAll().count(Acknowledged);
    }
    socket.disconnectFromServer();
    return true;
}
