#include "drawing/FloodFill.h"

#include "platform/Colors.h"

#include <vector>

namespace {
constexpr std::uint32_t ColourBits = 0x00FFFFFFu;

// Pushes the start of every run of `target` pixels in row y between left and right.
void pushRuns(const QImage& image, int y, int left, int right, std::uint32_t target,
              std::vector<std::pair<int, int>>& seeds)
{
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
        const bool matches = (row[x] & ColourBits) == target;
        if (matches && !inRun)
            seeds.emplace_back(x, y);
        inRun = matches;
    }
}
}

int floodFill(QImage& image, int x, int y, std::uint32_t value, std::vector<CardSurface::PixelRun>* runs)
{
    if (!image.valid(x, y))
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t replacement = pixelFromValue(value);
    const std::uint32_t target = image.pixel(x, y) & ColourBits;
    if (target == (replacement & ColourBits))
        return 0;

    const int width = image.width();
    const int height = image.height();
    int changed = 0;
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [seedX, seedY] = seeds.back();
        seeds.pop_back();
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(seedY));
        if ((row[seedX] & ColourBits) != target)
            continue; // filled through another seed meanwhile
        int left = seedX;
        while (left > 0 && (row[left - 1] & ColourBits) == target)
            --left;
        int right = seedX;
        while (right < width - 1 && (row[right + 1] & ColourBits) == target)
            ++right;
        for (int i = left; i <= right; ++i)
            row[i] = replacement;
        changed += right - left + 1;
        if (runs)
            runs->push_back({seedY, left, right});
        if (seedY > 0)
            pushRuns(image, seedY - 1, left, right, target, seeds);
        if (seedY < height - 1)
            pushRuns(image, seedY + 1, left, right, target, seeds);
    }
    return changed;
}

int floodFill(CardSurface& card, int x, int y, std::uint32_t value)
{
    QImage screen = card.image();
    std::vector<CardSurface::PixelRun> runs;
    const int changed = floodFill(screen, x, y, value, &runs);
    card.paintRuns(runs, value);
    return changed;
}
