#include "pages/PageCommandBridge.h"

void PageCommandTable::add(const QString& word, int fieldCount, Action action)
{
    m_rows.append({word, fieldCount, std::move(action)});
}

int PageCommandTable::fieldCount(const QString& word) const
{
    for (const Row& row : m_rows) {
        if (row.word == word)
            return row.fieldCount;
    }
    return -1;
}

PageCommandTable::Outcome PageCommandTable::dispatch(const PageCommand& command) const
{
    for (const Row& row : m_rows) {
        if (row.word != command.word)
            continue;
        if (!command.hasFields(row.fieldCount))
            return Outcome::MissingFields;
        row.action(command.fields);
        return Outcome::Done;
    }
    return Outcome::UnknownWord;
}

SitePage::NewWindowHandler TakePageCommands(std::function<void(const PageCommand&)> dispatch)
{
    return [dispatch = std::move(dispatch)](const LinkActivation& link) {
        const std::optional<PageCommand> command = PageCommand::Parse(link.href);
        if (!command)
            return false;
        dispatch(*command);
        return true;
    };
}

QString PageCommandTable::carryOut(const PageCommand& command, const QString& unknownWordText) const
{
    switch (dispatch(command)) {
    case Outcome::Done:
        return QString();
    case Outcome::UnknownWord:
        return unknownWordText;
    case Outcome::MissingFields:
        break;
    }
    return QStringLiteral("这个链接缺少游戏信息（“%1”需要 %2 项，只有 %3 项），无法执行。")
        .arg(command.word)
        .arg(fieldCount(command.word))
        .arg(command.fields.size());
}
