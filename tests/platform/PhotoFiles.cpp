#include "PhotoFiles.h"

#include <QSize>
#include <QtEndian>
#include <lcms2.h>
#include <libheif/heif.h>
#include <zlib.h>
#include <cstdlib>

namespace {

heif_error appendTo(heif_context*, const void* data, size_t size, void* target)
{
    static_cast<QByteArray*>(target)->append(static_cast<const char*>(data), int(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

void fill(heif_image* image, const QImage& source, int depth, bool alpha)
{
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    const int channels = alpha ? 4 : 3;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int values[4] = {qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)};
            for (int c = 0; c < channels; ++c) {
                if (depth == 8) {
                    plane[y * stride + x * channels + c] = uint8_t(values[c]);
                } else {
                    const int wide = (values[c] * ((1 << depth) - 1) + 127) / 255;
                    uint8_t* at = plane + y * stride + 2 * (x * channels + c);
                    at[0] = uint8_t(wide & 0xFF);
                    at[1] = uint8_t(wide >> 8);
                }
            }
        }
}

}

QByteArray heifOf(const QImage& image, const HeifOptions& options)
{
    QByteArray out;
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    if (heif_context_get_encoder_for_format(context, options.avif ? heif_compression_AV1 : heif_compression_HEVC, &encoder).code) {
        heif_context_free(context);
        return out;
    }
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_encoder_set_parameter_string(encoder, "chroma", "444");
    if (options.avif)
        heif_encoder_set_parameter_integer(encoder, "speed", 8);
    const heif_chroma chroma = options.bitDepth == 8
        ? (options.alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB)
        : (options.alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE);
    heif_image* picture = nullptr;
    heif_image_create(image.width(), image.height(), heif_colorspace_RGB, chroma, &picture);
    heif_image_add_plane(picture, heif_channel_interleaved, image.width(), image.height(), options.bitDepth);
    fill(picture, image, options.bitDepth, options.alpha);
    if (!options.profile.isEmpty())
        heif_image_set_raw_color_profile(picture, "prof", options.profile.constData(), size_t(options.profile.size()));
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    heif_encoding_options* encoding = heif_encoding_options_alloc();
    if (options.displayP3) {
        nclx->color_primaries = heif_color_primaries_SMPTE_EG_432_1;
        nclx->transfer_characteristics = heif_transfer_characteristic_IEC_61966_2_1;
        nclx->matrix_coefficients = heif_matrix_coefficients_ITU_R_BT_601_6;
        nclx->full_range_flag = 1;
        heif_image_set_nclx_color_profile(picture, nclx);
        encoding->output_nclx_profile = nclx;
        encoding->macOS_compatibility_workaround_no_nclx_profile = 0;
    }
    encoding->image_orientation = heif_orientation(options.orientation);
    heif_writer writer{1, appendTo};
    heif_image_handle* handle = nullptr;
    if (heif_context_encode_image(context, picture, encoder, encoding, &handle).code == heif_error_Ok) {
        if (options.exifOrientation) {
            const QByteArray exif = tiffOf({{0x0112, 3, 1, quint32(options.exifOrientation)}});
            heif_context_add_exif_metadata(context, handle, exif.constData(), int(exif.size()));
        }
        heif_context_write(context, &writer, &out);
        heif_image_handle_release(handle);
    }
    heif_encoding_options_free(encoding);
    heif_nclx_color_profile_free(nclx);
    heif_image_release(picture);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return out;
}

namespace {

QByteArray bigEndian(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

QByteArray box(const char* type, const QByteArray& body)
{
    return bigEndian(quint64(body.size()) + 8, 4) + QByteArray(type, 4) + body;
}

QByteArray fullBox(const char* type, int version, const QByteArray& body)
{
    return box(type, char(version) + QByteArray(3, '\0') + body);
}

// The body of the first box of this type, searched through the boxes that hold others.
QByteArray bodyOf(const QByteArray& file, const char* type)
{
    const int at = file.indexOf(QByteArray(type, 4));
    return at < 4 ? QByteArray() : file.mid(at + 4, qFromBigEndian<quint32>(file.constData() + at - 4) - 8);
}

}

QByteArray heifGridOf(const QByteArray& single, QSize canvas, QSize claimed, bool overlay)
{
    const QByteArray hvcC = box("hvcC", bodyOf(single, "hvcC"));
    const QByteArray tile = bodyOf(single, "mdat");
    const QByteArray ispe = bodyOf(single, "ispe");
    // Version 0 with 32-bit fields; a grid of one row and one column, or an
    // overlay on white with the tile at its corner.
    const QByteArray size = bigEndian(quint64(canvas.width()), 4) + bigEndian(quint64(canvas.height()), 4);
    const QByteArray grid = overlay ? bigEndian(0x0001, 2) + QByteArray(8, '\xFF') + size + bigEndian(0, 8)
                                    : bigEndian(0x0001, 2) + bigEndian(0, 2) + size;
    const QByteArray ftyp = box("ftyp", QByteArray("heic") + bigEndian(0, 4) + "mif1heic");
    // Item 1 is the tile, item 2 the grid; the grid's data is in idat.
    const auto meta = [&](quint64 mdatOffset) {
        const QByteArray iloc = fullBox("iloc", 1, bigEndian(0x4400, 2) + bigEndian(2, 2)
            + bigEndian(1, 2) + bigEndian(0, 2) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(mdatOffset, 4) + bigEndian(quint64(tile.size()), 4)
            + bigEndian(2, 2) + bigEndian(1, 2) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(0, 4) + bigEndian(quint64(grid.size()), 4));
        const QByteArray iinf = fullBox("iinf", 0, bigEndian(2, 2) + fullBox("infe", 2, bigEndian(1, 2) + bigEndian(0, 2) + "hvc1" + '\0')
            + fullBox("infe", 2, bigEndian(2, 2) + bigEndian(0, 2) + (overlay ? "iovl" : "grid") + '\0'));
        const QByteArray claimedIspe = bigEndian(quint64(claimed.width()), 4) + bigEndian(quint64(claimed.height()), 4);
        const QByteArray ipco = box("ipco", hvcC + box("ispe", ispe) + fullBox("ispe", 0, claimedIspe));
        const QByteArray ipma = fullBox("ipma", 0, bigEndian(2, 4) + bigEndian(1, 2) + char(2) + char(0x81) + char(0x02)
            + bigEndian(2, 2) + char(1) + char(0x03));
        const QByteArray iref = fullBox("iref", 0, box("dimg", bigEndian(2, 2) + bigEndian(1, 2) + bigEndian(1, 2)));
        return fullBox("meta", 0, fullBox("hdlr", 0, bigEndian(0, 4) + "pict" + QByteArray(13, '\0'))
            + fullBox("pitm", 0, bigEndian(2, 2)) + iloc + iinf + box("iprp", ipco + ipma) + iref + box("idat", grid));
    };
    const int before = int(ftyp.size() + meta(0).size());
    return ftyp + meta(quint64(before) + 8) + box("mdat", tile);
}

QByteArray rgbProfile(const double p[6], double gamma)
{
    const cmsCIExyY white{0.3127, 0.3290, 1};
    const cmsCIExyYTRIPLE primaries{{p[0], p[1], 1}, {p[2], p[3], 1}, {p[4], p[5], 1}};
    const cmsFloat64Number srgb[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = gamma > 0 ? cmsBuildGamma(nullptr, gamma) : cmsBuildParametricToneCurve(nullptr, 4, srgb);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(int(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    cmsFreeToneCurve(curve);
    return bytes;
}

QByteArray wideGamutProfile()
{
    static const double wide[6] = {0.7347, 0.2653, 0.1596, 0.8404, 0.0366, 0.0001};
    return rgbProfile(wide);
}

QByteArray redGreenSwappedProfile()
{
    static const double swapped[6] = {0.30, 0.60, 0.64, 0.33, 0.15, 0.06};
    return rgbProfile(swapped);
}

QByteArray adobeRgbProfile()
{
    static const double adobe[6] = {0.64, 0.33, 0.21, 0.71, 0.15, 0.06};
    return rgbProfile(adobe, 563.0 / 256);
}

QByteArray displayP3Profile()
{
    static const double p3[6] = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060};
    return rgbProfile(p3);
}

QImage inProfile(const QImage& srgb, const QByteArray& profile)
{
    QImage out = srgb.convertToFormat(QImage::Format_RGB32);
    cmsHPROFILE from = cmsCreate_sRGBProfile();
    cmsHPROFILE to = cmsOpenProfileFromMem(profile.constData(), cmsUInt32Number(profile.size()));
    cmsHTRANSFORM transform = cmsCreateTransform(from, TYPE_BGRA_8, to, TYPE_BGRA_8, INTENT_RELATIVE_COLORIMETRIC, 0);
    for (int y = 0; y < out.height(); ++y)
        cmsDoTransform(transform, out.scanLine(y), out.scanLine(y), cmsUInt32Number(out.width()));
    cmsDeleteTransform(transform);
    cmsCloseProfile(from);
    cmsCloseProfile(to);
    return out;
}

QByteArray jpegWithProfile(const QByteArray& jpeg, const QByteArray& profile, int chunkBytes)
{
    QByteArray segments;
    const int count = int((profile.size() + chunkBytes - 1) / chunkBytes);
    for (int i = 0; i < count; ++i) {
        const QByteArray part = profile.mid(i * chunkBytes, chunkBytes);
        QByteArray payload = QByteArray("ICC_PROFILE\0", 12) + char(i + 1) + char(count) + part;
        const quint16 length = quint16(payload.size() + 2);
        segments += QByteArray("\xFF\xE2", 2) + char(length >> 8) + char(length & 0xFF) + payload;
    }
    return jpeg.left(2) + segments + jpeg.mid(2);
}

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray body = QByteArray(type, 4) + data;
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(data.size()), chunk.data());
    QByteArray tail(4, '\0');
    qToBigEndian(crc, tail.data());
    return chunk + body + tail;
}

QByteArray pngWithProfile(const QByteArray& png, const QByteArray& profile)
{
    uLongf size = compressBound(uLong(profile.size()));
    QByteArray packed(int(size), '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(profile.constData()),
             uLong(profile.size()));
    packed.resize(int(size));
    const int afterHeader = 8 + 25;
    return png.left(afterHeader) + pngChunk("iCCP", QByteArray("test\0\0", 6) + packed) + png.mid(afterHeader);
}

QImage smoothPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + 180 * x / width, 30 + 200 * y / height, 200 - 150 * (x + y) / (width + height)));
    return image;
}

double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QByteArray tiffOf(const QList<std::array<quint32, 4>>& entries, const QByteArray& extra)
{
    QByteArray out("II*\0\x08\0\0\0", 8);
    const auto put16 = [&out](quint32 v) { out += char(v & 0xFF); out += char((v >> 8) & 0xFF); };
    const auto put32 = [&](quint32 v) { put16(v & 0xFFFF); put16(v >> 16); };
    put16(quint32(entries.size()));
    for (const auto& entry : entries) {
        put16(entry[0]);
        put16(entry[1]);
        put32(entry[2]);
        if (entry[1] == 3 && entry[2] == 1) {
            put16(entry[3]);
            put16(0);
        } else {
            put32(entry[3]);
        }
    }
    put32(0);
    return out + extra;
}

QByteArray jpegMarkedAdobeRgb(const QByteArray& jpeg)
{
    // IFD0 (at 8, one entry) points to the EXIF directory at 26 (two
    // entries), which points to the interoperability directory at 56.
    QByteArray tiff = tiffOf({{0x8769, 4, 1, 26}});
    const QByteArray exifIfd = tiffOf({{0xA001, 3, 1, 0xFFFF}, {0xA005, 4, 1, 56}}).mid(8);
    const QByteArray interop = tiffOf({{0x0001, 2, 4, 0}}).mid(8);
    tiff += exifIfd + interop;
    tiff.replace(56 + 2 + 8, 4, QByteArray("R03\0", 4));
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const quint16 length = quint16(payload.size() + 2);
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + payload + jpeg.mid(2);
}
