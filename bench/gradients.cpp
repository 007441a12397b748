// Time of one gradient over a whole card with its print copy, per direction.
#include "drawing/Gradients.h"
#include "platform/CardSurface.h"
#include "platform/PictureSurface.h"

#include <benchmark/benchmark.h>

static void linearGradient(benchmark::State& state)
{
    CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
    const int direction = int(state.range(0));
    for (auto _ : state)
        GradientLinear(card, RGB(255, 254, 0), direction, RGB(0, 0, 0));
}
BENCHMARK(linearGradient)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

static void circularGradient(benchmark::State& state)
{
    CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
    for (auto _ : state)
        GradientCircular(card, RGB(255, 254, 0), RGB(0, 0, 0), 255, -1, -1);
}
BENCHMARK(circularGradient)->Unit(benchmark::kMillisecond);

// The screen picture alone, for comparison.
static void screenOnly(benchmark::State& state)
{
    PictureSurface card;
    const int direction = int(state.range(0));
    for (auto _ : state) {
        if (direction == 5)
            GradientCircular(card, RGB(255, 254, 0), RGB(0, 0, 0), 255, -1, -1);
        else
            GradientLinear(card, RGB(255, 254, 0), direction, RGB(0, 0, 0));
    }
}
BENCHMARK(screenOnly)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
