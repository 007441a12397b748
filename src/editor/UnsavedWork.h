#pragma once
// Whether the card holds work that was not saved: the card's state, as the
// undo history names it, differs from the state last saved. Undoing back to
// the saved state counts as unchanged, however many old steps were dropped.
#include <QString>

class CardHistory;

class UnsavedWork {
public:
    explicit UnsavedWork(const CardHistory& history);

    // The card as it is now is saved, or holds nothing to lose.
    void markSaved();
    // The card as it is now holds work never saved (a recovered card).
    void markUnsaved();
    bool unsaved() const;

    // The design's `question`, headed by a warning while work is unsaved.
    QString question(const QString& designed) const;

private:
    const CardHistory& history_;
    quint64 saved_;
};
