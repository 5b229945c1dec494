#include "skin/IconWriter.h"

#include "skin/LittleEndian.h"

namespace {

QByteArray Dib(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    Put32(out, 40);
    Put32(out, quint32(w));
    Put32(out, quint32(h * 2)); // colour rows and mask rows
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, quint32(w * h * 4 + maskStride * h));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            Put32(out, line[x]);
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray Directory(quint16 type, const QList<QImage>& images, const QList<QPoint>& hotSpots)
{
    QList<QByteArray> dibs;
    for (const QImage& image : images)
        dibs.append(Dib(image));
    QByteArray out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        out.append(char(image.width() >= 256 ? 0 : image.width()));
        out.append(char(image.height() >= 256 ? 0 : image.height()));
        out.append('\0');
        out.append('\0');
        if (type == 1) {
            Put16(out, 1);  // planes
            Put16(out, 32); // bits per pixel
        } else {
            Put16(out, quint16(hotSpots[i].x()));
            Put16(out, quint16(hotSpots[i].y()));
        }
        Put32(out, quint32(dibs[i].size()));
        Put32(out, offset);
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray& dib : dibs)
        out.append(dib);
    return out;
}

} // namespace

namespace IconWriter {

QByteArray EncodeIcon(const QList<QImage>& sizes)
{
    return Directory(1, sizes, {});
}

QByteArray EncodeCursor(const QImage& image, QPoint hotSpot)
{
    return Directory(2, {image}, {hotSpot});
}

} // namespace IconWriter
