#pragma once
// The card's undo history: every change to the card is one step that can be
// undone and redone. A step keeps the card's document before and after it
// (the edit: an operation added, changed or removed) with the editor settings
// that go with the card: layout, frame position, tool and the photo's
// caption, and the side of the card it was made on with the other side. The pixels of the rectangle that changed are kept too, as a cache
// within a byte budget: a step that no longer has them draws the card again
// from its document.
#include "editor/CardDocument.h"
#include "editor/CardLayoutState.h"
#include "platform/CardSurface.h"

#include <QString>
#include <QUndoStack>
#include <functional>


class CardHistory {
public:
    // The history keeps at most this many steps; beyond the byte budget the
    // oldest steps first let their pixels go.
    static constexpr int MaximumSteps = 500;
    static constexpr qint64 DefaultByteBudget = qint64(16) * 1024 * 1024;

    using ReadState = std::function<CardLayoutState()>;
    using ApplyState = std::function<void(const CardLayoutState&)>;
    // Draws the card from the document of a state, for a step without pixels.
    using DrawState = std::function<void(const CardLayoutState&)>;
    CardHistory(CardSurface& card, ReadState read, ApplyState apply, DrawState draw = {});
    CardHistory(const CardHistory&) = delete;
    CardHistory& operator=(const CardHistory&) = delete;

    QUndoStack& stack() { return stack_; }
    void setByteBudget(qint64 bytes);
    // Bytes of pixels held by the steps, undone ones included.
    qint64 bytes() const;
    // Steps that still keep their pixels.
    int stepsWithPixels() const;

    // Everything between begin() and its commit() is one change; a change
    // begun inside another joins it. A change that leaves every pixel of the
    // card as it was adds no step unless it changed or removed an operation;
    // an operation it added goes again, through the handler set here. A new step drops the steps that could be redone.
    void begin();
    void commit();
    bool recording() const { return depth_ > 0; }

    // The name of the change under way, when the edit of its document does
    // not say it (a new card). Made when shown.
    void nameChange(std::function<QString()> name) { name_ = std::move(name); }
    void setDocumentKeeper(std::function<void(const CardDocument&)> keep) { keepDocument_ = std::move(keep); }
    // Before a step is undone or redone the card shows the side it was made on, through this handler.
    void setSideShower(std::function<void(CardSide)> show) { showSide_ = std::move(show); }
    // The names of the edits that undo and redo would take back or bring
    // back (empty when there is none): "Foto", "Tekst ...", a tool or menu caption.
    QString undoName() const;
    QString redoName() const;
    // The operations that redo would add again to `side`, in the order it would add them.
    std::vector<Operation> redoableAdditions(CardSide side = CardSide::Front) const;

    // The change under way is a step of the series `key` (wheel steps on one
    // photo): it joins the last step when that was of the same series, is
    // still the last, and came less than SeriesPause before.
    static constexpr qint64 SeriesPause = 1000; // milliseconds
    void joinSeries(int key) { series_ = key; }
    using Clock = std::function<qint64()>; // milliseconds, never going back
    void setClock(Clock clock) { clock_ = std::move(clock); }

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
    // Forgets every step, for a card opened from a file; the card as it is
    // gets a name of its own.
    void clear();

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
    bool joinLastStep(const CardSnapshot& written, const QRect& changed, int series, qint64 at);

    CardSurface& card_;
    ReadState read_;
    ApplyState apply_;
    DrawState draw_;
    QUndoStack stack_;
    qint64 budget_ = DefaultByteBudget;
    int depth_ = 0;
    int dragButton_ = 0; // the button holding a drag open, 0 when none
    quint64 lastStepName_ = 0;
    quint64 oldestState_ = 0; // the state before the oldest step kept
    int series_ = 0;     // the series of the change under way, 0 when none
    std::function<QString()> name_;
    std::function<void(const CardDocument&)> keepDocument_;
    std::function<void(CardSide)> showSide_;
    Clock clock_;
    CardSnapshot before_;
    CardLayoutState stateBefore_;
};
