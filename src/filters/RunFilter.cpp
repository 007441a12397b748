#include "filters/RunFilter.h"

#include "filters/ColorFilters.h"
#include "filters/FilterPixels.h"
#include "filters/NeighbourhoodFilters.h"
#include "filters/ScatterFilter.h"
#include "platform/CardSurface.h"

#include <cstdlib>
#include <cstring>

namespace {

bool filterBusy = false;

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

using Filter = void (*)(FilterPixels&, int& progress, int parameter);

struct NumberedFilter {
    int number;
    Filter run;
    // Parameters the filter can work with (others would divide by zero or overflow).
    bool (*accepts)(int parameter);
};

bool anyParameter(int) { return true; }

const NumberedFilter filters[] = {
    {1, Sharpen, [](int p) { return p != -8 && std::abs(p) <= 1000000; }},
    {2, [](FilterPixels& px, int& progress, int) { Negative(px, progress); }, anyParameter},
    {3, [](FilterPixels& px, int& progress, int) { Blur(px, progress); }, anyParameter},
    {4, Defuse, [](int p) { return std::abs(p) <= 1000000; }},
    {6, Edge, [](int p) { return p != -1 && std::abs(p) <= 1000000; }},
    {7, Contour, anyParameter},
    {12, [](FilterPixels& px, int& progress, int) { Grayscale(px, progress); }, anyParameter},
    {13, [](FilterPixels& px, int& progress, int) { Relief(px, progress); }, anyParameter},
    {14, Brightness, anyParameter},
    {15, Pixelize, [](int p) { return p >= 1; }},
    {16, SwapColors, anyParameter},
    {17, Contrast, [](int p) { return std::abs(p) <= 1000000; }},
    {23, Scattered, [](int p) { return p != 0; }},
    {24, [](FilterPixels& px, int& progress, int) { Aquarel(px, progress); }, anyParameter},
    {29, AddNoise, [](int p) { return std::abs(p) <= 1000000; }},
};

const NumberedFilter* findFilter(int number)
{
    for (const NumberedFilter& filter : filters)
        if (filter.number == number)
            return &filter;
    return nullptr;
}

class BusyFlag {
public:
    BusyFlag() { filterBusy = true; }
    ~BusyFlag() { filterBusy = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;
};

const NumberedFilter* acceptedFilter(int number, int parameter)
{
    const NumberedFilter* filter = findFilter(number);
    return filter && filter->accepts(parameter) ? filter : nullptr;
}

// Copies `image` (blue, green, red, fourth byte) into both buffers and runs the filter over them.
void runPass(const NumberedFilter& filter, const QImage& image, FilterPixels& pixels, int parameter, int& progress)
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

bool filterIsBusy()
{
    return filterBusy;
}

void RunFilter(int filterNumber, QImage& image, int parameter, int& progress)
{
    if (filterBusy)
        return;
    const NumberedFilter* filter = acceptedFilter(filterNumber, parameter);
    if (!filter || image.isNull())
        return;
    BusyFlag busy;

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

void RunFilter(int filterNumber, DrawingSurface& card, int parameter, int& progress)
{
    if (filterBusy)
        return;
    const NumberedFilter* filter = acceptedFilter(filterNumber, parameter);
    if (!filter || card.image().isNull())
        return;
    if (!card.hasPrintCopy()) {
        QImage picture = card.image();
        RunFilter(filterNumber, picture, parameter, progress);
        card.setImages(picture, QImage());
        return;
    }
    BusyFlag busy;

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
