#pragma once

#include <QBitmap>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSize>

// How a strip is cut: the main program cuts Style 0 as 3 frames (normal, hover,
// pressed), 1 as 6 (the same with Value false, then true) and 2 as 4 (with disabled);
// the browser program cuts every non-zero Style as 6.
enum class StripRule { Launcher, Browser };

int StripFrameCount(int style, StripRule rule);

// Which frame shows a state: Locked shows the pressed frame; Value true moves to the
// second half of a toggle strip. A disabled state uses the strip's own disabled frame
// when it has one, else the frame for normal drawn faded.
struct StripPicture {
    int frame = -1;
    bool faded = false;
};
StripPicture PictureForState(int state, bool value, int style, bool locked, int frameCount);

// The strip cut into equal frames, left to right, each the strip's full height, with
// the shape of each frame for a transparent button: pixels less than half opaque and,
// in strips without alpha, the mask colour RGB(255, 0, 255) are outside the shape.
class ButtonStrip {
public:
    ButtonStrip() = default;
    ButtonStrip(const QPixmap& strip, int frameCount);

    bool isReady() const { return !m_frames.isEmpty(); }
    QSize frameSize() const { return m_frameSize; }
    int frameCount() const { return int(m_frames.size()); }
    QPixmap frame(int index) const;
    QBitmap shape(int index) const;

private:
    QSize m_frameSize;
    QList<QPixmap> m_frames;
    QList<QBitmap> m_shapes;
};

// Top-left corner of a caption of `text` size centred in `box`; one pixel right and
// down in the pressed state.
QPoint CaptionOrigin(QSize box, QSize text, int state);
