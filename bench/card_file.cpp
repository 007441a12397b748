// The card file with nine photos from 12-megapixel JPEGs in layout 9 and 200
// operations over them (freehand lines, texts, sprays, fills):
//  - saving it (goal: under 1 s);
//  - opening it, the card drawn from what was read (goal: at most 1.3 times
//    loading the nine photos one by one into layout 9, BM_LoadNinePhotos).
// Each benchmark shows its goal as goal_ms or goal_ratio.
#include "OffscreenMain.h"
#include "HeadlessCard.h"
#include "LaterOperations.h"
#include "document/CardFile.h"
#include "editor/PhotoOpen.h"
#include "editor/PhotoSource.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void loadNinePhotos(HeadlessCard& card)
{
    card.chooseLayout(9, 0, 0, 172, 122);
    for (int i = 0; i < 9; ++i)
        openPhotoFile(card, twelveMegapixelJpeg());
}

struct SavedCard {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("kaart.prentvel"));
    CardFileContent content;
    HeadlessCard card;
    SavedCard()
    {
        loadNinePhotos(card);
        addLaterOperations(card, 200);
        content.front.layout = 9;
        content.front.document = card.state().document;
        content.back.side = CardSide::Back;
    }
};

SavedCard& savedCard()
{
    static SavedCard saved;
    return saved;
}

void BM_LoadNinePhotos(benchmark::State& state)
{
    for (auto _ : state) {
        PhotoSource::dropCache();
        HeadlessCard card;
        loadNinePhotos(card);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
    }
}
BENCHMARK(BM_LoadNinePhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveCard(benchmark::State& state)
{
    SavedCard& saved = savedCard();
    const QImage front = saved.card.card().printImage();
    for (auto _ : state) {
        const QString error = CardFile::write(saved.path, saved.content, front);
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["operations"] = saved.content.front.document.size();
    state.counters["MB"] = QFileInfo(saved.path).size() / 1e6;
    state.counters["goal_ms"] = 1000;
}
BENCHMARK(BM_SaveCard)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenCard(benchmark::State& state)
{
    SavedCard& saved = savedCard();
    if (!QFileInfo::exists(saved.path))
        CardFile::write(saved.path, saved.content, saved.card.card().printImage());
    const QImage drawn = saved.card.card().printImage();
    CardSurface card;
    for (auto _ : state) {
        PhotoSource::dropCache();
        QString error;
        const auto read = CardFile::read(saved.path, error);
        if (!read) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        CardReplay().replay(card, read->front.document);
        benchmark::DoNotOptimize(card.printImage().constBits());
    }
    if (card.printImage() != drawn)
        state.SkipWithError("the card read back draws another card");
    state.counters["goal_ratio"] = 1.3;
}
BENCHMARK(BM_OpenCard)->Unit(benchmark::kMillisecond)->Iterations(3);

}

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
