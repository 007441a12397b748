#include "platform/PictureLoader.h"

#include "platform/PictureFileChecks.h"
#include "platform/WmfReader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The memory a picture may take while it loads: the decoded image at 4 bytes
// a pixel, plus the coefficients a progressive JPEG keeps.
constexpr qint64 kMemoryLimitBytes = 256LL << 20;
constexpr qint64 kMaxFileBytes = 256LL << 20;    // far beyond any picture that would load
// Each scan of a progressive JPEG is a pass over the whole picture; encoders
// write a few dozen at most, a hostile file thousands.
constexpr int kMaxJpegScans = 100;

bool swapsSides(QImageIOHandler::Transformations transformation)
{
    return transformation & QImageIOHandler::TransformationRotate90;
}

qint64 pixelsOf(QSize size)
{
    return qint64(size.width()) * size.height();
}

// The size to decode at, in the file's own orientation: the smallest that still
// covers `target` once turned upright, and if possible no more than `maxPixels`;
// with `dctSteps` (JPEG) one of the sizes the decoder reaches by itself.
QSize decodeSize(QSize stored, QSize upright, QSize target, qint64 maxPixels, bool dctSteps)
{
    double scale = 1;
    if (target.isValid() && !target.isEmpty())
        scale = std::min(1.0, std::max(double(target.width()) / upright.width(),
                                       double(target.height()) / upright.height()));
    const double fitting = std::sqrt(double(maxPixels) / pixelsOf(stored));
    if (fitting < scale) {
        // JPEG scales down by 1/2, 1/4 or 1/8 while decoding: aim at one of those
        // steps so that the decoder never builds the full-size image.
        int step = 2;
        while (step < 8 && 1.0 / step > fitting)
            step *= 2;
        return QSize(std::max(1, stored.width() / step), std::max(1, stored.height() / step));
    }
    if (scale >= 1)
        return stored;
    if (dctSteps) {
        // The decoder's own step (1/2, 1/4, 1/8) that still covers the target:
        // no second resampling inside the decoder, the caller resamples once.
        int step = 1;
        while (step < 8 && 1.0 / (step * 2) >= scale)
            step *= 2;
        return QSize(std::max(1, stored.width() / step), std::max(1, stored.height() / step));
    }
    return QSize(std::max(1, int(std::ceil(stored.width() * scale))),
                 std::max(1, int(std::ceil(stored.height() * scale))));
}

QImage opaqueRgb32(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return flat;
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

bool isComplete(const QByteArray& format, const QByteArray& data)
{
    if (format == "jpeg")
        return PictureFileChecks::jpegIsComplete(data);
    if (format == "bmp")
        return PictureFileChecks::bmpIsComplete(data);
    if (format == "gif")
        return PictureFileChecks::gifFirstFrameIsComplete(data);
    return false;    // only these three go through Qt's decoders
}

std::optional<LoadedPicture> loadMetafile(const QByteArray& data, QSize targetSize)
{
    const std::optional<WmfReader::Picture> picture = WmfReader::read(data, targetSize);
    if (!picture)
        return std::nullopt;
    return LoadedPicture{picture->image, picture->fullSize.width(), picture->fullSize.height()};
}

std::optional<LoadedPicture> loadWithQt(const QByteArray& data, QSize targetSize)
{
    QByteArray bytes = data;    // shares the data; QBuffer needs a non-const array
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (!isComplete(format, data))
        return std::nullopt;
    qint64 memoryForImage = kMemoryLimitBytes;
    if (format == "jpeg") {
        const PictureFileChecks::JpegLayout layout = PictureFileChecks::jpegLayout(data);
        if (layout.scans > kMaxJpegScans)
            return std::nullopt;
        memoryForImage -= layout.coefficientBytes;
    }
    const qint64 maxPixels = memoryForImage / 4;
    const QSize stored = reader.size();
    if (stored.isEmpty() || pixelsOf(stored) > PictureLoader::kMaxPicturePixels || maxPixels <= 0)
        return std::nullopt;
    const QSize upright = swapsSides(reader.transformation()) ? stored.transposed() : stored;
    const QSize decoded = decodeSize(stored, upright, targetSize, maxPixels, format == "jpeg");
    // Only the JPEG decoder can reduce while decoding; the others build the
    // full image first.
    const bool reducesWhileDecoding = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (pixelsOf(reducesWhileDecoding ? decoded : stored) > maxPixels)
        return std::nullopt;
    if (decoded != stored)
        reader.setScaledSize(decoded);
    // Qt's own check, made where the decoder allocates, also covers the
    // intermediate image a reduced JPEG may pass through.
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(std::max(1, int(memoryForImage >> 20)));    // 0 would mean no limit
    const QImage image = reader.read();
    QImageReader::setAllocationLimit(previousLimit);
    if (image.isNull())
        return std::nullopt;
    QImage result = opaqueRgb32(image);
    if (result.isNull())
        return std::nullopt;
    return LoadedPicture{result, upright.width(), upright.height()};
}

}

std::optional<LoadedPicture> PictureLoader::loadFromData(const QByteArray& data, QSize targetSize)
{
    if (WmfReader::looksLikeMetafile(data))
        return loadMetafile(data, targetSize);
    return loadWithQt(data, targetSize);
}

std::optional<LoadedPicture> PictureLoader::load(const QString& path, QSize targetSize)
{
    // Only a plain file: opening a FIFO or a device would wait for ever.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > kMaxFileBytes)
        return std::nullopt;
    // Read rather than mapped: a mapped file that shrinks or vanishes (a stick
    // pulled out) would bring the program down.
    return loadFromData(file.readAll(), targetSize);
}
