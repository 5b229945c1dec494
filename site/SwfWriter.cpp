#include "site/SwfWriter.h"

#include <QList>
#include <QPoint>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace SwfWriter {
namespace {

constexpr int Twips = 20;

enum Tag : int { End = 0, ShowFrame = 1, DefineShape = 2, SetBackgroundColor = 9, PlaceObject2 = 26 };

// Bits are written most significant first; byte fields start on a byte boundary.
class BitWriter {
public:
    void ub(quint32 value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            m_current = quint8((m_current << 1) | ((value >> i) & 1));
            if (++m_used == 8)
                flush();
        }
    }
    void sb(qint32 value, int bits) { ub(quint32(value) & (bits >= 32 ? ~0u : (1u << bits) - 1), bits); }
    void align()
    {
        if (m_used > 0) {
            m_current = quint8(m_current << (8 - m_used));
            flush();
        }
    }
    void u8(int value)
    {
        align();
        m_bytes += char(value & 0xFF);
    }
    void u16(int value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(quint32 value)
    {
        u16(int(value & 0xFFFF));
        u16(int(value >> 16));
    }
    void rgb(const QColor& colour)
    {
        u8(colour.red());
        u8(colour.green());
        u8(colour.blue());
    }
    void bytes(const QByteArray& data)
    {
        align();
        m_bytes += data;
    }
    QByteArray take()
    {
        align();
        return std::exchange(m_bytes, QByteArray());
    }

private:
    void flush()
    {
        m_bytes += char(m_current);
        m_current = 0;
        m_used = 0;
    }

    QByteArray m_bytes;
    quint8 m_current = 0;
    int m_used = 0;
};

// Bits needed to hold `value` as a signed field.
int signedBits(qint32 value)
{
    int bits = 1;
    while (value < -(qint64(1) << (bits - 1)) || value >= (qint64(1) << (bits - 1)))
        ++bits;
    return bits;
}

void rect(BitWriter& out, int xMin, int xMax, int yMin, int yMax)
{
    const int bits = std::max({signedBits(xMin), signedBits(xMax), signedBits(yMin), signedBits(yMax)});
    out.ub(quint32(bits), 5);
    out.sb(xMin, bits);
    out.sb(xMax, bits);
    out.sb(yMin, bits);
    out.sb(yMax, bits);
    out.align();
}

void tag(BitWriter& out, int code, const QByteArray& body)
{
    if (body.size() < 63) {
        out.u16((code << 6) | int(body.size()));
    } else {
        out.u16((code << 6) | 0x3F);
        out.u32(quint32(body.size()));
    }
    out.bytes(body);
}

// A filled polygon; points in twips around the shape's origin, clockwise on screen.
QByteArray shape(int id, const QColor& colour, const QList<QPoint>& points)
{
    BitWriter out;
    out.u16(id);
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](QPoint a, QPoint b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                                                   [](QPoint a, QPoint b) { return a.y() < b.y(); });
    rect(out, left->x(), right->x(), top->y(), bottom->y());
    out.u8(1); // one fill style: solid
    out.u8(0x00);
    out.rgb(colour);
    out.u8(0); // no line styles
    out.ub(1, 4); // fill index bits
    out.ub(0, 4); // line index bits

    // Move to the first point and fill the right-hand side (the inside when clockwise).
    const QPoint start = points.first();
    const int moveBits = std::max(signedBits(start.x()), signedBits(start.y()));
    out.ub(0, 1);
    out.ub(0b00101, 5); // new fill style 1, move to
    out.ub(quint32(moveBits), 5);
    out.sb(start.x(), moveBits);
    out.sb(start.y(), moveBits);
    out.ub(1, 1);

    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPoint delta = points[(i + 1) % points.size()] - points[i];
        const int bits = std::max({signedBits(delta.x()), signedBits(delta.y()), 2});
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
    out.ub(0, 6); // end of shape
    return out.take();
}

QList<QPoint> ellipse(int corners, int radiusX, int radiusY, double turn = 0)
{
    QList<QPoint> points;
    for (int i = 0; i < corners; ++i) {
        const double angle = turn + 2 * M_PI * i / corners;
        points.append(QPoint(qRound(radiusX * std::cos(angle)), qRound(radiusY * std::sin(angle))));
    }
    return points;
}

QByteArray place(int depth, int character, double x, double y, double angle)
{
    BitWriter out;
    out.u8(character ? 0x06 : 0x05); // has matrix, and either a new character or a move
    out.u16(depth);
    if (character)
        out.u16(character);
    const qint32 cosine = qRound(std::cos(angle) * 65536);
    const qint32 sine = qRound(std::sin(angle) * 65536);
    const bool turned = sine != 0;
    out.ub(turned ? 1 : 0, 1);
    if (turned) {
        const int bits = signedBits(cosine);
        out.ub(quint32(bits), 5);
        out.sb(cosine, bits);
        out.sb(cosine, bits);
        out.ub(1, 1);
        const int skewBits = std::max(signedBits(sine), signedBits(-sine));
        out.ub(quint32(skewBits), 5);
        out.sb(sine, skewBits);
        out.sb(-sine, skewBits);
    } else {
        out.ub(0, 1);
    }
    const qint32 tx = qRound(x * Twips);
    const qint32 ty = qRound(y * Twips);
    const int bits = std::max(signedBits(tx), signedBits(ty));
    out.ub(quint32(bits), 5);
    out.sb(tx, bits);
    out.sb(ty, bits);
    return out.take();
}

} // namespace

QByteArray Write(const SwfMovie& movie)
{
    enum Character { Ground = 1, Sun = 2, Cloud = 3, Diamond = 4 };
    enum Depth { GroundDepth = 1, SunDepth, FirstCloudDepth, SecondCloudDepth, DiamondDepth };
    const int w = movie.width;
    const int h = movie.height;
    const int groundTop = h * 3 / 4;

    BitWriter body;
    rect(body, 0, w * Twips, 0, h * Twips);
    body.u16(movie.frameRate << 8);
    body.u16(movie.frames);

    BitWriter colour;
    colour.rgb(movie.background);
    tag(body, SetBackgroundColor, colour.take());
    tag(body, DefineShape,
        shape(Ground, movie.ground,
              {QPoint(0, 0), QPoint(w * Twips, 0), QPoint(w * Twips, (h - groundTop) * Twips),
               QPoint(0, (h - groundTop) * Twips)}));
    tag(body, DefineShape, shape(Sun, movie.accent.lighter(125), ellipse(12, h / 7 * Twips, h / 7 * Twips)));
    tag(body, DefineShape, shape(Cloud, QColor(255, 255, 255), ellipse(16, h / 6 * Twips, h / 16 * Twips)));
    const int diamond = h / 8 * Twips;
    tag(body, DefineShape, shape(Diamond, movie.accent, ellipse(4, diamond, diamond, -M_PI / 2)));

    const double radius = h / 8.0;
    for (int frame = 0; frame < movie.frames; ++frame) {
        const double phase = double(frame) / movie.frames;
        // Across and back once per loop, with two hops each way.
        const double x = radius + (w - 2 * radius) * (1 - std::abs(1 - 2 * phase));
        const double y = groundTop - radius - std::abs(std::sin(phase * 4 * M_PI)) * h / 3.0;
        // The clouds sway in opposite directions, back where they started when the movie loops.
        const double sway = std::sin(phase * 2 * M_PI) * w * 0.06;
        const double firstCloud = w * 0.22 + sway;
        const double secondCloud = w * 0.55 - sway;
        if (frame == 0) {
            tag(body, PlaceObject2, place(GroundDepth, Ground, 0, groundTop, 0));
            tag(body, PlaceObject2, place(SunDepth, Sun, w * 0.82, h * 0.2, 0));
            tag(body, PlaceObject2, place(FirstCloudDepth, Cloud, firstCloud, h * 0.16, 0));
            tag(body, PlaceObject2, place(SecondCloudDepth, Cloud, secondCloud, h * 0.32, 0));
            tag(body, PlaceObject2, place(DiamondDepth, Diamond, x, y, 0));
        } else {
            tag(body, PlaceObject2, place(FirstCloudDepth, 0, firstCloud, h * 0.16, 0));
            tag(body, PlaceObject2, place(SecondCloudDepth, 0, secondCloud, h * 0.32, 0));
            tag(body, PlaceObject2, place(DiamondDepth, 0, x, y, phase * 4 * M_PI));
        }
        tag(body, ShowFrame, QByteArray());
    }
    tag(body, End, QByteArray());

    const QByteArray rest = body.take();
    BitWriter file;
    file.bytes("FWS");
    file.u8(movie.version);
    file.u32(quint32(8 + rest.size()));
    file.bytes(rest);
    return file.take();
}

} // namespace SwfWriter
