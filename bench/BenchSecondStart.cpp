// A second start of the main program against a bare Qt program that maps one window:
// the second start only hands its commands to the first and ends, so it has to cost
// well under any program that shows a window. Both are timed in the same run, in turn.
#include "bench/BenchSupport.h"
#include "ipc/LocalTopic.h"
#include "tests/support/TopicServerThread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace {

// The reference: a bare widget program that ends as soon as its window is mapped.
int bareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(320, 240);
    window.show();
    return QTest::qWaitForWindowExposed(&window, 10000) ? 0 : 1;
}

// Milliseconds from start to end of `program`, or a negative number when it failed.
double timeRun(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

void SecondStartAgainstBareWindow(benchmark::State& state)
{
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    TopicServerThread first(QStringLiteral("Tavolin|FormTavolin"));
    if (!first.listening()) {
        state.SkipWithError("cannot serve the main frame's topic");
        return;
    }
    const QString tavolin = QStringLiteral(TAVOLIN_APP_DIR "/Tavolin");
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList reference{QStringLiteral("--bare-window")};
    // Not timed: the first runs fill the page cache.
    if (timeRun(tavolin, {}) < 0 || timeRun(self, reference) < 0) {
        state.SkipWithError("the second start or the bare window program failed");
        return;
    }
    double second = 0;
    double bare = 0;
    for (auto _ : state) {
        const double secondMs = timeRun(tavolin, {});
        const double bareMs = timeRun(self, reference);
        if (secondMs < 0 || bareMs < 0) {
            state.SkipWithError("the second start or the bare window program failed");
            return;
        }
        state.SetIterationTime(secondMs / 1000);
        second += secondMs;
        bare += bareMs;
    }
    state.counters["second_start_ms"] = second / double(state.iterations());
    state.counters["bare_window_ms"] = bare / double(state.iterations());
    state.counters["ratio"] = second / bare;
}
BENCHMARK(SecondStartAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv);
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
