#pragma once
// The main of a benchmark program: the offscreen platform unless another is
// set, the application object, an optional set-up, then Google Benchmark.
#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

inline int esegui(int argc, char** argv, void (*prepara)() = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepara)
        prepara();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
