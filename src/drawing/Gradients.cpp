#include "drawing/Gradients.h"

#include "platform/CardSurface.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int component(float value)
{
    return int(std::clamp<long long>(roundHalfEven(double(value)), 0, 255));
}

// A solid disc whose outline and inside share one colour: the same pixels as
// the surface's filled circle with the pen in force, drawn row by row. The
// surface's general ellipse tests every pixel of the bounding box several
// times, which made 255 card-sized discs take seconds.
void solidDisc(CardSurface& surface, double cx, double cy, double radius, std::uint32_t colour)
{
    const int penWidth = surface.lineWidth;
    const int outward = (std::max(penWidth, 1) - 1) / 2;
    const double r = std::max(radius, 0.5) + outward;
    surface.lineWidth = 1;    // the rows below already include the pen's reach
    const auto inside = [&](int x, int y) {
        const double nx = (x - cx) / r, ny = (y - cy) / r;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    };
    const int top = std::max(int(std::floor(cy - r)), 0);
    const int bottom = std::min(int(std::ceil(cy + r)), surface.height() - 1);
    for (int y = top; y <= bottom; ++y) {
        const double ny = (y - cy) / r;
        const double room = 1.0 + 1e-9 - ny * ny;
        if (room < 0)
            continue;
        const double half = r * std::sqrt(room);
        int left = int(std::ceil(cx - half)), right = int(std::floor(cx + half));
        // Settle the rounding of the square root against the exact test.
        while (inside(left - 1, y))
            --left;
        while (left <= right && !inside(left, y))
            ++left;
        while (inside(right + 1, y))
            ++right;
        while (right >= left && !inside(right, y))
            --right;
        if (left <= right)
            surface.filledBox(left, y, right, y, colour);
    }
    surface.lineWidth = penWidth;
}

}

void GradientLinear(CardSurface& surface, std::uint32_t colourA, int direction, std::uint32_t colourB, int twipsPerPixel)
{
    const int t = std::max(twipsPerPixel, 1);
    const long long width = (long long)surface.width() * t;
    const long long height = (long long)surface.height() * t;
    const bool reversed = direction & GradientReversed;
    const bool diagonal = direction & GradientDiagonal;
    const bool acrossWidth = direction & GradientAcrossWidth;

    const Rgb start = Rgb::fromValue(reversed ? colourB : colourA);
    const Rgb end = Rgb::fromValue(reversed ? colourA : colourB);

    long long length;
    int bandsPerPixelLength;
    if (diagonal) {
        length = width + height;
        bandsPerPixelLength = 100;
    } else if (!acrossWidth) {
        length = height;
        bandsPerPixelLength = 120;
    } else {
        length = width;
        bandsPerPixelLength = 160;
    }
    if (length <= 0)
        return;
    // Surfaces shorter than the band count would give a step of 0 twips and
    // the sweep would never move: step one twip at a time instead.
    const long long step = std::max<long long>(roundHalfEven(double(length) / (double(t) * bandsPerPixelLength)), 1);

    const float slopeR = float(end.r - start.r) / float(length);
    const float slopeG = float(end.g - start.g) / float(length);
    const float slopeB = float(end.b - start.b) / float(length);

    const int savedLineWidth = surface.lineWidth;
    if (diagonal)
        surface.lineWidth = int(step);

    // A twip position lies in the pixel that covers it.
    const auto px = [t](long long twips) { return double(twips / t); };
    const double right = px(width), bottom = px(height);

    std::uint32_t colour = end.value();
    const auto drawBand = [&](long long p) {
        if (diagonal)
            surface.line(px(p), 0, 0, px(p), colour);
        else if (!acrossWidth)
            surface.filledBox(0, px(p), right, px(p), colour);
        else
            surface.filledBox(px(p), 0, px(p), bottom, colour);
        const float fp = float(p);
        colour = RGB(component(float(start.r) + slopeR * fp), component(float(start.g) + slopeG * fp),
                     component(float(start.b) + slopeB * fp));
    };
    if (reversed) {
        for (long long p = length; p >= 0; p -= step)
            drawBand(p);
    } else {
        for (long long p = 0; p <= length; p += step)
            drawBand(p);
    }

    surface.lineWidth = savedLineWidth;
}

void GradientCircular(CardSurface& surface, std::uint32_t colourA, std::uint32_t colourB, int steps,
                      double centreX, double centreY)
{
    if (steps <= 0 || !std::isfinite(centreX) || !std::isfinite(centreY))
        return;
    const double width = surface.width(), height = surface.height();
    if (centreX == -1 && centreY == -1) {
        centreX = width / 2;
        centreY = height / 2;
    }
    const double dx = centreX < width / 2 ? width - centreX : centreX;
    const double dy = centreY < height / 2 ? height - centreY : centreY;
    double radius = std::sqrt(dx * dx + dy * dy);
    if (radius > 1e6)
        return; // a centre that far off cannot colour the surface sensibly

    const Rgb a = Rgb::fromValue(colourA), b = Rgb::fromValue(colourB);
    const int diffR = b.r - a.r, diffG = b.g - a.g, diffB = b.b - a.b;
    const double decrement = radius / steps;

    for (int i = 0; i < steps; ++i) {
        const std::uint32_t colour = RGB(a.r + diffR * i / steps, a.g + diffG * i / steps, a.b + diffB * i / steps);
        solidDisc(surface, centreX, centreY, radius, colour);
        radius -= decrement;
    }
}
