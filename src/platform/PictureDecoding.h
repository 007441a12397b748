#pragma once
// What the picture decoders share: the limits every format keeps, the size a
// picture is decoded at, and the flattening onto white.
#include "platform/PictureLoadError.h"
#include "platform/SrgbConversion.h"

#include <QImage>
#include <QSize>
#include <memory>

namespace PictureDecoding {

// The memory a picture may take while it decodes.
constexpr qint64 kMemoryLimitBytes = 256LL << 20;

// A decoded picture before it is made opaque and sRGB.
struct Decoded {
    QImage image;              // upright, at the decode size
    QSize fullSize;            // upright
    std::shared_ptr<const SrgbConversion> colours;    // null: already sRGB
};

inline qint64 pixelsOf(QSize size)
{
    return qint64(size.width()) * size.height();
}

// The size to decode at, in the file's own orientation: the smallest that still
// covers `target` once turned upright, and if possible no more than `maxPixels`;
// with `dctSteps` (JPEG) one of the sizes the decoder reaches by itself.
QSize decodeSize(QSize stored, QSize upright, QSize target, qint64 maxPixels, bool dctSteps);

// The image as Format_RGB32, transparent parts on white. Null when out of memory.
QImage opaqueRgb32(const QImage& image);

}
