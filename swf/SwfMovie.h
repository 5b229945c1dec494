#pragma once

#include "swf/SwfActions.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPolygonF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <optional>

// A filled outline in pixels around the shape's origin. Contours that run clockwise on
// the screen are filled; one that runs the other way inside another cuts a hole.
struct SwfShape {
    QColor colour; // alpha is kept
    QList<QPolygonF> contours;
};

// Multiplies each channel (1 keeps it), then adds to it (-255 .. 255).
struct SwfColourTransform {
    double red = 1, green = 1, blue = 1, alpha = 1;
    int addRed = 0, addGreen = 0, addBlue = 0, addAlpha = 0;
};

// Events of a clip's own actions ("onClipEvent").
enum SwfClipEvent : quint32 {
    ClipLoad = 0x01,
    ClipEnterFrame = 0x02,
    ClipMouseDown = 0x10,
    ClipKeyDown = 0x40,
};

struct SwfClipAction {
    quint32 events;
    SwfActions actions;
};

// Puts a character at a depth, or changes what the depth already holds.
struct SwfPlacement {
    int depth = 1;
    int character = 0;                   // 0: change what the depth holds
    std::optional<QTransform> transform; // translation in pixels
    std::optional<SwfColourTransform> colour;
    QString name; // the instance name scripts reach it by
    QList<SwfClipAction> clipActions;
};

// The tags of one timeline, the movie's own or a sprite's, frame after frame.
class SwfTimeline {
public:
    void defineShape(int id, const SwfShape& shape);
    // A sprite's timeline holds placements, actions and frames only.
    void defineSprite(int id, const SwfTimeline& sprite);
    void place(const SwfPlacement& placement);
    void remove(int depth);
    void doAction(const SwfActions& actions);
    void showFrame();

    int frames() const { return m_frames; }
    const QByteArray& tags() const { return m_tags; }

private:
    QByteArray m_tags;
    int m_frames = 0;
};

struct SwfHeader {
    QSize stage{550, 400}; // pixels
    int frameRate = 24;
    QColor background = Qt::white;
    int version = 6; // clip events are written as from version 6 on
};

namespace Swf {

// An uncompressed Flash file of the timeline.
QByteArray File(const SwfHeader& header, const SwfTimeline& timeline);

// A regular polygon standing in for an ellipse; `turn` rotates its first corner.
QPolygonF Ellipse(double radiusX, double radiusY, int corners, double turn = 0);
QPolygonF Rectangle(double left, double top, double width, double height);
// The same outline run the other way, to cut a hole.
QPolygonF Reversed(const QPolygonF& contour);

} // namespace Swf
