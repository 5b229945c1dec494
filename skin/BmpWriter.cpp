#include "skin/BmpWriter.h"

#include "skin/LittleEndian.h"

namespace {

void PutFileHeader(QByteArray& out, quint32 fileSize, quint32 dataOffset)
{
    out.append("BM", 2);
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, dataOffset);
}

} // namespace

namespace BmpWriter {

QByteArray Encode24(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    const int w = src.width();
    const int h = src.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 offset = 14 + 40;
    QByteArray out;
    out.reserve(offset + stride * h);
    PutFileHeader(out, offset + stride * h, offset);
    Put32(out, 40);
    Put32(out, quint32(w));
    Put32(out, quint32(h));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0); // BI_RGB
    Put32(out, quint32(stride * h));
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    QByteArray row(stride, '\0');
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            row[x * 3] = char(qBlue(line[x]));
            row[x * 3 + 1] = char(qGreen(line[x]));
            row[x * 3 + 2] = char(qRed(line[x]));
        }
        out.append(row);
    }
    return out;
}

QByteArray Encode32(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    const quint32 headerSize = 124;
    const quint32 offset = 14 + headerSize;
    const quint32 dataSize = quint32(w * h * 4);
    QByteArray out;
    out.reserve(offset + dataSize);
    PutFileHeader(out, offset + dataSize, offset);
    Put32(out, headerSize);
    Put32(out, quint32(w));
    Put32(out, quint32(h));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 3); // BI_BITFIELDS
    Put32(out, dataSize);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0x00FF0000);
    Put32(out, 0x0000FF00);
    Put32(out, 0x000000FF);
    Put32(out, 0xFF000000);
    Put32(out, 0x73524742); // 'sRGB'
    out.append(36, '\0');   // endpoints, unused for sRGB
    Put32(out, 0);          // gamma red, green, blue
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 4); // LCS_GM_IMAGES
    Put32(out, 0); // profile data, size, reserved
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            Put32(out, line[x]); // 0xAARRGGBB little-endian = B, G, R, A
    }
    return out;
}

} // namespace BmpWriter
