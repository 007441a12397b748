#include "platform/PictureLoader.h"

#include "platform/EmbeddedColour.h"
#include "platform/HeifDecoder.h"
#include "platform/PictureDecoding.h"
#include "platform/PictureFileChecks.h"
#include "platform/PngTiffChecks.h"
#include "platform/WmfReader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace PictureDecoding;

namespace {

constexpr qint64 kMaxFileBytes = 256LL << 20;    // far beyond any picture that would load
// Each scan of a progressive JPEG is a pass over the whole picture; encoders
// write a few dozen at most, a hostile file thousands.
constexpr int kMaxJpegScans = 100;

bool startsWith(const QByteArray& data, const char* magic, int length, int offset = 0)
{
    return data.size() >= offset + length && std::memcmp(data.constData() + offset, magic, size_t(length)) == 0;
}

bool isJpeg(const QByteArray& d) { return startsWith(d, "\xFF\xD8\xFF", 3); }
bool isPng(const QByteArray& d) { return startsWith(d, "\x89PNG\r\n\x1A\n", 8); }
bool isWebp(const QByteArray& d) { return startsWith(d, "RIFF", 4) && startsWith(d, "WEBP", 4, 8); }
bool isTiff(const QByteArray& d) { return startsWith(d, "II*\0", 4) || startsWith(d, "MM\0*", 4); }
bool isBmp(const QByteArray& d) { return startsWith(d, "BM", 2); }
bool isGif(const QByteArray& d) { return startsWith(d, "GIF87a", 6) || startsWith(d, "GIF89a", 6); }

struct Decoder;
using Decode = PictureLoadError (*)(const Decoder&, const QByteArray&, QSize, Decoded&);

// One picture format: how to recognise it, and how to decode it.
struct Decoder {
    const char* qtFormat;                              // the Qt image plugin, when Qt decodes it
    bool (*recognises)(const QByteArray&);
    bool (*isComplete)(const QByteArray&);             // a check Qt's decoder does not make; null: none
    QByteArray (*profile)(const QByteArray&);          // the embedded ICC profile; null: none
    bool dctSteps;                                     // reduces while decoding, by 1/2, 1/4 or 1/8
    Decode decode;
};

bool swapsSides(QImageIOHandler::Transformations transformation)
{
    return transformation & QImageIOHandler::TransformationRotate90;
}

int bytesPerPixel(QImage::Format format)
{
    return format == QImage::Format_Invalid ? 4 : std::max(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
}

// Decodes through Qt's reader for the format; `memoryForImage` is what the
// decoded image may take.
PictureLoadError decodeWithQt(const Decoder& decoder, const QByteArray& data, QSize target, Decoded& out,
                              qint64 memoryForImage)
{
    if (decoder.isComplete && !decoder.isComplete(data))
        return PictureLoadError::Damaged;
    QByteArray bytes = data;    // shares the data; QBuffer needs a non-const array
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return PictureLoadError::Unreadable;
    QImageReader reader(&buffer, decoder.qtFormat);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || stored.isEmpty())
        return PictureLoadError::Damaged;
    if (pixelsOf(stored) > PictureLoader::kMaxPicturePixels)
        return PictureLoadError::TooManyPixels;
    const qint64 maxPixels = memoryForImage / 4;
    if (maxPixels <= 0)
        return PictureLoadError::TooLarge;
    const QSize upright = swapsSides(reader.transformation()) ? stored.transposed() : stored;
    const QSize decoded = decodeSize(stored, upright, target, maxPixels, decoder.dctSteps);
    // Only the JPEG decoder reduces while decoding; the others build the full
    // image first, at its own depth (8 bytes a pixel for 16-bit pictures),
    // and the reduced copy beside it.
    const qint64 bytesWhileDecoding = decoder.dctSteps
        ? pixelsOf(decoded) * 4
        : pixelsOf(stored) * bytesPerPixel(reader.imageFormat()) + (decoded != stored ? pixelsOf(decoded) * 4 : 0);
    if (bytesWhileDecoding > memoryForImage)
        return PictureLoadError::TooLarge;
    if (decoded != stored)
        reader.setScaledSize(decoded);
    // Qt's own check, made where the decoder allocates, also covers the
    // intermediate image a reduced JPEG may pass through.
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(std::max(1, int(memoryForImage >> 20)));    // 0 would mean no limit
    const QImage image = reader.read();
    QImageReader::setAllocationLimit(previousLimit);
    if (image.isNull())
        return PictureLoadError::Damaged;
    out.image = opaqueRgb32(image);
    if (out.image.isNull())
        return PictureLoadError::TooLarge;
    out.fullSize = upright;
    if (decoder.profile)
        out.colours = SrgbConversion::fromIcc(decoder.profile(data));
    return PictureLoadError::None;
}

PictureLoadError decodeQt(const Decoder& decoder, const QByteArray& data, QSize target, Decoded& out)
{
    return decodeWithQt(decoder, data, target, out, kMemoryLimitBytes);
}

PictureLoadError decodeJpeg(const Decoder& decoder, const QByteArray& data, QSize target, Decoded& out)
{
    if (!decoder.isComplete(data))
        return PictureLoadError::Damaged;
    // A progressive JPEG keeps its coefficients besides the image.
    const PictureFileChecks::JpegLayout layout = PictureFileChecks::jpegLayout(data);
    if (layout.scans > kMaxJpegScans)
        return PictureLoadError::Damaged;
    const PictureLoadError error = decodeWithQt(decoder, data, target, out, kMemoryLimitBytes - layout.coefficientBytes);
    // A camera JPEG without a profile may say Adobe RGB in its EXIF instead.
    if (error == PictureLoadError::None && !out.colours && EmbeddedColour::jpegProfile(data).isEmpty()
        && EmbeddedColour::jpegExifSaysAdobeRgb(data))
        out.colours = SrgbConversion::adobeRgb();
    return error;
}

PictureLoadError decodeMetafile(const Decoder&, const QByteArray& data, QSize target, Decoded& out)
{
    const std::optional<WmfReader::Picture> picture = WmfReader::read(data, target);
    if (!picture)
        return PictureLoadError::Damaged;
    out.image = picture->image;
    out.fullSize = picture->fullSize;
    return PictureLoadError::None;
}

PictureLoadError decodeHeif(const Decoder&, const QByteArray& data, QSize target, Decoded& out)
{
    return HeifDecoder::decode(data, target, out);
}

const Decoder decoders[] = {
    {"jpeg", isJpeg, PictureFileChecks::jpegIsComplete, EmbeddedColour::jpegProfile, true, decodeJpeg},
    {"png", isPng, PictureFileChecks::pngIsSound, EmbeddedColour::pngProfile, false, decodeQt},
    {"webp", isWebp, nullptr, EmbeddedColour::webpProfile, false, decodeQt},
    {"tiff", isTiff, PictureFileChecks::tiffIsSound, EmbeddedColour::tiffProfile, false, decodeQt},
    {nullptr, HeifDecoder::recognises, nullptr, nullptr, false, decodeHeif},
    {"bmp", isBmp, PictureFileChecks::bmpIsComplete, nullptr, false, decodeQt},
    {"gif", isGif, PictureFileChecks::gifFirstFrameIsComplete, nullptr, false, decodeQt},
    {nullptr, WmfReader::looksLikeMetafile, nullptr, nullptr, false, decodeMetafile},
};

}

QSize PictureDecoding::decodeSize(QSize stored, QSize upright, QSize target, qint64 maxPixels, bool dctSteps)
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

QImage PictureDecoding::opaqueRgb32(const QImage& image)
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

PictureLoadResult PictureLoader::loadFromData(const QByteArray& data, QSize targetSize)
{
    if (data.isEmpty())
        return PictureLoadError::Damaged;
    const auto decoder = std::find_if(std::begin(decoders), std::end(decoders),
                                      [&data](const Decoder& d) { return d.recognises(data); });
    if (decoder == std::end(decoders))
        return PictureLoadError::Unsupported;
    Decoded decoded;
    const PictureLoadError error = decoder->decode(*decoder, data, targetSize, decoded);
    if (error != PictureLoadError::None)
        return error;
    if (decoded.image.isNull())
        return PictureLoadError::Damaged;
    if (decoded.colours) {
        // Converting costs as much per pixel as decoding: when the decoder
        // could not come near the target, bring the picture down to the
        // smallest size that still covers it first, and convert that.
        const QSize covering = decodeSize(decoded.image.size(), decoded.image.size(), targetSize,
                                          std::numeric_limits<qint64>::max(), false);
        if (pixelsOf(decoded.image.size()) > pixelsOf(covering) * 3 / 2)
            decoded.image = decoded.image.scaled(covering, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
        decoded.colours->apply(decoded.image);
    }
    return LoadedPicture{decoded.image, decoded.fullSize.width(), decoded.fullSize.height()};
}

PictureLoadError PictureLoader::readFile(const QString& path, QByteArray& data)
{
    // Only a plain file: opening a FIFO or a device would wait for ever.
    if (!QFileInfo(path).isFile())
        return PictureLoadError::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PictureLoadError::Unreadable;
    if (file.size() > kMaxFileBytes)
        return PictureLoadError::TooLarge;
    // Read rather than mapped: a mapped file that shrinks or vanishes (a stick
    // pulled out) would bring the program down.
    data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return PictureLoadError::Unreadable;
    return PictureLoadError::None;
}

PictureLoadResult PictureLoader::load(const QString& path, QSize targetSize)
{
    QByteArray data;
    if (const PictureLoadError error = readFile(path, data); error != PictureLoadError::None)
        return error;
    return loadFromData(data, targetSize);
}
