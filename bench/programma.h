#pragma once
// The main of a benchmark program: the offscreen platform unless another is
// set, the application object, an optional set-up, then Google Benchmark.
// The program fails (exit status 1) when a benchmark ended in an error.
#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

namespace detail {
inline bool g_errore = false;
}

// Ends a benchmark with an error in place of a figure, and makes the program
// fail: what it measured is not the work it is meant to measure.
inline void errore(benchmark::State& state, const char* perche)
{
    state.SkipWithError(perche);
    detail::g_errore = true;
}

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
    return detail::g_errore ? 1 : 0;
}

} // namespace bench
