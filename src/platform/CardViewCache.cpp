#include "platform/CardViewCache.h"

#include "platform/DrawingSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double Tolerance = 1e-6;
// Area weights are fixed point: WeightOne is a whole source pixel.
constexpr int WeightBits = 14;
constexpr int WeightOne = 1 << WeightBits;
// The first pass keeps this many bits below the colour values.
constexpr int KeptBits = 8;

// For each destination pixel of a row or column: the source pixels it covers
// and how much of it each one covers, summing to WeightOne.
struct AreaTaps {
    int stride = 0;
    std::vector<int> first;
    std::vector<int> count;
    std::vector<std::uint32_t> weights; // `stride` per destination pixel
};

// Destination pixel d covers the source interval [d * step, (d + 1) * step),
// clipped to the source.
AreaTaps areaTaps(int from, int to, double step, int sourceLength)
{
    AreaTaps taps;
    taps.stride = int(std::ceil(step)) + 2;
    const int n = to - from;
    taps.first.resize(std::size_t(n));
    taps.count.resize(std::size_t(n));
    taps.weights.assign(std::size_t(n) * std::size_t(taps.stride), 0);
    for (int i = 0; i < n; ++i) {
        const int d = from + i;
        const double a = std::min(d * step, sourceLength - 1.0);
        const double b = std::clamp((d + 1) * step, a + Tolerance, double(sourceLength));
        const int first = int(std::floor(a + Tolerance));
        const int last = std::max(first, std::min(int(std::ceil(b - Tolerance)) - 1, sourceLength - 1));
        const int count = std::min(last - first + 1, taps.stride);
        std::uint32_t* w = taps.weights.data() + std::size_t(i) * std::size_t(taps.stride);
        int sum = 0, largest = 0;
        for (int k = 0; k < count; ++k) {
            const double cover = std::min(b, first + k + 1.0) - std::max(a, double(first + k));
            w[k] = std::uint32_t(std::lround(std::max(cover, 0.0) / (b - a) * WeightOne));
            sum += int(w[k]);
            if (w[k] > w[largest])
                largest = k;
        }
        w[largest] = std::uint32_t(int(w[largest]) + WeightOne - sum);
        taps.first[std::size_t(i)] = first;
        taps.count[std::size_t(i)] = count;
    }
    return taps;
}

// The source pixel whose area holds the centre of each destination pixel.
std::vector<int> nearest(int from, int to, double step, int sourceLength)
{
    std::vector<int> source(std::size_t(to - from));
    for (int d = from; d < to; ++d)
        source[std::size_t(d - from)] = std::min(int((d + 0.5) * step), sourceLength - 1);
    return source;
}

constexpr std::uint32_t Opaque = 0xFF000000u;

void copyPixels(const QImage& source, QImage& target, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.constScanLine(y)) + area.left();
        auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            to[x] = from[x] | Opaque;
    }
}

void enlarge(const QImage& source, QImage& target, const QRect& area, double step)
{
    const std::vector<int> columns = nearest(area.left(), area.right() + 1, step, source.width());
    const std::vector<int> rows = nearest(area.top(), area.bottom() + 1, step, source.height());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.constScanLine(rows[std::size_t(y - area.top())]));
        auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            to[x] = from[columns[std::size_t(x)]] | Opaque;
    }
}

// Area averaging, separable: rows first into a fixed-point buffer, then columns.
void reduce(const QImage& source, QImage& target, const QRect& area, double step)
{
    const AreaTaps across = areaTaps(area.left(), area.right() + 1, step, source.width());
    const AreaTaps down = areaTaps(area.top(), area.bottom() + 1, step, source.height());
    const int lastRow = down.first.back() + down.count.back() - 1;
    const int top = down.first.front();
    const int width = area.width();
    std::vector<std::uint16_t> rows(std::size_t(lastRow - top + 1) * std::size_t(width) * 3);
    for (int sy = top; sy <= lastRow; ++sy) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.constScanLine(sy));
        std::uint16_t* out = rows.data() + std::size_t(sy - top) * std::size_t(width) * 3;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t* w = across.weights.data() + std::size_t(x) * std::size_t(across.stride);
            const std::uint32_t* p = from + across.first[std::size_t(x)];
            std::uint32_t r = 0, g = 0, b = 0;
            for (int k = 0; k < across.count[std::size_t(x)]; ++k) {
                r += ((p[k] >> 16) & 0xFF) * w[k];
                g += ((p[k] >> 8) & 0xFF) * w[k];
                b += (p[k] & 0xFF) * w[k];
            }
            constexpr int Shift = WeightBits - KeptBits;
            constexpr std::uint32_t Half = 1u << (Shift - 1);
            out[3 * x] = std::uint16_t((r + Half) >> Shift);
            out[3 * x + 1] = std::uint16_t((g + Half) >> Shift);
            out[3 * x + 2] = std::uint16_t((b + Half) >> Shift);
        }
    }
    std::vector<std::uint32_t> sums(std::size_t(width) * 3);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::size_t i = std::size_t(y - area.top());
        const std::uint32_t* w = down.weights.data() + i * std::size_t(down.stride);
        std::fill(sums.begin(), sums.end(), 0u);
        for (int k = 0; k < down.count[i]; ++k) {
            const std::uint16_t* row = rows.data() + std::size_t(down.first[i] + k - top) * std::size_t(width) * 3;
            for (std::size_t c = 0; c < sums.size(); ++c)
                sums[c] += row[c] * w[k];
        }
        constexpr int Shift = WeightBits + KeptBits;
        constexpr std::uint32_t Half = 1u << (Shift - 1);
        auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + area.left();
        for (int x = 0; x < width; ++x)
            to[x] = Opaque | (((sums[3 * x] + Half) >> Shift) << 16) | (((sums[3 * x + 1] + Half) >> Shift) << 8)
                | ((sums[3 * x + 2] + Half) >> Shift);
    }
}

QImage thirtyTwoBit(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(QImage::Format_RGB32);
    }
}

}

bool CardViewCache::fits(const DrawingSurface& surface, double scale) const
{
    return !image_.isNull() && cardSize_ == surface.image().size() && std::abs(scale_ - scale) < Tolerance;
}

void CardViewCache::rebuild(const DrawingSurface& surface, double scale)
{
    scale_ = scale > 0 && std::isfinite(scale) ? scale : 1.0;
    cardSize_ = surface.image().size();
    const QSize device(int(std::ceil(cardSize_.width() * scale_ - Tolerance)),
                       int(std::ceil(cardSize_.height() * scale_ - Tolerance)));
    if (image_.size() != device || image_.format() != QImage::Format_RGB32)
        image_ = QImage(device, QImage::Format_RGB32);
    render(surface, image_.rect());
}

void CardViewCache::update(const DrawingSurface& surface, const QRect& cardArea)
{
    if (surface.image().size() != cardSize_) {
        rebuild(surface, scale_);
        return;
    }
    render(surface, deviceArea(cardArea));
}

QRect CardViewCache::deviceArea(const QRect& cardArea) const
{
    const QRect area = cardArea & QRect(QPoint(), cardSize_);
    if (area.isEmpty())
        return QRect();
    const int left = int(std::floor(area.left() * scale_ + Tolerance));
    const int top = int(std::floor(area.top() * scale_ + Tolerance));
    const int right = int(std::ceil((area.right() + 1) * scale_ - Tolerance));
    const int bottom = int(std::ceil((area.bottom() + 1) * scale_ - Tolerance));
    return QRect(left, top, right - left, bottom - top) & image_.rect();
}

void CardViewCache::render(const DrawingSurface& surface, const QRect& device)
{
    if (device.isEmpty() || cardSize_.isEmpty())
        return;
    // The screen picture is what s = 1 shows exactly; the print copy has
    // the detail for every other scale.
    const bool print = surface.hasPrintCopy() && std::abs(scale_ - 1.0) > Tolerance;
    const QImage source = thirtyTwoBit(print ? surface.printImage() : surface.image());
    const double step = double(source.width()) / (cardSize_.width() * scale_); // source pixels per device pixel
    if (std::abs(step - 1.0) < Tolerance)
        copyPixels(source, image_, device & source.rect());
    else if (step < 1.0)
        enlarge(source, image_, device, step);
    else
        reduce(source, image_, device, step);
}
