#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Line-art glyphs of the skin, designed on a 24 x 24 grid and scaled into any box.
enum class Glyph {
    Close, Minimise, MenuLines, Maximise, Restore, Toolbar,
    Replay, Heart, Expand, Shrink, FullEnter, FullExit, PopOut, Keyboard,
    ChevronUp, ChevronDown, Home, Headset, Card, Broom,
    Gear, Help, Power, Lookup, Trash, Gamepad, Star, Bolt, Globe, Flame, Plus,
    ArrowLeft, ArrowRight, ArrowUp, ArrowDown,
};

// Draws `glyph` centred in `box` (scaled from the 24-unit grid) with strokes of
// `stroke` pixels in `colour`.
void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour, qreal stroke);
