// Flood fill of the whole card: every pixel of a white 515 x 365 card changes
// colour in one fill. The goal is well under 5 ms per fill.
#include "drawing/FloodFill.h"
#include "platform/Colors.h"
#include "platform/PictureSurface.h"

#include <benchmark/benchmark.h>

static void WholeWhiteCard(benchmark::State& state)
{
    QImage card = PictureSurface().image();
    bool yellow = true;
    for (auto _ : state) {
        const int changed = floodFill(card, 257, 182, yellow ? RGB(255, 255, 0) : RGB(255, 255, 255));
        benchmark::DoNotOptimize(changed);
        yellow = !yellow;
    }
}
BENCHMARK(WholeWhiteCard)->Unit(benchmark::kMillisecond);

// A card striped with one-pixel gaps: many short spans, the slow case for a span fill.
static void Comb(benchmark::State& state)
{
    PictureSurface comb;
    for (int x = 1; x < comb.width(); x += 2)
        comb.line(x, 0, x, comb.height() - 2, RGB(0, 0, 0));
    QImage card = comb.image();
    bool yellow = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(floodFill(card, 0, 0, yellow ? RGB(255, 255, 0) : RGB(255, 255, 255)));
        yellow = !yellow;
    }
}
BENCHMARK(Comb)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
