#pragma once

#include "ipc/LocalTopic.h"

#include <QMutex>
#include <QStringList>
#include <QThread>

// Serves a topic on its own thread, so that the blocking sender in the test's
// thread gets its acknowledgements.
class TopicServerThread {
public:
    explicit TopicServerThread(const QString& topic)
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context,
            [this, topic] {
                m_server = new TopicServer(topic);
                QObject::connect(m_server, &TopicServer::executed, m_server, [this](const QString& command) {
                    QMutexLocker lock(&m_mutex);
                    m_received << command;
                });
                m_listening = m_server->listen();
            },
            Qt::BlockingQueuedConnection);
    }
    ~TopicServerThread()
    {
        QMetaObject::invokeMethod(&m_context, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    bool listening() const { return m_listening; }
    QStringList received()
    {
        QMutexLocker lock(&m_mutex);
        return m_received;
    }

private:
    QThread m_thread;
    QObject m_context;
    TopicServer* m_server = nullptr;
    bool m_listening = false;
    QMutex m_mutex;
    QStringList m_received;
};
