// Drawing the card again from its operations. A photo opened from a
// 12-megapixel JPEG (4000 x 3000) in the first frame of layout 4, with 50
// operations over it (freehand lines, texts, sprays, fills):
//  - one drag step of the photo, the screen copy with every later operation
//    replayed over it (goal: under 16 ms), and the same with Aquarel among
//    them (under 40 ms);
//  - the release, both copies drawn again, with Blur and Aquarel among them
//    (under 400 ms);
// and a whole card of 200 operations, Blur, Sharpen and Aquarel among them,
// replayed on both copies without checkpoints (under 1.5 s).
// Each benchmark shows its goal as goal_ms.
#include "OffscreenMain.h"
#include "HeadlessCard.h"
#include "LaterOperations.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoOpen.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int LeftButton = 1;
// A point inside the first frame of layout 4.
constexpr double PressX = 129, PressY = 151;

// Layout 4 with the photo in its first frame and `later` operations over it.
struct CardWithPhoto {
    HeadlessCard card;
    CardWithPhoto(int later, const std::map<int, int>& filters)
    {
        card.chooseLayout(4, 0, 60, 258, 182);
        card.state().cropPhotos = true;
        openPhotoFile(card, twelveMegapixelJpeg());
        addLaterOperations(card, later, filters);
    }
    // An operation that changes no pixel (a text wholly off the card) is not kept.
    bool ready(int later) { return card.state().document.size() >= 1 + later - later / 20; }
};

void dragStep(benchmark::State& state, const std::map<int, int>& filters, double goalMs)
{
    CardWithPhoto setup(50, filters);
    HeadlessCard& card = setup.card;
    if (!setup.ready(50)) {
        state.SkipWithError("the card was not made");
        return;
    }
    photoMouseDown(card, LeftButton, PressX, PressY);
    photoMouseMove(card, LeftButton, PressX + 1, PressY + 1); // readies the screen-sized copy
    int n = 0;
    for (auto _ : state) {
        ++n;
        photoMouseMove(card, LeftButton, PressX + n % 9 - 4, PressY + n % 7 - 3);
        benchmark::DoNotOptimize(card.card().image().constBits());
    }
    photoMouseUp(card, LeftButton, PressX, PressY);
    state.counters["goal_ms"] = goalMs;
}

void BM_DragStep(benchmark::State& state)
{
    dragStep(state, {}, 16);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

void BM_DragStepWithAquarel(benchmark::State& state)
{
    dragStep(state, {{25, FiltersEntry::Aquarel}}, 40);
}
BENCHMARK(BM_DragStepWithAquarel)->Unit(benchmark::kMillisecond);

void BM_ReleaseWithBlurAndAquarel(benchmark::State& state)
{
    CardWithPhoto setup(50, {{15, FiltersEntry::Blur}, {35, FiltersEntry::Aquarel}});
    HeadlessCard& card = setup.card;
    if (!setup.ready(50)) {
        state.SkipWithError("the card was not made");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const quint64 photo = card.state().document.at(0).id();
        const double dy = n++ % 2 ? 8 : -8;
        photoMouseDown(card, LeftButton, PressX, PressY);
        photoMouseMove(card, LeftButton, PressX, PressY + dy);
        state.ResumeTiming();
        photoMouseUp(card, LeftButton, PressX, PressY + dy);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
        if (card.state().document.at(0).id() == photo) {
            state.SkipWithError("the photo did not move");
            return;
        }
    }
    state.counters["goal_ms"] = 400;
}
BENCHMARK(BM_ReleaseWithBlurAndAquarel)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_ReplayWholeCard(benchmark::State& state)
{
    CardWithPhoto setup(199, {{50, FiltersEntry::Blur}, {100, FiltersEntry::Sharpen}, {150, FiltersEntry::Aquarel}});
    HeadlessCard& card = setup.card;
    if (!setup.ready(199)) {
        state.SkipWithError("the card was not made");
        return;
    }
    const QImage drawn = card.card().image();
    for (auto _ : state) {
        CardReplay replay;
        replay.replay(card.card(), card.state().document);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
    }
    if (card.card().image() != drawn)
        state.SkipWithError("the replay drew another card");
    state.counters["operations"] = card.state().document.size();
    state.counters["goal_ms"] = 1500;
}
BENCHMARK(BM_ReplayWholeCard)->Unit(benchmark::kMillisecond)->Iterations(3);

}

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
