#pragma once
// The main of a benchmark of widgets: a Qt application on the offscreen platform (unless
// another one is asked for), then the registered benchmarks.

#include <QApplication>
#include <benchmark/benchmark.h>

inline int runWidgetBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
