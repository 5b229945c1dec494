#include "swf/BitWriter.h"

#include <algorithm>
#include <utility>

void BitWriter::ub(quint32 value, int bits)
{
    for (int i = bits - 1; i >= 0; --i) {
        m_current = quint8((m_current << 1) | ((value >> i) & 1));
        if (++m_used == 8) {
            m_bytes += char(m_current);
            m_current = 0;
            m_used = 0;
        }
    }
}

void BitWriter::sb(qint32 value, int bits)
{
    ub(quint32(value) & (bits >= 32 ? ~0u : (1u << bits) - 1), bits);
}

void BitWriter::align()
{
    if (m_used > 0)
        ub(0, 8 - m_used);
}

void BitWriter::u8(int value)
{
    align();
    m_bytes += char(value & 0xFF);
}

void BitWriter::u16(int value)
{
    u8(value);
    u8(value >> 8);
}

void BitWriter::u32(quint32 value)
{
    u16(int(value & 0xFFFF));
    u16(int(value >> 16));
}

void BitWriter::rgb(const QColor& colour)
{
    u8(colour.red());
    u8(colour.green());
    u8(colour.blue());
}

void BitWriter::rgba(const QColor& colour)
{
    rgb(colour);
    u8(colour.alpha());
}

void BitWriter::bytes(const QByteArray& data)
{
    align();
    m_bytes += data;
}

void BitWriter::string(const QString& text)
{
    bytes(text.toUtf8());
    u8(0);
}

void BitWriter::rect(int xMin, int xMax, int yMin, int yMax)
{
    const int bits = std::max({SignedBits(xMin), SignedBits(xMax), SignedBits(yMin), SignedBits(yMax)});
    ub(quint32(bits), 5);
    sb(xMin, bits);
    sb(xMax, bits);
    sb(yMin, bits);
    sb(yMax, bits);
    align();
}

QByteArray BitWriter::take()
{
    align();
    return std::exchange(m_bytes, QByteArray());
}

int BitWriter::SignedBits(qint64 value)
{
    int bits = 1;
    while (value < -(qint64(1) << (bits - 1)) || value >= (qint64(1) << (bits - 1)))
        ++bits;
    return bits;
}
