#pragma once

#include "site/SiteCatalogue.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The site's files made once at start-up: every game's thumbnail (JPEG) and every
// Flash game's movie (but the one meant to be missing), by their path below the site root.
class SiteAssets {
public:
    struct Asset {
        QByteArray type;
        QByteArray bytes;
        // Sent only halfway, though announced whole.
        bool cutOff = false;
    };

    explicit SiteAssets(const SiteCatalogue& catalogue);

    // The file at `path` (compared without regard to letter case), or null.
    const Asset* find(const QString& path) const;

private:
    QHash<QString, Asset> m_assets;
};
