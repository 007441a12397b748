#include "platform/HeifDecoder.h"

#include "platform/EmbeddedColour.h"
#include "platform/HeifDerivations.h"
#include "platform/PictureLoader.h"

#include <libheif/heif.h>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

template <typename T, void (*Release)(T*)>
struct Releaser {
    void operator()(T* p) const { Release(p); }
};
void releaseHandle(heif_image_handle* h) { heif_image_handle_release(h); }
void releaseImage(heif_image* i) { heif_image_release(i); }
using Context = std::unique_ptr<heif_context, Releaser<heif_context, heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle, Releaser<heif_image_handle, releaseHandle>>;
using Image = std::unique_ptr<heif_image, Releaser<heif_image, releaseImage>>;
using Options = std::unique_ptr<heif_decoding_options, Releaser<heif_decoding_options, heif_decoding_options_free>>;

PictureLoadError errorFrom(const heif_error& error)
{
    if (error.code == heif_error_Unsupported_filetype || error.code == heif_error_Unsupported_feature)
        return PictureLoadError::Unsupported;
    // libheif refuses sizes beyond its own limit (far above ours) while reading.
    if (error.subcode == heif_suberror_Security_limit_exceeded)
        return PictureLoadError::TooManyPixels;
    if (error.code == heif_error_Memory_allocation_error)
        return PictureLoadError::TooLarge;
    return PictureLoadError::Damaged;
}

SrgbConversion::Transfer transferOf(heif_transfer_characteristics transfer)
{
    switch (transfer) {
    case heif_transfer_characteristic_linear: return SrgbConversion::Transfer::Linear;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M: return SrgbConversion::Transfer::Gamma22;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G: return SrgbConversion::Transfer::Gamma28;
    case heif_transfer_characteristic_ITU_R_BT_2100_0_PQ:
    case heif_transfer_characteristic_ITU_R_BT_2100_0_HLG: return SrgbConversion::Transfer::Hdr;
    default: return SrgbConversion::Transfer::Srgb;    // sRGB, the BT.709 family, unspecified
    }
}

std::shared_ptr<const SrgbConversion> coloursOf(const heif_image_handle* handle)
{
    if (const size_t size = heif_image_handle_get_raw_color_profile_size(handle)) {
        if (size > size_t(EmbeddedColour::kMaxProfileBytes))
            return nullptr;
        QByteArray profile(int(size), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, profile.data()).code == heif_error_Ok)
            return SrgbConversion::fromIcc(profile);
        return nullptr;
    }
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok || !nclx)
        return nullptr;
    std::shared_ptr<const SrgbConversion> colours;
    if (nclx->color_primaries != heif_color_primaries_unspecified)
        colours = SrgbConversion::fromPrimaries(
            {nclx->color_primary_red_x, nclx->color_primary_red_y, nclx->color_primary_green_x,
             nclx->color_primary_green_y, nclx->color_primary_blue_x, nclx->color_primary_blue_y,
             nclx->color_primary_white_x, nclx->color_primary_white_y},
            transferOf(nclx->transfer_characteristics));
    heif_nclx_color_profile_free(nclx);
    return colours;
}

// Bytes per pixel that decoding takes at its peak: the decoded planes (4:2:0,
// one or two bytes a sample, plus alpha) and the interleaved 8-bit picture.
qint64 decodeBytesPerPixel(const heif_image_handle* handle, bool alpha)
{
    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle) > 8;
    const double planes = (deep ? 2 : 1) * (1.5 + (alpha ? 1 : 0));
    return qint64(std::ceil(planes + (alpha ? 4 : 3)));
}

// The same for a grid or overlay canvas, which libheif composes in 4:4:4 RGB.
qint64 canvasBytesPerPixel(const heif_image_handle* handle, bool alpha)
{
    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle) > 8;
    return (deep ? 2 : 1) * (3 + (alpha ? 1 : 0)) + (alpha ? 4 : 3);
}

// Whether the grids, overlays and identities can be built: made of pictures,
// and within the limits. Their canvases are what libheif allocates, even where
// the size properties claim less.
PictureLoadError checkDerivations(const QByteArray& data, const heif_image_handle* handle, bool alpha)
{
    const std::optional<HeifDerivations::Derived> derived = HeifDerivations::derivedPictures(data);
    if (!derived || !derived->ingredientsArePictures)
        return PictureLoadError::Damaged;
    qint64 pixels = 0;
    for (const QSize canvas : derived->canvases) {
        if (PictureDecoding::pixelsOf(canvas) > PictureLoader::kMaxPicturePixels)
            return PictureLoadError::TooManyPixels;
        pixels += PictureDecoding::pixelsOf(canvas);
    }
    return pixels * canvasBytesPerPixel(handle, alpha) > PictureDecoding::kMemoryLimitBytes ? PictureLoadError::TooLarge
                                                                                             : PictureLoadError::None;
}

}

bool HeifDecoder::recognises(const QByteArray& data)
{
    if (data.size() < 16 || std::memcmp(data.constData() + 4, "ftyp", 4) != 0)
        return false;
    const qint64 boxSize = qFromBigEndian<quint32>(data.constData());
    const qint64 end = std::min<qint64>(data.size(), boxSize);
    static const char* const brands[] = {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1", "avif", "avis"};
    for (qint64 at = 8; at + 4 <= end; at += 4) {
        if (at == 12)
            continue;    // the minor version
        for (const char* brand : brands)
            if (std::memcmp(data.constData() + at, brand, 4) == 0)
                return true;
    }
    return false;
}

PictureLoadError HeifDecoder::decode(const QByteArray& data, QSize target, PictureDecoding::Decoded& out)
{
    using namespace PictureDecoding;
    const Context context(heif_context_alloc());
    if (!context)
        return PictureLoadError::TooLarge;
    heif_error error = heif_context_read_from_memory_without_copy(context.get(), data.constData(), size_t(data.size()), nullptr);
    if (error.code != heif_error_Ok)
        return errorFrom(error);
    heif_image_handle* rawHandle = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    const Handle handle(rawHandle);
    if (error.code != heif_error_Ok || !handle)
        return errorFrom(error);

    // The size after the file's own rotation and crop, and the stored size,
    // which is what the decoder builds.
    const QSize upright(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()));
    const QSize stored(heif_image_handle_get_ispe_width(handle.get()), heif_image_handle_get_ispe_height(handle.get()));
    if (upright.isEmpty())
        return PictureLoadError::Damaged;
    if (pixelsOf(upright) > PictureLoader::kMaxPicturePixels || pixelsOf(stored) > PictureLoader::kMaxPicturePixels)
        return PictureLoadError::TooManyPixels;
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    const qint64 decodedPixels = std::max(pixelsOf(upright), pixelsOf(stored));
    if (decodedPixels * decodeBytesPerPixel(handle.get(), alpha) > kMemoryLimitBytes)
        return PictureLoadError::TooLarge;
    if (const PictureLoadError derivations = checkDerivations(data, handle.get(), alpha); derivations != PictureLoadError::None)
        return derivations;

    const Options options(heif_decoding_options_alloc());
    if (!options)
        return PictureLoadError::TooLarge;
    options->ignore_transformations = 0;    // rotation, mirroring and crop: applied here, once
    options->convert_hdr_to_8bit = 1;
    heif_image* rawImage = nullptr;
    error = heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                              alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    const Image image(rawImage);
    if (error.code != heif_error_Ok || !image)
        return errorFrom(error);
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const QSize size(heif_image_get_width(image.get(), heif_channel_interleaved),
                     heif_image_get_height(image.get(), heif_channel_interleaved));
    if (!plane || size.isEmpty() || heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved) != 8)
        return PictureLoadError::Damaged;
    const QImage::Format format = !alpha ? QImage::Format_RGB888
        : heif_image_handle_is_premultiplied_alpha(handle.get()) ? QImage::Format_RGBA8888_Premultiplied
                                                                  : QImage::Format_RGBA8888;
    // The decoder's pixels, read in place; every path below makes its own copy.
    const QImage decoded(plane, size.width(), size.height(), stride, format);
    const QSize wanted = decodeSize(size, size, target, kMemoryLimitBytes / 4, false);
    out.image = opaqueRgb32(wanted == size ? decoded : decoded.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (out.image.isNull())
        return PictureLoadError::TooLarge;
    out.fullSize = size;
    out.colours = coloursOf(handle.get());
    return PictureLoadError::None;
}
