#include "swf/SwfMovie.h"

#include "swf/BitWriter.h"

#include <QPoint>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int Twips = 20;

enum Tag : int {
    End = 0,
    ShowFrame = 1,
    SetBackgroundColor = 9,
    DoAction = 12,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineSprite = 39,
};

void tag(QByteArray& out, int code, const QByteArray& body)
{
    BitWriter header;
    // The long form is needed from 63 bytes on; 63 itself marks it.
    if (body.size() < 0x3F) {
        header.u16((code << 6) | int(body.size()));
    } else {
        header.u16((code << 6) | 0x3F);
        header.u32(quint32(body.size()));
    }
    out += header.take();
    out += body;
}

QList<QPoint> toTwips(const QPolygonF& contour)
{
    QList<QPoint> points;
    for (const QPointF& p : contour) {
        const QPoint twips(qRound(p.x() * Twips), qRound(p.y() * Twips));
        if (points.isEmpty() || points.last() != twips)
            points.append(twips);
    }
    while (points.size() > 1 && points.last() == points.first())
        points.removeLast();
    return points;
}

void straightEdge(BitWriter& out, QPoint delta)
{
    const int bits = std::max({BitWriter::SignedBits(delta.x()), BitWriter::SignedBits(delta.y()), 2});
    out.ub(0b11, 2); // edge, straight
    out.ub(quint32(bits - 2), 4);
    if (delta.x() != 0 && delta.y() != 0) {
        out.ub(1, 1);
        out.sb(delta.x(), bits);
        out.sb(delta.y(), bits);
    } else {
        out.ub(0, 1);
        out.ub(delta.x() == 0 ? 1 : 0, 1);
        out.sb(delta.x() == 0 ? delta.y() : delta.x(), bits);
    }
}

QByteArray shapeBody(int id, const SwfShape& shape)
{
    QList<QList<QPoint>> contours;
    int left = std::numeric_limits<int>::max(), top = left;
    int right = std::numeric_limits<int>::min(), bottom = right;
    for (const QPolygonF& contour : shape.contours) {
        const QList<QPoint> points = toTwips(contour);
        if (points.size() < 3)
            continue;
        for (const QPoint p : points) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        contours.append(points);
    }
    if (contours.isEmpty())
        left = right = top = bottom = 0;

    BitWriter out;
    out.u16(id);
    out.rect(left, right, top, bottom);
    out.u8(1); // one fill style: solid
    out.u8(0x00);
    out.rgba(shape.colour);
    out.u8(0); // no line styles
    out.ub(1, 4); // fill index bits
    out.ub(0, 4); // line index bits
    bool first = true;
    for (const QList<QPoint>& points : contours) {
        // Move to the contour's start; the fill lies right of each edge, so inside a
        // clockwise contour and outside an anticlockwise one.
        const QPoint start = points.first();
        const int moveBits = std::max(BitWriter::SignedBits(start.x()), BitWriter::SignedBits(start.y()));
        out.ub(0, 1);
        out.ub(first ? 0b00101 : 0b00001, 5); // [fill style 1,] move to
        out.ub(quint32(moveBits), 5);
        out.sb(start.x(), moveBits);
        out.sb(start.y(), moveBits);
        if (first)
            out.ub(1, 1);
        first = false;
        for (qsizetype i = 0; i < points.size(); ++i)
            straightEdge(out, points[(i + 1) % points.size()] - points[i]);
    }
    out.ub(0, 6); // end of shape
    return out.take();
}

qint32 fixed16(double value)
{
    return qint32(std::lround(value * 65536));
}

// Two signed values behind the count of bits they share.
void signedPair(BitWriter& out, qint32 a, qint32 b)
{
    const int bits = std::max(BitWriter::SignedBits(a), BitWriter::SignedBits(b));
    out.ub(quint32(bits), 5);
    out.sb(a, bits);
    out.sb(b, bits);
}

void matrix(BitWriter& out, const QTransform& t)
{
    const qint32 scaleX = fixed16(t.m11()), scaleY = fixed16(t.m22());
    const qint32 skew0 = fixed16(t.m12()), skew1 = fixed16(t.m21());
    const bool scaled = scaleX != 65536 || scaleY != 65536;
    out.ub(scaled ? 1 : 0, 1);
    if (scaled)
        signedPair(out, scaleX, scaleY);
    const bool turned = skew0 != 0 || skew1 != 0;
    out.ub(turned ? 1 : 0, 1);
    if (turned)
        signedPair(out, skew0, skew1);
    signedPair(out, qint32(std::lround(t.dx() * Twips)), qint32(std::lround(t.dy() * Twips)));
    out.align();
}

void colourTransform(BitWriter& out, const SwfColourTransform& c)
{
    const qint32 mult[] = {qint32(std::lround(c.red * 256)), qint32(std::lround(c.green * 256)),
                           qint32(std::lround(c.blue * 256)), qint32(std::lround(c.alpha * 256))};
    const qint32 add[] = {c.addRed, c.addGreen, c.addBlue, c.addAlpha};
    int bits = 1;
    for (int i = 0; i < 4; ++i)
        bits = std::max({bits, BitWriter::SignedBits(mult[i]), BitWriter::SignedBits(add[i])});
    out.ub(1, 1); // add terms
    out.ub(1, 1); // multiply terms
    out.ub(quint32(bits), 4);
    for (const qint32 m : mult)
        out.sb(m, bits);
    for (const qint32 a : add)
        out.sb(a, bits);
    out.align();
}

QByteArray placeBody(const SwfPlacement& p)
{
    quint8 flags = 0;
    if (!p.clipActions.isEmpty())
        flags |= 0x80;
    if (!p.name.isEmpty())
        flags |= 0x20;
    if (p.colour)
        flags |= 0x08;
    if (p.transform)
        flags |= 0x04;
    flags |= p.character ? 0x02 : 0x01;

    BitWriter out;
    out.u8(flags);
    out.u16(p.depth);
    if (p.character)
        out.u16(p.character);
    if (p.transform)
        matrix(out, *p.transform);
    if (p.colour)
        colourTransform(out, *p.colour);
    if (!p.name.isEmpty())
        out.string(p.name);
    if (!p.clipActions.isEmpty()) {
        quint32 all = 0;
        for (const SwfClipAction& action : p.clipActions)
            all |= action.events;
        out.u16(0);
        out.u32(all);
        for (const SwfClipAction& action : p.clipActions) {
            const QByteArray code = action.actions.bytes();
            out.u32(action.events);
            out.u32(quint32(code.size()));
            out.bytes(code);
        }
        out.u32(0);
    }
    return out.take();
}

} // namespace

void SwfTimeline::defineShape(int id, const SwfShape& shape)
{
    tag(m_tags, DefineShape3, shapeBody(id, shape));
}

void SwfTimeline::defineSprite(int id, const SwfTimeline& sprite)
{
    BitWriter out;
    out.u16(id);
    out.u16(sprite.frames());
    out.bytes(sprite.tags());
    QByteArray body = out.take();
    tag(body, End, {});
    tag(m_tags, DefineSprite, body);
}

void SwfTimeline::place(const SwfPlacement& placement)
{
    tag(m_tags, PlaceObject2, placeBody(placement));
}

void SwfTimeline::remove(int depth)
{
    BitWriter out;
    out.u16(depth);
    tag(m_tags, RemoveObject2, out.take());
}

void SwfTimeline::doAction(const SwfActions& actions)
{
    tag(m_tags, DoAction, actions.bytes());
}

void SwfTimeline::showFrame()
{
    tag(m_tags, ShowFrame, {});
    ++m_frames;
}

namespace Swf {

QByteArray File(const SwfHeader& header, const SwfTimeline& timeline)
{
    BitWriter body;
    body.rect(0, header.stage.width() * Twips, 0, header.stage.height() * Twips);
    body.u16(header.frameRate << 8);
    body.u16(timeline.frames());
    QByteArray rest = body.take();
    BitWriter colour;
    colour.rgb(header.background);
    tag(rest, SetBackgroundColor, colour.take());
    rest += timeline.tags();
    tag(rest, End, {});

    BitWriter file;
    file.bytes("FWS");
    file.u8(header.version);
    file.u32(quint32(8 + rest.size()));
    file.bytes(rest);
    return file.take();
}

QPolygonF Ellipse(double radiusX, double radiusY, int corners, double turn)
{
    QPolygonF points;
    for (int i = 0; i < corners; ++i) {
        const double angle = turn + 2 * M_PI * i / corners;
        points.append(QPointF(radiusX * std::cos(angle), radiusY * std::sin(angle)));
    }
    return points;
}

QPolygonF Rectangle(double left, double top, double width, double height)
{
    return QPolygonF({QPointF(left, top), QPointF(left + width, top), QPointF(left + width, top + height),
                      QPointF(left, top + height)});
}

QPolygonF Reversed(const QPolygonF& contour)
{
    return QPolygonF(QList<QPointF>(contour.rbegin(), contour.rend()));
}

} // namespace Swf
