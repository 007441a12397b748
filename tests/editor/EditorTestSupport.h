#pragma once
// Small helpers for the card editor tests: picture files and pixel checks.
#include "platform/Colors.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Writes a plain picture of one colour and returns its path.
inline QString writePicture(const QString& path, int width, int height, const QColor& color, const char* format = "bmp")
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    image.save(path, format);
    return path;
}

// The 0x00BBGGRR value of the card pixel at (x, y).
inline std::uint32_t pixelAt(const QImage& card, int x, int y)
{
    return valueFromPixel(card.pixel(x, y));
}

// Smallest rectangle holding every pixel that is not white.
inline QRect inkBounds(const QImage& card)
{
    QRect bounds;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (pixelAt(card, x, y) != RGB(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline bool hasColor(const QImage& card, std::uint32_t color)
{
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (pixelAt(card, x, y) == color)
                return true;
    return false;
}
