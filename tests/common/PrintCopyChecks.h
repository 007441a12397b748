#pragma once
// Comparing a card's print copy with its screen picture: the print copy
// reduced by averaging each block, mean differences, and where the ink lies.
#include "platform/CardSurface.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <cmath>

// Each n x n block of `picture` averaged into one pixel.
inline QImage blockMeans(const QImage& picture, int n)
{
    QImage means(picture.width() / n, picture.height() / n, QImage::Format_RGB32);
    for (int y = 0; y < means.height(); ++y)
        for (int x = 0; x < means.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < n; ++dy)
                for (int dx = 0; dx < n; ++dx) {
                    const QRgb p = picture.pixel(x * n + dx, y * n + dy);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            const int count = n * n;
            means.setPixel(x, y, qRgb((r + count / 2) / count, (g + count / 2) / count, (b + count / 2) / count));
        }
    return means;
}

// Each PrintScale x PrintScale block of `print` averaged into one pixel.
inline QImage reducedPrintCopy(const QImage& print)
{
    return blockMeans(print, CardSurface::PrintScale);
}

// Mean absolute difference per channel over `area` (the whole image when empty).
inline double meanDifference(const QImage& a, const QImage& b, QRect area = QRect())
{
    area = area.isEmpty() ? a.rect() : area & a.rect();
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * area.width() * area.height());
}

inline double meanPrintDifference(const CardSurface& card, QRect area = QRect())
{
    return meanDifference(reducedPrintCopy(card.printImage()), card.image(), area);
}

// Ink: how far each pixel lies from the background, as a weight 0..1.
struct Ink {
    double amount = 0;
    QPointF centre;
};

inline Ink inkOf(const QImage& image, const QImage& background)
{
    Ink ink;
    double sx = 0, sy = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y), q = background.pixel(x, y);
            const double w = (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                              + std::abs(qBlue(p) - qBlue(q))) / (3.0 * 255);
            ink.amount += w;
            sx += w * x;
            sy += w * y;
        }
    if (ink.amount > 0)
        ink.centre = QPointF(sx / ink.amount, sy / ink.amount);
    return ink;
}

// PSNR in dB of two images of one size.
inline double psnr(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                sum += double(d) * d;
        }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}
