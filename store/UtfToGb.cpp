#include "store/UtfToGb.h"

namespace UtfToGb {
namespace {

void appendByte(QString& out, unsigned byte)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    out += QLatin1Char('%');
    out += QLatin1Char(hex[(byte >> 4) & 15]);
    out += QLatin1Char(hex[byte & 15]);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}

// The byte escaped at `at` ("%XY"), or -1.
int escapedByte(const QString& text, qsizetype at)
{
    if (at + 2 >= text.size() || text[at] != QLatin1Char('%'))
        return -1;
    const int high = hexValue(text[at + 1]);
    const int low = hexValue(text[at + 2]);
    return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

} // namespace

QString PercentEncodeUtf8(const QString& text)
{
    QString out;
    out.reserve(text.size() * 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 128) {
            out += QChar(c);
        } else if (c < 2048) {
            appendByte(out, 0xC0 | (c / 64));
            appendByte(out, 0x80 | (c % 64));
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // A character outside the BMP travels as its proper four-byte sequence.
            const char32_t code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
            ++i;
            appendByte(out, 0xF0 | (code >> 18));
            appendByte(out, 0x80 | ((code >> 12) & 63));
            appendByte(out, 0x80 | ((code >> 6) & 63));
            appendByte(out, 0x80 | (code & 63));
        } else {
            appendByte(out, 0xE0 | (c / 4096));
            appendByte(out, 0x80 | ((c / 64) % 64));
            appendByte(out, 0x80 | (c % 64));
        }
    }
    return out;
}

QString PercentDecodeUtf8(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const int lead = escapedByte(text, i);
        const int length = lead >= 0xC0 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF7 ? 4
                                                         : 0;
        char32_t code = length == 2 ? lead & 31 : length == 3 ? lead & 15 : lead & 7;
        bool complete = length > 0;
        for (int k = 1; complete && k < length; ++k) {
            const int next = escapedByte(text, i + 3 * k);
            complete = next >= 0x80 && next <= 0xBF;
            code = (code << 6) | (next & 63);
        }
        if (complete && length == 4)
            complete = code >= 0x10000 && code <= 0x10FFFF;
        if (!complete) {
            out += text[i];
            ++i;
            continue;
        }
        if (length == 4) {
            out += QChar(QChar::highSurrogate(code));
            out += QChar(QChar::lowSurrogate(code));
        } else {
            out += QChar(char16_t(code));
        }
        i += 3 * length;
    }
    return out;
}

} // namespace UtfToGb
