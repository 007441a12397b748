#pragma once
// Pictures with detail everywhere, for photos in tests: every pixel differs
// from its neighbours, so a misplaced or rescaled photo shows.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>

// Waves in all three channels; `phase` shifts them sideways.
inline QImage waves(int width, int height, int phase)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(int(128 + 100 * std::sin((x + phase) / 9.0)), int(128 + 100 * std::sin(y / 7.0)),
                                      int(128 + 60 * std::sin((x + y) / 13.0))));
    return image;
}

// Red across, green down.
inline QImage ramps(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 90));
    return image;
}

// A JPEG of waves(900, 650, phase) in `dir`, written once.
inline QString wavesJpeg(const QTemporaryDir& dir, int phase)
{
    const QString path = dir.filePath(QStringLiteral("foto%1.jpg").arg(phase));
    if (!QFile::exists(path))
        waves(900, 650, phase).save(path, "JPEG", 90);
    return path;
}
