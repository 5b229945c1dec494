#pragma once

#include <QByteArray>
#include <QImage>

// Windows bitmap files. Opaque pictures are written as 24-bit BI_RGB, the form every
// reader accepts; pictures that need per-pixel alpha as 32-bit BI_BITFIELDS with a
// BITMAPV5HEADER and an alpha mask (straight, not premultiplied alpha).
namespace BmpWriter {
QByteArray Encode24(const QImage& image);
QByteArray Encode32(const QImage& image);
}
