// The game browser, timed from outside: from the main program's hand-over of an
// address to a running game browser until the game page is painted, and from a cold
// start with the address until the same; each against a bare web view loading the same
// page in the same run (a new view in a running program; a bare program started cold).
//
// "Painted": the page asks this benchmark's own loopback server for /painted?run=N from
// the second animation frame after its load event, when the first frame with the game
// drawn has been presented. The server (cpp-httplib, as the demo site's) notes the
// arrival on the monotonic clock all processes share, so the program under test
// carries no measuring code at all.
//
// The reference views compose their frames with the renderer the programs choose
// (GraphicsBackend), so the ratio is the browser's own cost. QSG_RHI_BACKEND=opengl
// keeps both on OpenGL whatever draws it.
#include "bench/BenchSupport.h"
#include "ipc/CorvaneLink.h"
#include "ipc/LocalTopic.h"
#include "web/GraphicsBackend.h"
#include "web/WebProfile.h"

#include <QApplication>
#include <QEventLoop>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <httplib.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Iterations = 10;
constexpr int PaintWaitMs = 30000;

const char* GamePage = R"HTML(<!doctype html><html><head><meta charset="utf-8"><title>bench game</title></head>
<body style="margin:0;background:#123"><canvas id="c" width="960" height="600"></canvas><script>
addEventListener('load', function () {
  var g = document.getElementById('c').getContext('2d');
  g.fillStyle = '#2a8f5c'; g.fillRect(0, 0, 960, 600);
  g.fillStyle = '#fff'; g.font = '40px sans-serif'; g.fillText('bench game', 360, 300);
  requestAnimationFrame(function () { requestAnimationFrame(function () {
    fetch('/painted' + location.search);
  }); });
});
</script></body></html>)HTML";

// Serves the game page and notes when each run's page reported its first frame. Every
// connection gets a thread: the engine opens spare connections that must not hold up
// the one carrying the report.
class PaintServer {
public:
    PaintServer()
    {
        m_server.set_keep_alive_max_count(1);
        m_server.Get("/game.html", [](const httplib::Request&, httplib::Response& response) {
            response.set_header("Cache-Control", "no-store");
            response.set_content(GamePage, "text/html; charset=utf-8");
        });
        m_server.Get("/painted", [this](const httplib::Request& request, httplib::Response& response) {
            const int run = std::atoi(request.get_param_value("run").c_str());
            QMutexLocker lock(&m_mutex);
            m_painted.insert(run, Clock::now());
            if (m_waiting && run == m_waitingRun)
                QMetaObject::invokeMethod(m_waiting, &QEventLoop::quit, Qt::QueuedConnection);
            response.status = 204;
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        if (m_port > 0)
            m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~PaintServer()
    {
        m_server.stop();
        if (m_thread.joinable())
            m_thread.join();
    }

    bool isListening() const { return m_port > 0; }
    QString page(int run) const { return QStringLiteral("http://127.0.0.1:%1/game.html?run=%2").arg(m_port).arg(run); }

    // Milliseconds from `start` until run `run` was painted; nothing when it never was.
    // The event loop runs meanwhile and wakes at the report, not on a polling tick.
    std::optional<double> waitForPaint(int run, Clock::time_point start)
    {
        QEventLoop loop;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_painted.contains(run)) {
                m_waitingRun = run;
                m_waiting = &loop;
            }
        }
        if (m_waiting) {
            QTimer::singleShot(PaintWaitMs, &loop, &QEventLoop::quit);
            loop.exec();
            QMutexLocker lock(&m_mutex);
            m_waiting = nullptr;
        }
        const std::optional<Clock::time_point> at = arrival(run);
        if (!at)
            return std::nullopt;
        return std::chrono::duration<double, std::milli>(*at - start).count();
    }

private:
    std::optional<Clock::time_point> arrival(int run)
    {
        QMutexLocker lock(&m_mutex);
        const auto found = m_painted.constFind(run);
        return found == m_painted.constEnd() ? std::nullopt : std::optional(*found);
    }

    httplib::Server m_server;
    int m_port = -1;
    std::thread m_thread;
    QMutex m_mutex;
    QMap<int, Clock::time_point> m_painted;
    QEventLoop* m_waiting = nullptr;
    int m_waitingRun = 0;
};

int g_run = 0;

const QString Corvane = QStringLiteral(TAVOLIN_APP_DIR "/Corvane");

// The cold reference: a program that shows one bare view on a persistent profile of its
// own, as the game browser does, and loads the address.
int bareView(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    GraphicsBackend::ChooseForWebViews();
    QWebEngineProfile* profile = CreateNamedWebProfile(QStringLiteral("BenchBare"), &app);
    auto* view = new QWebEngineView;
    view->setPage(new QWebEnginePage(profile, view));
    view->resize(1016, 683);
    view->show();
    view->load(QUrl(QString::fromLocal8Bit(argv[2])));
    const int result = app.exec();
    delete view;
    return result;
}

void end(QProcess& process)
{
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// Milliseconds from starting `program` with the page until it was painted.
std::optional<double> coldStart(PaintServer& server, const QString& program, const QStringList& before)
{
    const int run = ++g_run;
    QProcess process;
    const Clock::time_point start = Clock::now();
    process.start(program, before + QStringList(server.page(run)));
    const std::optional<double> ms = server.waitForPaint(run, start);
    end(process);
    return ms;
}

void HandOverAgainstNewView(benchmark::State& state)
{
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    PaintServer server;
    QProcess corvane;
    const int first = ++g_run;
    corvane.start(Corvane, {server.page(first)});
    // The reference runs in this process, in a window of the browser's page size, warmed
    // by one page like the browser; each page then gets a new view on top, as a new tab does.
    GraphicsBackend::ChooseForWebViews();
    QWebEngineProfile* profile = CreateNamedWebProfile(QStringLiteral("BenchWarm"), nullptr);
    auto window = std::make_unique<QWidget>();
    window->resize(1016, 683);
    window->show();
    auto newView = [&](int run) {
        auto* view = new QWebEngineView(window.get());
        view->setPage(new QWebEnginePage(profile, view));
        view->setGeometry(window->rect());
        view->show();
        view->load(QUrl(server.page(run)));
    };
    const int warmRun = ++g_run;
    const Clock::time_point warmStart = Clock::now();
    newView(warmRun);
    if (!server.isListening() || !server.waitForPaint(first, Clock::now()) || !server.waitForPaint(warmRun, warmStart)) {
        state.SkipWithError("the game browser or the reference view never painted the page");
        end(corvane);
        return;
    }
    double handOver = 0;
    double bare = 0;
    double tabOpenedMs = 0;
    double viewMadeMs = 0;
    for (auto _ : state) {
        const int run = ++g_run;
        const Clock::time_point start = Clock::now();
        const bool sent = SendExecute(QString::fromLatin1(GameBrowserTopic), {server.page(run)});
        // Acknowledged once the game browser has opened the tab.
        tabOpenedMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const std::optional<double> handOverMs = server.waitForPaint(run, start);

        const int bareRun = ++g_run;
        const Clock::time_point bareStart = Clock::now();
        newView(bareRun);
        // Beside the tab's opening: what making a view costs by itself.
        viewMadeMs += std::chrono::duration<double, std::milli>(Clock::now() - bareStart).count();
        const std::optional<double> bareMs = server.waitForPaint(bareRun, bareStart);
        if (!sent || !handOverMs || !bareMs) {
            state.SkipWithError("a page was never painted");
            break;
        }
        state.SetIterationTime(*handOverMs / 1000);
        handOver += *handOverMs;
        bare += *bareMs;
    }
    window.reset();
    delete profile;
    end(corvane);
    state.counters["hand_over_ms"] = handOver / double(state.iterations());
    state.counters["new_view_ms"] = bare / double(state.iterations());
    state.counters["ratio"] = handOver / bare;
    state.counters["view_made_ms"] = viewMadeMs / double(state.iterations());
    state.counters["tab_opened_ms"] = tabOpenedMs / double(state.iterations());
}
BENCHMARK(HandOverAgainstNewView)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(Iterations);

void ColdStartAgainstBareProgram(benchmark::State& state)
{
    SetTopicInstallation(QStringLiteral(TAVOLIN_APP_DIR));
    PaintServer server;
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList reference{QStringLiteral("--bare-view")};
    // Not timed: the first runs fill the page cache.
    if (!server.isListening() || !coldStart(server, Corvane, {}) || !coldStart(server, self, reference)) {
        state.SkipWithError("the game browser or the bare program never painted the page");
        return;
    }
    double cold = 0;
    double bare = 0;
    for (auto _ : state) {
        const std::optional<double> coldMs = coldStart(server, Corvane, {});
        const std::optional<double> bareMs = coldStart(server, self, reference);
        if (!coldMs || !bareMs) {
            state.SkipWithError("a page was never painted");
            break;
        }
        state.SetIterationTime(*coldMs / 1000);
        cold += *coldMs;
        bare += *bareMs;
    }
    state.counters["cold_start_ms"] = cold / double(state.iterations());
    state.counters["bare_program_ms"] = bare / double(state.iterations());
    state.counters["ratio"] = cold / bare;
}
BENCHMARK(ColdStartAgainstBareProgram)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(Iterations);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--bare-view") == 0)
        return bareView(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return RunBenchmarks<QApplication>(argc, argv);
}
