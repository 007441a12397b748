// Changing a text already on the card. A photo opened from a 12-megapixel
// JPEG (4000 x 3000) in layout 1, a text over it, and 50 operations after
// the text (freehand lines, texts, sprays, fills, with Blur among them):
//  - one letter typed into the selected text: the screen copy with every
//    later operation replayed over it (goal: under 16 ms);
//  - one drag step of the selected text, the same on the screen copy
//    (under 16 ms);
//  - the print copy once typing pauses, after a letter (under 400 ms);
// and a card of 200 operations, Blur, Sharpen and Aquarel among the ones
// after the middle, with the step in the middle removed: both copies drawn
// again without it (under 1.5 s).
// Each benchmark shows its goal as goal_ms.
#include "OffscreenMain.h"
#include "HeadlessCard.h"
#include "LaterOperations.h"
#include "editor/PhotoOpen.h"
#include "editor/TextSelection.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

constexpr int LeftButton = 1;
// The document: the photo, then the text, then the later operations.
constexpr int TextIndex = 1;
const QString Word = QStringLiteral("Zomer");
const QString LongerWord = QStringLiteral("Zomers");

const TextOperation* textOnCard(HeadlessCard& card)
{
    const CardDocument& document = card.state().document;
    if (document.size() <= TextIndex || document.at(TextIndex).kind() != OperationKind::Text)
        return nullptr;
    return static_cast<const TextOperation*>(&document.at(TextIndex));
}

// Layout 1 with the photo, the text at (60, 80) in Liberation Sans 30, and
// `later` operations after it.
struct CardWithText {
    HeadlessCard card;
    CardWithText(int later, const std::map<int, int>& filters)
    {
        card.chooseLayout(1, 0, 0, 515, 365);
        card.state().cropPhotos = true;
        openPhotoFile(card, twelveMegapixelJpeg());
        const TextFont font{QStringLiteral("Liberation Sans"), 30, false, false, false};
        const TextInk ink{false, Rgb{255, 255, 255}.value(), Rgb{20, 30, 120}.value()};
        addOperation(card, std::make_shared<TextOperation>(Word, font, ink, false, QPoint(60, 80)));
        addLaterOperations(card, later, filters);
    }
    // Whether the document holds `operations` in all: an operation that
    // changes no pixel (a text placed past the edge) is not kept.
    bool ready(int operations)
    {
        return card.state().document.size() == operations && card.state().document.at(0).kind() != OperationKind::Text
               && textOnCard(card);
    }
};

// Types into the selected text what `word` says, as the text panel does.
void typeWord(HeadlessCard& card, const QString& word)
{
    card.state().textChoice.text = word;
    textPanelChanged(card);
}

void BM_LetterOnTheScreen(benchmark::State& state)
{
    CardWithText setup(50, {{25, FiltersEntry::Blur}});
    HeadlessCard& card = setup.card;
    if (!setup.ready(52)) {
        state.SkipWithError("the card was not made");
        return;
    }
    selectText(card, TextIndex);
    if (selectedText(card.state()) != TextIndex) {
        state.SkipWithError("the text was not selected");
        return;
    }
    typeWord(card, LongerWord); // the first letter opens the step of the typing
    int n = 0;
    for (auto _ : state) {
        typeWord(card, n++ % 2 ? LongerWord : Word);
        benchmark::DoNotOptimize(card.card().image().constBits());
    }
    const QImage shown = card.card().image();
    typeWord(card, textOnCard(card)->text() == Word ? LongerWord : Word);
    if (textOnCard(card)->text() != card.state().textChoice.text || card.card().image() == shown)
        state.SkipWithError("the letter did not show");
    finishTextEditing(card);
    state.counters["goal_ms"] = 16;
}
BENCHMARK(BM_LetterOnTheScreen)->Unit(benchmark::kMillisecond);

// A point of the text that a click selects it at: no later operation covers it.
std::optional<QPoint> pointOnText(HeadlessCard& card)
{
    const QRect area = textOnCard(card)->area();
    const QPoint middle = area.center();
    for (int dx = 0; dx < area.width() / 2; dx += 3)
        for (const int x : {middle.x() - dx, middle.x() + dx})
            if (textAt(card, QPoint(x, middle.y())) == TextIndex)
                return QPoint(x, middle.y());
    return std::nullopt;
}

void BM_DragStepOfText(benchmark::State& state)
{
    CardWithText setup(50, {{25, FiltersEntry::Blur}});
    HeadlessCard& card = setup.card;
    if (!setup.ready(52)) {
        state.SkipWithError("the card was not made");
        return;
    }
    selectText(card, TextIndex);
    const std::optional<QPoint> press = pointOnText(card);
    if (!press || !textMouseDown(card, LeftButton, press->x(), press->y())) {
        state.SkipWithError("no press took the text");
        return;
    }
    const double x = press->x(), y = press->y();
    textMouseMove(card, LeftButton, x + 1, y + 1); // keeps the card drawn up to the text
    int n = 0;
    for (auto _ : state) {
        ++n;
        textMouseMove(card, LeftButton, x + n % 9 - 4, y + n % 7 - 3);
        benchmark::DoNotOptimize(card.card().image().constBits());
    }
    const QPoint before = textOnCard(card)->at();
    textMouseUp(card, LeftButton, x + 5, y + 6);
    if (textOnCard(card)->at() != before + QPoint(5, 6))
        state.SkipWithError("the text did not move");
    state.counters["goal_ms"] = 16;
}
BENCHMARK(BM_DragStepOfText)->Unit(benchmark::kMillisecond);

void BM_PrintCopyAfterLetter(benchmark::State& state)
{
    CardWithText setup(50, {{25, FiltersEntry::Blur}});
    HeadlessCard& card = setup.card;
    if (!setup.ready(52)) {
        state.SkipWithError("the card was not made");
        return;
    }
    selectText(card, TextIndex);
    const QImage printed = card.card().printImage();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString& word = n++ % 2 ? Word : LongerWord;
        typeWord(card, word);
        state.ResumeTiming();
        finishTextEditing(card);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
        if (card.state().textEditing || textOnCard(card)->text() != word) {
            state.SkipWithError("the letter was not kept");
            return;
        }
    }
    if (textOnCard(card)->text() == Word) {
        typeWord(card, LongerWord);
        finishTextEditing(card);
    }
    if (card.card().printImage() == printed)
        state.SkipWithError("the print copy did not change");
    state.counters["goal_ms"] = 400;
}
BENCHMARK(BM_PrintCopyAfterLetter)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_RemoveMiddleStep(benchmark::State& state)
{
    // 200 operations: the photo, the text and 198 after them (of 199 added,
    // one text falls past the edge of the card), with the filters after the
    // removed step, so that all of them are drawn again.
    constexpr int Later = 199, Operations = 200, Removed = 100;
    const std::map<int, int> filters{{120, FiltersEntry::Blur}, {150, FiltersEntry::Sharpen}, {170, FiltersEntry::Aquarel}};
    std::optional<CardWithText> setup;
    for (auto _ : state) {
        state.PauseTiming();
        setup.reset();
        setup.emplace(Later, filters);
        HeadlessCard& card = setup->card;
        if (!setup->ready(Operations)) {
            state.SkipWithError("the card was not made");
            return;
        }
        const quint64 removed = card.state().document.at(Removed).id();
        const quint64 next = card.state().document.at(Removed + 1).id();
        state.ResumeTiming();
        removeOperation(card, Removed);
        benchmark::DoNotOptimize(card.card().printImage().constBits());
        state.PauseTiming();
        const CardDocument& document = card.state().document;
        if (document.size() != Operations - 1 || document.at(Removed).id() == removed || document.at(Removed).id() != next) {
            state.SkipWithError("the step was not removed");
            return;
        }
        state.ResumeTiming();
    }
    state.counters["operations"] = Operations;
    state.counters["goal_ms"] = 1500;
}
BENCHMARK(BM_RemoveMiddleStep)->Unit(benchmark::kMillisecond)->Iterations(3);

}

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
