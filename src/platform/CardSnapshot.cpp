#include "platform/CardSnapshot.h"

#include "platform/CardSurface.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

constexpr int Scale = CardSurface::PrintScale;

// The bounding box of the pixels where two pictures of one size differ; the
// whole picture when their sizes or formats differ.
QRect differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.depth() % 8 != 0)
        return a.rect() | b.rect();
    if (a.constBits() == b.constBits())
        return QRect();
    const int bytesPerPixel = a.depth() / 8;
    const std::size_t rowBytes = std::size_t(a.width()) * std::size_t(bytesPerPixel);
    int top = -1, bottom = -1, left = a.width(), right = -1;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        if (std::memcmp(rowA, rowB, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (x < left && std::memcmp(rowA + x * bytesPerPixel, rowB + x * bytesPerPixel, std::size_t(bytesPerPixel)) == 0)
            ++x;
        left = std::min(left, x);
        x = a.width() - 1;
        while (x > right && std::memcmp(rowA + x * bytesPerPixel, rowB + x * bytesPerPixel, std::size_t(bytesPerPixel)) == 0)
            --x;
        right = std::max(right, x);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A print-copy rectangle as the screen pixels whose blocks it touches.
QRect screenBlocks(const QRect& print)
{
    if (print.isEmpty())
        return QRect();
    return QRect(QPoint(print.left() / Scale, print.top() / Scale), QPoint(print.right() / Scale, print.bottom() / Scale));
}

QRect printBlocks(const QRect& screen)
{
    return QRect(screen.topLeft() * Scale, screen.size() * Scale);
}

QImage partOf(const QImage& image, const QRect& rect)
{
    if (image.isNull())
        return QImage();
    return rect == image.rect() ? image : image.copy(rect);
}

// Writes `piece` into `target` with its top-left corner at `at`, unchanged.
void paste(QImage& target, const QImage& piece, QPoint at)
{
    if (piece.isNull() || target.isNull())
        return;
    if (at.isNull() && piece.size() == target.size() && piece.format() == target.format()) {
        target = piece;
        return;
    }
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(at, piece);
}

}

qint64 CardSnapshot::bytes() const
{
    return image.sizeInBytes() + basePicture.sizeInBytes() + printImage.sizeInBytes() + printBasePicture.sizeInBytes();
}

CardSnapshot CardSnapshot::part(const QRect& screen) const
{
    const QRect r = screen & rect;
    if (r.isEmpty())
        return {};
    const QRect print = printBlocks(r);
    return {r, partOf(image, r), partOf(basePicture, r), partOf(printImage, print), partOf(printBasePicture, print)};
}

void CardSnapshot::paste(const CardSnapshot& piece)
{
    const QPoint at = piece.rect.topLeft() - rect.topLeft();
    ::paste(image, piece.image, at);
    ::paste(basePicture, piece.basePicture, at);
    ::paste(printImage, piece.printImage, at * Scale);
    ::paste(printBasePicture, piece.printBasePicture, at * Scale);
}

CardSnapshot CardSurface::snapshot() const
{
    return {image().rect(), image(), basePicture(), printCurrent_, printBase_};
}

QRect CardSurface::changedSince(const CardSnapshot& earlier) const
{
    const QRect changed = differingPixels(image(), earlier.image) | differingPixels(basePicture(), earlier.basePicture)
        | screenBlocks(differingPixels(printCurrent_, earlier.printImage))
        | screenBlocks(differingPixels(printBase_, earlier.printBasePicture));
    return changed & image().rect();
}

void CardSurface::restore(const CardSnapshot& part)
{
    if (part.rect.isEmpty())
        return;
    paste(screenImage(), part.image, part.rect.topLeft());
    paste(screenBase(), part.basePicture, part.rect.topLeft());
    paste(printCurrent_, part.printImage, part.rect.topLeft() * PrintScale);
    paste(printBase_, part.printBasePicture, part.rect.topLeft() * PrintScale);
    markChanged(part.rect);
    refresh();
}
