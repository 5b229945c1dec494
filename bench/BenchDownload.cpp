// The download control against curl, fetching the same 200 MiB file from the demo
// site on 127.0.0.1 in the same run: the control's throughput as a share of curl's, and
// the longest stall of the window's event loop while the control transfers (beside the
// longest over as long a time with no transfer).
#include "bench/BenchSupport.h"
#include "pages/bkDLControl.h"
#include "tests/support/RealPrograms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// The demo site makes the file on the fly: /tavolin/big/N.bin is N MiB.
constexpr int FileMiB = 200;
constexpr qint64 FileBytes = qint64(FileMiB) << 20;
constexpr int TickMs = 5;
constexpr int Rounds = 5;
constexpr int TransferLimitMs = 120000;

// A chain of 5 ms single shots on the window's thread: a tick that comes late shows how
// long the event loop was kept from running.
class StallMeter {
public:
    void start()
    {
        m_running = true;
        m_worstNs = 0;
        m_clock.start();
        m_lastNs = 0;
        next();
    }
    void stop() { m_running = false; }
    double worstMs() const { return double(m_worstNs) / 1e6; }

private:
    void next()
    {
        QTimer::singleShot(TickMs, Qt::PreciseTimer, [this] {
            if (!m_running)
                return;
            const qint64 now = m_clock.nsecsElapsed();
            m_worstNs = std::max(m_worstNs, now - m_lastNs - qint64(TickMs) * 1000000);
            m_lastNs = now;
            next();
        });
    }

    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_worstNs = 0;
    bool m_running = false;
};

// Milliseconds curl took to fetch `address` into `path`, or -1.
double curlMs(const QString& address, const QString& path)
{
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"), path, address});
    if (!curl.waitForFinished(TransferLimitMs) || curl.exitCode() != 0 || QFileInfo(path).size() != FileBytes)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

struct ControlRun {
    double ms = -1;
    double worstStallMs = 0;
};

ControlRun controlRun(const QString& address, const QString& folder)
{
    ControlRun run;
    bkDLControl control;
    bool complete = false;
    QObject::connect(&control, &bkDLControl::DownloadDone, [&](qint64 count) { complete = count == FileBytes; });
    QEventLoop loop;
    QObject::connect(&control, &bkDLControl::DownloadDone, &loop, &QEventLoop::quit);
    QObject::connect(&control, &bkDLControl::DownloadError, &loop, &QEventLoop::quit);
    QTimer::singleShot(TransferLimitMs, &loop, &QEventLoop::quit);
    control.SetSourceUrl(address);
    control.SetSaveFolder(folder);
    StallMeter meter;
    meter.start();
    QElapsedTimer clock;
    clock.start();
    control.StartDownload();
    loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    meter.stop();
    run.worstStallMs = meter.worstMs();
    if (complete && QFileInfo(QDir(folder).filePath(QStringLiteral("%1.bin").arg(FileMiB))).size() == FileBytes)
        run.ms = ms;
    return run;
}

void ControlAgainstCurl(benchmark::State& state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty()) {
        state.SkipWithError("curl is not installed");
        return;
    }
    DemoSite site;
    QTemporaryDir folder;
    if (!site.start() || !folder.isValid()) {
        state.SkipWithError("no demo site or no folder");
        return;
    }
    const QString address = site.base() + QStringLiteral("tavolin/big/%1.bin").arg(FileMiB);
    const QString curlFile = folder.filePath(QStringLiteral("curl.bin"));
    const QString controlFile = folder.filePath(QStringLiteral("%1.bin").arg(FileMiB));
    QWidget window;
    window.resize(320, 200);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window did not show");
        return;
    }

    for (auto _ : state) {
        // Best of a few rounds each, alternating, so that neither side alone meets a
        // busy moment of the shared machine.
        double bestCurl = -1;
        double bestControl = -1;
        double worstStall = 0;
        for (int round = 0; round < Rounds; ++round) {
            const double curl = curlMs(address, curlFile);
            const ControlRun control = controlRun(address, folder.path());
            QFile::remove(curlFile);
            QFile::remove(controlFile);
            if (curl < 0 || control.ms < 0) {
                state.SkipWithError("a transfer failed");
                return;
            }
            bestCurl = bestCurl < 0 ? curl : std::min(bestCurl, curl);
            bestControl = bestControl < 0 ? control.ms : std::min(bestControl, control.ms);
            worstStall = std::max(worstStall, control.worstStallMs);
        }
        state.SetIterationTime(bestControl / 1000.0);
        state.counters["control_ms"] = bestControl;
        state.counters["curl_ms"] = bestCurl;
        state.counters["control_MiB_per_s"] = FileBytes / 1048576.0 / (bestControl / 1000.0);
        state.counters["curl_MiB_per_s"] = FileBytes / 1048576.0 / (bestCurl / 1000.0);
        state.counters["throughput_ratio"] = bestCurl / bestControl;
        state.counters["longest_stall_ms"] = worstStall;
        // The same meter with no transfer: what the shared machine alone costs the loop.
        StallMeter idle;
        idle.start();
        QEventLoop pause;
        QTimer::singleShot(int(bestControl) + 1, &pause, &QEventLoop::quit);
        pause.exec();
        idle.stop();
        state.counters["idle_longest_stall_ms"] = idle.worstMs();
    }
}
BENCHMARK(ControlAgainstCurl)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
