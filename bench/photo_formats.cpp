// The newer photo formats into the layout-1 frame on both copies of the card,
// each against the plain decoder of the same file, in the same benchmark:
//  - a 12-megapixel HEIC (4032 x 3024) against libheif's own decode;
//  - a 24-megapixel PNG against QImageReader;
//  - a 12-megapixel JPEG carrying a Display P3 profile against the same JPEG
//    without it (the cost of the colour conversion).
// Each reports the ratio as "times_plain".
#include "platform/CardSurface.h"
#include "platform/PhotoForCard.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <lcms2.h>
#include <libheif/heif.h>

namespace {

QTemporaryDir* folder = nullptr;

// Smooth colour fields with grain, like a photo.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgb((x / 24 + grain) & 0xFF, (y / 16 + grain) & 0xFF, ((x + y) / 40 + grain) & 0xFF);
        }
    }
    return image;
}

heif_error append(heif_context*, const void* data, size_t size, void* out)
{
    static_cast<QFile*>(out)->write(static_cast<const char*>(data), qint64(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

QString writeHeic(const QImage& image)
{
    const QString path = folder->filePath("photo.heic");
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 85);
    heif_encoder_set_parameter_string(encoder, "preset", "ultrafast");
    heif_image* picture = nullptr;
    heif_image_create(image.width(), image.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &picture);
    heif_image_add_plane(picture, heif_channel_interleaved, image.width(), image.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(picture, heif_channel_interleaved, &stride);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), rgb.width() * 3, plane + y * stride);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    heif_writer writer{1, append};
    if (heif_context_encode_image(context, picture, encoder, nullptr, nullptr).code == heif_error_Ok)
        heif_context_write(context, &writer, &file);
    heif_image_release(picture);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return path;
}

QByteArray displayP3Profile()
{
    const cmsCIExyY white{0.3127, 0.3290, 1};
    const cmsCIExyYTRIPLE primaries{{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}};
    const cmsFloat64Number srgb[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgb);
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

QString writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(folder->filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

QByteArray withProfile(const QByteArray& jpeg, const QByteArray& profile)
{
    QByteArray payload = QByteArray("ICC_PROFILE\0", 12) + char(1) + char(1) + profile;
    const quint16 length = quint16(payload.size() + 2);
    return jpeg.left(2) + QByteArray("\xFF\xE2", 2) + char(length >> 8) + char(length & 0xFF) + payload + jpeg.mid(2);
}

double bestMs(const std::function<void()>& run, int times = 3)
{
    double best = 1e12;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void intoLayout1(const QString& path)
{
    static CardSurface card;
    const QRectF frame(0, 0, CardSurface::CardWidth, CardSurface::CardHeight);
    const auto picture = loadPhotoForCard(path, frame.size().toSize());
    if (picture)
        card.paintPhoto(picture->image, frame);
    benchmark::DoNotOptimize(card.printImage().constBits());
}

void compare(benchmark::State& state, const QString& path, const std::function<void()>& plain)
{
    double ours = 0;
    for (auto _ : state)
        ours = bestMs([&] { intoLayout1(path); });
    const double reference = bestMs(plain);
    state.counters["ours_ms"] = ours;
    state.counters["plain_ms"] = reference;
    state.counters["times_plain"] = ours / reference;
}

void BM_Heic12MpIntoLayout1(benchmark::State& state)
{
    static const QString path = writeHeic(photo(4032, 3024));
    compare(state, path, [] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray data = file.readAll();
        heif_context* context = heif_context_alloc();
        heif_context_read_from_memory_without_copy(context, data.constData(), size_t(data.size()), nullptr);
        heif_image_handle* handle = nullptr;
        heif_context_get_primary_image_handle(context, &handle);
        heif_image* image = nullptr;
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
        heif_image_release(image);
        heif_image_handle_release(handle);
        heif_context_free(context);
    });
}
BENCHMARK(BM_Heic12MpIntoLayout1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Png24MpIntoLayout1(benchmark::State& state)
{
    static const QString path = [] {
        const QString file = folder->filePath("photo.png");
        QImageWriter writer(file, "png");
        writer.setCompression(1);
        writer.write(photo(6000, 4000));
        return file;
    }();
    compare(state, path, [] {
        QImageReader reader(path);
        benchmark::DoNotOptimize(reader.read().constBits());
    });
}
BENCHMARK(BM_Png24MpIntoLayout1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Jpeg12MpDisplayP3IntoLayout1(benchmark::State& state)
{
    static const QByteArray jpeg = jpegOf(photo(4032, 3024));
    static const QString plain = writeFile("plain.jpg", jpeg);
    static const QString tagged = writeFile("p3.jpg", withProfile(jpeg, displayP3Profile()));
    compare(state, tagged, [] { intoLayout1(plain); });
}
BENCHMARK(BM_Jpeg12MpDisplayP3IntoLayout1)->Unit(benchmark::kMillisecond)->Iterations(1);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    folder = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
