#pragma once

#include <QCache>
#include <QImage>
#include <QString>

// Builds the 74 x 74 tiles of the My box grid: the bed, the game's thumbnail copied
// on at (1, 1), then the overlay blended by its own alpha. Tiles are composed when a
// page shows them and kept in a bounded cache, so a large catalogue costs nothing
// until it is paged through and memory stays flat.
class TileComposer {
public:
    static constexpr int TileSize = 74;
    static constexpr int HighlightAlpha = 48;

    TileComposer(const QImage& bed, const QImage& overlay, const QString& thumbnailFolder);

    // The composed tile for a game, by its name: the thumbnail is
    // the folder's GameFileName file, never one outside the folder. A missing or
    // unreadable thumbnail gives the tile without a picture.
    QImage tile(const QString& gameName);
    // A tile showing a given picture instead of a thumbnail file ("more games").
    QImage compose(const QImage& picture) const;
    static QImage Highlighted(const QImage& tile);

    // Thumbnails from now on come from `folder` (with a trailing separator).
    void setThumbnailFolder(const QString& folder);
    QString thumbnailFolder() const { return m_thumbnailFolder; }

    void clear();
    int cachedTiles() const { return int(m_cache.count()); }
    static constexpr int CacheCapacity = 120;

private:
    QImage loadThumbnail(const QString& key) const;

    QImage m_bed;
    QImage m_overlay;
    QString m_thumbnailFolder;
    QCache<QString, QImage> m_cache;
};
