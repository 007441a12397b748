#pragma once
// The pixel buffers of one filter run and the progress protocol the filters share.
//
// Both buffers hold W x H pixels of 4 bytes: blue, green, red and a fourth
// byte that no filter reads or changes; rows run top-down. Filters write
// `work`, which goes back into the image at the end of the run; `source`
// keeps the picture as it was when the run began.
#include "platform/EventPump.h"

#include <QImage>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

struct FilterPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> work;
    std::vector<std::uint8_t> source;

    // Bytes from one pixel to the one below it.
    std::ptrdiff_t stride() const { return 4 * std::ptrdiff_t(width); }
    // Offset of the blue byte of pixel (x, y), both counted from 0.
    std::size_t offset(int x, int y) const { return 4 * (std::size_t(y) * std::size_t(width) + std::size_t(x)); }
    std::uint8_t* workAt(int x, int y) { return work.data() + offset(x, y); }
    const std::uint8_t* sourceAt(int x, int y) const { return source.data() + offset(x, y); }
};

// Progress of a numbered filter: 0 at the start, a figure after each row and
// 100 at the end; every report but the first lets pending window events run.
class FilterProgress {
public:
    explicit FilterProgress(int& progress) : progress_(progress) {}
    void start() { progress_ = 0; }
    void report(int percent)
    {
        progress_ = percent;
        EventPump::letEventsRun();
    }
    // `row` counts from 1: the number of rows done.
    void afterRow(int row, int height) { report(row * 100 / height); }
    void finish() { report(100); }

private:
    int& progress_;
};

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
