#include "filters/NeighbourhoodFilters.h"

#include "platform/Random.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Sum of the 8 neighbours of the channel byte at `at`.
inline int neighbourSum(const std::uint8_t* at, std::ptrdiff_t stride)
{
    return at[-stride - 4] + at[-stride] + at[-stride + 4] + at[-4] + at[4] + at[stride - 4] + at[stride]
        + at[stride + 4];
}

// Visits the pixels one step inside the border, row by row from the top and
// left to right in a row. value(at, stride, channel) computes one channel
// from the byte `at` in the buffer read (`work` when in place, else
// `source`); all three channels of a pixel are computed before any is stored.
template <typename ChannelValue>
void filterInnerPixels(FilterPixels& pixels, bool inPlace, int& progressVariable, ChannelValue value)
{
    FilterProgress progress(progressVariable);
    progress.start();
    const std::ptrdiff_t stride = pixels.stride();
    for (int y = 1; y < pixels.height - 1; ++y) {
        const std::uint8_t* in = inPlace ? pixels.workAt(1, y) : pixels.sourceAt(1, y);
        std::uint8_t* out = pixels.workAt(1, y);
        for (int x = 1; x < pixels.width - 1; ++x, in += 4, out += 4) {
            const int b = value(in, stride, 0);
            const int g = value(in + 1, stride, 1);
            const int r = value(in + 2, stride, 2);
            out[0] = std::uint8_t(b);
            out[1] = std::uint8_t(g);
            out[2] = std::uint8_t(r);
        }
        progress.afterRow(y + 1, pixels.height);
    }
    progress.finish();
}

}

SplitRgb SplitColor(int colour)
{
    return {colour % 256, (colour / 256) & 255, (colour / 65536) & 255};
}

void Sharpen(FilterPixels& pixels, int& progress, int p)
{
    filterInnerPixels(pixels, true, progress, [p](const std::uint8_t* at, std::ptrdiff_t stride, int) {
        return clampToByte((at[0] * (p + 24) - 2 * neighbourSum(at, stride)) / (p + 8));
    });
}

void Blur(FilterPixels& pixels, int& progress)
{
    filterInnerPixels(pixels, true, progress, [](const std::uint8_t* at, std::ptrdiff_t stride, int) {
        return neighbourSum(at, stride) / 8;
    });
}

void Edge(FilterPixels& pixels, int& progress, int p)
{
    filterInnerPixels(pixels, true, progress, [p](const std::uint8_t* at, std::ptrdiff_t stride, int) {
        return clampToByte((at[0] * (p + 9) - neighbourSum(at, stride)) / (p + 1));
    });
}

void Contour(FilterPixels& pixels, int& progress, int colour)
{
    const SplitRgb split = SplitColor(colour);
    const int added[3] = {split.blue, split.green, split.red};
    filterInnerPixels(pixels, false, progress, [&](const std::uint8_t* at, std::ptrdiff_t stride, int channel) {
        return clampToByte(8 * at[0] - neighbourSum(at, stride) + added[channel]);
    });
}

void Relief(FilterPixels& pixels, int& progress)
{
    // Light from the top-left: the pixel plus its upper-left neighbours minus its lower-right ones.
    filterInnerPixels(pixels, false, progress, [](const std::uint8_t* at, std::ptrdiff_t stride, int) {
        const int lit = at[0] + 2 * at[-stride - 4] + at[-4] + at[-stride];
        const int shaded = at[stride] + at[4] + 2 * at[stride + 4];
        return clampToByte((lit - shaded) / 2 + 50);
    });
}

void Pixelize(FilterPixels& pixels, int& progressVariable, int p)
{
    FilterProgress progress(progressVariable);
    progress.start();
    const int width = pixels.width, height = pixels.height;
    for (int y = 0; y < height; ++y) {
        const int top = y / p * p;
        const int rows = std::min(p, height - top); // cut short at the bottom edge
        int average[3] = {0, 0, 0};
        std::uint8_t* out = pixels.workAt(0, y);
        for (int x = 0; x < width; ++x, out += 4) {
            if (x % p == 0) {
                const int columns = std::min(p, width - x); // cut short at the right edge
                int sum[3] = {0, 0, 0};
                for (int by = top; by < top + rows; ++by) {
                    const std::uint8_t* in = pixels.sourceAt(x, by);
                    for (int bx = 0; bx < columns; ++bx, in += 4)
                        for (int c = 0; c < 3; ++c)
                            sum[c] += in[c];
                }
                for (int c = 0; c < 3; ++c)
                    average[c] = sum[c] / (rows * columns);
            }
            for (int c = 0; c < 3; ++c)
                out[c] = std::uint8_t(average[c]);
        }
        progress.afterRow(y + 1, height);
    }
    progress.finish();
}

void Aquarel(FilterPixels& pixels, int& progressVariable)
{
    FilterProgress progress(progressVariable);
    progress.start();
    const int width = pixels.width, height = pixels.height;
    const std::ptrdiff_t stride = pixels.stride();

    // Every 3 x 3 window serves as one of the four windows of four pixels, so
    // its mean and spread (sum of the distances from the mean) are computed
    // once, by centre and channel. Output row y needs the windows centred on
    // rows y - 1 and y + 1; three rows of them are kept.
    struct Window {
        std::uint16_t spread;
        std::uint8_t mean;
    };
    const std::size_t rowLength = std::size_t(width) * 3;
    std::vector<Window> windowRows(3 * rowLength);
    const auto windowRow = [&](int centreY) { return &windowRows[std::size_t(centreY % 3) * rowLength]; };
    const auto measureRow = [&](int centreY) {
        const std::uint8_t* in = pixels.sourceAt(1, centreY);
        Window* w = windowRow(centreY) + 3;
        for (int x = 1; x < width - 1; ++x, in += 4) {
            for (int c = 0; c < 3; ++c, ++w) {
                const std::uint8_t* at = in + c;
                const int v[9] = {at[-stride - 4], at[-stride], at[-stride + 4], at[-4], at[0],
                                  at[4], at[stride - 4], at[stride], at[stride + 4]};
                int sum = 0;
                for (int value : v)
                    sum += value;
                const int mean = sum / 9;
                int spread = 0;
                for (int value : v)
                    spread += std::abs(value - mean);
                *w = {std::uint16_t(spread), std::uint8_t(mean)};
            }
        }
    };

    for (int y = 2; y < height - 2; ++y) {
        if (y == 2) {
            measureRow(1);
            measureRow(2);
        }
        measureRow(y + 1);
        const Window* above = windowRow(y - 1);
        const Window* below = windowRow(y + 1);
        std::uint8_t* out = pixels.workAt(2, y);
        for (int x = 2; x < width - 2; ++x, out += 4) {
            for (int c = 0; c < 3; ++c) {
                const std::size_t left = std::size_t(x - 1) * 3 + std::size_t(c);
                const std::size_t right = left + 6;
                // Up-left, up-right, down-left, down-right; a tie keeps the earlier window.
                const Window* candidates[4] = {&above[left], &above[right], &below[left], &below[right]};
                int best = 99999;
                int mean = 0;
                for (const Window* w : candidates) {
                    if (w->spread < best) {
                        best = w->spread;
                        mean = w->mean;
                    }
                }
                out[c] = std::uint8_t(mean);
            }
        }
        progress.afterRow(y + 1, height);
    }
    progress.finish();
}

void Defuse(FilterPixels& pixels, int& progressVariable, int p)
{
    FilterProgress progress(progressVariable);
    progress.start();
    const int width = pixels.width, height = pixels.height;
    const double half = double(roundToEven(p / 2.0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            long long dx = roundToEven(Random::next() * p - half);
            long long dy = roundToEven(Random::next() * p - half);
            // A step off the picture is cancelled on its own axis only.
            if (x + dx < 0 || x + dx >= width)
                dx = 0;
            if (y + dy < 0 || y + dy >= height)
                dy = 0;
            const std::uint8_t* from = pixels.workAt(int(x + dx), int(y + dy));
            std::uint8_t* to = pixels.workAt(x, y);
            for (int c = 0; c < 3; ++c)
                to[c] = from[c];
        }
        progress.afterRow(y + 1, height);
    }
    progress.finish();
}
