#include "filters/NeighbourhoodFilters.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Byte distances from a channel byte to the same channel of its neighbours:
// `across` to the right, `down` below. On the print copy the neighbours are a
// whole block away.
struct Taps {
    std::ptrdiff_t across;
    std::ptrdiff_t down;
};

Taps tapsOf(const FilterPixels& pixels)
{
    return {4 * std::ptrdiff_t(pixels.scale), pixels.stride() * pixels.scale};
}

// Sum of the 8 neighbours of the channel byte at `at`.
inline int neighbourSum(const std::uint8_t* at, Taps t)
{
    return at[-t.down - t.across] + at[-t.down] + at[-t.down + t.across] + at[-t.across] + at[t.across]
        + at[t.down - t.across] + at[t.down] + at[t.down + t.across];
}

// Visits the pixels one tap inside the border, row by row from the top and
// left to right in a row. value(at, taps, channel) computes one channel
// from the byte `at` in the buffer read (`work` when in place, else
// `source`); all three channels of a pixel are computed before any is stored.
template <typename ChannelValue>
void filterInnerPixels(FilterPixels& pixels, bool inPlace, Progress& progressVariable, ChannelValue value)
{
    FilterProgress progress(progressVariable, pixels);
    progress.start();
    const Taps taps = tapsOf(pixels);
    const int margin = pixels.scale;
    for (int y = margin; y < pixels.height - margin; ++y) {
        const std::uint8_t* in = inPlace ? pixels.workAt(margin, y) : pixels.sourceAt(margin, y);
        std::uint8_t* out = pixels.workAt(margin, y);
        for (int x = margin; x < pixels.width - margin; ++x, in += 4, out += 4) {
            const int b = value(in, taps, 0);
            const int g = value(in + 1, taps, 1);
            const int r = value(in + 2, taps, 2);
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

void Sharpen(FilterPixels& pixels, Progress& progress, int p)
{
    filterInnerPixels(pixels, true, progress, [p](const std::uint8_t* at, Taps t, int) {
        return clampToByte((at[0] * (p + 24) - 2 * neighbourSum(at, t)) / (p + 8));
    });
}

void Blur(FilterPixels& pixels, Progress& progress)
{
    filterInnerPixels(pixels, true, progress, [](const std::uint8_t* at, Taps t, int) {
        return neighbourSum(at, t) / 8;
    });
}

void Edge(FilterPixels& pixels, Progress& progress, int p)
{
    filterInnerPixels(pixels, true, progress, [p](const std::uint8_t* at, Taps t, int) {
        return clampToByte((at[0] * (p + 9) - neighbourSum(at, t)) / (p + 1));
    });
}

void Contour(FilterPixels& pixels, Progress& progress, int colour)
{
    const SplitRgb split = SplitColor(colour);
    const int added[3] = {split.blue, split.green, split.red};
    filterInnerPixels(pixels, false, progress, [&](const std::uint8_t* at, Taps t, int channel) {
        return clampToByte(8 * at[0] - neighbourSum(at, t) + added[channel]);
    });
}

void Relief(FilterPixels& pixels, Progress& progress)
{
    // Light from the top-left: the pixel plus its upper-left neighbours minus its lower-right ones.
    filterInnerPixels(pixels, false, progress, [](const std::uint8_t* at, Taps t, int) {
        const int lit = at[0] + 2 * at[-t.down - t.across] + at[-t.across] + at[-t.down];
        const int shaded = at[t.down] + at[t.across] + 2 * at[t.down + t.across];
        return clampToByte((lit - shaded) / 2 + 50);
    });
}

void Pixelize(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    progress.start();
    const int width = pixels.width, height = pixels.height;
    const int side = int(std::min<long long>((long long)p * pixels.scale, std::max(width, height)));
    // The averages of the blocks of the current band of rows, by block column.
    std::vector<std::array<int, 3>> averages(std::size_t(width / side + 1));
    for (int y = 0; y < height; ++y) {
        const int top = y / side * side;
        if (y == top) {
            const int rows = std::min(side, height - top); // cut short at the bottom edge
            for (int left = 0; left < width; left += side) {
                const int columns = std::min(side, width - left); // cut short at the right edge
                int sum[3] = {0, 0, 0};
                for (int by = top; by < top + rows; ++by) {
                    const std::uint8_t* in = pixels.sourceAt(left, by);
                    for (int bx = 0; bx < columns; ++bx, in += 4)
                        for (int c = 0; c < 3; ++c)
                            sum[c] += in[c];
                }
                for (int c = 0; c < 3; ++c)
                    averages[std::size_t(left / side)][std::size_t(c)] = sum[c] / (rows * columns);
            }
        }
        std::uint8_t* out = pixels.workAt(0, y);
        for (int x = 0; x < width; ++x, out += 4) {
            const std::array<int, 3>& average = averages[std::size_t(x / side)];
            for (int c = 0; c < 3; ++c)
                out[c] = std::uint8_t(average[std::size_t(c)]);
        }
        progress.afterRow(y + 1, height);
    }
    progress.finish();
}

void Aquarel(FilterPixels& pixels, Progress& progressVariable)
{
    FilterProgress progress(progressVariable, pixels);
    progress.start();
    const int width = pixels.width, height = pixels.height;
    const int s = pixels.scale;
    const Taps t = tapsOf(pixels);

    // Every 3 x 3 window serves as one of the four windows of four pixels, so
    // its mean and spread (sum of the distances from the mean) are computed
    // once, by centre and channel byte. Output row y needs the windows centred
    // on rows y - s and y + s; the last 2 s + 1 rows of them are kept.
    const std::size_t rowBytes = std::size_t(pixels.stride());
    const int keptRows = 2 * s + 1;
    std::vector<std::uint16_t> spreads(std::size_t(keptRows) * rowBytes);
    std::vector<std::uint8_t> means(spreads.size());
    std::vector<std::uint16_t> columnSums(rowBytes);
    const auto slot = [&](int centreY) { return std::size_t(centreY % keptRows) * rowBytes; };
    const auto measureRow = [&](int centreY) {
        if (rowBytes <= 2 * std::size_t(t.across))
            return; // no window fits across the picture
        const std::uint8_t* mid = pixels.sourceAt(0, centreY);
        const std::uint8_t* up = mid - t.down;
        const std::uint8_t* down = mid + t.down;
        for (std::size_t i = 0; i < rowBytes; ++i)
            columnSums[i] = std::uint16_t(up[i] + mid[i] + down[i]);
        std::uint16_t* spread = spreads.data() + slot(centreY);
        std::uint8_t* mean = means.data() + slot(centreY);
        const std::ptrdiff_t a = t.across;
        for (std::size_t pixel = std::size_t(a); pixel < rowBytes - std::size_t(a); pixel += 4) {
            for (std::size_t i = pixel; i < pixel + 3; ++i) {
                const int m = (columnSums[i - a] + columnSums[i] + columnSums[i + a]) / 9;
                spread[i] = std::uint16_t(std::abs(up[i - a] - m) + std::abs(up[i] - m) + std::abs(up[i + a] - m)
                                          + std::abs(mid[i - a] - m) + std::abs(mid[i] - m) + std::abs(mid[i + a] - m)
                                          + std::abs(down[i - a] - m) + std::abs(down[i] - m) + std::abs(down[i + a] - m));
                mean[i] = std::uint8_t(m);
            }
        }
    };

    for (int y = 2 * s; y < height - 2 * s; ++y) {
        if (y == 2 * s) {
            for (int centre = s; centre < 3 * s; ++centre)
                measureRow(centre);
        }
        measureRow(y + s);
        const std::uint16_t* spreadAbove = spreads.data() + slot(y - s);
        const std::uint16_t* spreadBelow = spreads.data() + slot(y + s);
        const std::uint8_t* meanAbove = means.data() + slot(y - s);
        const std::uint8_t* meanBelow = means.data() + slot(y + s);
        std::uint8_t* out = pixels.workAt(0, y);
        for (int x = 2 * s; x < width - 2 * s; ++x) {
            for (std::size_t c = 0; c < 3; ++c) {
                const std::size_t left = 4 * std::size_t(x - s) + c;
                const std::size_t right = left + 8 * std::size_t(s);
                // Up-left, up-right, down-left, down-right; a tie keeps the earlier window.
                int best = spreadAbove[left];
                int mean = meanAbove[left];
                if (spreadAbove[right] < best)
                    best = spreadAbove[right], mean = meanAbove[right];
                if (spreadBelow[left] < best)
                    best = spreadBelow[left], mean = meanBelow[left];
                if (spreadBelow[right] < best)
                    mean = meanBelow[right];
                out[4 * std::size_t(x) + c] = std::uint8_t(mean);
            }
        }
        progress.afterRow(y + 1, height);
    }
    progress.finish();
}

void Defuse(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    progress.start();
    // On the print copy each screen pixel's move takes its whole block, in the
    // screen's order. Blocks are aligned, so row r of a block only ever
    // receives row r of another: the rows of a band can go one after another.
    const int s = pixels.scale;
    const int width = pixels.width / s, height = pixels.height / s;
    const double half = double(roundToEven(p / 2.0));
    std::vector<std::array<int, 2>> moves(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t step = 2 * (std::size_t(y) * std::size_t(width) + std::size_t(x));
            long long dx = roundToEven(filterDraw(pixels, step) * p - half);
            long long dy = roundToEven(filterDraw(pixels, step + 1) * p - half);
            // A step off the picture is cancelled on its own axis only.
            if (x + dx < 0 || x + dx >= width)
                dx = 0;
            if (y + dy < 0 || y + dy >= height)
                dy = 0;
            moves[std::size_t(x)] = {int(dx), int(dy)};
        }
        for (int row = 0; row < s; ++row) {
            for (int x = 0; x < width; ++x) {
                const auto [dx, dy] = moves[std::size_t(x)];
                const std::uint8_t* from = pixels.workAt((x + dx) * s, (y + dy) * s + row);
                std::uint8_t* to = pixels.workAt(x * s, y * s + row);
                for (int i = 0; i < s; ++i, from += 4, to += 4)
                    for (int c = 0; c < 3; ++c)
                        to[c] = from[c];
            }
            progress.afterRow(y * s + row + 1, pixels.height);
        }
    }
    progress.finish();
}
