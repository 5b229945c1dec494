#include "account/SiteAnswer.h"

const char SiteAnswerScript[] =
    "(function(){var d=document;"
    "return '<HTML><HEAD>'+(d.head?d.head.innerHTML:'')+'</HEAD><BODY>'+(d.body?d.body.innerHTML:'')"
    "+'</BODY></HTML>';})()";

QString CleanSiteAnswer(const QString& markup)
{
    QString answer = markup;
    for (const char* piece : {"<", ">", "/", "HEAD", "BODY", "HTML", "\n", "\r", "\t", " "})
        answer.remove(QLatin1String(piece), Qt::CaseSensitive);
    return answer;
}

qsizetype Lenstr(const QString& text)
{
    // Characters as a person counts them: a pair of UTF-16 halves is one.
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()))
            ++count;
    }
    return count;
}

QString SiteAnswerFailureText(const QString& answer)
{
    if (answer.isEmpty() || Lenstr(answer) > 1000)
        return QStringLiteral("服务器连接超时");
    return answer;
}
