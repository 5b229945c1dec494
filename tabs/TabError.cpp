#include "tabs/TabError.h"

TabError::TabError(int number, const QString& message)
    : std::runtime_error(message.toStdString())
    , m_number(number)
    , m_message(message)
{
}

TabError TabError::InvalidArgument()
{
    return TabError(5, QStringLiteral("Invalid procedure call or argument"));
}

TabError TabError::OutOfRange()
{
    return TabError(9, QStringLiteral("Subscript out of range"));
}

TabError TabError::DuplicateKey()
{
    return TabError(457, QStringLiteral("This key is already associated with an element of this collection"));
}
