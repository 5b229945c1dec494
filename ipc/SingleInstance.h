#pragma once

#include "ipc/LocalTopic.h"

#include <QObject>
#include <QStringList>

// One program per user and installation. The first start holds the program's topic
// for its whole life; a later start forwards its commands to it and ends, and never
// becomes a second instance while the first lives, even when the first does not
// answer (stopped, hung). Works before any application object exists. The main
// program's topic unless another is given (the game browser has its own).
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome { First, Forwarded, NotAnswering };
    // Long enough for a first instance that is still starting up to answer.
    static constexpr int AnswerWaitMs = 5000;
    static constexpr char NotAnsweringMessage[] = "Tavolin 正在运行，但没有响应。";

    explicit SingleInstance(QObject* parent = nullptr);
    explicit SingleInstance(const QString& topic, QObject* parent = nullptr);

    // What a later start tells the first: "Show", "Count", "ShowTime" and, with
    // arguments, "CommandLine=" and the command line.
    static QStringList ForwardedCommands(const QStringList& arguments);

    // The main program's claim: forwards ForwardedCommands(arguments).
    Outcome claim(const QStringList& arguments);
    // Serves the topic, or hands `commands` to the instance that does.
    Outcome claimOrForward(const QStringList& commands);
    bool serving() const { return m_server.isListening(); }

signals:
    void commandReceived(const QString& command);

private:
    QString m_topic;
    TopicServer m_server;
};
