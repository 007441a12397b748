#include "drawing/GradientPrint.h"

#include "platform/CardSurface.h"
#include "platform/Colors.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Scale = CardSurface::PrintScale;

// The screen line's round pen of width w is centred this far from the pixel
// the line runs through (half a pixel off for even widths).
double penOffset(int penWidth)
{
    const int lo = -(std::max(penWidth, 1) - 1) / 2;
    return (lo + lo + std::max(penWidth, 1) - 1) / 2.0;
}

// A screen coordinate's block centre on the print copy.
double printCentre(double screen)
{
    return Scale * screen + Scale / 2.0;
}

}

bool diagonalBandCovers(const DiagonalBand& band, int penWidth, int x, int y)
{
    const double shift = penOffset(penWidth);
    const double ax = printCentre(band.position + shift), ay = printCentre(shift);
    const double bx = printCentre(shift), by = printCentre(band.position + shift);
    const double px = x + 0.5, py = y + 0.5;
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0) : 0.0;
    const double ex = px - (ax + t * dx), ey = py - (ay + t * dy);
    const double radius = Scale * std::max(penWidth, 1) / 2.0;
    return ex * ex + ey * ey <= radius * radius;
}

void paintDiagonalBands(QImage& print, const std::vector<DiagonalBand>& bands, int penWidth)
{
    if (bands.empty() || print.isNull())
        return;
    // Every point of a band's axis has the same coordinate sum; a pixel whose
    // centre sum lies within reach of it is a candidate, which gives a range
    // of bands for every sum. The last band of that range that really covers
    // the pixel (ends included) gives its colour.
    const bool rising = bands.front().position <= bands.back().position;
    const double shift = penOffset(penWidth);
    const double reach = Scale * std::max(penWidth, 1) / 2.0 * std::sqrt(2.0) + 1e-6;
    const auto axisSum = [&](int position) { return printCentre(position + shift) + printCentre(shift); };
    const int sums = print.width() + print.height();
    std::vector<std::pair<int, int>> candidates(std::size_t(sums), {0, -1});
    for (int s = 0; s < sums; ++s) {
        const double centreSum = s + 1.0;
        const auto before = [&](const DiagonalBand& band, double limit) {
            return rising ? axisSum(band.position) < limit : axisSum(band.position) > limit;
        };
        const double first = rising ? centreSum - reach : centreSum + reach;
        const double last = rising ? centreSum + reach : centreSum - reach;
        const auto from = std::partition_point(bands.begin(), bands.end(), [&](const DiagonalBand& b) { return before(b, first); });
        const auto to = std::partition_point(from, bands.end(), [&](const DiagonalBand& b) {
            return rising ? axisSum(b.position) <= last : axisSum(b.position) >= last;
        });
        candidates[std::size_t(s)] = {int(from - bands.begin()), int(to - bands.begin()) - 1};
    }
    for (int y = 0; y < print.height(); ++y) {
        auto* row = reinterpret_cast<unsigned int*>(print.scanLine(y));
        for (int x = 0; x < print.width(); ++x) {
            const auto [from, to] = candidates[std::size_t(x + y)];
            for (int k = to; k >= from; --k) {
                if (diagonalBandCovers(bands[std::size_t(k)], penWidth, x, y)) {
                    row[x] = pixelFromValue(bands[std::size_t(k)].colour);
                    break;
                }
            }
        }
    }
}

bool discCovers(const GradientDisc& disc, double centreX, double centreY, int x, int y)
{
    // The print pixel's centre in screen coordinates, tested as the screen
    // tests its pixels.
    const double sx = (x + 0.5) / Scale - 0.5, sy = (y + 0.5) / Scale - 0.5;
    const double nx = (sx - centreX) / disc.radius, ny = (sy - centreY) / disc.radius;
    return nx * nx + ny * ny <= 1.0 + 1e-9;
}

void paintDiscs(QImage& print, const std::vector<GradientDisc>& discs, double centreX, double centreY)
{
    if (discs.empty() || print.isNull())
        return;
    // The discs shrink, so those covering a pixel are the first few, up to
    // the last one that does. Along a row that last disc changes little from
    // one pixel to the next: walk from the neighbour's.
    const std::size_t count = discs.size();
    for (int y = 0; y < print.height(); ++y) {
        auto* row = reinterpret_cast<unsigned int*>(print.scanLine(y));
        std::size_t last = 0;
        for (int x = 0; x < print.width(); ++x) {
            const auto covers = [&](std::size_t k) { return discCovers(discs[k], centreX, centreY, x, y); };
            if (covers(last)) {
                while (last + 1 < count && covers(last + 1))
                    ++last;
            } else {
                while (last > 0 && !covers(last))
                    --last;
                if (last == 0 && !covers(0))
                    continue;
            }
            row[x] = pixelFromValue(discs[last].colour);
        }
    }
}
