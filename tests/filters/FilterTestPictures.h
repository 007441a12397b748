#pragma once
// Small hand-made pictures and readable pixel checks for the filter tests.
#include "filters/RunFilter.h"

#include <QImage>
#include <QString>

inline QImage flatPicture(int width, int height, int blue, int green, int red)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(red, green, blue));
    return picture;
}

// Gradients with a repeatable ripple (and fourth byte), so every neighbourhood differs.
inline QImage photoLikePicture(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, format);
    unsigned state = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            const int ripple = int((state >> 16) % 40);
            picture.setPixel(x, y, qRgba((x * 7 + ripple) % 256, (y * 5 + ripple) % 256, (x + y + 3 * ripple) % 256,
                                         int((state >> 8) & 0xFF)));
        }
    }
    return picture;
}

inline void setBgr(QImage& picture, int x, int y, int blue, int green, int red)
{
    picture.setPixel(x, y, qRgb(red, green, blue));
}

// "blue,green,red" of a pixel.
inline QString bgr(const QImage& picture, int x, int y)
{
    const QRgb p = picture.pixel(x, y);
    return QStringLiteral("%1,%2,%3").arg(qBlue(p)).arg(qGreen(p)).arg(qRed(p));
}

inline QImage filtered(int number, QImage picture, int parameter = 0)
{
    int progress = 0;
    RunFilter(number, picture, parameter, progress);
    return picture;
}
