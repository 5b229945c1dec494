#include "skin/Glyphs.h"

#include <QPainterPath>
#include <QtMath>

namespace {

QPainterPath Polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

QPainterPath Arc(QPointF centre, qreal radius, qreal startDeg, qreal spanDeg)
{
    QPainterPath path;
    const QRectF r(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    path.arcMoveTo(r, startDeg);
    path.arcTo(r, startDeg, spanDeg);
    return path;
}

QPainterPath Star(QPointF c, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = qDegreesToRadians(-90 + 36.0 * i);
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

} // namespace

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour, qreal stroke)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qMin(box.width(), box.height()) / 24.0;
    p.translate(box.center().x() - 12 * scale, box.center().y() - 12 * scale);
    p.scale(scale, scale);
    QPen pen(colour, stroke / scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto fill = [&](const QPainterPath& path) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(path);
        p.restore();
    };

    switch (glyph) {
    case Glyph::Close:
        p.drawLine(QPointF(6.5, 6.5), QPointF(17.5, 17.5));
        p.drawLine(QPointF(17.5, 6.5), QPointF(6.5, 17.5));
        break;
    case Glyph::Minimise:
        p.drawLine(QPointF(6.5, 12.5), QPointF(17.5, 12.5));
        break;
    case Glyph::MenuLines:
        for (qreal y : {7.0, 12.0, 17.0})
            p.drawLine(QPointF(5.5, y), QPointF(18.5, y));
        break;
    case Glyph::Maximise:
        p.drawRoundedRect(QRectF(6.5, 6.5, 11, 11), 1.5, 1.5);
        break;
    case Glyph::Restore:
        p.drawRoundedRect(QRectF(5.5, 9.5, 9, 9), 1.5, 1.5);
        p.drawPath(Polyline({{9.5, 7.5}, {9.5, 5.5}, {18.5, 5.5}, {18.5, 14.5}, {16.5, 14.5}}));
        break;
    case Glyph::Toolbar:
        p.drawRoundedRect(QRectF(4.5, 5.5, 15, 13), 2, 2);
        p.drawLine(QPointF(4.5, 14.5), QPointF(19.5, 14.5));
        fill([] { QPainterPath d; d.addEllipse(QPointF(8, 16.6), 1, 1); d.addEllipse(QPointF(12, 16.6), 1, 1); d.addEllipse(QPointF(16, 16.6), 1, 1); return d; }());
        break;
    case Glyph::Replay:
    {
        // Arc counter-clockwise from the top round to the upper right, closed by a
        // solid arrow head pointing on along the circle.
        p.drawPath(Arc({12, 12.5}, 7, 105, 270));
        const qreal end = qDegreesToRadians(15.0);
        const QPointF e(12 + 7 * qCos(end), 12.5 - 7 * qSin(end));
        const QPointF t(-qSin(end), -qCos(end));
        const QPointF n(t.y(), -t.x());
        QPainterPath head;
        head.moveTo(e + t * 3.2);
        head.lineTo(e - t * 1.6 + n * 3.2);
        head.lineTo(e - t * 1.6 - n * 3.2);
        head.closeSubpath();
        fill(head);
    }
        break;
    case Glyph::Heart: {
        QPainterPath h;
        h.moveTo(12, 19.5);
        h.cubicTo(4, 14, 3.5, 9.5, 5.5, 7.2);
        h.cubicTo(7.6, 4.8, 11, 5.6, 12, 8.3);
        h.cubicTo(13, 5.6, 16.4, 4.8, 18.5, 7.2);
        h.cubicTo(20.5, 9.5, 20, 14, 12, 19.5);
        p.drawPath(h);
        break;
    }
    case Glyph::Expand:
        p.drawLine(QPointF(13.5, 10.5), QPointF(18.5, 5.5));
        p.drawPath(Polyline({{14, 5.5}, {18.5, 5.5}, {18.5, 10}}));
        p.drawLine(QPointF(10.5, 13.5), QPointF(5.5, 18.5));
        p.drawPath(Polyline({{5.5, 14}, {5.5, 18.5}, {10, 18.5}}));
        break;
    case Glyph::Shrink:
        p.drawLine(QPointF(13.5, 10.5), QPointF(18.5, 5.5));
        p.drawPath(Polyline({{13.5, 6}, {13.5, 10.5}, {18, 10.5}}));
        p.drawLine(QPointF(10.5, 13.5), QPointF(5.5, 18.5));
        p.drawPath(Polyline({{6, 13.5}, {10.5, 13.5}, {10.5, 18}}));
        break;
    case Glyph::FullEnter:
        p.drawPath(Polyline({{5, 9.5}, {5, 5}, {9.5, 5}}));
        p.drawPath(Polyline({{14.5, 5}, {19, 5}, {19, 9.5}}));
        p.drawPath(Polyline({{19, 14.5}, {19, 19}, {14.5, 19}}));
        p.drawPath(Polyline({{9.5, 19}, {5, 19}, {5, 14.5}}));
        break;
    case Glyph::FullExit:
        p.drawPath(Polyline({{5, 9.5}, {9.5, 9.5}, {9.5, 5}}));
        p.drawPath(Polyline({{14.5, 5}, {14.5, 9.5}, {19, 9.5}}));
        p.drawPath(Polyline({{19, 14.5}, {14.5, 14.5}, {14.5, 19}}));
        p.drawPath(Polyline({{9.5, 19}, {9.5, 14.5}, {5, 14.5}}));
        break;
    case Glyph::PopOut:
        p.drawPath(Polyline({{11, 6.5}, {6.5, 6.5}, {6.5, 17.5}, {17.5, 17.5}, {17.5, 13}}));
        p.drawLine(QPointF(11.5, 12.5), QPointF(18.5, 5.5));
        p.drawPath(Polyline({{14, 5.5}, {18.5, 5.5}, {18.5, 10}}));
        break;
    case Glyph::Keyboard:
        p.drawRoundedRect(QRectF(3.5, 6.5, 17, 11), 2, 2);
        {
            QPainterPath keys;
            for (int i = 0; i < 5; ++i)
                keys.addRect(QRectF(6 + 2.6 * i, 9, 1.6, 1.6));
            for (int i = 0; i < 4; ++i)
                keys.addRect(QRectF(7.3 + 2.6 * i, 11.6, 1.6, 1.6));
            fill(keys);
        }
        p.drawLine(QPointF(8.5, 15), QPointF(15.5, 15));
        break;
    case Glyph::ChevronUp:
        p.drawPath(Polyline({{7, 14.5}, {12, 9.5}, {17, 14.5}}));
        break;
    case Glyph::ChevronDown:
        p.drawPath(Polyline({{7, 9.5}, {12, 14.5}, {17, 9.5}}));
        break;
    case Glyph::Home:
        p.drawPath(Polyline({{4, 11.5}, {12, 4.5}, {20, 11.5}}));
        p.drawPath(Polyline({{6.5, 10}, {6.5, 19.5}, {17.5, 19.5}, {17.5, 10}}));
        p.drawPath(Polyline({{10.2, 19.5}, {10.2, 14.5}, {13.8, 14.5}, {13.8, 19.5}}));
        break;
    case Glyph::Headset:
        p.drawPath(Arc({12, 13}, 7.5, 0, 180));
        p.drawRoundedRect(QRectF(3.5, 12.5, 3.5, 6), 1.5, 1.5);
        p.drawRoundedRect(QRectF(17, 12.5, 3.5, 6), 1.5, 1.5);
        p.drawPath(Polyline({{18.8, 18.5}, {18.8, 20}, {15, 21}, {12.5, 21}}));
        break;
    case Glyph::Card:
        p.drawRoundedRect(QRectF(3.5, 6, 17, 12.5), 2, 2);
        p.drawLine(QPointF(3.5, 10), QPointF(20.5, 10));
        p.drawLine(QPointF(6.5, 15), QPointF(10.5, 15));
        break;
    case Glyph::Broom:
        p.drawLine(QPointF(17.5, 3.5), QPointF(12.5, 11));
        p.drawPath(Polyline({{9, 11}, {16, 11}, {18, 20}, {6, 20}, {9, 11}}));
        p.drawLine(QPointF(10, 15.5), QPointF(9.5, 20));
        p.drawLine(QPointF(14, 15.5), QPointF(14.5, 20));
        break;
    case Glyph::Gear: {
        QPainterPath teeth;
        for (int i = 0; i < 6; ++i) {
            const qreal a = qDegreesToRadians(30.0 + 60.0 * i);
            teeth.moveTo(12 + 6.5 * qCos(a), 12 + 6.5 * qSin(a));
            teeth.lineTo(12 + 9 * qCos(a), 12 + 9 * qSin(a));
        }
        p.save();
        QPen thick = pen;
        thick.setWidthF(pen.widthF() * 1.9);
        thick.setCapStyle(Qt::FlatCap);
        p.setPen(thick);
        p.drawPath(teeth);
        p.restore();
        p.drawEllipse(QPointF(12, 12), 6.3, 6.3);
        p.drawEllipse(QPointF(12, 12), 2.4, 2.4);
        break;
    }
    case Glyph::Help: {
        p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
        QPainterPath q;
        q.moveTo(9.4, 9.8);
        q.cubicTo(9.4, 7.6, 11, 6.9, 12.2, 6.9);
        q.cubicTo(13.8, 6.9, 15, 8, 15, 9.5);
        q.cubicTo(15, 11.6, 12.2, 11.8, 12.2, 14);
        p.drawPath(q);
        QPainterPath dot;
        dot.addEllipse(QPointF(12.2, 17), 1.2, 1.2);
        fill(dot);
        break;
    }
    case Glyph::Power:
        p.drawPath(Arc({12, 13}, 7.5, 125, 290));
        p.drawLine(QPointF(12, 4), QPointF(12, 12));
        break;
    case Glyph::Lookup:
        p.drawEllipse(QPointF(10.5, 10.5), 6, 6);
        p.drawLine(QPointF(15, 15), QPointF(19.5, 19.5));
        break;
    case Glyph::Trash:
        p.drawLine(QPointF(4.5, 7), QPointF(19.5, 7));
        p.drawPath(Polyline({{9.5, 7}, {9.5, 4.5}, {14.5, 4.5}, {14.5, 7}}));
        p.drawPath(Polyline({{6.5, 7}, {7.5, 19.5}, {16.5, 19.5}, {17.5, 7}}));
        p.drawLine(QPointF(10.3, 10.5), QPointF(10.5, 16.5));
        p.drawLine(QPointF(13.7, 10.5), QPointF(13.5, 16.5));
        break;
    case Glyph::Gamepad: {
        QPainterPath body;
        body.moveTo(7.5, 7);
        body.lineTo(16.5, 7);
        body.cubicTo(20, 7, 21.5, 10, 22, 14);
        body.cubicTo(22.5, 18, 20.5, 19.5, 18.8, 18.2);
        body.lineTo(16, 15.5);
        body.lineTo(8, 15.5);
        body.lineTo(5.2, 18.2);
        body.cubicTo(3.5, 19.5, 1.5, 18, 2, 14);
        body.cubicTo(2.5, 10, 4, 7, 7.5, 7);
        body.closeSubpath();
        p.drawPath(body);
        p.drawLine(QPointF(7.5, 9.3), QPointF(7.5, 13.3));
        p.drawLine(QPointF(5.5, 11.3), QPointF(9.5, 11.3));
        QPainterPath buttons;
        buttons.addEllipse(QPointF(15.6, 10.2), 1.2, 1.2);
        buttons.addEllipse(QPointF(17.8, 12.4), 1.2, 1.2);
        fill(buttons);
        break;
    }
    case Glyph::Star:
        p.drawPath(Star({12, 12.8}, 8.5, 3.8));
        break;
    case Glyph::Bolt: {
        QPainterPath b = Polyline({{13.5, 3}, {6, 13.5}, {11.5, 13.5}, {10.5, 21}, {18, 10.5}, {12.5, 10.5}, {13.5, 3}});
        p.drawPath(b);
        break;
    }
    case Glyph::Globe:
        p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
        p.drawEllipse(QPointF(12, 12), 3.8, 8.5);
        p.drawLine(QPointF(3.5, 12), QPointF(20.5, 12));
        break;
    case Glyph::Flame: {
        QPainterPath f;
        f.moveTo(12, 21);
        f.cubicTo(7.5, 21, 5, 18, 5.5, 14);
        f.cubicTo(6, 10.5, 9, 9, 9.5, 4.5);
        f.cubicTo(12.5, 6.5, 14, 9, 13.5, 11.5);
        f.cubicTo(15, 11, 15.5, 9.5, 15.5, 8.5);
        f.cubicTo(18, 11, 19, 14, 18.5, 16);
        f.cubicTo(18, 19, 15.5, 21, 12, 21);
        p.drawPath(f);
        break;
    }
    case Glyph::Plus:
        p.drawLine(QPointF(12, 5.5), QPointF(12, 18.5));
        p.drawLine(QPointF(5.5, 12), QPointF(18.5, 12));
        break;
    case Glyph::ArrowLeft:
    case Glyph::ArrowRight:
    case Glyph::ArrowUp:
    case Glyph::ArrowDown: {
        const qreal angle = glyph == Glyph::ArrowRight ? 0 : glyph == Glyph::ArrowUp ? 90 : glyph == Glyph::ArrowLeft ? 180 : 270;
        p.translate(12, 12);
        p.rotate(-angle);
        QPainterPath arrow;
        arrow.moveTo(7, 0);
        arrow.lineTo(0.5, -6);
        arrow.lineTo(0.5, -2.6);
        arrow.lineTo(-6.5, -2.6);
        arrow.lineTo(-6.5, 2.6);
        arrow.lineTo(0.5, 2.6);
        arrow.lineTo(0.5, 6);
        arrow.closeSubpath();
        fill(arrow);
        break;
    }
    }
    p.restore();
}
