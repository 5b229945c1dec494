#pragma once

#include <QString>

// The stored text form: every character outside ASCII written as its UTF-8 bytes,
// each byte as "%" and two upper-case hexadecimal digits. ASCII is copied as it is,
// "%", "'" and spaces included.
namespace UtfToGb {

QString PercentEncodeUtf8(const QString& text);
// Each complete escaped UTF-8 sequence becomes its character; everything else,
// a "%" that begins no such sequence included, is copied unchanged.
QString PercentDecodeUtf8(const QString& text);

} // namespace UtfToGb
