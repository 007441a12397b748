#include "editor/CardReplay.h"

#include "platform/CardSurface.h"
#include "platform/EventPump.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

std::vector<quint64> prefixOf(const CardDocument& document, int count)
{
    std::vector<quint64> ids;
    ids.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        ids.push_back(document.at(i).id());
    return ids;
}

bool startsWith(const CardDocument& document, int count, const std::vector<quint64>& prefix)
{
    if (int(prefix.size()) > count)
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (document.operations[i]->id() != prefix[i])
            return false;
    return true;
}

}

void CardReplay::setByteBudget(qint64 bytes)
{
    budget_ = bytes;
    trim();
}

qint64 CardReplay::bytes() const
{
    qint64 total = 0;
    for (const Checkpoint& checkpoint : checkpoints_)
        total += checkpoint.bytes();
    return total;
}

const CardReplay::Checkpoint* CardReplay::nearest(const CardDocument& document, int count, bool needsPrint)
{
    Checkpoint* best = nullptr;
    for (Checkpoint& checkpoint : checkpoints_)
        if ((!needsPrint || !checkpoint.print.isNull()) && startsWith(document, count, checkpoint.prefix)
            && (!best || checkpoint.prefix.size() > best->prefix.size()))
            best = &checkpoint;
    if (best)
        best->used = ++clock_;
    return best;
}

void CardReplay::replay(CardSurface& card, const CardDocument& document, int count, const ProgressDisplays& progress)
{
    // The card is drawn inside an event handler: no other event may come in between.
    const EventPump::Pause pause;
    draw(card, document, count, progress, false);
}

void CardReplay::replayLettingEventsRun(CardSurface& card, const CardDocument& document, const ProgressDisplays& progress)
{
    draw(card, document, -1, progress, true);
}

void CardReplay::draw(CardSurface& card, const CardDocument& document, int count, const ProgressDisplays& progress,
                      bool letEventsRun)
{
    if (count < 0 || count > document.size())
        count = document.size();
    const bool screenOnly = card.screenOnly();
    int first = 0;
    if (const Checkpoint* start = nearest(document, count, !screenOnly)) {
        first = int(start->prefix.size());
        card.setImages(start->screen, start->print);
    } else {
        card.clear();
    }
    QElapsedTimer sinceCheckpoint;
    sinceCheckpoint.start();
    for (int i = first; i < count; ++i) {
        drawOperation(card, document.at(i), progress);
        if (letEventsRun)
            EventPump::letEventsRun();
        if (!screenOnly && i + 1 < count && sinceCheckpoint.elapsed() >= CheckpointSpacing) {
            remember(card, document, i + 1);
            sinceCheckpoint.restart();
        }
    }
    if (!screenOnly)
        remember(card, document, count);
    card.refresh();
}

void CardReplay::remember(const CardSurface& card, const CardDocument& document, int count)
{
    if (count < 0 || count > document.size())
        count = document.size();
    if (card.screenOnly())
        return;
    // The card's pictures are shared until the card is drawn on again.
    keep({prefixOf(document, count), card.image(), card.printImage(), ++clock_});
}

void CardReplay::drawnLive(const CardSurface& card, const CardDocument& document, qint64 milliseconds)
{
    liveSinceCheckpoint_ += milliseconds;
    if (liveSinceCheckpoint_ >= CheckpointSpacing)
        remember(card, document);
}

void CardReplay::keep(Checkpoint checkpoint)
{
    liveSinceCheckpoint_ = 0;
    checkpoints_.erase(std::remove_if(checkpoints_.begin(), checkpoints_.end(),
                                      [&](const Checkpoint& c) { return c.prefix == checkpoint.prefix; }),
                       checkpoints_.end());
    checkpoints_.push_back(std::move(checkpoint));
    trim();
}

// The least recently used go first; the newest always stays.
void CardReplay::trim()
{
    while (checkpoints_.size() > 1 && bytes() > budget_) {
        auto oldest = std::min_element(checkpoints_.begin(), checkpoints_.end() - 1,
                                       [](const Checkpoint& a, const Checkpoint& b) { return a.used < b.used; });
        checkpoints_.erase(oldest);
    }
    if (budget_ <= 0)
        checkpoints_.clear();
}
