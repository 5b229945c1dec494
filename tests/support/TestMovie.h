#pragma once

#include "swf/SwfMovie.h"

#include <QByteArray>
#include <QColor>
#include <QSize>

// A looping movie of `stage` size: a yellow box swinging across the stage's middle, so
// the stage's corners keep the background colour.
inline QByteArray AnimatedTestMovie(QSize stage, QColor background)
{
    SwfTimeline timeline;
    timeline.defineShape(1, SwfShape{QColor(250, 200, 40), {Swf::Rectangle(-20, -20, 40, 40)}});
    constexpr int Frames = 24;
    for (int frame = 0; frame < Frames; ++frame) {
        SwfPlacement placement;
        placement.depth = 1;
        placement.character = frame == 0 ? 1 : 0;
        const double swing = (frame < Frames / 2 ? frame : Frames - frame) * 8.0;
        placement.transform = QTransform::fromTranslate(stage.width() / 2.0 - 48 + swing, stage.height() / 2.0);
        timeline.place(placement);
        timeline.showFrame();
    }
    SwfHeader header;
    header.stage = stage;
    header.background = background;
    return Swf::File(header, timeline);
}
