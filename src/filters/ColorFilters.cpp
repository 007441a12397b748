#include "filters/ColorFilters.h"

#include <algorithm>
#include <array>

namespace {

// Visits every pixel row by row; perPixel(in, out) gets the pixel's bytes in
// `source` and in `work`. After each row, afterRow(rowsDone) reports progress.
template <typename PerPixel, typename AfterRow>
void forEveryPixel(FilterPixels& pixels, PerPixel perPixel, AfterRow afterRow)
{
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* in = pixels.sourceAt(0, y);
        std::uint8_t* out = pixels.workAt(0, y);
        for (int x = 0; x < pixels.width; ++x, in += 4, out += 4)
            perPixel(in, out);
        afterRow(y + 1);
    }
}

template <typename PerPixel>
void forEveryPixel(FilterPixels& pixels, FilterProgress& progress, PerPixel perPixel)
{
    progress.start();
    forEveryPixel(pixels, perPixel, [&](int rowsDone) { progress.afterRow(rowsDone, pixels.height); });
    progress.finish();
}

// Entry i is i / 3, so entry B + G + R is the truncated mean of a pixel's channels.
using GreyTable = std::array<int, 766>;
GreyTable greyTable()
{
    GreyTable table{};
    for (int i = 0; i < int(table.size()); ++i)
        table[i] = i / 3;
    return table;
}

// Per-channel lookup for values 0..255.
using ToneCurve = std::array<int, 256>;

void applyCurve(FilterPixels& pixels, FilterProgress& progress, const ToneCurve& curve)
{
    forEveryPixel(pixels, progress, [&](const std::uint8_t* in, std::uint8_t* out) {
        out[0] = std::uint8_t(curve[in[0]]);
        out[1] = std::uint8_t(curve[in[1]]);
        out[2] = std::uint8_t(curve[in[2]]);
    });
}

}

void Negative(FilterPixels& pixels, Progress& progressVariable)
{
    FilterProgress progress(progressVariable, pixels);
    forEveryPixel(pixels, progress, [](const std::uint8_t*, std::uint8_t* out) {
        out[0] = std::uint8_t(255 - out[0]);
        out[1] = std::uint8_t(255 - out[1]);
        out[2] = std::uint8_t(255 - out[2]);
    });
}

void Grayscale(FilterPixels& pixels, Progress& progressVariable)
{
    FilterProgress progress(progressVariable, pixels);
    const GreyTable grey = greyTable();
    forEveryPixel(pixels, progress, [&](const std::uint8_t*, std::uint8_t* out) {
        const auto v = std::uint8_t(grey[out[0] + out[1] + out[2]]);
        out[0] = out[1] = out[2] = v;
    });
}

void Brightness(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    const double factor = (p + 100) / 100.0;
    ToneCurve curve{};
    for (int i = 0; i < 256; ++i)
        curve[i] = clampToByte(roundToEven(factor * i));
    applyCurve(pixels, progress, curve);
}

void SwapColors(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    // For each p, the old channel (0 blue, 1 green, 2 red) that feeds new blue, green, red.
    static constexpr int feeds[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {1, 0, 2}, {2, 1, 0}, {0, 2, 1}};
    const bool known = p >= 1 && p <= 5;
    const int* from = feeds[known ? p : 0];
    forEveryPixel(pixels, progress, [&](const std::uint8_t* in, std::uint8_t* out) {
        if (!known)
            return;
        out[0] = in[from[0]];
        out[1] = in[from[1]];
        out[2] = in[from[2]];
    });
}

void balanceChannels(int& b, int& g, int& r)
{
    const auto inRange = [](int v) { return v >= 0 && v <= 255; };
    // Clamps `v` and hands half of what it lost or gained to the two others.
    const auto clampAndShare = [](int& v, int& other1, int& other2) {
        int h = 0;
        if (v < 0) {
            h = v / 2;
            v = 0;
        } else if (v > 255) {
            h = (v - 255) / 2;
            v = 255;
        }
        other1 += h;
        other2 += h;
    };
    for (;;) {
        if (inRange(b) && inRange(g) && inRange(r))
            return;
        if (b <= 0 && g <= 0 && r <= 0) {
            b = g = r = 0;
            return;
        }
        if (b >= 255 && g >= 255 && r >= 255) {
            b = g = r = 255;
            return;
        }
        clampAndShare(b, g, r);
        clampAndShare(g, b, r);
        clampAndShare(r, g, b);
    }
}

void Contrast(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    progress.start();
    const GreyTable grey = greyTable();

    // The print copy takes the screen's mean, so both get the same tone curve.
    ScreenPass* pass = pixels.screenPass;
    int mean = 0;
    if (pixels.scale > 1 && pass && pass->meanGrey) {
        mean = *pass->meanGrey;
    } else {
        long long sum = 0;
        long long count = 0;
        for (int y = 0; y < pixels.height; ++y) {
            const std::uint8_t* in = pixels.sourceAt(0, y);
            for (int x = 0; x < pixels.width; ++x, in += 4, ++count)
                sum += grey[in[0] + in[1] + in[2]];
        }
        mean = count ? int(sum / count) : 0;
        if (pass)
            pass->meanGrey = mean;
    }

    // The factor is kept in single precision, as the curve below expects.
    const float factor = float((p + 100) / 100.0);
    ToneCurve curve{};
    for (int i = 0; i < 256; ++i) {
        // May leave 0..255; the balancing below brings it back. The bound only
        // keeps absurd parameters from overflowing.
        const double tone = std::clamp(double(factor) * (i - mean) + mean, -1e6, 1e6);
        curve[i] = int(roundToEven(tone));
    }
    progress.report(5);

    forEveryPixel(
        pixels,
        [&](const std::uint8_t* in, std::uint8_t* out) {
            int b = curve[in[0]], g = curve[in[1]], r = curve[in[2]];
            balanceChannels(b, g, r);
            out[0] = std::uint8_t(b);
            out[1] = std::uint8_t(g);
            out[2] = std::uint8_t(r);
        },
        [&](int rowsDone) { progress.report(5 + rowsDone * 95 / pixels.height); });
    progress.finish();
}

void AddNoise(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    const double spread = 2.0 * p + 1;
    // Three numbers per screen pixel, blue, green, red; a print pixel uses those of its screen pixel.
    const int scale = pixels.scale;
    const std::size_t screenWidth = std::size_t(pixels.width / scale);
    progress.start();
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* in = pixels.sourceAt(0, y);
        std::uint8_t* out = pixels.workAt(0, y);
        const std::size_t rowStart = std::size_t(y / scale) * screenWidth;
        for (int x = 0; x < pixels.width; ++x, in += 4, out += 4) {
            const std::size_t first = 3 * (rowStart + std::size_t(x / scale));
            for (int c = 0; c < 3; ++c)
                out[c] = std::uint8_t(clampToByte(roundToEven(filterDraw(pixels, first + std::size_t(c)) * spread - p + in[c])));
        }
        progress.afterRow(y + 1, pixels.height);
    }
    progress.finish();
}
