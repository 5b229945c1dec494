#include "ipc/SingleInstance.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cstdio>

namespace {
const QString MainFrameTopic = QStringLiteral("Tavolin|FormTavolin");
constexpr int ConnectRetryMs = 20;
}

SingleInstance::SingleInstance(QObject* parent)
    : SingleInstance(MainFrameTopic, parent)
{
}

SingleInstance::SingleInstance(const QString& topic, QObject* parent)
    : QObject(parent)
    , m_topic(topic)
    , m_server(topic)
{
    connect(&m_server, &TopicServer::executed, this, &SingleInstance::commandReceived);
}

QStringList SingleInstance::ForwardedCommands(const QStringList& arguments)
{
    QStringList commands{QStringLiteral("Show"), QStringLiteral("Count"), QStringLiteral("ShowTime")};
    if (!arguments.isEmpty())
        commands << QStringLiteral("CommandLine=") + arguments.join(QLatin1Char(' '));
    return commands;
}

SingleInstance::Outcome SingleInstance::claim(const QStringList& arguments)
{
    return claimOrForward(ForwardedCommands(arguments));
}

SingleInstance::Outcome SingleInstance::claimOrForward(const QStringList& commands)
{
    const QDeadlineTimer deadline(AnswerWaitMs);
    for (;;) {
        if (m_server.listen())
            return Outcome::First;
        if (!m_server.heldElsewhere()) {
            // Without the lock nobody can tell who is first; a start that reaches nobody runs.
            if (SendExecute(m_topic, commands, AnswerWaitMs))
                return Outcome::Forwarded;
            std::fprintf(stderr, "cannot serve %s (%s); starting without it\n", qPrintable(m_topic),
                         qPrintable(m_server.errorString()));
            return Outcome::First;
        }
        switch (DeliverExecute(m_topic, commands, int(qMax<qint64>(0, deadline.remainingTime())))) {
        case Delivery::Acknowledged:
            return Outcome::Forwarded;
        case Delivery::Unanswered:
            return Outcome::NotAnswering;
        case Delivery::NotConnected:
            // The holder has not started listening yet, or has just ended: ask again.
            break;
        }
        if (deadline.hasExpired())
            return Outcome::NotAnswering;
        QThread::msleep(ConnectRetryMs);
    }
}
