#include "filters/SurfaceEffects.h"

#include "filters/FilterPixels.h"
#include "platform/CardSurface.h"
#include "platform/Colors.h"
#include "platform/Progress.h"

#include <QPainter>
#include <cstdlib>

namespace {

constexpr int CardWidth = CardSurface::CardWidth;
constexpr int CardHeight = CardSurface::CardHeight;

// The share of an effect on both copies that the screen copy counts for.
constexpr int ScreenProgressShare = 5;

// Shows the display while it lives; set() after each outer pass; hidden at 0
// at the end. An effect on both copies moves it along once: set() maps
// 0..100 into the share of the copy being worked on.
class BarProgress {
public:
    explicit BarProgress(Progress* display) : display_(display)
    {
        if (display_)
            display_->begin();
    }
    ~BarProgress()
    {
        if (display_)
            display_->end();
    }
    BarProgress(const BarProgress&) = delete;
    BarProgress& operator=(const BarProgress&) = delete;

    void set(int value)
    {
        if (display_)
            display_->show(from_ + value * (to_ - from_) / 100);
    }
    void setShare(int from, int to)
    {
        from_ = from;
        to_ = to;
    }

private:
    Progress* display_;
    int from_ = 0;
    int to_ = 100;
};

// Pixel reads and writes on a 32-bit image, as 0x00BBGGRR values; outside
// the image a read gives nothing and a write is dropped.
class Pixels {
public:
    explicit Pixels(QImage& image)
    {
        ensureBlueGreenRedLayout(image);
        width_ = image.width();
        height_ = image.height();
        bits_ = image.bits();
        bytesPerLine_ = image.bytesPerLine();
    }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::uint32_t get(int x, int y) const { return valueFromPixel(row(y)[x]); }
    void set(int x, int y, std::uint32_t colour)
    {
        if (inside(x, y))
            row(y)[x] = pixelFromValue(colour);
    }
    void copy(int fromX, int fromY, int toX, int toY)
    {
        if (inside(fromX, fromY))
            set(toX, toY, get(fromX, fromY));
    }
    // The scale x scale block of screen pixel (x, y).
    void setBlock(int x, int y, int scale, std::uint32_t colour)
    {
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                set(x * scale + dx, y * scale + dy, colour);
    }

private:
    unsigned int* row(int y) const { return reinterpret_cast<unsigned int*>(bits_ + std::ptrdiff_t(y) * bytesPerLine_); }

    int width_ = 0;
    int height_ = 0;
    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
};


// The effects work on one copy at a time; `scale` is 1 on the screen copy and
// CardSurface::PrintScale on the print copy, where the card's fixed ranges are
// that many times larger.

void mirrorRight(QImage& card, int scale, BarProgress& progress)
{
    Pixels pixels(card);
    // Column x goes to 515 - x; on the print copy its block goes, mirrored, to that column's block.
    const int target = CardWidth * scale + scale - 1;
    for (int x = 0; x < 258 * scale; ++x) {
        for (int y = 0; y < CardHeight * scale; ++y)
            pixels.copy(x, y, target - x, y);
        progress.set(x / scale * 100 / 256);
    }
}

void mirrorDown(QImage& card, int scale, BarProgress& progress)
{
    Pixels pixels(card);
    const int target = CardHeight * scale + scale - 1;
    for (int x = 0; x < CardWidth * scale; ++x) {
        for (int y = 0; y < 184 * scale; ++y)
            pixels.copy(x, y, x, target - y);
        progress.set(x / scale * 100 / 514);
    }
}

void tiltCard(QImage& card, QImage& backPic, int scale, BarProgress& progress)
{
    ensureBlueGreenRedLayout(card);
    const int width = CardWidth * scale, height = CardHeight * scale;
    backPic = QImage(card.height(), card.width(), QImage::Format_RGB32);
    backPic.fill(Qt::white);
    {
        QPainter painter(&backPic);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, height, width), card, QRectF(0, 0, width, height));
    }

    const Pixels upright(backPic);
    Pixels pixels(card);
    for (int x = 0; x < height; ++x) {
        for (int y = 0; y < width; ++y) {
            if (upright.inside(x, y))
                pixels.set(y, height - 1 - x, upright.get(x, y));
        }
        progress.set(x / scale * 100 / 364);
    }
}

void transparent(QImage& card, int scale, BarProgress& progress, std::uint32_t colour)
{
    Pixels pixels(card);
    for (int x = 0; x < CardWidth; x += 2) {
        for (int y = 0; y < CardHeight; y += 2) {
            pixels.setBlock(x, y, scale, colour);
            pixels.setBlock(x + 1, y + 1, scale, colour);
        }
        progress.set(x * 100 / 514);
    }
}

void sepiaTone(QImage& card, int scale, BarProgress& progress)
{
    Pixels pixels(card);
    for (int x = 0; x < CardWidth * scale; ++x) {
        for (int y = 0; y < CardHeight * scale; ++y) {
            if (!pixels.inside(x, y))
                continue;
            const Rgb c = Rgb::fromValue(pixels.get(x, y));
            int green = std::abs(c.g - 40);
            if (green > c.r)
                green = 0;
            int blue = std::abs(c.b - 80);
            if (blue > green)
                blue = 0;
            pixels.set(x, y, RGB(c.r, green, blue));
        }
        progress.set(x / scale * 100 / 514);
    }
}

// Runs `effect(image, scale, progress)` on the screen copy and then on the
// print copy, and writes both back together.
template <typename Effect>
void onBothCopies(CardSurface& card, Progress* display, Effect effect)
{
    BarProgress progress(display);
    QImage screen = card.image();
    if (!card.hasPrintCopy()) {
        effect(screen, 1, progress);
        card.setImages(screen, QImage());
        return;
    }
    progress.setShare(0, ScreenProgressShare);
    effect(screen, 1, progress);
    progress.setShare(ScreenProgressShare, 100);
    QImage print = card.printImage();
    effect(print, CardSurface::PrintScale, progress);
    card.setImages(screen, print);
}

}

void FlipHorizontal(QImage& card)
{
    card = std::move(card).mirrored(true, false);
}

void FlipVertical(QImage& card)
{
    card = std::move(card).mirrored(false, true);
}

void MirrorRight(QImage& card, Progress* progress)
{
    BarProgress bar(progress);
    mirrorRight(card, 1, bar);
}

void MirrorDown(QImage& card, Progress* progress)
{
    BarProgress bar(progress);
    mirrorDown(card, 1, bar);
}

void TiltCard(QImage& card, QImage& backPic, Progress* progress)
{
    BarProgress bar(progress);
    tiltCard(card, backPic, 1, bar);
}

void Transparent(QImage& card, Progress* progress, int red, int green, int blue)
{
    BarProgress bar(progress);
    transparent(card, 1, bar, RGB(red, green, blue));
}

void SepiaTone(QImage& card, Progress* progress)
{
    BarProgress bar(progress);
    sepiaTone(card, 1, bar);
}

void FlipHorizontal(CardSurface& card)
{
    onBothCopies(card, nullptr, [](QImage& image, int, BarProgress&) { FlipHorizontal(image); });
}

void FlipVertical(CardSurface& card)
{
    onBothCopies(card, nullptr, [](QImage& image, int, BarProgress&) { FlipVertical(image); });
}

void MirrorRight(CardSurface& card, Progress* progress)
{
    onBothCopies(card, progress, mirrorRight);
}

void MirrorDown(CardSurface& card, Progress* progress)
{
    onBothCopies(card, progress, mirrorDown);
}

void TiltCard(CardSurface& card, QImage& backPic, Progress* progress)
{
    // The screen copy turns through `backPic`, as it always has; the print copy through a scratch picture of its own.
    QImage printScratch;
    onBothCopies(card, progress, [&](QImage& image, int scale, BarProgress& bar) {
        tiltCard(image, scale == 1 ? backPic : printScratch, scale, bar);
    });
}

void Transparent(CardSurface& card, Progress* progress, int red, int green, int blue)
{
    const std::uint32_t colour = RGB(red, green, blue);
    onBothCopies(card, progress, [colour](QImage& image, int scale, BarProgress& bar) {
        transparent(image, scale, bar, colour);
    });
}

void SepiaTone(CardSurface& card, Progress* progress)
{
    onBothCopies(card, progress, sepiaTone);
}
