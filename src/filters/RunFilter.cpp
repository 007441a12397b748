#include "filters/RunFilter.h"

#include "filters/ColorFilters.h"
#include "filters/FilterPixels.h"
#include "filters/NeighbourhoodFilters.h"
#include "filters/ScatterFilter.h"
#include "platform/BusyGuard.h"
#include "platform/CardSurface.h"

#include <cstdlib>
#include <cstring>

namespace {

// The share of a run on both copies that the screen copy's pass counts for:
// it has a sixteenth of the print copy's pixels.
constexpr int ScreenProgressShare = 5;

// The buffers keep their memory between runs: fresh pages for every run would
// cost more than the filters themselves. One set for each copy of the card.
enum class Copy { Screen, Print };
FilterPixels& runBuffers(Copy copy)
{
    static FilterPixels screen;
    static FilterPixels print;
    return copy == Copy::Screen ? screen : print;
}

using Filter = void (*)(FilterPixels&, Progress& progress, int parameter);

struct NumberedFilter {
    int number;
    Filter run;
    // Parameters the filter can work with (others would divide by zero or overflow).
    bool (*accepts)(int parameter);
};

bool anyParameter(int) { return true; }

const NumberedFilter filters[] = {
    {FilterNumber::Sharpen, Sharpen, [](int p) { return p != -8 && std::abs(p) <= 1000000; }},
    {FilterNumber::Negative, [](FilterPixels& px, Progress& progress, int) { Negative(px, progress); }, anyParameter},
    {FilterNumber::Blur, [](FilterPixels& px, Progress& progress, int) { Blur(px, progress); }, anyParameter},
    {FilterNumber::Defuse, Defuse, [](int p) { return std::abs(p) <= 1000000; }},
    {FilterNumber::Edge, Edge, [](int p) { return p != -1 && std::abs(p) <= 1000000; }},
    {FilterNumber::Contour, Contour, anyParameter},
    {FilterNumber::Grayscale, [](FilterPixels& px, Progress& progress, int) { Grayscale(px, progress); }, anyParameter},
    {FilterNumber::Relief, [](FilterPixels& px, Progress& progress, int) { Relief(px, progress); }, anyParameter},
    {FilterNumber::Brightness, Brightness, anyParameter},
    {FilterNumber::Pixelize, Pixelize, [](int p) { return p >= 1; }},
    {FilterNumber::SwapColors, SwapColors, anyParameter},
    {FilterNumber::Contrast, Contrast, [](int p) { return std::abs(p) <= 1000000; }},
    {FilterNumber::Scattered, Scattered, [](int p) { return p != 0; }},
    {FilterNumber::Aquarel, [](FilterPixels& px, Progress& progress, int) { Aquarel(px, progress); }, anyParameter},
    {FilterNumber::AddNoise, AddNoise, [](int p) { return std::abs(p) <= 1000000; }},
};

const NumberedFilter* findFilter(int number)
{
    for (const NumberedFilter& filter : filters)
        if (filter.number == number)
            return &filter;
    return nullptr;
}


const NumberedFilter* acceptedFilter(int number, int parameter)
{
    const NumberedFilter* filter = findFilter(number);
    return filter && filter->accepts(parameter) ? filter : nullptr;
}

// Copies `image` (blue, green, red, fourth byte) into both buffers and runs the filter over them.
void runPass(const NumberedFilter& filter, const QImage& image, FilterPixels& pixels, int parameter, Progress& progress)
{
    pixels.width = image.width();
    pixels.height = image.height();
    const std::size_t rowBytes = 4 * std::size_t(pixels.width);
    pixels.work.resize(rowBytes * std::size_t(pixels.height));
    pixels.source.resize(pixels.work.size());
    for (int y = 0; y < pixels.height; ++y) {
        std::memcpy(pixels.workAt(0, y), image.constScanLine(y), rowBytes);
        std::memcpy(pixels.source.data() + pixels.offset(0, y), image.constScanLine(y), rowBytes);
    }
    filter.run(pixels, progress, parameter);
}

void copyResult(const FilterPixels& pixels, QImage& image)
{
    const std::size_t rowBytes = 4 * std::size_t(pixels.width);
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(image.scanLine(y), pixels.work.data() + pixels.offset(0, y), rowBytes);
}

// Events handled during a run may have replaced the picture; a result that
// no longer fits it is dropped rather than written past its end.
bool stillFits(const FilterPixels& pixels, const QImage& image)
{
    const QImage::Format format = image.format();
    return image.width() == pixels.width && image.height() == pixels.height
        && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32);
}

QImage inBlueGreenRedLayout(QImage image)
{
    ensureBlueGreenRedLayout(image);
    return image;
}

}

void RunFilter(int filterNumber, QImage& image, int parameter, int& progress)
{
    NumberProgress display(progress);
    RunFilter(filterNumber, image, parameter, display);
}

void RunFilter(int filterNumber, DrawingSurface& card, int parameter, int& progress)
{
    NumberProgress display(progress);
    RunFilter(filterNumber, card, parameter, display);
}

void RunFilter(int filterNumber, QImage& image, int parameter, Progress& progress)
{
    if (BusyGuard::working())
        return;
    const NumberedFilter* filter = acceptedFilter(filterNumber, parameter);
    if (!filter || image.isNull())
        return;
    const BusyGuard busy;

    ensureBlueGreenRedLayout(image);
    FilterPixels& pixels = runBuffers(Copy::Screen);
    pixels.scale = 1;
    pixels.screenPass = nullptr;
    pixels.progressFrom = 0;
    pixels.progressTo = 100;
    runPass(*filter, image, pixels, parameter, progress);
    if (stillFits(pixels, image))
        copyResult(pixels, image);
}

void RunFilter(int filterNumber, DrawingSurface& card, int parameter, Progress& progress)
{
    if (BusyGuard::working())
        return;
    const NumberedFilter* filter = acceptedFilter(filterNumber, parameter);
    if (!filter || card.image().isNull())
        return;
    if (!card.hasPrintCopy()) {
        QImage screen = card.image();
        RunFilter(filterNumber, screen, parameter, progress);
        card.setImages(screen, QImage());
        return;
    }
    const BusyGuard busy;

    // Both copies as they are now: events during the screen pass must not
    // bring a later print copy into the run.
    const QImage screenBefore = inBlueGreenRedLayout(card.image());
    const QImage printBefore = inBlueGreenRedLayout(card.printImage());

    // The screen pass first, leaving its random numbers and decisions for the
    // print pass; neither copy changes until both are done.
    ScreenPass screenPass;
    FilterPixels& screen = runBuffers(Copy::Screen);
    screen.scale = 1;
    screen.screenPass = &screenPass;
    screen.progressFrom = 0;
    screen.progressTo = ScreenProgressShare;
    runPass(*filter, screenBefore, screen, parameter, progress);

    screenPass.result = &screen;
    FilterPixels& print = runBuffers(Copy::Print);
    print.scale = CardSurface::PrintScale;
    print.screenPass = &screenPass;
    print.progressFrom = ScreenProgressShare;
    print.progressTo = 100;
    runPass(*filter, printBefore, print, parameter, progress);
    screen.screenPass = print.screenPass = nullptr;

    QImage screenResult = inBlueGreenRedLayout(card.image());
    QImage printResult = inBlueGreenRedLayout(card.printImage());
    if (!stillFits(screen, screenResult) || !stillFits(print, printResult))
        return;
    copyResult(screen, screenResult);
    copyResult(print, printResult);
    card.setImages(screenResult, printResult);
}
