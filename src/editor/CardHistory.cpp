#include "editor/CardHistory.h"

#include <chrono>
#include <memory>
#include <utility>
#include <vector>

namespace {

// What a QImage and a step cost beyond their pixels, so that many tiny steps
// still count.
constexpr qint64 StepOverhead = 1024;

// The four pictures of a snapshot, so that code can walk them.
using Picture = QImage CardSnapshot::*;
constexpr Picture Pictures[] = {&CardSnapshot::image, &CardSnapshot::basePicture,
                                &CardSnapshot::printImage, &CardSnapshot::printBasePicture};

// `snapshot` without the pictures that `like` does not hold.
CardSnapshot sameKinds(CardSnapshot snapshot, const CardSnapshot& like)
{
    for (Picture picture : Pictures)
        if ((like.*picture).isNull())
            snapshot.*picture = QImage();
    return snapshot;
}

struct StepData {
    quint64 name;       // the card's state after the step
    CardSnapshot other; // the changed rectangle as it is not on the card now
    bool keepsPixels = true; // false once trimming let `other` go
    CardLayoutState before;
    CardLayoutState after;
    std::function<QString()> editName; // when the document's edit does not name the step
    int series = 0; // the series of wheel steps it holds, 0 when none
    qint64 at = 0;  // when it was recorded last (milliseconds)

    QString describe() const
    {
        if (editName)
            return editName();
        const DocumentEdit edit = editBetween(before.document, after.document);
        return edit.operation ? edit.operation->name() : QString();
    }
};

// Undo and redo both swap the stored rectangle with the card's, so a step
// holds one copy of its rectangle whichever way it was last run.
class CardStep : public QUndoCommand {
public:
    CardStep(CardSurface& card, const CardHistory::ApplyState& apply, const CardHistory::DrawState& draw,
             const std::function<void(CardSide)>& showSide, std::shared_ptr<StepData> data)
        : card_(card), apply_(apply), draw_(draw), showSide_(showSide), data_(std::move(data))
    {
    }
    // The change is already on the card when the step is pushed.
    void redo() override
    {
        if (alreadyDone_) {
            alreadyDone_ = false;
            return;
        }
        showSide();
        swap(data_->after);
        apply_(data_->after);
    }
    void undo() override
    {
        showSide();
        swap(data_->before);
        apply_(data_->before);
    }
    const std::shared_ptr<StepData>& data() const { return data_; }
    qint64 bytes() const { return data_->other.bytes() + StepOverhead; }

private:
    // The step's pixels belong to the side it was made on.
    void showSide()
    {
        if (showSide_)
            showSide_(data_->before.side);
    }
    // The card becomes what it was in `to`: from the pixels kept, or drawn from the document.
    void swap(const CardLayoutState& to)
    {
        if (!data_->keepsPixels) {
            if (draw_)
                draw_(to);
            return;
        }
        CardSnapshot now = sameKinds(card_.snapshot(), data_->other).part(data_->other.rect);
        card_.restore(data_->other);
        data_->other = std::move(now);
    }

    CardSurface& card_;
    const CardHistory::ApplyState& apply_;
    const CardHistory::DrawState& draw_;
    const std::function<void(CardSide)>& showSide_;
    std::shared_ptr<StepData> data_;
    bool alreadyDone_ = true;
};

const CardStep& stepAt(const QUndoStack& stack, int index)
{
    return static_cast<const CardStep&>(*stack.command(index));
}

}

CardHistory::CardHistory(CardSurface& card, ReadState read, ApplyState apply, DrawState draw)
    : card_(card), read_(std::move(read)), apply_(std::move(apply)), draw_(std::move(draw))
{
}

void CardHistory::setByteBudget(qint64 bytes)
{
    budget_ = bytes;
    trim();
}

qint64 CardHistory::bytes() const
{
    qint64 total = 0;
    for (int i = 0; i < stack_.count(); ++i)
        total += stepAt(stack_, i).bytes();
    return total;
}

int CardHistory::stepsWithPixels() const
{
    int count = 0;
    for (int i = 0; i < stack_.count(); ++i)
        count += stepAt(stack_, i).data()->keepsPixels;
    return count;
}

QString CardHistory::undoName() const
{
    const int index = stack_.index();
    return index > 0 ? stepAt(stack_, index - 1).data()->describe() : QString();
}

std::vector<Operation> CardHistory::redoableAdditions(CardSide side) const
{
    std::vector<Operation> added;
    for (int i = stack_.index(); i < stack_.count(); ++i) {
        const StepData& data = *stepAt(stack_, i).data();
        if (data.before.side != side)
            continue;
        const DocumentEdit edit = editBetween(data.before.document, data.after.document);
        if (edit.kind == DocumentEdit::Added)
            added.push_back(edit.operation);
    }
    return added;
}

QString CardHistory::redoName() const
{
    const int index = stack_.index();
    return index < stack_.count() ? stepAt(stack_, index).data()->describe() : QString();
}

void CardHistory::begin()
{
    if (depth_++ > 0)
        return;
    before_ = card_.snapshot();
    stateBefore_ = read_();
}

void CardHistory::commit()
{
    if (depth_ == 0 || --depth_ > 0)
        return;
    const int series = std::exchange(series_, 0);
    std::function<QString()> name = std::exchange(name_, {});
    const QRect changed = card_.changedSince(before_);
    // A change that leaves every pixel as it was is no step, and an operation
    // it added (a narrower border over a wider one) is not kept either; taking
    // one out or changing one is a step all the same.
    if (changed.isEmpty()) {
        const CardDocument after = read_().document;
        const DocumentEdit edit = editBetween(stateBefore_.document, after);
        if (edit.kind == DocumentEdit::None || edit.kind == DocumentEdit::Added) {
            if (keepDocument_ && edit.kind == DocumentEdit::Added)
                keepDocument_(stateBefore_.document);
            before_ = {};
            return;
        }
    }
    // A picture the change never wrote still shares its pixels with the
    // snapshot; the step need not keep it (mostly the base pictures).
    CardSnapshot written = before_;
    const CardSnapshot now = card_.snapshot();
    for (Picture picture : Pictures)
        if ((now.*picture).constBits() == (before_.*picture).constBits())
            written.*picture = QImage();
    const qint64 at = clock_ ? clock_()
                             : std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch()).count();
    if (series == 0 || !joinLastStep(written, changed, series, at))
        stack_.push(new CardStep(card_, apply_, draw_, showSide_,
                                 std::make_shared<StepData>(StepData{++lastStepName_, written.part(changed), true,
                                                                     stateBefore_, read_(), std::move(name), series, at})));
    before_ = {};
    trim();
}

// The last step then reaches from the card before it to the card now: it
// keeps the pixels of both rectangles as they were before it.
bool CardHistory::joinLastStep(const CardSnapshot& written, const QRect& changed, int series, qint64 at)
{
    const int count = stack_.count();
    if (count == 0 || stack_.index() != count)
        return false;
    StepData& last = *stepAt(stack_, count - 1).data();
    if (!last.keepsPixels || last.series != series || at - last.at >= SeriesPause || at < last.at)
        return false;
    CardSnapshot kinds = before_;
    for (Picture picture : Pictures)
        if ((written.*picture).isNull() && (last.other.*picture).isNull())
            kinds.*picture = QImage();
    CardSnapshot joined = kinds.part(last.other.rect | changed);
    joined.paste(last.other);
    last.other = std::move(joined);
    last.after = read_();
    last.at = at;
    // The joined step leaves another card than before: a save in between no longer holds.
    last.name = ++lastStepName_;
    return true;
}

void CardHistory::openDrag(int button)
{
    if (dragButton_ != 0 && dragButton_ != button)
        return;
    closeDrag(button);
    begin();
    dragButton_ = button;
}

void CardHistory::closeDrag(int button)
{
    if (dragButton_ == 0 || dragButton_ != button)
        return;
    dragButton_ = 0;
    commit();
}

void CardHistory::undo()
{
    if (!recording())
        stack_.undo();
}

void CardHistory::redo()
{
    if (!recording())
        stack_.redo();
}

quint64 CardHistory::currentState() const
{
    const int index = stack_.index();
    return index > 0 ? stepAt(stack_, index - 1).data()->name : oldestState_;
}

void CardHistory::clear()
{
    stack_.clear();
    oldestState_ = ++lastStepName_;
}

// QUndoStack cannot drop its oldest commands one by one, so the steps that
// stay move over to a fresh stack. This only runs right after a push, when
// nothing can be redone. Over the byte budget the oldest steps first let
// their pixels go (they then draw the card from their documents); only
// beyond MaximumSteps do whole steps go.
void CardHistory::trim()
{
    const int count = stack_.count();
    if (stack_.index() != count)
        return;
    qint64 total = bytes();
    for (int i = 0; i + 1 < count && total > budget_; ++i) {
        StepData& data = *stepAt(stack_, i).data();
        if (!data.keepsPixels)
            continue;
        total -= data.other.bytes();
        data.other = CardSnapshot();
        data.keepsPixels = false;
    }
    if (count <= MaximumSteps)
        return;
    const int first = count - MaximumSteps;
    oldestState_ = stepAt(stack_, first - 1).data()->name;
    std::vector<std::shared_ptr<StepData>> kept;
    for (int i = first; i < count; ++i)
        kept.push_back(stepAt(stack_, i).data());
    stack_.clear();
    for (std::shared_ptr<StepData>& data : kept)
        stack_.push(new CardStep(card_, apply_, draw_, showSide_, std::move(data)));
}
