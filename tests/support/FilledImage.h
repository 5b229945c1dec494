#pragma once

#include <QColor>
#include <QImage>

// A picture of one colour, for tests that compose or paint images.
inline QImage FilledImage(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}
