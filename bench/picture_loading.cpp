// Loading a 6000 x 4000 JPEG into a 258 x 182 frame (decoded at reduced scale)
// next to a full decode, and into the layout-1 frame on both copies of the
// card as "Open Foto / Kaart" puts it there (the file kept, its source decoded
// at up to twice the print frame, both copies painted), compared with `djpeg`
// decoding the same file at full size (from the libjpeg-turbo-progs package;
// scripts/bench installs it). Besides the time,
// each benchmark reports how far the process's peak resident memory rose above
// what it was before any load.
#include "HeadlessCard.h"
#include "editor/CardHistory.h"
#include "editor/PhotoOpen.h"
#include "editor/PhotoSource.h"
#include "filters/RunFilter.h"
#include "platform/CardSurface.h"
#include "platform/PhotoForCard.h"
#include "platform/PictureLoader.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QStandardPaths>

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

void BM_PeakWithPhotoFilterAndUndo(benchmark::State& state);
BENCHMARK(BM_PeakWithPhotoFilterAndUndo)->Unit(benchmark::kMillisecond)->Iterations(1);

// Milliseconds `djpeg` takes to decode the photo at full size (best of three),
// or a negative number when djpeg is not there.
double djpegFullSizeMs()
{
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty())
        return -1;
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const pid_t child = fork();
        if (child == 0) {
            const QByteArray program = djpeg.toLocal8Bit(), file = photoPath.toLocal8Bit();
            execl(program.constData(), "djpeg", "-outfile", "/dev/null", file.constData(), nullptr);
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return -1;
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// The photo opened into layout 1: one decode serves both copies of the card
// and the source it keeps.
void BM_LoadIntoLayout1BothCopies(benchmark::State& state)
{
    QElapsedTimer timer;
    qint64 nanoseconds = 0;
    for (auto _ : state) {
        HeadlessCard card;
        card.chooseLayout(1, 0, 0, CardSurface::CardWidth, CardSurface::CardHeight);
        PhotoSource::dropCache();
        timer.start();
        openPhotoFile(card, photoPath);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
        nanoseconds += timer.nsecsElapsed();
        if (card.state().document.size() != 1) {
            state.SkipWithError("the photo did not load");
            return;
        }
    }
    const double djpeg = djpegFullSizeMs();
    state.counters["djpeg_ms"] = djpeg;
    if (djpeg > 0 && state.iterations() > 0)
        state.counters["times_djpeg"] = nanoseconds / 1e6 / double(state.iterations()) / djpeg;
}
BENCHMARK(BM_LoadIntoLayout1BothCopies)->Unit(benchmark::kMillisecond);

// The whole card at its largest: the photo in layout 1 on both copies and one
// filter (Blur) over both copies, each a step of the undo history. Reports the
// process's peak resident memory in all, so it runs before the full decode.
void BM_PeakWithPhotoFilterAndUndo(benchmark::State& state)
{
    for (auto _ : state) {
        CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
        CardHistory history(card, [] { return CardLayoutState(); }, [](const CardLayoutState&) {});
        const QRectF frame(0, 0, CardSurface::CardWidth, CardSurface::CardHeight);
        {
            CardHistory::Change change(history);
            if (const auto picture = loadPhotoForCard(photoPath, frame.size().toSize()))
                card.paintPhoto(picture->image, frame);
        }
        {
            CardHistory::Change change(history);
            int progress = 0;
            RunFilter(3, card, 0, progress);
        }
        state.counters["undo_MB"] = double(history.bytes()) / (1024 * 1024);
    }
    state.counters["peak_total_MB"] = double(peakKb()) / 1024;
    state.counters["peak_extra_MB"] = double(peakKb() - baselinePeakKb) / 1024;
}

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
