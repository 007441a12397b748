// Moving a photo in its frame, layout 1, from a 12-megapixel source:
//  - one drag step: the screen picture follows the pointer (the print copy waits);
//  - the release: both copies painted again from the source, the print copy included.
#include "OffscreenMain.h"
#include "HeadlessCard.h"
#include "editor/PhotoSource.h"
#include "editor/PhotoAdjusting.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A card in layout 1 with a 4000 x 3000 photo at 200%, ready to be dragged.
struct DraggableCard {
    HeadlessCard card;
    DraggableCard()
    {
        card.chooseLayout(1, 0, 0, 515, 365);
        card.state().cropPhotos = true;
        CardHistory::Change change(card.history());
        placePhoto(card, PhotoSource::fromPicture(photoLike(4000, 3000, 1)));
        zoomPhotoAt(card, 10, 257, 182);
    }
};

void BM_DragStepOnTheScreen(benchmark::State& state)
{
    DraggableCard setup;
    HeadlessCard& card = setup.card;
    photoMouseDown(card, 1, 250, 180);
    photoMouseMove(card, 1, 251, 180); // the first step makes the screen-sized copy
    int n = 0;
    for (auto _ : state) {
        const double x = 250 + (n++ % 40);
        photoMouseMove(card, 1, x, 180 + (n % 7));
        benchmark::DoNotOptimize(card.card().image().constBits());
    }
    photoMouseUp(card, 1, 250, 180);
}
BENCHMARK(BM_DragStepOnTheScreen)->Unit(benchmark::kMillisecond);

void BM_ReleaseRedoesBothCopies(benchmark::State& state)
{
    DraggableCard setup;
    HeadlessCard& card = setup.card;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        photoMouseDown(card, 1, 250, 180);
        photoMouseMove(card, 1, 250 + (n % 2 ? 10 : -10), 180);
        state.ResumeTiming();
        photoMouseUp(card, 1, 250 + (n++ % 2 ? 10 : -10), 180);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
    }
}
BENCHMARK(BM_ReleaseRedoesBothCopies)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
