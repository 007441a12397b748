#include "editor/PhotoAdjusting.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/EditorState.h"
#include "editor/PhotoFrames.h"
#include "platform/CardSurface.h"
#include "platform/PictureSurface.h"

#include <QImage>
#include <QVector>
#include <Qt>
#include <cmath>
#include <memory>

// A press on a placed photo, until its release: a drag once the pointer moves.
struct PhotoDrag {
    int photo = -1; // the photo pressed on, -1 for an empty frame or none
    QPointF start;
    PhotoPlacement from;
    PhotoPlacement now;
    QSizeF scale;   // screen-sized copy pixels per source pixel
    QPointF phase;  // where the copy starts, less than a pixel before the source
    std::unique_ptr<CardSurface::PhotoPreview> preview;
};

namespace {

constexpr int LeftButton = 1;
constexpr int CtrlBit = 2;

QPoint cardPixel(double x, double y)
{
    return QPoint(int(std::floor(std::isfinite(x) ? std::clamp(x, -1e6, 1e6) : -1)),
                  int(std::floor(std::isfinite(y) ? std::clamp(y, -1e6, 1e6) : -1)));
}

// The adjustable photo under (x, y), or -1.
int adjustablePhotoAt(const EditorState& state, double x, double y)
{
    if (!frameOutlinesShow(state))
        return -1;
    const int photo = state.cardPhotos.photoAt(cardPixel(x, y));
    return state.cardPhotos.adjustable(photo) ? photo : -1;
}

// Gives photo `index` a new placement and paints its frame again, with the
// photos over it, on both copies: one step of the history.
void replace(CardContext& context, int index, const PhotoPlacement& placement, int series = 0)
{
    PlacedPhoto& photo = context.state().cardPhotos.photos[std::size_t(index)];
    if (photo.placement == placement)
        return;
    CardHistory::Change change(context.history());
    context.history().markPhotoChange();
    if (series != 0)
        context.history().joinSeries(series);
    photo.placement = placement;
    CardSurface& card = context.card();
    card.paintPhotos(context.state().cardPhotos.fromPhoto(index), photo.frame);
    card.refresh();
}

// The drag's screen picture follows the pointer at `at`.
void follow(CardContext& context, PhotoDrag& drag, QPointF at)
{
    EditorState& state = context.state();
    const PlacedPhoto& photo = state.cardPhotos.photos[std::size_t(drag.photo)];
    const QSizeF source = photo.source.size(), frame = photo.frame.size();
    if (!drag.preview) {
        // Resampling the whole source at every step would take far longer than
        // a mouse move allows: the moved photo is scaled to the screen once.
        context.history().openDrag(LeftButton);
        context.history().markPhotoChange();
        const QRectF part = drag.from.movedBy({0, 0}, source, frame).shownPart(source, frame);
        drag.scale = QSizeF(frame.width() / part.width(), frame.height() / part.height());
        // Aligned so that the part shown now starts on a whole pixel of the copy,
        // as it does on the card: whole-pixel moves then land exactly.
        const QPointF start(part.x() * drag.scale.width(), part.y() * drag.scale.height());
        drag.phase = start - QPointF(std::floor(start.x()), std::floor(start.y()));
        PictureSurface copy(std::max(photo.frame.width(), int(std::ceil(source.width() * drag.scale.width()))),
                            std::max(photo.frame.height(), int(std::ceil(source.height() * drag.scale.height()))));
        copy.paintPhoto(photo.source, QRectF(-drag.phase, QSizeF(source.width() * drag.scale.width(),
                                                                  source.height() * drag.scale.height())));
        drag.preview = std::make_unique<CardSurface::PhotoPreview>(context.card(), state.cardPhotos.fromPhoto(drag.photo),
                                                                   copy.image());
    }
    drag.now = drag.from.movedBy(at - drag.start, source, frame);
    const QRectF part = drag.now.shownPart(source, frame);
    const QPointF topLeft = QPointF(part.x() * drag.scale.width(), part.y() * drag.scale.height()) - drag.phase;
    drag.preview->show(QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))));
}

// Ends a drag: the print copy and the screen copy are painted from the source.
void finish(CardContext& context, PhotoDrag& drag)
{
    if (!drag.preview)
        return;
    EditorState& state = context.state();
    PlacedPhoto& photo = state.cardPhotos.photos[std::size_t(drag.photo)];
    photo.placement = drag.now;
    drag.preview->commit(photo.picture().part);
    drag.preview.reset();
    context.history().closeDrag(LeftButton);
}

}

bool frameOutlinesShow(const EditorState& state)
{
    return photoLayout(state.currentLayout) != nullptr && state.cardPhotos.shown;
}

void showFrameOutlines(CardContext& context)
{
    const EditorState& state = context.state();
    if (!frameOutlinesShow(state)) {
        context.overlays().showFrameOutlines({}, -1);
        return;
    }
    const QVector<QRect> frames = layoutFrames(state.currentLayout);
    context.overlays().showFrameOutlines(frames, frameIndexAt(frames, state.frameX, state.frameY));
}

void placePhoto(CardContext& context, const QImage& decoded)
{
    EditorState& state = context.state();
    const QRect frame(int(std::lround(state.frameX)), int(std::lround(state.frameY)), int(std::lround(state.frameWidth)),
                      int(std::lround(state.frameHeight)));
    PlacedPhoto photo{keptSource(decoded, frame.size()), frame, PhotoPlacement::placed(state.cropPhotos)};
    context.card().paintPhotos({photo.picture()});
    context.card().refresh();
    if (!frameOutlinesShow(state))
        return;
    context.history().markPhotoChange();
    state.cardPhotos.place(std::move(photo));
    state.cardPhotos.keepWithinBudget();
}

bool pickFrameAt(CardContext& context, double x, double y)
{
    EditorState& state = context.state();
    const QVector<QRect> frames = layoutFrames(state.currentLayout);
    const int picked = pickFrame(frames, state.cardPhotos.paintOrder(frames), cardPixel(x, y));
    if (picked < 0)
        return false;
    state.frameX = frames[picked].x();
    state.frameY = frames[picked].y();
    showFrameOutlines(context);
    return true;
}

bool photoMouseDown(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    if (button != LeftButton || state.placingText || !photoLayout(state.currentLayout))
        return false;
    // A drag whose release was lost ends here.
    if (state.photoDrag)
        finish(context, *state.photoDrag);
    state.photoDrag = std::make_shared<PhotoDrag>();
    PhotoDrag& drag = *state.photoDrag;
    drag.photo = adjustablePhotoAt(state, x, y);
    drag.start = QPointF(x, y);
    if (drag.photo >= 0)
        drag.from = drag.now = state.cardPhotos.photos[std::size_t(drag.photo)].placement;
    return true;
}

bool photoMouseMove(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    state.pointerX = x;
    state.pointerY = y;
    if (!(button & LeftButton) || !state.photoDrag || state.photoDrag->photo < 0)
        return false;
    PhotoDrag& drag = *state.photoDrag;
    if (drag.preview || QPointF(x, y) != drag.start)
        follow(context, drag, QPointF(x, y));
    return true;
}

bool photoMouseUp(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    if (button != LeftButton || !state.photoDrag)
        return false;
    const std::shared_ptr<PhotoDrag> drag = std::move(state.photoDrag);
    if (drag->preview) {
        follow(context, *drag, QPointF(x, y));
        finish(context, *drag);
    } else {
        pickFrameAt(context, drag->start.x(), drag->start.y());
    }
    return true;
}

bool photoDoubleClick(CardContext& context, int button, double x, double y)
{
    const int photo = adjustablePhotoAt(context.state(), x, y);
    if (button != LeftButton || photo < 0)
        return false;
    replace(context, photo, PhotoPlacement::placed(true));
    return true;
}

bool zoomPhotoAt(CardContext& context, int steps, double x, double y)
{
    EditorState& state = context.state();
    const int index = adjustablePhotoAt(state, x, y);
    if (index < 0 || state.photoDrag)
        return index >= 0;
    const PlacedPhoto& photo = state.cardPhotos.photos[std::size_t(index)];
    const QPointF at = QPointF(x, y) - QPointF(photo.frame.topLeft());
    // A series belongs to one photo: the key names its frame.
    const int series = 1 + photo.frame.x() * 1000 + photo.frame.y();
    replace(context, index, photo.placement.zoomedAround(steps, at, photo.source.size(), photo.frame.size()), series);
    return true;
}

bool zoomPhotoByKey(CardContext& context, int keyCode, int shift)
{
    if (shift & CtrlBit)
        return false;
    const int steps = keyCode == Qt::Key_Plus || keyCode == Qt::Key_Equal ? 1 : keyCode == Qt::Key_Minus ? -1 : 0;
    const EditorState& state = context.state();
    return steps != 0 && zoomPhotoAt(context, steps, state.pointerX, state.pointerY);
}
