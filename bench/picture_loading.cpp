// Loading a 6000 x 4000 JPEG into a 258 x 182 frame (decoded at reduced scale)
// next to a full decode. Besides the time, each benchmark reports how far the
// process's peak resident memory rose above what it was before any load.
#include "platform/PictureLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString photoPath;
long baselinePeakKb = 0;

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes a photo-like picture (smooth colour fields with grain). Runs in a child
// process so that the 96 MB source image does not count in our own peak.
bool writePhoto(const QString& path)
{
    const pid_t child = fork();
    if (child == 0) {
        QImage photo(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int grain = int(random.bounded(24));
                line[x] = qRgb((x / 24 + grain) & 0xFF, (y / 16 + grain) & 0xFF, ((x + y) / 40 + grain) & 0xFF);
            }
        }
        _exit(photo.save(path, "JPG", 90) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void load(benchmark::State& state, QSize target)
{
    state.counters["file_MB"] = double(QFileInfo(photoPath).size()) / (1024 * 1024);
    for (auto _ : state) {
        const auto picture = PictureLoader::load(photoPath, target);
        if (!picture || picture->width != 6000) {
            state.SkipWithError("the photo did not load");
            return;
        }
        benchmark::DoNotOptimize(picture->image.constBits());
    }
    state.counters["peak_extra_MB"] = double(peakKb() - baselinePeakKb) / 1024;
}

// The frame load runs first: peak memory only grows, so its figure is its own.
void BM_LoadIntoFrame(benchmark::State& state)
{
    load(state, QSize(258, 182));
}
BENCHMARK(BM_LoadIntoFrame)->Unit(benchmark::kMillisecond);

void BM_FullDecode(benchmark::State& state)
{
    load(state, QSize());
}
BENCHMARK(BM_FullDecode)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    photoPath = dir.filePath("photo.jpg");
    if (!writePhoto(photoPath))
        return 1;
    // Loads the JPEG plugin before the baseline is taken.
    QImage tiny(8, 8, QImage::Format_RGB32);
    tiny.fill(Qt::gray);
    tiny.save(dir.filePath("tiny.jpg"), "JPG");
    PictureLoader::load(dir.filePath("tiny.jpg"));
    baselinePeakKb = peakKb();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
