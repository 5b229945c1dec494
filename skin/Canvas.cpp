#include "skin/Canvas.h"

#include "skin/Palette.h"

namespace Canvas {

QImage New(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(fill);
    return image;
}

void FillRows(QPainter& p, const QRect& rect, const Rows& rows)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        p.fillRect(QRect(rect.left(), y, rect.width(), 1), rows(y - rect.top()));
}

QImage KeyOut(const QImage& art, const std::function<QColor(int x, int y)>& under)
{
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb key = Palette::Magenta().rgb();
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 40) {
                line[x] = key;
                continue;
            }
            const QColor u = under(x, y);
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            line[x] = qRgb(mix(qRed(in[x]), u.red()), mix(qGreen(in[x]), u.green()),
                           mix(qBlue(in[x]), u.blue()));
            if (line[x] == key) // never produce the key colour by accident
                line[x] = qRgb(254, 0, 254);
        }
    }
    return out;
}

QImage Strip(QSize frame, int frames, const std::function<void(QPainter&, int)>& paint)
{
    QImage image = New(frame.width() * frames, frame.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < frames; ++i) {
        p.save();
        p.translate(i * frame.width(), 0);
        p.setClipRect(QRect(QPoint(0, 0), frame));
        paint(p, i);
        p.restore();
    }
    return image;
}

void Text(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
          const QColor& colour, int flags)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

} // namespace Canvas
