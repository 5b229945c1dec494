#include "skin/SmallArt.h"

#include "skin/Canvas.h"
#include "skin/Palette.h"

#include <QPainterPath>
#include <QtMath>

namespace {

QImage IconAt(Glyph glyph, int size)
{
    QImage image = Canvas::New(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = size <= 16 ? 1.25 : 2.1;
    const QColor ink(38, 58, 80);
    // A soft accent disc behind the glyph keeps the icon readable on the white column
    // and on the blue highlight of a selected item alike.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setBrush(QColor(41, 140, 211, 40));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    DrawGlyph(p, glyph, QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92), ink, stroke);
    return image;
}

// Pieces of the guide page's key sprite. Fills sit on whole pixels and one-pixel
// strokes on half pixels, so edges stay crisp at the size the page shows them.
const QColor KeyRim(104, 118, 136);
const QColor KeyInk(26, 38, 52);

// A key cap: a slate body whose lower `lip` rows show under a light face, with a soft
// shadow row below. `r` is the body on whole pixels.
QRectF KeyFace(const QRect& r, int lip)
{
    return QRectF(r).adjusted(1, 1, -1, -lip);
}

void KeyCap(QPainter& p, const QRect& r, int lip, qreal radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 60, 36));
    p.drawRoundedRect(QRectF(r).translated(0, 1), radius, radius);
    p.setBrush(KeyRim);
    p.drawRoundedRect(QRectF(r), radius, radius);
    const QRectF face = KeyFace(r, lip);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(224, 231, 239));
    p.setBrush(fill);
    p.drawRoundedRect(face, radius - 1, radius - 1);
}

void KeyLabel(QPainter& p, const QRectF& face, const QString& label, int px)
{
    Canvas::Text(p, face, label, Palette::Font(px, true), KeyInk);
}

// A solid triangle pointing left, right, up or down, `size` pixels along its base.
void Pointer(QPainter& p, QPointF centre, qreal size, Glyph direction)
{
    const qreal h = size / 2;
    const qreal d = size * 0.42;
    QPolygonF t;
    switch (direction) {
    case Glyph::ArrowLeft: t << QPointF(-d, 0) << QPointF(d, -h) << QPointF(d, h); break;
    case Glyph::ArrowRight: t << QPointF(d, 0) << QPointF(-d, -h) << QPointF(-d, h); break;
    case Glyph::ArrowUp: t << QPointF(0, -d) << QPointF(-h, d) << QPointF(h, d); break;
    default: t << QPointF(0, d) << QPointF(-h, -d) << QPointF(h, -d); break;
    }
    p.setPen(Qt::NoPen);
    p.drawPolygon(t.translated(centre));
}

// A computer mouse seen from above, `lit` marks the part that acts. `r` lies on half
// pixels so that its one-pixel outline is sharp.
enum class MousePart { Left, Wheel, Body };

void Mouse(QPainter& p, const QRectF& r, MousePart lit)
{
    const QColor outline(52, 66, 84);
    QPainterPath body;
    body.addRoundedRect(r, r.width() / 2, r.width() / 2);
    p.setPen(Qt::NoPen);
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0, lit == MousePart::Body ? Palette::AccentSoft() : Qt::white);
    fill.setColorAt(1, lit == MousePart::Body ? QColor(198, 224, 244) : QColor(222, 229, 237));
    p.setBrush(fill);
    p.drawPath(body);
    const qreal split = qFloor(r.top() + r.height() * 0.42) + 0.5;
    const qreal middle = r.center().x();
    if (lit == MousePart::Left) {
        QPainterPath left;
        left.addRect(QRectF(r.left(), r.top(), middle - r.left(), split - r.top()));
        p.setBrush(Palette::Accent());
        p.drawPath(left.intersected(body));
    }
    if (lit == MousePart::Wheel) {
        p.setBrush(Palette::Accent());
        p.drawRoundedRect(QRectF(middle - 1.5, r.top() + 3, 3, 6), 1.5, 1.5);
    }
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r.left(), split), QPointF(r.right(), split));
    if (lit != MousePart::Wheel)
        p.drawLine(QPointF(middle, r.top()), QPointF(middle, split));
    p.setPen(QPen(outline, 1.2));
    p.drawPath(body);
}

} // namespace

namespace SmallArt {

QList<QImage> MenuIcon(Glyph glyph)
{
    return {IconAt(glyph, 16), IconAt(glyph, 32)};
}

QImage HandCursor()
{
    QImage image = Canvas::New(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8.5, 1.5, 5, 16), 2.5, 2.5);    // index finger
    hand.addRoundedRect(QRectF(12.5, 8.5, 4.6, 11), 2.3, 2.3); // middle finger
    hand.addRoundedRect(QRectF(16.5, 9.5, 4.6, 10), 2.3, 2.3); // ring finger
    hand.addRoundedRect(QRectF(20.5, 11, 4.4, 9), 2.2, 2.2);   // little finger
    QPainterPath palm;
    palm.moveTo(8.5, 13);
    palm.lineTo(8.5, 18);
    palm.cubicTo(6.5, 15.5, 3.5, 13.5, 2.8, 15.2);
    palm.cubicTo(2.2, 16.6, 5.5, 20.5, 7.5, 24);
    palm.cubicTo(9, 26.5, 10.5, 28.5, 12, 28.5);
    palm.lineTo(21.5, 28.5);
    palm.cubicTo(23.5, 28.5, 24.9, 25, 24.9, 20);
    palm.lineTo(24.9, 15);
    palm.lineTo(8.5, 15);
    palm.closeSubpath();
    hand = hand.united(palm).simplified();
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0, 0, 0, 110), 0.9));
    p.drawLine(QPointF(12.8, 14.5), QPointF(12.8, 17));
    p.drawLine(QPointF(16.8, 15), QPointF(16.8, 17.5));
    p.drawLine(QPointF(20.8, 15.5), QPointF(20.8, 18));
    return image;
}

QImage KeySprite()
{
    QImage image = Canvas::New(80, 704);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Each picture is cut from the sprite by a 30-pixel-high box whose background is
    // moved by `position`; box row r shows sprite row r - position. Pictures are drawn
    // in box coordinates.
    auto box = [&](int position) { p.setTransform(QTransform::fromTranslate(0, -position)); };
    // A full-height key: body rows 2 .. 27, face rows 3 .. 23 above the lip, shadow on row 28.
    auto cap = [&](int left, int width) {
        const QRect r(left, 2, width, 26);
        KeyCap(p, r, 4, 4);
        return KeyFace(r, 4);
    };
    auto arrow = [&](const QRectF& face, Glyph g) {
        const qreal s = 18;
        DrawGlyph(p, g, QRectF(face.center().x() - s / 2, face.center().y() - s / 2, s, s), KeyInk, 1);
    };

    box(2);
    Mouse(p, QRectF(3.5, 3.5, 11, 21), MousePart::Left);
    box(-33);
    Mouse(p, QRectF(3.5, 3.5, 11, 21), MousePart::Wheel);
    box(-68);
    Mouse(p, QRectF(6.5, 7.5, 10, 15), MousePart::Body);
    p.setBrush(Palette::Accent());
    Pointer(p, QPointF(11.5, 3.5), 6, Glyph::ArrowUp);
    Pointer(p, QPointF(11.5, 26.5), 6, Glyph::ArrowDown);
    Pointer(p, QPointF(2.5, 15), 6, Glyph::ArrowLeft);
    Pointer(p, QPointF(20.5, 15), 6, Glyph::ArrowRight);
    box(-103);
    Mouse(p, QRectF(1.5, 4.5, 11, 19), MousePart::Left);
    p.setPen(QPen(Palette::Accent(), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(13, 16), QPointF(18, 16));
    p.setBrush(Palette::Accent());
    Pointer(p, QPointF(19.5, 16), 7, Glyph::ArrowRight);

    const struct {
        int position;
        int width;
        const char* label;
    } keys[] = {
        {-136, 38, "Alt"}, {-168, 47, "Enter"}, {-200, 47, "Shift"}, {-232, 38, "Ctrl"},
        {-264, 38, "Tab"}, {-296, 38, "End"},   {-328, 77, "Space"},
    };
    for (const auto& k : keys) {
        box(k.position);
        KeyLabel(p, cap(0, k.width), QString::fromLatin1(k.label), 10);
    }
    const struct {
        int position;
        Glyph arrow;
    } arrows[] = {
        {-360, Glyph::ArrowLeft}, {-392, Glyph::ArrowRight}, {-424, Glyph::ArrowUp}, {-456, Glyph::ArrowDown},
    };
    for (const auto& a : arrows) {
        box(a.position);
        arrow(cap(0, 24), a.arrow);
    }
    box(-488);
    arrow(cap(0, 24), Glyph::ArrowLeft);
    arrow(cap(25, 24), Glyph::ArrowRight);
    box(-520);
    arrow(cap(0, 24), Glyph::ArrowUp);
    arrow(cap(25, 24), Glyph::ArrowDown);

    // The plain key cap of .ico_key: a 24 x 27 box whose label the page prints on the
    // face (padding 5, line 12: text rows 5 .. 16).
    box(-553);
    KeyCap(p, QRect(0, 0, 24, 25), 4, 4);

    // Three small keys over two rows, as they sit on a keyboard.
    const QRect top(18, 0, 16, 14), left(0, 15, 16, 14), bottom(18, 15, 16, 14), right(36, 15, 16, 14);
    box(-588);
    for (const auto& [r, label] : {std::pair{top, "W"}, std::pair{left, "A"}, std::pair{bottom, "S"}, std::pair{right, "D"}}) {
        KeyCap(p, r, 3, 3);
        KeyLabel(p, KeyFace(r, 3).adjusted(0, 0, 0, 1), QString::fromLatin1(label), 9);
    }
    box(-628);
    for (const auto& [r, g] : {std::pair{top, Glyph::ArrowUp}, std::pair{left, Glyph::ArrowLeft},
                               std::pair{bottom, Glyph::ArrowDown}, std::pair{right, Glyph::ArrowRight}}) {
        KeyCap(p, r, 3, 3);
        p.setBrush(KeyInk);
        Pointer(p, KeyFace(r, 3).center(), 7, g);
    }
    box(-674);
    const QRectF face = cap(0, 24);
    DrawGlyph(p, Glyph::FullEnter, face.adjusted(1, 0, -1, 0), KeyInk, 1.4);
    return image;
}

QImage TileBed()
{
    QImage image = Canvas::New(74, 74, Palette::Grid());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 74);
    fill.setColorAt(0, QColor(240, 244, 248));
    fill.setColorAt(1, QColor(229, 235, 242));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, 74, 74), 7, 7);
    DrawGlyph(p, Glyph::Gamepad, QRectF(21, 21, 32, 32), QColor(200, 210, 222), 2);
    return image;
}

QImage TileOverlay()
{
    QImage image = Canvas::New(74, 74);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, 74, 74));
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, 74, 74), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Grid());
    p.drawPath(outside.subtracted(card));
    QLinearGradient sheen(0, 0, 0, 30);
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(1, 1, 72, 30), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 50, 80, 70), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 73, 73), 6.5, 6.5);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 71, 71), 5.5, 5.5);
    return image;
}

QImage MoreGames()
{
    QImage image = Canvas::New(74, 74);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 74, 74);
    fill.setColorAt(0, QColor(92, 174, 232));
    fill.setColorAt(1, Palette::AccentDark());
    p.fillRect(image.rect(), fill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(QPointF(62, 8), 30, 30);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(37, 37), 17, 17);
    DrawGlyph(p, Glyph::Plus, QRectF(25, 25, 24, 24), Palette::Accent(), 3);
    return image;
}

QImage PageKnobs()
{
    return Canvas::Strip(QSize(18, 18), 4, [](QPainter& p, int state) {
        p.fillRect(QRect(0, 0, 18, 18), Palette::Grid());
        p.setPen(Qt::NoPen);
        if (state == 1) {
            p.setBrush(QColor(196, 207, 219));
            p.drawEllipse(QPointF(9, 9), 4, 4);
        } else if (state == 2) {
            p.setBrush(Palette::Accent());
            p.drawEllipse(QPointF(9, 9), 5.5, 5.5);
        } else if (state == 3) {
            p.setBrush(Palette::AccentSoft());
            p.drawEllipse(QPointF(9, 9), 8, 8);
            p.setBrush(QColor(110, 176, 226));
            p.drawEllipse(QPointF(9, 9), 4.5, 4.5);
        }
    });
}

QList<QImage> LoadingFrames()
{
    QList<QImage> frames;
    const int dots = 12;
    for (int f = 0; f < dots; ++f) {
        QImage image = Canvas::New(32, 32, Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < dots; ++i) {
            const int age = (f - i + dots) % dots; // 0 = the leading dot
            const double t = age / double(dots - 1);
            const qreal a = qDegreesToRadians(-90 + 360.0 * i / dots);
            const qreal radius = 3.1 - 1.3 * t;
            p.setBrush(Palette::Mix(Palette::Accent(), QColor(226, 236, 246), qMin(1.0, t * 1.15)));
            p.drawEllipse(QPointF(16 + 11 * qCos(a), 16 + 11 * qSin(a)), radius, radius);
        }
        frames.append(image);
    }
    return frames;
}

} // namespace SmallArt
