#include "site/BigFile.h"

#include <cstring>

namespace BigFile {
namespace {

// SplitMix64: every 8-byte word depends on its index alone.
quint64 word(quint64 index)
{
    quint64 z = index * 0x9E3779B97F4A7C15ULL + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

void Read(qint64 offset, char* out, qint64 size)
{
    while (size > 0) {
        const quint64 value = word(quint64(offset) / 8);
        const qint64 within = offset % 8;
        const qint64 take = qMin<qint64>(8 - within, size);
        unsigned char bytes[8];
        for (int i = 0; i < 8; ++i)
            bytes[i] = uchar(value >> (8 * i));
        std::memcpy(out, bytes + within, size_t(take));
        out += take;
        offset += take;
        size -= take;
    }
}

} // namespace BigFile
