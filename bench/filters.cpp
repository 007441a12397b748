// Every numbered filter and every card effect over a photo-like card of
// 515 x 365 pixels, with the window-event hook left empty; then each on both
// copies of a card with a print copy, letting window events run as the
// program does.
#include "OffscreenMain.h"
#include "filters/RunFilter.h"
#include "filters/SurfaceEffects.h"
#include "platform/CardSurface.h"
#include "platform/EventPump.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>

namespace {

// Soft gradients, a few shapes and some grain, like a photograph.
QImage photoLikeCard()
{
    QImage card(515, 365, QImage::Format_RGB32);
    unsigned state = 2024;
    for (int y = 0; y < card.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(card.scanLine(y));
        for (int x = 0; x < card.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int(state >> 28) - 8;
            const double wave = 60 * std::sin(x / 37.0) * std::cos(y / 23.0);
            const bool inSun = (x - 380) * (x - 380) + (y - 90) * (y - 90) < 50 * 50;
            const int r = int(inSun ? 250 : 120 + wave + y / 4) + grain;
            const int g = int(inSun ? 230 : 140 + wave / 2 - y / 5) + grain;
            const int b = int(inSun ? 120 : 90 + x / 6) + grain;
            row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return card;
}

void numberedFilter(benchmark::State& state, int number, int parameter)
{
    const QImage photo = photoLikeCard();
    int progress = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QImage card = photo.copy();
        state.ResumeTiming();
        RunFilter(number, card, parameter, progress);
        benchmark::DoNotOptimize(card.constBits());
    }
}

template <typename Effect>
void cardEffect(benchmark::State& state, Effect effect)
{
    const QImage photo = photoLikeCard();
    for (auto _ : state) {
        state.PauseTiming();
        QImage card = photo.copy();
        state.ResumeTiming();
        effect(card);
        benchmark::DoNotOptimize(card.constBits());
    }
}

QImage backPic;

// The screen picture and the print copy of a photo-like card: the print copy
// has detail of its own, the screen is its 4 x 4 block average.
struct CardCopies {
    QImage screen;
    QImage print;
};
const CardCopies& photoCard()
{
    static const CardCopies copies = [] {
        const int scale = CardSurface::PrintScale;
        const QImage print = photoLikeCard().scaled(515 * scale, 365 * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return CardCopies{print.scaled(515, 365, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), print};
    }();
    return copies;
}

void onBothCopies(benchmark::State& state, const std::function<void(CardSurface&)>& change)
{
    CardSurface card(515, 365);
    EventPump::setHook([] { QCoreApplication::processEvents(); });
    for (auto _ : state) {
        state.PauseTiming();
        card.setImages(photoCard().screen, photoCard().print);
        state.ResumeTiming();
        change(card);
        benchmark::DoNotOptimize(card.printImage().constBits());
    }
    EventPump::setHook({});
}

void numberedFilterOnBoth(benchmark::State& state, int number, int parameter)
{
    int progress = 0;
    onBothCopies(state, [&](CardSurface& card) { RunFilter(number, card, parameter, progress); });
}

}

BENCHMARK_CAPTURE(numberedFilter, Sharpen, 1, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Negative, 2, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Blur, 3, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Defuse, 4, 6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Edge, 6, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Contour, 7, 0xFFFFFF)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Grayscale, 12, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Relief, 13, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Brightness, 14, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Pixelize, 15, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, SwapColors, 16, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Contrast, 17, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Scattered, 23, 15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, Aquarel, 24, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilter, AddNoise, 29, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, FlipHorizontal, [](QImage& c) { FlipHorizontal(c); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, FlipVertical, [](QImage& c) { FlipVertical(c); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, MirrorRight, [](QImage& c) { MirrorRight(c, nullptr); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, MirrorDown, [](QImage& c) { MirrorDown(c, nullptr); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, TiltCard, [](QImage& c) { TiltCard(c, backPic, nullptr); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, Transparent, [](QImage& c) { Transparent(c, nullptr, 255, 255, 0); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cardEffect, SepiaTone, [](QImage& c) { SepiaTone(c, nullptr); })->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(numberedFilterOnBoth, Sharpen, 1, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Negative, 2, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Blur, 3, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Defuse, 4, 6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Edge, 6, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Contour, 7, 0xFFFFFF)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Grayscale, 12, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Relief, 13, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Brightness, 14, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Pixelize, 15, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, SwapColors, 16, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Contrast, 17, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Scattered, 23, 15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, Aquarel, 24, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(numberedFilterOnBoth, AddNoise, 29, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, FlipHorizontal, [](CardSurface& c) { FlipHorizontal(c); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, FlipVertical, [](CardSurface& c) { FlipVertical(c); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, MirrorRight, [](CardSurface& c) { MirrorRight(c, nullptr); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, MirrorDown, [](CardSurface& c) { MirrorDown(c, nullptr); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, TiltCard, [](CardSurface& c) { TiltCard(c, backPic, nullptr); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, Transparent, [](CardSurface& c) { Transparent(c, nullptr, 255, 255, 0); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBothCopies, SepiaTone, [](CardSurface& c) { SepiaTone(c, nullptr); })->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
