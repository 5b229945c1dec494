#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>

// Picture strips made in code: frame i is one flat colour, FrameColour(i), so that a
// pixel of the drawn button tells which frame it shows.
inline QColor FrameColour(int frame)
{
    static const QColor colours[] = { QColor(200, 30, 30), QColor(30, 200, 30), QColor(30, 30, 200),
        QColor(200, 200, 30), QColor(30, 200, 200), QColor(200, 30, 200), QColor(120, 60, 10),
        QColor(10, 60, 120) };
    return colours[frame % 8];
}

// With `cornerCut` each frame's top-left quarter is fully transparent.
inline QPixmap MakeStrip(int frames, QSize frameSize, bool cornerCut = false)
{
    QImage strip(frameSize.width() * frames, frameSize.height(), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int i = 0; i < frames; ++i)
        painter.fillRect(i * frameSize.width(), 0, frameSize.width(), frameSize.height(), FrameColour(i));
    if (cornerCut) {
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        for (int i = 0; i < frames; ++i)
            painter.fillRect(i * frameSize.width(), 0, frameSize.width() / 2, frameSize.height() / 2, Qt::transparent);
    }
    painter.end();
    return QPixmap::fromImage(strip);
}
