#pragma once
// Picture files and pixel checks for the card editor tests.
#include "platform/Colors.h"

#include <QImage>
#include <QRect>

inline QString writePicture(const QString& path, int width, int height, const QColor& color, const char* format = "bmp")
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    image.save(path, format);
    return path;
}

inline std::uint32_t pixelAt(const QImage& card, int x, int y) { return valueFromPixel(card.pixel(x, y)); }

// Smallest rectangle holding every pixel of `color`, or every pixel that is not white.
inline QRect inkBounds(const QImage& card, qint64 color = -1)
{
    QRect bounds;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (color < 0 ? pixelAt(card, x, y) != RGB(255, 255, 255) : pixelAt(card, x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
