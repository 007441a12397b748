// The desktop's thumbnailer on a card file of nine photos (9 x 6 MB stored,
// a print-size preview, the thumbnail last): the thumbnail copied out and
// scaled to the sizes file managers ask (128 and 256), in this process and
// as the whole prentvel-thumbnailer program started the way the desktop does.
// Goal: under 50 ms.
#include "CardThumbnailer.h"
#include "document/CardFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <zip.h>

namespace {

QTemporaryDir* folder = nullptr;
QString cardPath;

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Smooth colour fields with grain, like a photo.
QImage photoLike(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgb((x * 255 / size.width() + grain) & 255, (y * 255 / size.height() + grain) & 255, (128 + grain) & 255);
        }
    }
    return image;
}

bool writeNinePhotoCard(const QString& path)
{
    std::vector<std::pair<QByteArray, QByteArray>> members;   // name, bytes
    members.emplace_back("mimetype", CardFile::MimeType.toLatin1());
    members.emplace_back("content.json", QByteArray(20000, ' '));
    for (int n = 0; n < 9; ++n) {
        QByteArray photo(6 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator(n).fillRange(reinterpret_cast<quint32*>(photo.data()), photo.size() / 4);
        members.emplace_back("Photos/" + QByteArray::number(n) + ".jpg", photo);
    }
    const QImage front = photoLike(QSize(2060, 1460));
    members.emplace_back("preview.png", png(front));
    members.emplace_back("Thumbnails/thumbnail.png", png(front.scaled(256, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (const auto& [name, bytes] : members) {
        zip_source_t* source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = zip_file_add(zip, name.constData(), source, 0);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
        zip_set_file_compression(zip, zip_uint64_t(index), name.endsWith(".json") ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    return zip_close(zip) == 0;
}

void ThumbnailerWork(benchmark::State& state)
{
    const QString output = folder->filePath(QStringLiteral("work.png"));
    for (auto _ : state) {
        const QString error = writeCardThumbnail(cardPath, output, int(state.range(0)));
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["goal_ms"] = 50;
}
BENCHMARK(ThumbnailerWork)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond);

void ThumbnailerProgram(benchmark::State& state)
{
    const QStringList arguments{QStringLiteral("-s"), QString::number(state.range(0)), cardPath,
                                folder->filePath(QStringLiteral("program.png"))};
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(PRENTVEL_THUMBNAILER), arguments);
        if (!process.waitForFinished(10000) || process.exitCode() != 0)
            state.SkipWithError("prentvel-thumbnailer failed");
    }
    state.counters["goal_ms"] = 50;
}
BENCHMARK(ThumbnailerProgram)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    QTemporaryDir temporary;
    folder = &temporary;
    cardPath = temporary.filePath(QStringLiteral("nine-photos.prentvel"));
    if (!writeNinePhotoCard(cardPath)) {
        std::fprintf(stderr, "cannot write the card file\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
