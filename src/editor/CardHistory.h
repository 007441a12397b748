#pragma once
// The card's undo history: every change to the card is one step that can be
// undone and redone. A step keeps only the rectangle of the card that changed
// (both copies, current image and base picture) and the editor settings that
// go with the card: layout, frame position, the tool buttons, the placed
// photos with their sources and placements, and the photo's caption.
#include "editor/CardPhotos.h"
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
    CardPhotos photos;
    QString photoCaption = QStringLiteral("*.*");
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

    // The change under way only placed or adjusted photos, or chose a photo
    // layout. Any other change that alters the card calls the handler set
    // here before its result is recorded: the photos are let go.
    void markPhotoChange() { photoChange_ = true; }
    void setOtherChangeHandler(std::function<void()> handler) { otherChange_ = std::move(handler); }

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
    // Bytes of the steps' pixels, and of the photo sources only they hold.
    qint64 pixelBytes() const;
    qint64 sourceBytes() const;
    bool joinLastStep(const CardSnapshot& written, const QRect& changed, int series, qint64 at);

    CardSurface& card_;
    ReadState read_;
    ApplyState apply_;
    QUndoStack stack_;
    qint64 budget_ = DefaultByteBudget;
    int depth_ = 0;
    int dragButton_ = 0; // the button holding a drag open, 0 when none
    quint64 lastStepName_ = 0;
    quint64 oldestState_ = 0; // the state before the oldest step kept
    bool photoChange_ = false;
    int series_ = 0;     // the series of the change under way, 0 when none
    std::function<void()> otherChange_;
    Clock clock_;
    CardSnapshot before_;
    CardLayoutState stateBefore_;
};
