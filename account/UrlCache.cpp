#include "account/UrlCache.h"

#include <QRegularExpression>

bool UrlCache::Matches(const QString& pattern, const QString& sourceUrl)
{
    if (pattern == QLatin1String("*.*"))
        return true;
    if (pattern.isEmpty())
        return false;
    // Not a file path: "/" and "[" are plain characters of a URL.
    QString expression;
    for (const QChar c : pattern) {
        if (c == u'*')
            expression += QLatin1String(".*");
        else if (c == u'?')
            expression += u'.';
        else
            expression += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression wildcard(QRegularExpression::anchoredPattern(expression),
                                      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return wildcard.match(sourceUrl).hasMatch();
}
