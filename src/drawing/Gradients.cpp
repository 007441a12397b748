#include "drawing/Gradients.h"

#include "drawing/GradientPrint.h"
#include "platform/CardSurface.h"
#include "platform/PictureSurface.h"
#include "platform/Rounding.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

int component(float value)
{
    return int(std::clamp<long long>(roundHalfEven(double(value)), 0, 255));
}

// A solid disc whose outline and inside share one colour: the same pixels as
// the surface's filled circle with the pen in force, drawn row by row. The
// surface's general ellipse tests every pixel of the bounding box several
// times, which made 255 card-sized discs take seconds.
void solidDisc(DrawingSurface& surface, double cx, double cy, double radius, std::uint32_t colour)
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
    // Plain copies go straight into the rows; inverting goes through the box.
    const bool copy = surface.drawMode == DrawingSurface::DrawMode::Copy;
    std::vector<DrawingSurface::PixelRun> runs;
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
        if (left <= right && copy)
            runs.push_back({y, left, right});
        else if (left <= right)
            surface.filledBox(left, y, right, y, colour);
    }
    surface.paintRuns(runs, colour);
    surface.lineWidth = penWidth;
}

// The bands go on a screen-only companion of the surface; the print copy is
// computed afterwards, and both are written back together.
class ScreenOnly {
public:
    explicit ScreenOnly(const DrawingSurface& surface) : screen(surface.width(), surface.height())
    {
        screen.setImages(surface.image(), QImage());
        screen.lineWidth = surface.lineWidth;
        screen.drawMode = surface.drawMode;
    }
    PictureSurface screen;
};

// Straight bands cover whole rows or columns, so on the print copy every
// block of a row or column a band reached takes the screen's colour there.
QImage blocksOfBands(const QImage& screen, QImage print, const std::vector<bool>& reached, bool columns)
{
    constexpr int s = CardSurface::PrintScale;
    for (int y = 0; y < print.height(); ++y) {
        const auto* from = reinterpret_cast<const unsigned int*>(screen.constScanLine(y / s));
        auto* to = reinterpret_cast<unsigned int*>(print.scanLine(y));
        for (int x = 0; x < print.width(); ++x)
            if (reached[std::size_t(columns ? x / s : y / s)])
                to[x] = from[x / s];
    }
    return print;
}

}

void GradientLinear(DrawingSurface& surface, std::uint32_t colourA, int direction, std::uint32_t colourB, int twipsPerPixel)
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

    ScreenOnly companion(surface);
    PictureSurface& screen = companion.screen;
    if (diagonal)
        screen.lineWidth = int(std::min<long long>(step, 1 << 20));

    // A twip position lies in the pixel that covers it.
    const auto px = [t](long long twips) { return double(twips / t); };
    const double right = px(width), bottom = px(height);

    std::vector<DiagonalBand> bands;
    std::vector<bool> reached(std::size_t(acrossWidth ? surface.width() : surface.height()), false);
    std::uint32_t colour = end.value();
    const auto drawBand = [&](long long p) {
        if (diagonal) {
            screen.line(px(p), 0, 0, px(p), colour);
            bands.push_back({int(p / t), colour});
        } else if (!acrossWidth) {
            screen.filledBox(0, px(p), right, px(p), colour);
        } else {
            screen.filledBox(px(p), 0, px(p), bottom, colour);
        }
        if (!diagonal && p / t < (long long)reached.size())
            reached[std::size_t(p / t)] = true;
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

    QImage print = surface.printImage();
    if (surface.hasPrintCopy()) {
        if (diagonal)
            paintDiagonalBands(print, bands, screen.lineWidth);
        else
            print = blocksOfBands(screen.image(), print, reached, acrossWidth);
    }
    surface.setImages(screen.image(), print);
}

void GradientCircular(DrawingSurface& surface, std::uint32_t colourA, std::uint32_t colourB, int steps,
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

    ScreenOnly companion(surface);
    std::vector<GradientDisc> discs;
    const int outward = (std::max(surface.lineWidth, 1) - 1) / 2;
    for (int i = 0; i < steps; ++i) {
        const std::uint32_t colour = RGB(a.r + diffR * i / steps, a.g + diffG * i / steps, a.b + diffB * i / steps);
        solidDisc(companion.screen, centreX, centreY, radius, colour);
        discs.push_back({std::max(radius, 0.5) + outward, colour});
        radius -= decrement;
    }
    QImage print = surface.printImage();
    if (surface.hasPrintCopy())
        paintDiscs(print, discs, centreX, centreY);
    surface.setImages(companion.screen.image(), print);
}

QString gradientCaption(int entry)
{
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("Gradients", "Boven"),     QT_TRANSLATE_NOOP("Gradients", "Links"),
        QT_TRANSLATE_NOOP("Gradients", "Onderen"),   QT_TRANSLATE_NOOP("Gradients", "Rechts"),
        QT_TRANSLATE_NOOP("Gradients", "Diagonaal"), QT_TRANSLATE_NOOP("Gradients", "Circulair")};
    if (entry < 0 || entry > GradientCircularEntry)
        return QString();
    return QCoreApplication::translate("Gradients", captions[entry]);
}
