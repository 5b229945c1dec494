// The player control against a bare page that embeds the same Ruffle, playing the same
// movie in the same run: time to the movie's first frame, frames drawn per second over
// 10 s, and the CPU time of the whole process tree while it plays.
#include "bench/BenchSupport.h"
#include "pages/ShockwaveFlash.h"
#include "tests/support/TestMovie.h"
#include "web/WebProfile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <unistd.h>

namespace {

constexpr int MovieRate = 24;
constexpr int PlayMs = 10000;

// Counts the animation frames in which the page drew anything on a canvas: what the
// player shows, frame by frame, whichever renderer Ruffle picked.
const char* FrameCounter = R"JS(
(function () {
  var drew = false, frames = 0;
  function watch(context) {
    if (!context || context.__counted) return context;
    context.__counted = true;
    ['fill', 'fillRect', 'drawImage', 'stroke', 'clearRect', 'putImageData', 'drawArrays', 'drawElements']
      .forEach(function (name) {
        var original = context[name];
        if (typeof original !== 'function') return;
        context[name] = function () { drew = true; return original.apply(this, arguments); };
      });
    return context;
  }
  var getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function () { return watch(getContext.apply(this, arguments)); };
  function tick() { if (drew) { frames++; drew = false; } requestAnimationFrame(tick); }
  requestAnimationFrame(tick);
  window.tavolinFrames = function () { return frames; };
})();
)JS";

void countFrames(QWebEnginePage* page)
{
    QWebEngineScript script;
    script.setSourceCode(QString::fromLatin1(FrameCounter));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    page->scripts().insert(script);
}

// CPU seconds of this process and every process below it.
double treeCpuSeconds(pid_t pid = getpid())
{
    double seconds = 0;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            seconds += (fields[11].toDouble() + fields[12].toDouble()) / sysconf(_SC_CLK_TCK);
    }
    for (const QString& task : QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(QStringLiteral("/proc/%1/task/%2/children").arg(pid).arg(task));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& child : children.readAll().split(' ')) {
            if (!child.trimmed().isEmpty())
                seconds += treeCpuSeconds(pid_t(child.trimmed().toInt()));
        }
    }
    return seconds;
}

int framesOf(QWebEnginePage* page)
{
    auto frames = std::make_shared<int>(-1);
    page->runJavaScript(QStringLiteral("window.tavolinFrames ? window.tavolinFrames() : -1"),
                        [frames](const QVariant& value) { *frames = value.toInt(); });
    QTest::qWaitFor([&] { return *frames >= 0; }, 5000);
    return *frames;
}

struct Figures {
    double firstFrameMs = -1;
    double framesPerSecond = 0;
    double cpuSeconds = 0;
};

// Loads the movie in `view` with `start`, then lets it play; the first frame is timed
// from `clock`, started before the page was made.
Figures measure(QWebEngineView& view, const QElapsedTimer& clock, const std::function<void()>& start)
{
    Figures figures;
    start();
    if (!QTest::qWaitFor([&] { return framesOf(view.page()) > 0; }, 30000))
        return figures;
    figures.firstFrameMs = double(clock.nsecsElapsed()) / 1e6;
    const int framesBefore = framesOf(view.page());
    const double cpuBefore = treeCpuSeconds();
    QTest::qWait(PlayMs);
    figures.cpuSeconds = treeCpuSeconds() - cpuBefore;
    figures.framesPerSecond = (framesOf(view.page()) - framesBefore) * 1000.0 / PlayMs;
    return figures;
}

void PlayerAgainstBarePage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("movie.swf"));
    QFile file(movie);
    if (!file.open(QIODevice::WriteOnly) || file.write(AnimatedTestMovie(QSize(550, 400), QColor(120, 190, 240))) < 0) {
        state.SkipWithError("cannot write the movie");
        return;
    }
    file.close();
    const QString ruffle = QStringLiteral(TAVOLIN_APP_DIR "/ruffle/");
    const QString bare = dir.filePath(QStringLiteral("bare.html"));
    QFile page(bare);
    if (!page.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the bare page");
        return;
    }
    page.write(QStringLiteral("<!doctype html><html><body style='margin:0'><script src='%1ruffle.js'></script>"
                              "<script>var p = window.RufflePlayer.newest().createPlayer();"
                              "p.style.width='550px'; p.style.height='400px'; document.body.appendChild(p);"
                              "p.load({url: '%2', autoplay: 'on', splashScreen: false, unmuteOverlay: 'hidden'});"
                              "</script></body></html>")
                   .arg(QUrl::fromLocalFile(ruffle).toString(), QUrl::fromLocalFile(movie).toString())
                   .toUtf8());
    page.close();
    QWebEngineProfile* profile = CreateNamedWebProfile(QStringLiteral("BenchFlashPlayer"), qApp);

    const auto barePage = [&] {
        QElapsedTimer clock;
        clock.start();
        QWebEngineView view;
        view.setPage(new QWebEnginePage(profile, &view));
        countFrames(view.page());
        view.resize(550, 400);
        view.show();
        QTest::qWaitForWindowExposed(&view);
        return measure(view, clock, [&] { view.load(QUrl::fromLocalFile(bare)); });
    };
    // Not counted: the first run fills the caches.
    barePage();
    for (auto _ : state) {
        Figures player;
        {
            QElapsedTimer clock;
            clock.start();
            ShockwaveFlash control(profile, ruffle + QStringLiteral("player.html"));
            countFrames(control.view()->page());
            control.resize(550, 400);
            control.show();
            QTest::qWaitForWindowExposed(&control);
            player = measure(*control.view(), clock, [&] { control.LoadMovie(0, movie); });
        }
        const Figures reference = barePage();
        if (player.firstFrameMs < 0 || reference.firstFrameMs < 0) {
            state.SkipWithError("a movie did not play");
            return;
        }
        state.SetIterationTime(player.firstFrameMs / 1000.0);
        state.counters["first_frame_ms"] = player.firstFrameMs;
        state.counters["bare_first_frame_ms"] = reference.firstFrameMs;
        state.counters["first_frame_ratio"] = player.firstFrameMs / reference.firstFrameMs;
        state.counters["fps"] = player.framesPerSecond;
        state.counters["bare_fps"] = reference.framesPerSecond;
        state.counters["fps_of_movie_rate"] = player.framesPerSecond / MovieRate;
        state.counters["cpu_s"] = player.cpuSeconds;
        state.counters["bare_cpu_s"] = reference.cpuSeconds;
        state.counters["cpu_ratio"] = player.cpuSeconds / reference.cpuSeconds;
    }
}
BENCHMARK(PlayerAgainstBarePage)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
