#include "filters/ScatterFilter.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

// Where each twelfth of the error goes: weight out of 42, column offset and
// row offset (0 this row, 1 the next, 2 the one after).
struct Share {
    int weight;
    int dx;
    int dy;
};
constexpr std::array<Share, 12> shares = {{
    {8, 1, 0}, {4, 2, 0},
    {2, -2, 1}, {4, -1, 1}, {8, 0, 1}, {4, 1, 1}, {2, 2, 1},
    {1, -2, 2}, {2, -1, 2}, {4, 0, 2}, {2, 1, 2}, {1, 2, 2},
}};

constexpr int MaxError = 255;

// shareTable[j][e + 255]: share j of error e, each share truncated toward zero on its own.
using ShareTable = std::array<std::array<int, 2 * MaxError + 1>, shares.size()>;
ShareTable makeShareTable()
{
    ShareTable table{};
    for (std::size_t j = 0; j < shares.size(); ++j)
        for (int e = -MaxError; e <= MaxError; ++e)
            table[j][std::size_t(e + MaxError)] = e * shares[j].weight / 42;
    return table;
}

inline int greyOf(const std::uint8_t* pixel)
{
    return (pixel[0] + pixel[1] + pixel[2]) / 3;
}

// The print copy: each block takes its screen pixel's black or white.
void scatterLikeScreen(FilterPixels& pixels, const FilterPixels& screen, FilterProgress& progress)
{
    const int scale = pixels.scale;
    progress.report(3);
    progress.report(10);
    for (int y = 0; y < pixels.height; ++y) {
        std::uint8_t* out = pixels.workAt(0, y);
        const int screenY = std::min(y / scale, screen.height - 1);
        for (int x = 0; x < pixels.width; ++x, out += 4) {
            const std::uint8_t decided = screen.work[screen.offset(std::min(x / scale, screen.width - 1), screenY)];
            out[0] = out[1] = out[2] = decided;
        }
        progress.report(10 + (y + 1) * 90 / pixels.height);
    }
    progress.finish();
}

}

void Scattered(FilterPixels& pixels, Progress& progressVariable, int p)
{
    FilterProgress progress(progressVariable, pixels);
    const ScreenPass* pass = pixels.screenPass;
    if (pixels.scale > 1 && pass && pass->result && pass->result->width > 0 && pass->result->height > 0) {
        scatterLikeScreen(pixels, *pass->result, progress);
        return;
    }
    const int width = pixels.width, height = pixels.height;
    static const ShareTable shareTable = makeShareTable();
    // Errors pushed to this row, the next and the one after.
    std::array<std::vector<int>, 3> errorRows;
    for (auto& row : errorRows)
        row.assign(std::size_t(width), 0);
    progress.report(3);

    long long sum = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = pixels.sourceAt(0, y);
        for (int x = 0; x < width; ++x, in += 4)
            sum += greyOf(in);
    }
    const long long count = (long long)width * height;
    const int mean = count ? int(sum / count) : 0;
    progress.report(10);

    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = pixels.sourceAt(0, y);
        std::uint8_t* out = pixels.workAt(0, y);
        for (int x = 0; x < width; ++x, in += 4, out += 4) {
            const int v = clampToByte(errorRows[0][std::size_t(x)] * 10 / p + greyOf(in));
            const int result = v < mean ? 0 : 255;
            out[0] = out[1] = out[2] = std::uint8_t(result);
            const std::size_t error = std::size_t(v - result + MaxError);
            // Shares whose target lies outside the picture are dropped.
            for (std::size_t j = 0; j < shares.size(); ++j) {
                const int tx = x + shares[j].dx;
                if (tx < 0 || tx >= width || y + shares[j].dy >= height)
                    continue;
                errorRows[std::size_t(shares[j].dy)][std::size_t(tx)] += shareTable[j][error];
            }
        }
        std::swap(errorRows[0], errorRows[1]);
        std::swap(errorRows[1], errorRows[2]);
        std::fill(errorRows[2].begin(), errorRows[2].end(), 0);
        progress.report(10 + (y + 1) * 90 / height);
    }
    progress.finish();
}
