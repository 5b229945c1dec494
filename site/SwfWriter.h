#pragma once

#include <QByteArray>
#include <QColor>

// A small uncompressed Flash movie without text: a coloured stage with a ground band,
// a sun, two swaying clouds and a diamond that bounces and turns across the stage, looping.
struct SwfMovie {
    int width = 550;  // pixels
    int height = 400; // pixels
    int frameRate = 24;
    int frames = 48;
    int version = 10;
    QColor background = QColor(120, 190, 240);
    QColor ground = QColor(4, 96, 163);
    QColor accent = QColor(255, 200, 40);
};

namespace SwfWriter {

QByteArray Write(const SwfMovie& movie);

} // namespace SwfWriter
