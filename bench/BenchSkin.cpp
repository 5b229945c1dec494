// The skin generator's figures: painting and encoding the whole skin (the build runs
// it; it must stay well under five seconds), and the GIF encoder on the largest window
// background.
#include "bench/BenchSupport.h"
#include "skin/GifWriter.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinGenerator.h"

#include <QGuiApplication>

#include <algorithm>

namespace {

void BM_WholeSkin(benchmark::State& state)
{
    for (auto _ : state) {
        QString error;
        for (const SkinFile& file : SkinFiles())
            benchmark::DoNotOptimize(SkinGenerator::Encode(file, &error));
    }
}
BENCHMARK(BM_WholeSkin)->Unit(benchmark::kMillisecond);

void BM_GifMainWindowBackground(benchmark::State& state)
{
    const auto& files = SkinFiles();
    const auto it = std::find_if(files.begin(), files.end(), [](const SkinFile& f) { return f.path == QLatin1String("frmMain_bg.gif"); });
    const QImage picture = it->paint().first();
    for (auto _ : state)
        benchmark::DoNotOptimize(GifWriter::Encode(picture));
}
BENCHMARK(BM_GifMainWindowBackground)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
