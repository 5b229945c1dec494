#include "ContactSheet.h"

#include "Palette.h"
#include "SkinCatalogue.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>

namespace {

// All frames of the file side by side (animations), else the file's picture.
QImage ReadBack(const QString& path)
{
    QImageReader reader(path);
    QList<QImage> frames;
    for (QImage frame; reader.read(&frame);) {
        frames.append(frame);
        if (!reader.supportsAnimation() || frames.size() >= 12)
            break;
    }
    if (frames.isEmpty()) {
        QImage missing(48, 24, QImage::Format_ARGB32_Premultiplied);
        missing.fill(QColor(220, 40, 40));
        return missing;
    }
    QImage row(frames.first().width() * int(frames.size()) + 4 * int(frames.size() - 1), frames.first().height(),
               QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QPainter p(&row);
    for (qsizetype i = 0; i < frames.size(); ++i)
        p.drawImage(int(i) * (frames.first().width() + 4), 0, frames[i]);
    return row;
}

void Checkerboard(QPainter& p, const QRect& r)
{
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += 8)
        for (int x = r.left(); x <= r.right(); x += 8)
            p.fillRect(QRect(x, y, 8, 8), ((x - r.left()) / 8 + (y - r.top()) / 8) % 2 ? QColor(236, 236, 236) : QColor(250, 250, 250));
    p.restore();
}

} // namespace

QImage ComposeContactSheet(const QString& skinFolder)
{
    struct Item {
        QString name;
        QImage image;
    };
    QList<Item> items;
    for (const SkinFile& file : SkinFiles())
        items.append({file.path, ReadBack(QDir(skinFolder).filePath(file.path))});

    const int width = 1700;
    const int margin = 16;
    const int label = 18;
    // Flow layout: each cell holds the 1x picture and, beside it, the 2x picture.
    struct Cell {
        QRect rect;
        qsizetype item;
    };
    QList<Cell> cells;
    int x = margin, y = margin, rowHeight = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QSize s = items[i].image.size();
        const bool doubled = s.width() * 3 + 8 <= width - 2 * margin;
        const int w = qMax(doubled ? s.width() * 3 + 8 : s.width(), 150);
        const int h = label + (doubled ? s.height() * 2 : s.height());
        if (x + w > width - margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        cells.append({QRect(x, y, w, h), i});
        x += w + margin;
        rowHeight = qMax(rowHeight, h);
    }
    QImage sheet(width, y + rowHeight + margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(200, 204, 210));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(Palette::Font(11));
    for (const Cell& cell : cells) {
        const QImage& img = items[cell.item].image;
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(cell.rect.x(), cell.rect.y(), cell.rect.width(), label), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1  %2x%3").arg(items[cell.item].name).arg(img.width()).arg(img.height()));
        const QPoint at(cell.rect.x(), cell.rect.y() + label);
        Checkerboard(p, QRect(at, img.size()));
        p.drawImage(at, img);
        if (cell.rect.width() >= img.width() * 3 + 8 && img.width() * 3 + 8 <= width - 2 * margin) {
            const QRect twice(at + QPoint(img.width() + 8, 0), img.size() * 2);
            Checkerboard(p, twice);
            p.drawImage(twice, img.scaled(img.size() * 2));
        }
    }
    return sheet;
}
