#pragma once

#include <QByteArray>
#include <QColor>

// The bit and byte fields of a Flash file: bit fields most significant bit first,
// byte fields little-endian and starting on a byte boundary.
class BitWriter {
public:
    void ub(quint32 value, int bits);
    void sb(qint32 value, int bits);
    void align();
    void u8(int value);
    void u16(int value);
    void u32(quint32 value);
    void rgb(const QColor& colour);
    void rgba(const QColor& colour);
    void bytes(const QByteArray& data);
    // A null-terminated UTF-8 string.
    void string(const QString& text);
    // A rectangle in twips with the fewest bits that hold its corners.
    void rect(int xMin, int xMax, int yMin, int yMax);
    QByteArray take();

    // Bits needed to hold `value` as a signed field.
    static int SignedBits(qint64 value);

private:
    QByteArray m_bytes;
    quint8 m_current = 0;
    int m_used = 0;
};
