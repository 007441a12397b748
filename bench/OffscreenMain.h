#pragma once
// The main() of a benchmark program that needs an application object: it runs
// on the offscreen platform unless another one is asked for, and handles
// memory as the program does.
#include "platform/LargeAllocations.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

template <typename Application = QGuiApplication>
int runOffscreenBenchmarks(int argc, char** argv)
{
    returnLargeBlocksToTheSystem();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
