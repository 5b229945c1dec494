#include "skin/GifWriter.h"

#include "skin/LittleEndian.h"
#include "skin/PaletteQuantiser.h"

#include <vector>

namespace {

// Variable-width LZW as GIF wants it: codes packed least significant bit first,
// a clear code first, a fresh table whenever code 4095 has been handed out.
class LzwPacker {
public:
    LzwPacker(int minCodeSize, QByteArray& out) : m_minCodeSize(minCodeSize), m_out(out) {}

    void Compress(const QByteArray& indices)
    {
        const int clearCode = 1 << m_minCodeSize;
        Reset();
        Emit(clearCode);
        int prefix = -1;
        for (char ch : indices) {
            const int k = uchar(ch);
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const int found = Find(prefix, k);
            if (found >= 0) {
                prefix = found;
                continue;
            }
            Emit(prefix);
            Insert(prefix, k, ++m_maxCode);
            if (m_maxCode >= (1 << m_codeSize) && m_codeSize < 12)
                ++m_codeSize;
            if (m_maxCode == 4095) {
                Emit(clearCode);
                Reset();
            }
            prefix = k;
        }
        if (prefix >= 0)
            Emit(prefix);
        Emit(clearCode + 1);
        if (m_bitCount > 0)
            PushByte(char(m_bits & 0xFF));
        FlushBlock();
        m_out.append('\0');
    }

private:
    static constexpr int TableSize = 8192;

    void Reset()
    {
        m_keys.assign(TableSize, -1);
        m_codes.assign(TableSize, 0);
        m_codeSize = m_minCodeSize + 1;
        m_maxCode = (1 << m_minCodeSize) + 1;
    }

    static int Slot(int key) { return int((quint32(key) * 2654435761u) >> 19) & (TableSize - 1); }

    int Find(int prefix, int k) const
    {
        const int key = (prefix << 8) | k;
        for (int s = Slot(key);; s = (s + 1) & (TableSize - 1)) {
            if (m_keys[s] == key)
                return m_codes[s];
            if (m_keys[s] < 0)
                return -1;
        }
    }

    void Insert(int prefix, int k, int code)
    {
        const int key = (prefix << 8) | k;
        int s = Slot(key);
        while (m_keys[s] >= 0)
            s = (s + 1) & (TableSize - 1);
        m_keys[s] = key;
        m_codes[s] = code;
    }

    void Emit(int code)
    {
        m_bits |= quint32(code) << m_bitCount;
        m_bitCount += m_codeSize;
        while (m_bitCount >= 8) {
            PushByte(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }

    void PushByte(char b)
    {
        m_block.append(b);
        if (m_block.size() == 255)
            FlushBlock();
    }

    void FlushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }

    int m_minCodeSize;
    QByteArray& m_out;
    QByteArray m_block;
    std::vector<int> m_keys;
    std::vector<int> m_codes;
    int m_codeSize = 0;
    int m_maxCode = 0;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

QByteArray Write(const QList<QImage>& frames, int delayCentiseconds)
{
    const PaletteQuantiser::Result indexed = PaletteQuantiser::Quantise(frames);
    int tableBits = 1;
    while ((1 << tableBits) < indexed.palette.size())
        ++tableBits;
    const int w = frames.first().width();
    const int h = frames.first().height();
    const bool animated = frames.size() > 1;

    QByteArray out("GIF89a");
    Put16(out, quint16(w));
    Put16(out, quint16(h));
    out.append(char(0x80 | 0x70 | (tableBits - 1))); // global table, 8-bit source colours
    out.append('\0');                                // background colour index
    out.append('\0');                                // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < indexed.palette.size() ? indexed.palette[i] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (animated) {
        out.append("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01", 16);
        Put16(out, 0); // loop forever
        out.append('\0');
    }
    for (const QByteArray& indices : indexed.frames) {
        if (animated) {
            out.append("\x21\xF9\x04", 3);
            out.append(char(1 << 2)); // leave the frame in place, no transparency
            Put16(out, quint16(delayCentiseconds));
            out.append('\0');
            out.append('\0');
        }
        out.append(char(0x2C));
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, quint16(w));
        Put16(out, quint16(h));
        out.append('\0');
        const int minCodeSize = std::max(2, tableBits);
        out.append(char(minCodeSize));
        LzwPacker(minCodeSize, out).Compress(indices);
    }
    out.append(char(0x3B));
    return out;
}

} // namespace

namespace GifWriter {

QByteArray Encode(const QImage& image)
{
    return Write({image}, 0);
}

QByteArray EncodeAnimation(const QList<QImage>& frames, int delayCentiseconds)
{
    return Write(frames, delayCentiseconds);
}

} // namespace GifWriter
