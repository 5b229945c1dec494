#include "pages/PageCommand.h"

std::optional<PageCommand> PageCommand::Parse(const QString& address)
{
    static const QString marker = QStringLiteral("javascript:CALL_API");
    if (!address.contains(marker))
        return std::nullopt;
    QString rest = address;
    rest.remove(marker).remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QLatin1Char('\''));
    const QStringList pieces = rest.split(QLatin1Char(','));
    PageCommand command;
    command.word = pieces.value(0);
    if (pieces.size() > 1)
        command.fields = pieces[1].split(QLatin1Char('|'));
    return command;
}
