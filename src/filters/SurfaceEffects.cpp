#include "filters/SurfaceEffects.h"

#include "filters/FilterPixels.h"
#include "platform/CardSurface.h"
#include "platform/Colors.h"

#include <QPainter>
#include <QProgressBar>
#include <cstdlib>

namespace {

constexpr int CardWidth = CardSurface::CardWidth;
constexpr int CardHeight = CardSurface::CardHeight;

// Shows the bar while it lives; set() after each outer pass; hidden at 0 at the end.
class BarProgress {
public:
    explicit BarProgress(QProgressBar* bar) : bar_(bar)
    {
        if (bar_)
            bar_->setVisible(true);
    }
    ~BarProgress()
    {
        if (bar_) {
            bar_->setVisible(false);
            bar_->setValue(0);
        }
    }
    BarProgress(const BarProgress&) = delete;
    BarProgress& operator=(const BarProgress&) = delete;

    void set(int value)
    {
        if (bar_)
            bar_->setValue(value);
    }

private:
    QProgressBar* bar_;
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

private:
    unsigned int* row(int y) const { return reinterpret_cast<unsigned int*>(bits_ + std::ptrdiff_t(y) * bytesPerLine_); }

    int width_ = 0;
    int height_ = 0;
    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
};

}

void FlipHorizontal(QImage& card)
{
    card = std::move(card).mirrored(true, false);
}

void FlipVertical(QImage& card)
{
    card = std::move(card).mirrored(false, true);
}

void MirrorRight(QImage& card, QProgressBar* progBar)
{
    BarProgress progress(progBar);
    Pixels pixels(card);
    for (int x = 0; x <= 257; ++x) {
        for (int y = 0; y < CardHeight; ++y)
            pixels.copy(x, y, CardWidth - x, y);
        progress.set(x * 100 / 256);
    }
}

void MirrorDown(QImage& card, QProgressBar* progBar)
{
    BarProgress progress(progBar);
    Pixels pixels(card);
    for (int x = 0; x < CardWidth; ++x) {
        for (int y = 0; y <= 183; ++y)
            pixels.copy(x, y, x, CardHeight - y);
        progress.set(x * 100 / 514);
    }
}

void TiltCard(QImage& card, QImage& backPic, QProgressBar* progBar)
{
    ensureBlueGreenRedLayout(card);
    backPic = QImage(card.height(), card.width(), QImage::Format_RGB32);
    backPic.fill(Qt::white);
    {
        QPainter painter(&backPic);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, CardHeight, CardWidth), card, QRectF(0, 0, CardWidth, CardHeight));
    }

    BarProgress progress(progBar);
    const Pixels upright(backPic);
    Pixels pixels(card);
    for (int x = 0; x < CardHeight; ++x) {
        for (int y = 0; y < CardWidth; ++y) {
            if (upright.inside(x, y))
                pixels.set(y, CardHeight - 1 - x, upright.get(x, y));
        }
        progress.set(x * 100 / 364);
    }
}

void Transparent(QImage& card, QProgressBar* progBar, int red, int green, int blue)
{
    BarProgress progress(progBar);
    Pixels pixels(card);
    const std::uint32_t colour = RGB(red, green, blue);
    for (int x = 0; x < CardWidth; x += 2) {
        for (int y = 0; y < CardHeight; y += 2) {
            pixels.set(x, y, colour);
            pixels.set(x + 1, y + 1, colour);
        }
        progress.set(x * 100 / 514);
    }
}

void SepiaTone(QImage& card, QProgressBar* progBar)
{
    BarProgress progress(progBar);
    Pixels pixels(card);
    for (int x = 0; x < CardWidth; ++x) {
        for (int y = 0; y < CardHeight; ++y) {
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
        progress.set(x * 100 / 514);
    }
}
