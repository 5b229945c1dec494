#include "pages/GameRunPlan.h"

#include "store/Statements.h"

#include <QSet>

namespace {

// Selects the tab captioned `name` when it exists or was opened by an earlier row.
bool selectExisting(const QString& name, const TabExists& tabExists, const QSet<QString>& opened,
                    QList<GameRunStep>& steps)
{
    if (!opened.contains(name) && !(tabExists && tabExists(name)))
        return false;
    steps.append({GameRunStep::Kind::SelectTab, QString(), name, QString()});
    return true;
}

} // namespace

QList<GameRunStep> PlanGameRun(const QString& name, const QList<Catalogue::GameRecord>& rows, const TabExists& tabExists)
{
    QList<GameRunStep> steps;
    QSet<QString> opened;
    for (const Catalogue::GameRecord& row : rows) {
        if (row.type != Statements::FlashGame) {
            const auto kind = row.playAddress.contains(QLatin1String("url_kelvra"))
                                  ? GameRunStep::Kind::OpenInDesktopBrowser
                                  : GameRunStep::Kind::OpenInGameBrowser;
            steps.append({kind, row.playAddress, QString(), QString()});
            continue;
        }
        if (selectExisting(name, tabExists, opened, steps))
            continue;
        steps.append({GameRunStep::Kind::OpenPlayer, row.playAddress, name, row.introduction});
        opened.insert(name);
    }
    return steps;
}

QList<GameRunStep> PlanGameIntroduction(const QString& name, const QList<Catalogue::GameRecord>& rows,
                                        const TabExists& tabExists)
{
    QList<GameRunStep> steps;
    QSet<QString> opened;
    for (const Catalogue::GameRecord& row : rows) {
        if (selectExisting(name, tabExists, opened, steps))
            continue;
        steps.append({GameRunStep::Kind::OpenDownloadPage, row.pageAddress, name, QString()});
        opened.insert(name);
    }
    return steps;
}
