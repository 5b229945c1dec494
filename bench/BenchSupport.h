#pragma once

#include "tests/support/AppFolder.h"

#include <QString>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <functional>

// Runs the registered benchmarks inside an application object of type App, on the
// offscreen platform unless there is a display; `afterwards` reports figures that
// are not timings.
template <class App>
int RunBenchmarks(int argc, char** argv, const std::function<void()>& afterwards = {})
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (afterwards)
        afterwards();
    return 0;
}
