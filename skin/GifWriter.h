#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// GIF89a files with LZW-compressed image data and one global palette (Qt has a GIF
// reader but no writer). Frames are opaque; an animation loops forever.
namespace GifWriter {
QByteArray Encode(const QImage& image);
QByteArray EncodeAnimation(const QList<QImage>& frames, int delayCentiseconds);
}
