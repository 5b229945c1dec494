#pragma once

#include "store/Catalogue.h"

#include <QList>
#include <QString>

#include <functional>

// What running a game or opening its page means, row by row of the catalogue, decided
// without a window. A game stored twice is handled twice; a tab opened for the first
// row is found again by the second.
struct GameRunStep {
    enum class Kind { OpenInDesktopBrowser, OpenInGameBrowser, SelectTab, OpenPlayer, OpenDownloadPage };
    Kind kind;
    QString address;
    QString caption;
    QString introduction;
    bool operator==(const GameRunStep&) const = default;
};

using TabExists = std::function<bool(const QString& caption)>;

// Running: web games go to the game browser (addresses holding "url_kelvra" to the
// desktop's browser); Flash games select their tab or open a player tab.
QList<GameRunStep> PlanGameRun(const QString& name, const QList<Catalogue::GameRecord>& rows, const TabExists& tabExists);
// The game's own page: select its tab or open a download page tab on the stored address.
QList<GameRunStep> PlanGameIntroduction(const QString& name, const QList<Catalogue::GameRecord>& rows,
                                        const TabExists& tabExists);
