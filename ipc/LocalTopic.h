#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QLocalSocket;
class QSocketNotifier;

// A named topic that one process serves and others send execute commands to, over a
// local socket only the same user can reach. Each command arrives whole, in the order
// it was sent, and is acknowledged once the server has handed it on.
class TopicServer : public QObject {
    Q_OBJECT
public:
    // What unknown clients can make a server hold at once.
    static constexpr int MaxConnections = 16;
    static constexpr qint64 MaxCommandBytes = 1 << 20;
    static constexpr qint64 MaxBufferedBytes = 2 * (MaxCommandBytes + 4);
    // A connection that leaves a command unfinished this long gives its place up.
    static constexpr int IdleLimitMs = 10000;

    explicit TopicServer(const QString& topic, QObject* parent = nullptr);
    ~TopicServer() override;

    // Takes the topic for as long as this server lives and serves it; a socket left
    // behind by a process that ended is replaced. Fails while another process holds the
    // topic, even one that is stopped or hung. Works before any application object
    // exists: commands are then read once the event loop runs.
    bool listen();
    void close();
    bool isListening() const;
    // True when the last listen() failed because another process holds the topic.
    bool heldElsewhere() const { return m_heldElsewhere; }
    QString errorString() const;

signals:
    void executed(const QString& command);

private:
    bool takeLock();
    bool openListeningSocket();
    void closeListeningSocket();
    void watch();
    void acceptConnections();
    void recover();
    void adopt(int descriptor);
    void readFrames(QLocalSocket* socket);
    void keepWithinBudget();
    void drop(QLocalSocket* socket);

    QString m_topic;
    QString m_path;
    QString m_error;
    bool m_heldElsewhere = false;
    int m_lockFd = -1;
    int m_listenFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_retry;
    QList<QLocalSocket*> m_connections;
};

// The application folder whose programs share topics; the running program's folder
// unless set.
void SetTopicInstallation(const QString& folder);
// The socket path of `topic` for this user and this installation.
QString TopicSocketPath(const QString& topic);

// True when a process serves `topic` now.
bool TopicIsServed(const QString& topic);

// How a send ended: every command acknowledged; no server took the connection; or
// one took it and did not acknowledge everything in time.
enum class Delivery { Acknowledged, NotConnected, Unanswered };

// Sends the commands in order over one connection, waiting at most `timeoutMs` in
// all. Needs no application object or event loop.
Delivery DeliverExecute(const QString& topic, const QStringList& commands, int timeoutMs = 1000);
// True when every command was acknowledged within `timeoutMs`.
bool SendExecute(const QString& topic, const QStringList& commands, int timeoutMs = 1000);
