#include "tabs/mdlTabAPI.h"

#include "tabs/RoundHalfEven.h"
#include "tabs/TabError.h"

#include <QFontMetrics>
#include <QPainter>

namespace mdlTabAPI {

QImage NewMemoryPicture(int width, int height)
{
    QImage picture(qMax(width, 0), qMax(height, 0), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull() && width > 0 && height > 0)
        throw TabError(0, QStringLiteral("CreateCompatibleBitmap调用失败"));
    picture.fill(Qt::transparent);
    return picture;
}

QImage ColourKeyed(const QImage& image, const QColor& key)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key.rgb() | 0xff000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == opaqueKey)
                line[x] = 0;
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

// One piece of a nine-slice draw: copied when the sizes agree, else resampled with
// area averaging so that shrunk heads stay crisp.
void DrawPiece(QPainter& painter, const QRect& target, const QImage& source, const QRect& box)
{
    if (target.width() <= 0 || target.height() <= 0 || box.width() <= 0 || box.height() <= 0)
        return;
    if (target.size() == box.size())
        painter.drawImage(target.topLeft(), source, box);
    else
        painter.drawImage(target.topLeft(),
                          source.copy(box).scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}

void NineSliceDraw(QPainter& destination, int x, int y, int width, int height,
                   const QImage& source, int sx, int sy, int sw, int sh,
                   int leftEdge, int topEdge, int rightEdge, int bottomEdge,
                   std::optional<QColor> transparent)
{
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0 || source.isNull())
        return;
    // A colour key applies to the finished picture; without one the pieces go
    // straight to the destination.
    QImage picture;
    std::optional<QPainter> keyed;
    if (transparent) {
        picture = NewMemoryPicture(width, height);
        keyed.emplace(&picture);
        keyed->setCompositionMode(QPainter::CompositionMode_Source);
    } else {
        destination.save();
        destination.translate(x, y);
    }
    QPainter& painter = transparent ? *keyed : destination;
    const int l = leftEdge, t = topEdge, r = rightEdge, b = bottomEdge;
    if (l <= 0 && t <= 0 && r <= 0 && b <= 0) {
        DrawPiece(painter, QRect(0, 0, width, height), source, QRect(sx, sy, sw, sh));
    } else {
        const int middleW = width - l - r, middleH = height - t - b;
        const int sourceMiddleW = sw - l - r, sourceMiddleH = sh - t - b;
        DrawPiece(painter, QRect(0, 0, l, t), source, QRect(sx, sy, l, t));
        DrawPiece(painter, QRect(width - r, 0, r, t), source, QRect(sx + sw - r, sy, r, t));
        DrawPiece(painter, QRect(0, height - b, l, b), source, QRect(sx, sy + sh - b, l, b));
        DrawPiece(painter, QRect(width - r, height - b, r, b), source, QRect(sx + sw - r, sy + sh - b, r, b));
        DrawPiece(painter, QRect(0, t, l, middleH), source, QRect(sx, sy + t, l, sourceMiddleH));
        DrawPiece(painter, QRect(width - r, t, r, middleH), source, QRect(sx + sw - r, sy + t, r, sourceMiddleH));
        DrawPiece(painter, QRect(l, 0, middleW, t), source, QRect(sx + l, sy, sourceMiddleW, t));
        DrawPiece(painter, QRect(l, height - b, middleW, b), source, QRect(sx + l, sy + sh - b, sourceMiddleW, b));
        DrawPiece(painter, QRect(l, t, middleW, middleH), source, QRect(sx + l, sy + t, sourceMiddleW, sourceMiddleH));
    }
    if (transparent) {
        keyed->end();
        destination.drawImage(x, y, ColourKeyed(picture, *transparent));
    } else {
        destination.restore();
    }
}

void TransparentCopy(QPainter& destination, int x, int y, int width, int height,
                     const QImage& source, int sx, int sy, const QColor& transparent)
{
    if (width <= 0 || height <= 0)
        return;
    destination.drawImage(x, y, ColourKeyed(source.copy(sx, sy, width, height), transparent));
}

void DrawCaption(QPainter& painter, const QString& text, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    if (width >= metrics.horizontalAdvance(text)) {
        painter.drawText(QRect(x, y, width, height), Qt::AlignCenter | Qt::TextSingleLine, text);
        return;
    }
    const int down = RoundHalfEven((height - metrics.height()) / 2.0);
    painter.drawText(QRect(x, y + down, width, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     metrics.elidedText(text, Qt::ElideRight, width));
}

}
