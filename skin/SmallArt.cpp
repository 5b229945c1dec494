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

// Key caps of the guide page: a light cap with a darker lip, label in the cap's face.
void KeyCap(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 134, 150));
    p.drawRoundedRect(r, 4, 4);
    QLinearGradient face(r.topLeft(), QPointF(r.left(), r.bottom() - 3));
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(232, 237, 243));
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -3.5), 3, 3);
}

void KeyLabel(QPainter& p, const QRectF& r, const QString& label, int px)
{
    Canvas::Text(p, r.adjusted(1, 1, -1, -3.5), label, Palette::Font(px, true), QColor(44, 58, 72));
}

void KeyArrow(QPainter& p, const QRectF& r, Glyph arrow)
{
    const QRectF face = r.adjusted(1, 1, -1, -3.5);
    const qreal s = qMin(face.width() - 2, face.height() + 3);
    DrawGlyph(p, arrow, QRectF(face.center().x() - s / 2, face.center().y() - s / 2, s, s), QColor(44, 58, 72), 1);
}

// A computer mouse seen from above, `lit` marks the part that acts.
enum class MousePart { Left, Wheel, Body };

void Mouse(QPainter& p, const QRectF& r, MousePart lit)
{
    QPainterPath body;
    body.addRoundedRect(r, r.width() / 2, r.width() / 2.2);
    p.setPen(QPen(QColor(70, 84, 100), 1.2));
    p.setBrush(lit == MousePart::Body ? Palette::AccentSoft() : QColor(255, 255, 255));
    p.drawPath(body);
    const qreal split = r.top() + r.height() * 0.42;
    if (lit == MousePart::Left) {
        QPainterPath left;
        left.moveTo(r.center().x(), r.top());
        left.lineTo(r.center().x(), split);
        left.lineTo(r.left(), split);
        left.lineTo(r.left(), r.top() + r.width() / 2.2);
        left.arcTo(QRectF(r.left(), r.top(), r.width(), r.width() / 1.1), 180, -90);
        left.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Accent());
        p.drawPath(left.intersected(body));
    }
    p.setPen(QPen(QColor(70, 84, 100), 1));
    p.drawLine(QPointF(r.left() + 1, split), QPointF(r.right() - 1, split));
    p.drawLine(QPointF(r.center().x(), r.top() + 1), QPointF(r.center().x(), split));
    if (lit == MousePart::Wheel) {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Accent());
        p.drawRoundedRect(QRectF(r.center().x() - 1.6, r.top() + 3, 3.2, 6), 1.6, 1.6);
    }
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
    // in box coordinates, rows 2 .. 27.
    auto box = [&](int position) { p.setTransform(QTransform::fromTranslate(0, -position)); };
    auto cap = [&](int width) { return QRectF(0.5, 2.5, width - 1, 25); };

    box(2);
    Mouse(p, QRectF(3.5, 4.5, 11, 18), MousePart::Left);
    box(-33);
    Mouse(p, QRectF(3.5, 4.5, 11, 18), MousePart::Wheel);
    box(-68);
    Mouse(p, QRectF(6.5, 7.5, 10, 15), MousePart::Body);
    DrawGlyph(p, Glyph::ArrowLeft, QRectF(0, 10, 7, 7), Palette::Accent(), 1);
    DrawGlyph(p, Glyph::ArrowRight, QRectF(16, 10, 7, 7), Palette::Accent(), 1);
    DrawGlyph(p, Glyph::ArrowUp, QRectF(8, 1, 7, 7), Palette::Accent(), 1);
    box(-103);
    Mouse(p, QRectF(2.5, 5.5, 10, 16), MousePart::Left);
    DrawGlyph(p, Glyph::ArrowRight, QRectF(12, 8, 11, 11), Palette::Accent(), 1);

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
        KeyCap(p, cap(k.width));
        KeyLabel(p, cap(k.width), QString::fromLatin1(k.label), 10);
    }
    const struct {
        int position;
        Glyph arrow;
    } arrows[] = {
        {-360, Glyph::ArrowLeft}, {-392, Glyph::ArrowRight}, {-424, Glyph::ArrowUp}, {-456, Glyph::ArrowDown},
    };
    for (const auto& a : arrows) {
        box(a.position);
        KeyCap(p, cap(24));
        KeyArrow(p, cap(24), a.arrow);
    }
    box(-488);
    KeyCap(p, QRectF(0.5, 2.5, 23, 25));
    KeyArrow(p, QRectF(0.5, 2.5, 23, 25), Glyph::ArrowLeft);
    KeyCap(p, QRectF(25.5, 2.5, 23, 25));
    KeyArrow(p, QRectF(25.5, 2.5, 23, 25), Glyph::ArrowRight);
    box(-520);
    KeyCap(p, QRectF(0.5, 2.5, 23, 25));
    KeyArrow(p, QRectF(0.5, 2.5, 23, 25), Glyph::ArrowUp);
    KeyCap(p, QRectF(25.5, 2.5, 23, 25));
    KeyArrow(p, QRectF(25.5, 2.5, 23, 25), Glyph::ArrowDown);

    // The plain key cap of .ico_key: a 24 x 27 box whose label the page prints in its
    // upper part (padding 5, line 12).
    box(-553);
    KeyCap(p, QRectF(0.5, 0.5, 23, 24));

    box(-588);
    const QRectF w(18.5, 1.5, 15, 13), a(1.5, 15.5, 15, 13), s(18.5, 15.5, 15, 13), d(35.5, 15.5, 15, 13);
    for (const auto& [r, label] : {std::pair{w, "W"}, std::pair{a, "A"}, std::pair{s, "S"}, std::pair{d, "D"}}) {
        KeyCap(p, r);
        KeyLabel(p, r, QString::fromLatin1(label), 8);
    }
    box(-628);
    const QRectF up(18.5, 1.5, 15, 13), left(1.5, 15.5, 15, 13), down(18.5, 15.5, 15, 13), right(35.5, 15.5, 15, 13);
    for (const auto& [r, g] : {std::pair{up, Glyph::ArrowUp}, std::pair{left, Glyph::ArrowLeft},
                               std::pair{down, Glyph::ArrowDown}, std::pair{right, Glyph::ArrowRight}}) {
        KeyCap(p, r);
        KeyArrow(p, r, g);
    }
    box(-674);
    KeyCap(p, cap(24));
    DrawGlyph(p, Glyph::FullEnter, QRectF(3, 4, 18, 18), QColor(44, 58, 72), 1.3);
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
