#include "platform/PixelRaster.h"

#include "platform/DrawingState.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace PixelRaster {

namespace {

constexpr double CoordinateLimit = 100000.0; // keeps absurd input from looping for long

bool inHatch(int style, int x, int y)
{
    const auto m8 = [](int v) { return ((v % 8) + 8) % 8; };
    switch (style) {
    case DrawingState::HorizontalLine: return m8(y) == 0;
    case DrawingState::VerticalLine: return m8(x) == 0;
    case DrawingState::UpwardDiagonal: return m8(x + y) == 0;
    case DrawingState::DownwardDiagonal: return m8(x - y) == 0;
    case DrawingState::Cross: return m8(x) == 0 || m8(y) == 0;
    case DrawingState::DiagonalCross: return m8(x + y) == 0 || m8(x - y) == 0;
    }
    return false;
}

}

int toPixel(double v)
{
    if (std::isnan(v))
        return 0;
    return int(roundHalfEven(std::clamp(v, -CoordinateLimit, CoordinateLimit)));
}

double sane(double v)
{
    return std::isfinite(v) ? std::clamp(v, -CoordinateLimit, CoordinateLimit) : 0.0;
}

Mask::Mask(QSize area, int left, int top, int right, int bottom)
    : left_(std::max(left, 0)), top_(std::max(top, 0)),
      right_(std::min(right, area.width() - 1)), bottom_(std::min(bottom, area.height() - 1))
{
    if (!empty()) {
        bits_.assign(std::size_t(right_ - left_ + 1) * std::size_t(bottom_ - top_ + 1), 0);
        listLimit_ = bits_.size() / 8;
    }
}

void Mask::set(int x, int y)
{
    if (!contains(x, y))
        return;
    unsigned char& bit = bits_[index(x, y)];
    if (bit)
        return;
    bit = 1;
    if (points_.size() < listLimit_)
        points_.push_back({x, y});
    else
        dense_ = true;
}

void Mask::setAll()
{
    for (int y = top_; y <= bottom_; ++y)
        for (int x = left_; x <= right_; ++x)
            set(x, y);
}

double penCentre(int width)
{
    const int lo = -(width - 1) / 2;
    const int hi = lo + width - 1;
    return (lo + hi) / 2.0;
}

Mask line(QSize area, QPoint a, QPoint b, int width)
{
    const int w = std::max(width, 1);
    const int lo = -(w - 1) / 2;
    const int hi = lo + w - 1;
    int ax = a.x(), ay = a.y();
    const int bx = b.x(), by = b.y();
    Mask mask(area, std::min(ax, bx) + lo, std::min(ay, by) + lo, std::max(ax, bx) + hi, std::max(ay, by) + hi);
    if (mask.empty())
        return mask;

    // The round pen: a disc w pixels across.
    std::vector<std::pair<int, int>> pen;
    const double centre = penCentre(w);
    const double radius2 = (w / 2.0) * (w / 2.0) + 1e-9;
    for (int dy = lo; dy <= hi; ++dy)
        for (int dx = lo; dx <= hi; ++dx)
            if ((dx - centre) * (dx - centre) + (dy - centre) * (dy - centre) <= radius2)
                pen.emplace_back(dx, dy);

    const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
    const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        for (const auto& [px, py] : pen)
            mask.set(ax + px, ay + py);
        if (ax == bx && ay == by)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            error += dx;
            ay += sy;
        }
    }
    return mask;
}

Outlined box(QSize area, QPoint a, QPoint b, int width)
{
    const int left = std::min(a.x(), b.x()), right = std::max(a.x(), b.x());
    const int top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
    const int w = std::max(width, 1);
    const int outward = (w - 1) / 2;
    const int ol = left - outward, ot = top - outward, orr = right + outward, ob = bottom + outward;
    const int il = ol + w, it = ot + w, ir = orr - w, ib = ob - w; // interior, inclusive

    Outlined shape{Mask(area, il, it, ir, ib), Mask(area, ol, ot, orr, ob)};
    shape.interior.setAll();
    Mask& outline = shape.outline;
    for (int y = outline.top(); y <= outline.bottom(); ++y)
        for (int x = outline.left(); x <= outline.right(); ++x)
            if (x < il || x > ir || y < it || y > ib)
                outline.set(x, y);
    return shape;
}

Mask filledBox(QSize area, QPoint a, QPoint b, int width)
{
    // A wider pen grows the box outward, as it grows the outline of box().
    const int outward = (std::max(width, 1) - 1) / 2;
    Mask mask(area, std::min(a.x(), b.x()) - outward, std::min(a.y(), b.y()) - outward,
              std::max(a.x(), b.x()) + outward, std::max(a.y(), b.y()) + outward);
    mask.setAll();
    return mask;
}

Outlined ellipse(QSize area, double cx, double cy, double a, double b, int width)
{
    const int w = std::max(width, 1);
    const int outward = (w - 1) / 2;
    const int inward = w - 1 - outward;

    // With `thin`, an axis below one pixel keeps the pixels within half a
    // pixel of the centre on that axis, so a flat ellipse still draws its
    // centre row (or column) instead of vanishing.
    const auto inside = [&](int x, int y, double ra, double rb, bool thin = false) {
        if (ra <= 0 || rb <= 0)
            return false;
        const auto normalised = [thin](double offset, double r, double& n) {
            if (thin && r < 1.0) {
                n = 0;
                return std::fabs(offset) <= 0.5 + 1e-9;
            }
            n = offset / std::max(r, 0.5);
            return true;
        };
        double nx = 0, ny = 0;
        if (!normalised(x - cx, ra, nx) || !normalised(y - cy, rb, ny))
            return false;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    };
    const double outerA = a + outward, outerB = b + outward;
    const double innerA = a - inward, innerB = b - inward;
    const auto inCore = [&](int x, int y) {
        return inside(x, y, innerA, innerB) && inside(x - 1, y, innerA, innerB) && inside(x + 1, y, innerA, innerB)
            && inside(x, y - 1, innerA, innerB) && inside(x, y + 1, innerA, innerB);
    };

    Mask outline(area, int(std::floor(cx - outerA)) - 1, int(std::floor(cy - outerB)) - 1,
                 int(std::ceil(cx + outerA)) + 1, int(std::ceil(cy + outerB)) + 1);
    Mask interior(area, outline.left(), outline.top(), outline.right(), outline.bottom());
    for (int y = outline.top(); y <= outline.bottom(); ++y) {
        for (int x = outline.left(); x <= outline.right(); ++x) {
            if (inCore(x, y))
                interior.set(x, y);
            else if (inside(x, y, outerA, outerB, true))
                outline.set(x, y);
        }
    }
    return {std::move(interior), std::move(outline)};
}

Mask hatch(const Mask& mask, int style)
{
    Mask covered(QSize(mask.right() + 1, mask.bottom() + 1), mask.left(), mask.top(), mask.right(), mask.bottom());
    mask.forEach([&](int x, int y) {
        if (inHatch(style, x, y))
            covered.set(x, y);
    });
    return covered;
}

void write(QImage& image, const Mask& mask, unsigned int pixel, bool invert)
{
    mask.forEach([&](int x, int y) {
        auto* row = reinterpret_cast<unsigned int*>(image.scanLine(y));
        row[x] = invert ? (row[x] ^ 0x00FFFFFFu) : pixel;
    });
}

void writeBlocks(QImage& image, const Mask& mask, unsigned int pixel, bool invert, int scale)
{
    if (mask.empty())
        return;
    mask.forEach([&](int x, int y) {
        for (int dy = 0; dy < scale; ++dy) {
            auto* row = reinterpret_cast<unsigned int*>(image.scanLine(y * scale + dy)) + x * scale;
            for (int dx = 0; dx < scale; ++dx)
                row[dx] = invert ? (row[dx] ^ 0x00FFFFFFu) : pixel;
        }
    });
}

}
