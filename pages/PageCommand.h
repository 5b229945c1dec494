#pragma once

#include <QStringList>

#include <optional>

// A site page asks the program for work through a link whose address holds
// "javascript:CALL_API('word','field0|field1|...')". Parentheses and single quotes are
// dropped from the whole address, no decoding of any kind is applied, and pieces after
// a second comma are ignored.
struct PageCommand {
    QString word;
    QStringList fields;

    // True when the command carries at least `count` fields; commands with fewer are
    // refused rather than acted on with missing values.
    bool hasFields(int count) const { return fields.size() >= count; }

    static std::optional<PageCommand> Parse(const QString& address);
};
