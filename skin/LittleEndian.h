#pragma once

#include <QByteArray>
#include <QtEndian>

// The image formats the skin is written in store their numbers little-endian.
inline void Put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void Put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
