#include "filters/RunFilter.h"

#include "filters/ColorFilters.h"
#include "filters/FilterPixels.h"
#include "filters/NeighbourhoodFilters.h"
#include "filters/ScatterFilter.h"

#include <cstdlib>
#include <cstring>

namespace {

bool filterBusy = false;

// The buffers keep their memory between runs: fresh pages for every run would
// cost more than the filters themselves.
FilterPixels& runBuffers()
{
    static FilterPixels pixels;
    return pixels;
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

}

bool filterIsBusy()
{
    return filterBusy;
}

void RunFilter(int filterNumber, QImage& image, int parameter, int& progress)
{
    if (filterBusy)
        return;
    const NumberedFilter* filter = findFilter(filterNumber);
    if (!filter || !filter->accepts(parameter) || image.isNull())
        return;
    BusyFlag busy;

    ensureBlueGreenRedLayout(image);
    FilterPixels& pixels = runBuffers();
    pixels.width = image.width();
    pixels.height = image.height();
    const std::size_t rowBytes = 4 * std::size_t(pixels.width);
    pixels.work.resize(rowBytes * std::size_t(pixels.height));
    pixels.source.resize(pixels.work.size());
    for (int y = 0; y < pixels.height; ++y) {
        std::memcpy(pixels.workAt(0, y), image.constScanLine(y), rowBytes);
        std::memcpy(pixels.source.data() + pixels.offset(0, y), image.constScanLine(y), rowBytes);
    }

    filter->run(pixels, progress, parameter);

    // Events handled during the run may have replaced the picture; a result
    // that no longer fits it is dropped rather than written past its end.
    const QImage::Format format = image.format();
    if (image.width() != pixels.width || image.height() != pixels.height
        || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        return;
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(image.scanLine(y), pixels.workAt(0, y), rowBytes);
}
