#pragma once

#include "site/SiteGame.h"

#include <QList>

// The demo site's games, in publishing order (newest first), with the lists the
// site's pages show.
class SiteCatalogue {
public:
    // The fixed demo catalogue.
    SiteCatalogue();
    explicit SiteCatalogue(QList<SiteGame> games);

    const QList<SiteGame>& games() const { return m_games; }
    const SiteGame* find(int id) const;
    QList<SiteGame> flashGames() const;
    QList<SiteGame> webGames() const;
    QList<SiteGame> featured() const;
    // Most played first.
    QList<SiteGame> hotRanking() const;
    // Games whose name or category holds every blank-separated word, case-insensitively.
    // No words, no games.
    QList<SiteGame> search(const QString& words) const;

private:
    QList<SiteGame> m_games;
};
