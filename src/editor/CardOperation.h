#pragma once
// One step of how the card was made: everything needed to draw it again on
// the card as it stood before it. The card is the list of its operations
// drawn in order (CardDocument); drawing a tool's stroke live and replaying
// it later run the same draw().
#include <QJsonObject>
#include <QPoint>
#include <QString>
#include <QtGlobal>
#include <memory>

class CardSurface;
class PhotoList;
class Progress;

// Where long operations report while they draw: the strip follows the
// numbered filters, the bar the effects.
struct ProgressDisplays {
    Progress& filters;
    Progress& effects;
    // Both displays show nothing (replays, tests).
    static const ProgressDisplays& quiet();
};

// The kinds of operation, each named once here.
enum class OperationKind {
    PhotoInFrame,     // a photo in a frame of a photo layout
    PhotoInRectangle, // a photo imported into a dragged rectangle
    Text,
    Stroke,           // a drawing tool's line, shape or eraser trail
    Fill,
    Spray,
    ColouredCircles,
    Gradient,
    Frame,            // a white border or centre shape
    Filter,           // a numbered filter or an effect of the "Filters" menu
    Conversion,       // a flip, mirror or tilt of the whole card
    AddressSide,
};

class CardOperation {
public:
    CardOperation();
    virtual ~CardOperation() = default;
    CardOperation(const CardOperation&) = delete;
    CardOperation& operator=(const CardOperation&) = delete;

    // Unique for the run: a changed operation is a new one with a new id.
    quint64 id() const { return id_; }
    virtual OperationKind kind() const = 0;
    // The name the undo entries and the list of steps show, made when shown.
    virtual QString name() const = 0;
    // Draws the operation on `card` (both copies, or the screen copy alone
    // while the card is in its screen-only mode). Long ones report to `progress`.
    virtual void draw(CardSurface& card, const ProgressDisplays& progress) const = 0;
    // Moves the card's pixels to other places (a flip, a mirror, a tilt):
    // the frames of earlier photos no longer show those photos.
    virtual bool movesTheCard() const { return false; }
    // What it paints hides whatever lay at `point` before (a photo, a filled
    // shape), judged from its own shape alone.
    virtual bool paintsOver(QPoint point) const { (void)point; return false; }
    // Everything draw() uses, for a card file; photos by their number in
    // `photos`. Each kind reads it back with a static read(ParameterReader&)
    // beside its class (editor/OperationParameters.h).
    virtual QJsonObject parameters(PhotoList& photos) const = 0;

private:
    quint64 id_;
};

using Operation = std::shared_ptr<const CardOperation>;

// Draws `operation` on the card from the card's plain drawing state, so that
// the result never depends on what an earlier operation left set.
void drawOperation(CardSurface& card, const CardOperation& operation,
                   const ProgressDisplays& progress = ProgressDisplays::quiet());
