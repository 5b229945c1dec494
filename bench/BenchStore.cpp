// The local store's figures: one whole database cycle, and the My box list query
// over 10,000 games against the sqlite3 command-line tool on the same file.
#include "bench/BenchSupport.h"
#include "shell/GlobalSettings.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int CatalogueSize = 10000;

QTemporaryDir* fixture()
{
    static QTemporaryDir dir;
    static bool filled = false;
    if (!filled) {
        UseAppFolder(dir.path());
        DatabaseCycle cycle;
        cycle.exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < CatalogueSize; ++i)
            cycle.exec(Statements::InsertSavedFlashGame(QStringLiteral("游戏 %1").arg(i),
                                                        QStringLiteral("介绍 %1").arg(i),
                                                        QStringLiteral("http://127.0.0.1:8737//games/%1.htm").arg(i)));
        cycle.exec(QStringLiteral("COMMIT"));
        filled = true;
    }
    return &dir;
}

void DatabaseCycleReadingInstall(benchmark::State& state)
{
    fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(Catalogue::CloseHidesWindow());
}
BENCHMARK(DatabaseCycleReadingInstall)->Unit(benchmark::kMicrosecond);

void MyBoxList10000(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        const QStringList names = Catalogue::GameNames(Catalogue::GameList::OnLoad);
        if (names.size() != CatalogueSize)
            state.SkipWithError("wrong row count");
    }
}
BENCHMARK(MyBoxList10000)->Unit(benchmark::kMillisecond);

// The command-line tool's own timer for the same query, median of several runs, in ms.
double commandLineMilliseconds()
{
    const QString file = fixture()->filePath(DatabaseFileName());
    const QRegularExpression runTime(QStringLiteral("Run Time: real ([0-9.]+)"));
    std::vector<double> runs;
    for (int i = 0; i < 15; ++i) {
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral("sqlite3"), {file});
        tool.write(".output /dev/null\n.timer on\n" + Statements::SelectGamesOnLoad().toUtf8() + ";\n");
        tool.closeWriteChannel();
        if (!tool.waitForFinished(10000))
            return -1;
        const auto match = runTime.match(QString::fromUtf8(tool.readAll()));
        if (match.hasMatch())
            runs.push_back(match.captured(1).toDouble() * 1000.0);
    }
    if (runs.empty())
        return -1;
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QCoreApplication>(argc, argv, [] {
        const double tool = commandLineMilliseconds();
        if (tool < 0)
            std::printf("sqlite3 command-line tool: not available\n");
        else
            std::printf("sqlite3 command-line tool, same query on the same file: %.1f ms (median of 15)\n", tool);
    });
}
