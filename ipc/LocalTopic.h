#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

// A named topic that one process serves and others send execute commands to, over a
// local socket only the same user can reach. Each command arrives whole, in the order
// it was sent, and is acknowledged once the server has handed it on.
class TopicServer : public QObject {
    Q_OBJECT
public:
    explicit TopicServer(const QString& topic, QObject* parent = nullptr);

    // Starts serving. A socket left behind by a process that no longer answers is
    // replaced; a live server of the same topic makes this fail.
    bool listen();
    // Serves the topic even where a process still holds it without answering.
    bool replace();
    void close();
    bool isListening() const;
    QString errorString() const;

signals:
    void executed(const QString& command);

private:
    bool serve(bool replaceLiveServer);
    void acceptConnections();

    QString m_topic;
    QString m_error;
    QLocalServer m_server;
};

// The application folder whose programs share topics; the running program's folder
// unless set.
void SetTopicInstallation(const QString& folder);
// The socket path of `topic` for this user and this installation.
QString TopicSocketPath(const QString& topic);

// True when a process serves `topic` now.
bool TopicIsServed(const QString& topic, int timeoutMs = 200);

// Sends the commands in order over one connection; true when every one was
// acknowledged within `timeoutMs` in all.
bool SendExecute(const QString& topic, const QStringList& commands, int timeoutMs = 1000);
