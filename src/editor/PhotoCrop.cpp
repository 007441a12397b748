#include "editor/PhotoCrop.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>

QRect coverCrop(QSize source, QSizeF frame)
{
    const QRect whole(QPoint(0, 0), source);
    if (source.isEmpty() || !(frame.width() > 0) || !(frame.height() > 0) || !std::isfinite(frame.width())
        || !std::isfinite(frame.height()))
        return whole;
    // Sizes in whole pixels, at least one and at most the photo.
    const auto pixels = [](double size, int limit) { return int(std::clamp<double>(roundHalfEven(std::min(size, 1e9)), 1, limit)); };
    const double frameRatio = frame.width() / frame.height();
    if (double(source.width()) / source.height() > frameRatio) {
        const int width = pixels(source.height() * frameRatio, source.width());
        return QRect((source.width() - width) / 2, 0, width, source.height());
    }
    const int height = pixels(source.width() / frameRatio, source.height());
    return QRect(0, (source.height() - height) / 2, source.width(), height);
}

QImage photoForFrame(const QImage& photo, QSizeF frame, bool crop)
{
    if (!crop)
        return photo;
    const QRect part = coverCrop(photo.size(), frame);
    return part == photo.rect() ? photo : photo.copy(part);
}
