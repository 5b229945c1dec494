#include "pages/TileComposer.h"

#include "store/GameFileName.h"

#include <QImageReader>
#include <QPainter>

TileComposer::TileComposer(const QImage& bed, const QImage& overlay, const QString& thumbnailFolder)
    : m_bed(bed.convertToFormat(QImage::Format_ARGB32_Premultiplied))
    , m_overlay(overlay.convertToFormat(QImage::Format_ARGB32_Premultiplied))
    , m_thumbnailFolder(thumbnailFolder)
    , m_cache(CacheCapacity)
{
    if (m_bed.isNull()) {
        m_bed = QImage(TileSize, TileSize, QImage::Format_ARGB32_Premultiplied);
        m_bed.fill(Qt::white);
    }
}

QImage TileComposer::tile(const QString& key)
{
    if (const QImage* cached = m_cache.object(key))
        return *cached;
    QImage composed = compose(loadThumbnail(key));
    m_cache.insert(key, new QImage(composed));
    return composed;
}

QImage TileComposer::compose(const QImage& picture) const
{
    QImage tile = m_bed.copy(0, 0, TileSize, TileSize);
    if (tile.size() != QSize(TileSize, TileSize))
        tile = tile.scaled(TileSize, TileSize);
    QPainter painter(&tile);
    if (!picture.isNull()) {
        // A plain copy: the picture replaces what is under it.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QRect(1, 1, TileSize, TileSize), picture);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!m_overlay.isNull())
        painter.drawImage(QRect(0, 0, TileSize, TileSize), m_overlay);
    return tile;
}

QImage TileComposer::Highlighted(const QImage& tile)
{
    QImage lit = tile;
    QPainter painter(&lit);
    painter.fillRect(QRect(0, 0, TileSize, TileSize), QColor(255, 255, 255, HighlightAlpha));
    return lit;
}

void TileComposer::setThumbnailFolder(const QString& folder)
{
    if (folder == m_thumbnailFolder)
        return;
    m_thumbnailFolder = folder;
    m_cache.clear();
}

void TileComposer::clear()
{
    m_cache.clear();
}

QImage TileComposer::loadThumbnail(const QString& key) const
{
    QImageReader reader(m_thumbnailFolder + GameFileName(key) + QStringLiteral(".jpg"));
    // Decoding straight to tile size keeps large thumbnails cheap.
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(TileSize, TileSize, Qt::IgnoreAspectRatio));
    return reader.read();
}
