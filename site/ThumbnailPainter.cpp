#include "site/ThumbnailPainter.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace ThumbnailPainter {
namespace {

void paintPattern(QPainter& painter, const SiteGame& game)
{
    const QPointF centre(Size / 2.0, Size / 2.0);
    painter.setPen(Qt::NoPen);
    switch (game.id % 4) {
    case 0: // sunburst
        painter.setBrush(QColor(255, 255, 255, 30));
        for (int wedge = 0; wedge < 12; ++wedge) {
            QPainterPath path(centre);
            path.arcTo(QRectF(-Size, -Size, 3 * Size, 3 * Size), wedge * 30.0, 15.0);
            path.closeSubpath();
            painter.drawPath(path);
        }
        break;
    case 1: // rings
        painter.setBrush(Qt::NoBrush);
        for (int ring = 1; ring <= 6; ++ring) {
            painter.setPen(QPen(QColor(255, 255, 255, 26 + ring * 4), 7));
            painter.drawEllipse(QPointF(Size * 0.85, Size * 0.15), ring * 24.0, ring * 24.0);
        }
        break;
    case 2: // stripes
        painter.setBrush(QColor(255, 255, 255, 28));
        for (int x = -Size; x < Size * 2; x += 26) {
            const QPolygonF band({QPointF(x, 0), QPointF(x + 12, 0), QPointF(x + 12 - Size, Size), QPointF(x - Size, Size)});
            painter.drawPolygon(band);
        }
        break;
    default: { // confetti
        QRandomGenerator random(quint32(game.id));
        for (int dot = 0; dot < 26; ++dot) {
            const double radius = 2 + random.bounded(7);
            painter.setBrush(QColor(255, 255, 255, 40 + random.bounded(70)));
            painter.drawEllipse(QPointF(random.bounded(Size), random.bounded(Size)), radius, radius);
        }
        break;
    }
    }
}

void paintGlyph(QPainter& painter, const SiteGame& game)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(game.glyph().at(0).unicode() < 0x2E80 ? 84 : 76);
    font.setBold(true);
    QPainterPath text;
    text.addText(0, 0, font, game.glyph());
    const QRectF box = text.boundingRect();
    text.translate(Size / 2.0 - box.center().x(), Size / 2.0 - 6 - box.center().y());

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(text.translated(3, 4));
    painter.setPen(QPen(game.colour.darker(170), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    QLinearGradient fill(0, box.top() + Size / 2.0 - box.center().y(), 0, Size / 2.0 + box.height() / 2);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(255, 244, 214));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(text);
}

void paintBadges(QPainter& painter, const SiteGame& game)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    const int width = QFontMetrics(font).horizontalAdvance(game.category) + 16;
    const QRectF pill(8, Size - 28, width, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 95));
    painter.drawRoundedRect(pill, 10, 10);
    painter.setPen(Qt::white);
    painter.drawText(pill, Qt::AlignCenter, game.category);

    if (!game.isWeb())
        return;
    // A corner band marks the games that run in the browser.
    painter.save();
    painter.translate(Size - 30, 30);
    painter.rotate(45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 170, 0));
    painter.drawRect(QRectF(-50, -11, 100, 20));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(90, 40, 0));
    painter.drawText(QRectF(-50, -11, 100, 20), Qt::AlignCenter, QStringLiteral("网页"));
    painter.restore();
}

} // namespace

QImage Paint(const SiteGame& game)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, Size, Size);
    background.setColorAt(0, game.colour.lighter(135));
    background.setColorAt(1, game.colour.darker(150));
    painter.fillRect(image.rect(), background);
    paintPattern(painter, game);

    QRadialGradient glow(Size / 2.0, Size / 2.0 - 6, Size * 0.42);
    glow.setColorAt(0, QColor(255, 255, 255, 120));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(Size / 2.0, Size / 2.0 - 6), Size * 0.42, Size * 0.42);

    paintGlyph(painter, game);
    paintBadges(painter, game);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 2));
    painter.drawRect(QRectF(1, 1, Size - 2, Size - 2));
    painter.end();
    return image;
}

QByteArray Jpeg(const SiteGame& game)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Paint(game).save(&buffer, "JPEG", 90);
    return bytes;
}

} // namespace ThumbnailPainter
