#pragma once
// The pixel buffers of one filter run and the progress protocol the filters share.
//
// Both buffers hold W x H pixels of 4 bytes: blue, green, red and a fourth
// byte that no filter reads or changes; rows run top-down. Filters write
// `work`, which goes back into the image at the end of the run; `source`
// keeps the picture as it was when the run began.
#include "platform/Progress.h"
#include "platform/Random.h"

#include <QImage>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct FilterPixels;

// What the screen pass of a run leaves for the print pass, so that the print
// copy gets the same random numbers, means and decisions as the screen.
struct ScreenPass {
    std::vector<double> draws;     // random numbers, in the order drawn
    std::optional<int> meanGrey;   // Contrast's mean grey level
    const FilterPixels* result = nullptr; // the screen pixels after the filter
};

struct FilterPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> work;
    std::vector<std::uint8_t> source;
    // Pixels per screen pixel each way: 1 on the screen copy, CardSurface::PrintScale
    // on the print copy, where taps, blocks and moves are that much further apart.
    int scale = 1;
    // Filled by the screen pass (scale 1), read by the print pass; may be null at scale 1.
    ScreenPass* screenPass = nullptr;
    // The share of the run's progress this pass covers.
    int progressFrom = 0;
    int progressTo = 100;

    // Bytes from one pixel to the one below it.
    std::ptrdiff_t stride() const { return 4 * std::ptrdiff_t(width); }
    // Offset of the blue byte of pixel (x, y), both counted from 0.
    std::size_t offset(int x, int y) const { return 4 * (std::size_t(y) * std::size_t(width) + std::size_t(x)); }
    std::uint8_t* workAt(int x, int y) { return work.data() + offset(x, y); }
    const std::uint8_t* sourceAt(int x, int y) const { return source.data() + offset(x, y); }
};

// Progress of a numbered filter: 0 at the start, a figure after each row and
// 100 at the end; every report but the first lets pending window events run.
// A pass that covers only part of a run maps 0..100 onto its share.
class FilterProgress {
public:
    FilterProgress(Progress& progress, const FilterPixels& pixels)
        : progress_(progress), from_(pixels.progressFrom), to_(pixels.progressTo)
    {
    }
    void start() { progress_.show(from_); }
    void report(int percent) { progress_.step(from_ + percent * (to_ - from_) / 100); }
    // `row` counts from 1: the number of rows done.
    void afterRow(int row, int height) { report(row * 100 / height); }
    void finish() { report(100); }

private:
    Progress& progress_;
    int from_;
    int to_;
};

// The next random number of a filter that draws `index`-th: on the screen copy
// a fresh one, recorded when a print pass follows; on the print copy the one
// the screen pass drew at that index.
inline double filterDraw(FilterPixels& pixels, std::size_t index)
{
    ScreenPass* pass = pixels.screenPass;
    if (pixels.scale > 1 && pass && index < pass->draws.size())
        return pass->draws[index];
    const double u = Random::next();
    if (pixels.scale == 1 && pass)
        pass->draws.push_back(u);
    return u;
}

// Nearest whole number, exact halves to the even neighbour. Below 2^51 adding
// and removing 1.5 x 2^52 does exactly that rounding, without a library call.
inline long long roundToEven(double v)
{
    constexpr double shift = 0x1.8p52;
    if (v > -0x1p51 && v < 0x1p51)
        return static_cast<long long>((v + shift) - shift);
    return static_cast<long long>(std::nearbyint(v));
}

inline int clampToByte(long long v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : int(v));
}

// The filters and effects address pixels as blue, green, red, fourth byte;
// pictures in any other layout are converted to that first.
inline void ensureBlueGreenRedLayout(QImage& image)
{
    const QImage::Format f = image.format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}
