#pragma once

#include "ipc/LocalTopic.h"

#include <QObject>
#include <QStringList>

// One main program per user and installation. A later start forwards its commands to
// the first over the main frame's topic and ends; a first instance that no longer
// answers (crashed, socket left behind) is replaced.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome { First, Forwarded };
    static constexpr int AnswerWaitMs = 1500;

    explicit SingleInstance(QObject* parent = nullptr);

    // What a later start tells the first: "Show", "Count", "ShowTime" and, with
    // arguments, "CommandLine=" and the command line.
    static QStringList ForwardedCommands(const QStringList& arguments);

    Outcome claim(const QStringList& arguments);
    bool serving() const { return m_server.isListening(); }

signals:
    void commandReceived(const QString& command);

private:
    TopicServer m_server;
};
