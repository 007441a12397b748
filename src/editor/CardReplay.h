#pragma once
// Draws a card from its document. Pixels of the card at points of the list
// are kept as checkpoints, a cache within a byte budget, so that an edit deep
// in the list replays only from the nearest checkpoint before it instead of
// from the blank card.
#include "editor/CardDocument.h"

#include <QImage>
#include <vector>

class CardSurface;

class CardReplay {
public:
    // With the history's pixels (CardHistory::DefaultByteBudget) the card's
    // cached pixels stay within 64 MB.
    static constexpr qint64 DefaultByteBudget = qint64(48) * 1024 * 1024;
    // A replay keeps a checkpoint once it has drawn this long since the last one.
    static constexpr qint64 CheckpointSpacing = 30; // milliseconds

    void setByteBudget(qint64 bytes);
    qint64 bytes() const;
    int checkpointCount() const { return int(checkpoints_.size()); }
    void clear() { checkpoints_.clear(); }

    // Makes the card what the first `count` operations of `document` draw
    // (all of them when `count` is negative): from the checkpoint nearest
    // before that point, or from a blank card. In the card's screen-only mode
    // only the screen copy is drawn and no checkpoint is kept or used for print.
    void replay(CardSurface& card, const CardDocument& document, int count = -1,
                const ProgressDisplays& progress = ProgressDisplays::quiet());
    // The same for a long replay outside any mouse gesture: window events run
    // between the operations (the caller holds the busy guard), and the
    // filters among them move their progress displays.
    void replayLettingEventsRun(CardSurface& card, const CardDocument& document, const ProgressDisplays& progress);
    // Keeps the card as it is now as the checkpoint after the first `count`
    // operations of `document` (all when negative).
    void remember(const CardSurface& card, const CardDocument& document, int count = -1);
    // An operation was drawn live in `milliseconds`, making the card what
    // `document` draws: a checkpoint is kept once CheckpointSpacing of drawing
    // has passed since the last one.
    void drawnLive(const CardSurface& card, const CardDocument& document, qint64 milliseconds);

private:
    struct Checkpoint {
        std::vector<quint64> prefix; // the ids of the operations drawn
        QImage screen;
        QImage print;                // null for a screen-only checkpoint
        quint64 used = 0;
        qint64 bytes() const { return screen.sizeInBytes() + print.sizeInBytes(); }
    };
    // The checkpoint with the longest prefix of `document` up to `count` that
    // has the copies the card needs, or nullptr.
    const Checkpoint* nearest(const CardDocument& document, int count, bool needsPrint);
    void draw(CardSurface& card, const CardDocument& document, int count, const ProgressDisplays& progress, bool letEventsRun);
    void keep(Checkpoint checkpoint);
    void trim();

    std::vector<Checkpoint> checkpoints_;
    qint64 budget_ = DefaultByteBudget;
    quint64 clock_ = 0;
    qint64 liveSinceCheckpoint_ = 0; // milliseconds of live drawing since the last checkpoint
};
