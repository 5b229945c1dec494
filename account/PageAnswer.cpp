#include "account/PageAnswer.h"

#include <QRegularExpression>

QString UpperCaseTagNames(const QString& markup)
{
    static const QRegularExpression tagName(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9-]*)"));
    QString result;
    result.reserve(markup.size());
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : tagName.globalMatch(markup)) {
        result += QStringView(markup).sliced(done, match.capturedStart(2) - done);
        result += match.captured(2).toUpper();
        done = match.capturedEnd(2);
    }
    result += QStringView(markup).sliced(done);
    return result;
}

QString PageAnswerText(const QString& markup)
{
    QString text = markup;
    for (const char* piece : {"<", ">", "/", "HEAD", "BODY", "HTML", "\n", "\r", "\t", " "})
        text.remove(QLatin1String(piece), Qt::CaseSensitive);
    return text;
}
