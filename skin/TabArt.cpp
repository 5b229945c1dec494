#include "skin/TabArt.h"

#include "skin/Canvas.h"
#include "skin/Glyphs.h"
#include "skin/Palette.h"

#include <QPainterPath>

namespace {

struct Style {
    int width;
    int height;          // atlas height
    int headWidth;
    int headHeight;
    int head[3];         // normal, hover, selected
    int glyph[4];        // selected, normal, hover, pressed
    int glyphTop;        // glyph row inside the strip
    int bandOffset;      // row of the window's title band behind strip row 0
    bool slanted;        // style 0 heads overlap their neighbours by 14 pixels
};

const Style Style0{415, 25, 122, 25, {1, 123, 245}, {367, 379, 391, 403}, 6, 8, true};
const Style Style1{421, 28, 124, 26, {1, 125, 249}, {373, 385, 397, 409}, 7, 3, false};

enum Head { Normal = 0, Hover = 1, Selected = 2 };

QColor HeadTop(int kind)
{
    return kind == Selected ? QColor(255, 255, 255) : kind == Hover ? QColor(241, 248, 254) : QColor(222, 237, 250);
}

QColor HeadBottom(int kind)
{
    return kind == Selected ? Palette::Page() : kind == Hover ? QColor(225, 239, 251) : QColor(203, 224, 243);
}

QColor HeadAt(int kind, int y, int height)
{
    return Palette::Mix(HeadTop(kind), HeadBottom(kind), double(y) / (height - 1));
}

// Row y of the strip background: the title band behind the strip. The browser's column
// of 28 rows is stretched over its 32-pixel strip.
QColor Background(const Style& s, int stripRow)
{
    return Palette::Band(s.bandOffset + stripRow);
}

QColor ColumnRow(const Style& s, int row)
{
    if (!s.slanted)
        return Background(s, (row * 32 + 14) / 28);
    return Background(s, row);
}

QPainterPath HeadOutline(const Style& s, bool closed)
{
    const qreal w = s.headWidth;
    const qreal h = s.headHeight;
    QPainterPath path;
    if (s.slanted) {
        path.moveTo(0, h);
        path.cubicTo(4, h, 5.8, h - 2, 6.6, h - 5.5);
        path.lineTo(9.6, 5);
        path.cubicTo(10.4, 2, 12.4, 1, 15.5, 1);
        path.lineTo(w - 15.5, 1);
        path.cubicTo(w - 12.4, 1, w - 10.4, 2, w - 9.6, 5);
        path.lineTo(w - 6.6, h - 5.5);
        path.cubicTo(w - 5.8, h - 2, w - 4, h, w, h);
    } else {
        path.moveTo(0.5, h);
        path.lineTo(0.5, 7);
        path.cubicTo(0.5, 3.4, 2.4, 1.5, 6, 1.5);
        path.lineTo(w - 6, 1.5);
        path.cubicTo(w - 2.4, 1.5, w - 0.5, 3.4, w - 0.5, 7);
        path.lineTo(w - 0.5, h);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

void DrawHead(QPainter& p, const Style& s, int kind)
{
    p.save();
    p.translate(s.head[kind], 0);
    QLinearGradient fill(0, 0, 0, s.headHeight);
    fill.setColorAt(0, HeadTop(kind));
    fill.setColorAt(1, HeadBottom(kind));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(HeadOutline(s, true));
    if (kind != Selected) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(12, 78, 134, 110), 1));
        p.drawPath(HeadOutline(s, false));
    } else {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawPath(HeadOutline(s, false));
    }
    p.restore();
}

void DrawCloseGlyph(QPainter& p, int x, int kind)
{
    // kind: 0 on the selected tab, 1 normal, 2 under the pointer, 3 pressed
    const QRectF cell(x, 0, 12, 12);
    QColor cross = kind == 0 ? QColor(96, 112, 128) : QColor(70, 96, 122);
    if (kind >= 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(kind == 2 ? Palette::Accent() : Palette::AccentDark());
        p.drawEllipse(cell);
        cross = Qt::white;
    }
    p.setPen(QPen(cross, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 3.6, 3.6), QPointF(x + 8.4, 8.4));
    p.drawLine(QPointF(x + 8.4, 3.6), QPointF(x + 3.6, 8.4));
}

QImage Atlas(const Style& s)
{
    QImage image = Canvas::New(s.width, s.height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int y = 0; y < s.height; ++y)
        p.fillRect(QRect(0, y, 1, 1), ColumnRow(s, y));
    for (int kind : {Normal, Hover, Selected})
        DrawHead(p, s, kind);
    for (int i = 0; i < 4; ++i)
        DrawCloseGlyph(p, s.glyph[i], i);
    return image;
}

// What the browser program has drawn behind each atlas pixel when it copies it with
// the colour key: the band behind heads, the head behind glyphs.
QColor Under(const Style& s, int x, int y)
{
    if (x >= s.glyph[0]) {
        const int which = (x - s.glyph[0]) / 12;
        const int row = s.glyphTop + y;
        return HeadAt(which == 0 ? Selected : which == 1 ? Normal : Hover, row, s.headHeight);
    }
    return Background(s, y);
}

QImage Keyed(const Style& s)
{
    return Canvas::KeyOut(Atlas(s), [&s](int x, int y) { return Under(s, x, y); });
}

} // namespace

namespace TabArt {

QImage MainMenuPng() { return Atlas(Style0); }
QImage MainMenuBmp() { return Keyed(Style0); }
QImage CorvaneMenuPng() { return Atlas(Style1); }
QImage CorvaneMenuBmp() { return Keyed(Style1); }

} // namespace TabArt
