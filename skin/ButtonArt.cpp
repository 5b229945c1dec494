#include "skin/ButtonArt.h"

#include "skin/Canvas.h"
#include "skin/Palette.h"

#include <QPainterPath>

using Canvas::Rows;

namespace {

enum State { Normal = 0, Hover = 1, Pressed = 2 };

Rows Shift(const std::function<QColor(int)>& surface, int top)
{
    return [surface, top](int y) { return surface(top + y); };
}

Rows Flat(const QColor& c)
{
    return [c](int) { return c; };
}

// Title buttons sit on the blue band: white glyph, a white wash on hover, a dark one
// when pressed.
QImage BandButton(QSize frame, const Rows& band, Glyph released, Glyph pressedIn, int frames)
{
    return Canvas::Strip(frame, frames, [&](QPainter& p, int i) {
        const int state = i % 3;
        const bool on = i >= 3;
        Canvas::FillRows(p, QRect(QPoint(0, 0), frame), band);
        const QRectF pad = QRectF(0.5, 0.5, frame.width() - 1, frame.height() - 1);
        if (on || state != Normal) {
            const QColor wash = state == Pressed ? QColor(0, 30, 60, 60) : QColor(255, 255, 255, state == Hover ? 52 : 30);
            p.setPen(Qt::NoPen);
            p.setBrush(wash);
            p.drawRoundedRect(pad, 3, 3);
        }
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 220));
            p.drawRoundedRect(QRectF(frame.width() / 2.0 - 5, frame.height() - 3, 10, 2), 1, 1);
        }
        const qreal g = 20;
        const QRectF box((frame.width() - g) / 2, (frame.height() - g) / 2 - (on ? 1 : 0), g, g);
        DrawGlyph(p, on ? pressedIn : released, box, QColor(255, 255, 255, state == Normal ? 235 : 255), 1.5);
    });
}

// Light buttons: a soft accent wash on hover, a deeper one when pressed, an accent
// underline while a toggle is pressed in.
void LightFace(QPainter& p, int state, const QRectF& shape, qreal radius)
{
    if (state == Normal)
        return;
    p.setPen(state == Pressed ? QPen(Palette::Mix(Palette::AccentPress(), Palette::Accent(), 0.25), 1) : Qt::NoPen);
    p.setBrush(state == Pressed ? Palette::AccentPress() : Palette::AccentSoft());
    p.drawRoundedRect(shape, radius, radius);
}

QColor LightInk(int state)
{
    return state == Normal ? Palette::InkSoft() : state == Hover ? Palette::Accent() : Palette::AccentDark();
}

QImage IconButton(QSize frame, const Rows& surface, Glyph released, Glyph pressedIn, int frames, qreal glyphSize)
{
    return Canvas::Strip(frame, frames, [&](QPainter& p, int i) {
        const int state = i % 3;
        const bool on = i >= 3;
        Canvas::FillRows(p, QRect(QPoint(0, 0), frame), surface);
        LightFace(p, state, QRectF(3.5, 3.5, frame.width() - 7, frame.height() - 7), 6);
        const QRectF box((frame.width() - glyphSize) / 2, (frame.height() - glyphSize) / 2 - (on ? 2 : 0),
                         glyphSize, glyphSize);
        DrawGlyph(p, on ? pressedIn : released, box, LightInk(state), 1.7);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::Accent());
            p.drawRoundedRect(QRectF(frame.width() / 2.0 - 7, frame.height() - 9, 14, 2.5), 1.25, 1.25);
        }
    });
}

// Icon and caption side by side, centred; pressed is the accent pill with white ink.
QImage LabelButton(QSize frame, const Rows& surface, Glyph glyph, const QString& caption, int fontPx, qreal radius)
{
    const QFont font = Palette::Font(fontPx, false);
    const int textWidth = QFontMetrics(font).horizontalAdvance(caption);
    const qreal glyphSize = fontPx + 4;
    const qreal gap = 4;
    const qreal total = glyphSize + gap + textWidth;
    return Canvas::Strip(frame, 3, [&](QPainter& p, int state) {
        Canvas::FillRows(p, QRect(QPoint(0, 0), frame), surface);
        const QRectF shape(1.5, 1.5, frame.width() - 3, frame.height() - 3);
        QColor ink = state == Normal ? Palette::InkSoft() : Palette::AccentDark();
        if (state == Hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::AccentSoft());
            p.drawRoundedRect(shape, radius, radius);
        } else if (state == Pressed) {
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::Accent());
            p.drawRoundedRect(shape, radius, radius);
            ink = Qt::white;
        }
        const qreal x = (frame.width() - total) / 2;
        DrawGlyph(p, glyph, QRectF(x, (frame.height() - glyphSize) / 2, glyphSize, glyphSize), ink, 1.5);
        Canvas::Text(p, QRectF(x + glyphSize + gap, 0, textWidth + 2, frame.height()), caption, font, ink,
                     Qt::AlignLeft | Qt::AlignVCenter);
    });
}

// Raised light push button for the small windows.
void PushFace(QPainter& p, QSize frame, int state)
{
    const QRectF shape(0.5, 0.5, frame.width() - 1, frame.height() - 1);
    QLinearGradient fill(0, 0, 0, frame.height());
    QColor border;
    if (state == Normal) {
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(1, QColor(238, 242, 247));
        border = QColor(188, 200, 213);
    } else if (state == Hover) {
        fill.setColorAt(0, QColor(244, 250, 255));
        fill.setColorAt(1, Palette::AccentSoft());
        border = Palette::Accent();
    } else {
        fill.setColorAt(0, Palette::AccentPress());
        fill.setColorAt(1, Palette::Mix(Palette::AccentPress(), Palette::AccentSoft(), 0.5));
        border = Palette::AccentDark();
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(shape, 3, 3);
}

} // namespace

namespace ButtonArt {

QImage MainTitleButton(Glyph glyph)
{
    return BandButton(QSize(28, 22), Shift(Palette::Band, 6), glyph, glyph, 3);
}

QImage FrameTitleButton(Glyph glyph, int width)
{
    return BandButton(QSize(width, 22), Shift(Palette::Band, 5), glyph, glyph, 3);
}

QImage FrameToggleButton(Glyph released, Glyph pressedIn)
{
    return BandButton(QSize(24, 22), Shift(Palette::Band, 5), released, pressedIn, 6);
}

QImage DialogClose()
{
    return BandButton(QSize(22, 22), Shift(Palette::Band, 4), Glyph::Close, Glyph::Close, 3);
}

QImage DialogButton()
{
    const QSize frame(75, 23);
    return Canvas::Strip(frame, 3, [&](QPainter& p, int state) {
        p.fillRect(QRect(QPoint(0, 0), frame), Palette::Footer());
        PushFace(p, frame, state);
    });
}

QImage PurgeButton()
{
    const QSize frame(88, 26);
    const QFont font = Palette::Font(12);
    return Canvas::Strip(frame, 3, [&](QPainter& p, int state) {
        p.fillRect(QRect(QPoint(0, 0), frame), Qt::white);
        PushFace(p, frame, state);
        const QColor ink = state == Normal ? Palette::Ink() : Palette::AccentDark();
        DrawGlyph(p, Glyph::Broom, QRectF(10, 5, 16, 16), state == Normal ? Palette::InkSoft() : ink, 1.4);
        Canvas::Text(p, QRectF(29, 0 + (state == Pressed ? 1 : 0), 56, 26), QStringLiteral("清除缓存"), font, ink,
                     Qt::AlignLeft | Qt::AlignVCenter);
    });
}

QImage CategoryButton(Glyph glyph, const QString& caption)
{
    return LabelButton(QSize(88, 28), Shift(Palette::Bar, 6), glyph, caption, 13, 14);
}

QImage SearchButton()
{
    const QSize frame(56, 26);
    const QFont font = Palette::Font(12, true);
    return Canvas::Strip(frame, 3, [&](QPainter& p, int state) {
        Canvas::FillRows(p, QRect(QPoint(0, 0), frame), Shift(Palette::Bar, 7));
        const QColor fill = state == Normal ? Palette::Accent()
                          : state == Hover  ? Palette::Mix(Palette::Accent(), Qt::white, 0.14)
                                            : Palette::AccentDark();
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, frame.width() - 1, frame.height() - 1), 4, 4);
        DrawGlyph(p, Glyph::Lookup, QRectF(8, 6, 14, 14), Qt::white, 1.6);
        Canvas::Text(p, QRectF(24, 0, 28, 26), QStringLiteral("搜索"), font, Qt::white, Qt::AlignCenter);
    });
}

QImage FilterButton(Glyph glyph, const QString& caption)
{
    return LabelButton(QSize(80, 24), Flat(Palette::Grid()), glyph, caption, 12, 12);
}

QImage PlayerTool(Glyph glyph)
{
    return IconButton(QSize(40, 40), Flat(Qt::white), glyph, glyph, 3, 22);
}

QImage PlayerToggle(Glyph released, Glyph pressedIn)
{
    return IconButton(QSize(40, 40), Flat(Qt::white), released, pressedIn, 6, 22);
}

QImage PlayerTrigger()
{
    return IconButton(QSize(40, 40), Shift(Palette::Strip, 6), Glyph::ChevronDown, Glyph::ChevronDown, 3, 24);
}

QImage ScrollButton(Glyph glyph, int top)
{
    QImage image = Canvas::New(20, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Canvas::FillRows(p, image.rect(), Shift(Palette::Strip, top));
    p.setPen(QPen(Palette::Line(), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 4, 4);
    DrawGlyph(p, glyph, QRectF(2, 2, 16, 16), Palette::InkSoft(), 1.5);
    return image;
}

QImage BrowserTool(Glyph glyph, const QString& caption)
{
    return LabelButton(QSize(88, 32), Shift(Palette::Strip, 10), glyph, caption, 12, 6);
}

} // namespace ButtonArt
