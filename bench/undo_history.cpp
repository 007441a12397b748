// Cost of the undo history on the main card with its print copy: recording a
// step (comparing and keeping the changed rectangle), and one undo with its redo.
#include "editor/CardHistory.h"
#include "platform/CardSurface.h"

#include <benchmark/benchmark.h>

namespace {

// Changes every pixel of both copies, as a filter does.
void changeEverything(CardSurface& card, int round)
{
    QImage screen = card.image().copy(), print = card.printImage().copy();
    screen.fill(qRgb(round % 256, 0, 0));
    print.fill(qRgb(round % 256, 0, 0));
    card.setImages(screen, print);
}

}

// Only the history's own work is timed: taking the snapshot and ending the change.
static void recordStep(benchmark::State& state)
{
    const bool wholeCard = state.range(0) != 0;
    CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
    CardHistory history(card, [] { return CardLayoutState{}; }, [](const CardLayoutState&) {});
    int round = 0;
    for (auto _ : state) {
        history.begin();
        state.PauseTiming();
        if (wholeCard)
            changeEverything(card, ++round);
        else
            card.setPixel(100, 100, RGB(0, 0, ++round % 256));
        state.ResumeTiming();
        history.commit();
    }
    state.counters["steps kept"] = history.stack().count();
    state.counters["MB kept"] = double(history.bytes()) / (1024 * 1024);
}
BENCHMARK(recordStep)->Arg(0)->Arg(1)->ArgName("wholeCard")->Unit(benchmark::kMillisecond);

static void undoAndRedoWholeCard(benchmark::State& state)
{
    CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
    CardHistory history(card, [] { return CardLayoutState{}; }, [](const CardLayoutState&) {});
    history.begin();
    changeEverything(card, 1);
    history.commit();
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
}
BENCHMARK(undoAndRedoWholeCard)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
