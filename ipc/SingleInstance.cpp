#include "ipc/SingleInstance.h"

#include <cstdio>

namespace {
const QString MainFrameTopic = QStringLiteral("Tavolin|FormTavolin");
}

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
    , m_server(MainFrameTopic)
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
    const QStringList commands = ForwardedCommands(arguments);
    if (SendExecute(MainFrameTopic, commands, AnswerWaitMs))
        return Outcome::Forwarded;
    if (m_server.listen())
        return Outcome::First;
    // Another start may have won the race meanwhile: then it is the first now.
    if (SendExecute(MainFrameTopic, commands, AnswerWaitMs))
        return Outcome::Forwarded;
    // A first instance that holds the topic but never answers is not waited for.
    if (!m_server.replace())
        std::fprintf(stderr, "Tavolin: cannot serve %s (%s); starting without it\n", qPrintable(MainFrameTopic),
                     qPrintable(m_server.errorString()));
    return Outcome::First;
}
