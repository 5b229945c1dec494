#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Escapes and paths of request targets and of the addresses the pages write.
namespace UrlText {

// Every "%XX" becomes its byte; nothing when an escape is cut short or not hexadecimal.
std::optional<QByteArray> PercentDecodeStrict(QByteArrayView text);
// Like PercentDecodeStrict, but a malformed escape is kept as it stands.
QByteArray PercentDecodeLenient(QByteArrayView text);
// Runs of "/" become one, "." segments go and ".." removes the segment before it
// (never climbing above the root). The result starts with "/".
QString NormalisePath(const QString& path);
// Spaces and every byte outside ASCII as "%XX" of its UTF-8 form; the rest unchanged.
QString EscapeSpacesAndNonAscii(const QString& text);

} // namespace UrlText
