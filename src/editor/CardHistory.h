#pragma once
// The card's undo history: every change to the card is one step that can be
// undone and redone. A step keeps only the rectangle of the card that changed
// (both copies, current image and base picture) and the editor settings that
// go with the card: layout, frame position and the tool buttons.
#include "platform/CardSurface.h"

#include <QString>
#include <QUndoStack>
#include <functional>

// What a step puts back besides the pixels.
struct CardLayoutState {
    int layout = 1;
    double frameX = 0, frameY = 0, frameWidth = 0, frameHeight = 0;
    bool toolButtonsEnabled = false;
    int currentTool = 0;
    QString toolCaption; // the tool label
    QString info;        // the help line
};

class CardHistory {
public:
    // The history keeps at least this many steps, and more while they fit the byte budget.
    static constexpr int MinimumSteps = 10;
    static constexpr qint64 DefaultByteBudget = qint64(256) * 1024 * 1024;

    using ReadState = std::function<CardLayoutState()>;
    using ApplyState = std::function<void(const CardLayoutState&)>;
    CardHistory(CardSurface& card, ReadState read, ApplyState apply);
    CardHistory(const CardHistory&) = delete;
    CardHistory& operator=(const CardHistory&) = delete;

    QUndoStack& stack() { return stack_; }
    void setByteBudget(qint64 bytes);
    // Bytes held by the steps, undone ones included.
    qint64 bytes() const;

    // Everything between begin() and its commit() is one change; a change
    // begun inside another joins it. A change that leaves every pixel of the
    // card as it was adds no step. A new step drops the steps that could be redone.
    void begin();
    void commit();
    bool recording() const { return depth_ > 0; }

    // A change that spans events, from a button's mouse-down to its mouse-up.
    // Presses of other buttons meanwhile join it; a second press of the same
    // button means its release was lost, and starts a new change.
    void openDrag(int button);
    void closeDrag(int button);

    // Refused while a change is being recorded: it would mix with that change.
    void undo();
    void redo();

    // Names the card as the history leaves it: every step gets a name of its
    // own, so undoing back to a state gives its name again, and dropping the
    // oldest steps changes no name. 0 is the card before the first step.
    quint64 currentState() const;

    // One change for the lifetime of the object.
    class Change {
    public:
        explicit Change(CardHistory& history) : history_(history) { history_.begin(); }
        ~Change() { history_.commit(); }
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        CardHistory& history_;
    };

private:
    void trim();

    CardSurface& card_;
    ReadState read_;
    ApplyState apply_;
    QUndoStack stack_;
    qint64 budget_ = DefaultByteBudget;
    int depth_ = 0;
    int dragButton_ = 0; // the button holding a drag open, 0 when none
    quint64 lastStepName_ = 0;
    quint64 oldestState_ = 0; // the state before the oldest step kept
    CardSnapshot before_;
    CardLayoutState stateBefore_;
};
