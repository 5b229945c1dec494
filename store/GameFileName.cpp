#include "store/GameFileName.h"

#include <QCryptographicHash>

namespace {

constexpr QChar Replacement = QLatin1Char('_');
constexpr QChar HashMark = QLatin1Char('~');
constexpr int HashDigits = 8;

bool separatorOrControl(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
}

// A half of a surrogate pair without its other half has no UTF-8 form.
bool unpairedSurrogate(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

// Over the UTF-16 code units, so that names differing only in unpaired surrogates
// (which UTF-8 cannot tell apart) still differ.
QString hashOf(const QString& key)
{
    QByteArray units;
    units.reserve(key.size() * 2);
    for (QChar c : key)
        units.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return QString::fromLatin1(
        QCryptographicHash::hash(units, QCryptographicHash::Sha256).toHex().left(HashDigits));
}

// The longest start of `text` whose UTF-8 form fits `maxBytes`, never splitting a
// surrogate pair.
QString cutToBytes(const QString& text, int maxBytes)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size()
                       && text.at(end + 1).isLowSurrogate();
        const qsizetype width = pair ? 2 : 1;
        const int size = int(text.mid(end, width).toUtf8().size());
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += width;
    }
    return text.left(end);
}

} // namespace

QString GameFileName(const QString& gameName)
{
    const QString key = QString(gameName).remove(QLatin1Char(' '));
    QString name = key;
    bool changed = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (separatorOrControl(name.at(i)) || unpairedSurrogate(key, i)) {
            name[i] = Replacement;
            changed = true;
        }
    }
    // "." and ".." name folders, and a leading dot hides the file.
    for (qsizetype i = 0; i < name.size() && name.at(i) == QLatin1Char('.'); ++i) {
        name[i] = Replacement;
        changed = true;
    }
    if (!changed && !name.isEmpty() && name.toUtf8().size() <= GameFileNameMaxBytes)
        return name;
    const QString suffix = HashMark + hashOf(key);
    return cutToBytes(name, GameFileNameMaxBytes - int(suffix.size())) + suffix;
}
