#include "site/UrlText.h"

#include <QStringList>

namespace UrlText {
namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes the escape at `at`; -1 when there is none.
int escapeAt(QByteArrayView text, qsizetype at)
{
    if (at + 2 >= text.size())
        return -1;
    const int high = hexValue(text[at + 1]);
    const int low = hexValue(text[at + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

} // namespace

std::optional<QByteArray> PercentDecodeStrict(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int value = escapeAt(text, i);
        if (value < 0)
            return std::nullopt;
        out += char(value);
        i += 2;
    }
    return out;
}

QByteArray PercentDecodeLenient(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int value = text[i] == '%' ? escapeAt(text, i) : -1;
        if (value < 0) {
            out += text[i];
        } else {
            out += char(value);
            i += 2;
        }
    }
    return out;
}

QString NormalisePath(const QString& path)
{
    QStringList kept;
    const QStringList segments = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& segment : segments) {
        if (segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept += segment;
    }
    QString out = QLatin1Char('/') + kept.join(QLatin1Char('/'));
    // A trailing slash names a folder; keep it so "/a/" and "/a" stay distinct.
    if (!kept.isEmpty() && path.endsWith(QLatin1Char('/')))
        out += QLatin1Char('/');
    return out;
}

QString EscapeSpacesAndNonAscii(const QString& text)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (const char ch : utf8) {
        const uchar byte = uchar(ch);
        if (byte > 0x20 && byte < 0x7F) {
            out += QLatin1Char(ch);
        } else {
            out += QLatin1Char('%');
            out += QLatin1Char(digits[byte >> 4]);
            out += QLatin1Char(digits[byte & 15]);
        }
    }
    return out;
}

} // namespace UrlText
