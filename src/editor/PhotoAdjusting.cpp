#include "editor/PhotoAdjusting.h"

#include "editor/CardContext.h"
#include "editor/CardEditing.h"
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/CardPhotos.h"
#include "editor/EditorState.h"
#include "editor/PhotoFrames.h"
#include "editor/PhotoOperations.h"
#include "platform/CardSurface.h"
#include "platform/PictureSurface.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QVector>
#include <Qt>
#include <cmath>

const char* const PhotoFixedMessage = QT_TRANSLATE_NOOP(
    "Main", "Deze foto kan niet meer worden aangepast: de kaart is daarna gespiegeld, gekanteld of omgezet naar de adreszijde");

// A press on a placed photo, until its release: a drag once the pointer moves.
struct PhotoDrag {
    int photo = -1; // the photo's position in the document; -1 for an empty frame or none
    QPointF start;
    PhotoPlacement from;
    PhotoPlacement now;
    bool following = false;
    QSizeF scale;   // screen-sized copy pixels per source pixel
    QPointF phase;  // where the copy starts, less than a pixel before the source
    QImage screenSized;
    QImage below;   // the screen copy of the card drawn up to the photo
};

namespace {

constexpr int LeftButton = 1;
constexpr int CtrlBit = 2;

QPoint cardPixel(double x, double y)
{
    return QPoint(int(std::floor(std::isfinite(x) ? std::clamp(x, -1e6, 1e6) : -1)),
                  int(std::floor(std::isfinite(y) ? std::clamp(y, -1e6, 1e6) : -1)));
}

// The adjustable photo under (x, y), or -1; a photo that can no longer be
// adjusted says so on the help line.
int adjustablePhotoAt(CardContext& context, double x, double y)
{
    const EditorState& state = context.state();
    if (!frameOutlinesShow(state))
        return -1;
    const int photo = CardPhotos::photoUnder(state.document, state.currentLayout, cardPixel(x, y));
    if (photo >= 0 && !CardPhotos::adjustable(state.document, photo)) {
        context.setInformation(QString::fromUtf8(PhotoFixedMessage));
        return -1;
    }
    return photo;
}

const PhotoInFrame& photoOf(const CardContext& context, int index)
{
    return *CardPhotos::photoAt(const_cast<CardContext&>(context).state().document, index);
}

// Gives photo `index` a new placement: one step of the history.
void replace(CardContext& context, int index, const PhotoPlacement& placement, int series = 0)
{
    const PhotoInFrame& photo = photoOf(context, index);
    if (photo.placement() == placement)
        return;
    CardHistory::Change change(context.history());
    if (series != 0)
        context.history().joinSeries(series);
    replaceOperation(context, index, photo.placed(placement));
    context.card().refresh();
}

// Readies a drag: the card is drawn up to the photo, whose screen copy the
// preview starts from at every step, and the photo is scaled to the screen
// once (resampling the whole source at every step would take far too long).
void startFollowing(CardContext& context, PhotoDrag& drag)
{
    context.history().openDrag(LeftButton);
    const PhotoInFrame& photo = photoOf(context, drag.photo);
    const QImage source = photo.source()->picture();
    const QSizeF size = source.size(), frame = photo.frame().size();
    const QRectF part = drag.from.movedBy({0, 0}, size, frame).shownPart(size, frame);
    drag.scale = QSizeF(frame.width() / part.width(), frame.height() / part.height());
    // Aligned so that the part shown now starts on a whole pixel of the copy,
    // as it does on the card: whole-pixel moves then land exactly.
    const QPointF start(part.x() * drag.scale.width(), part.y() * drag.scale.height());
    drag.phase = start - QPointF(std::floor(start.x()), std::floor(start.y()));
    PictureSurface copy(std::max(photo.frame().width(), int(std::ceil(size.width() * drag.scale.width()))),
                        std::max(photo.frame().height(), int(std::ceil(size.height() * drag.scale.height()))));
    copy.paintPhoto(source, QRectF(-drag.phase, QSizeF(size.width() * drag.scale.width(), size.height() * drag.scale.height())));
    drag.screenSized = copy.image();

    // The print copy waits for the release.
    drag.below = drawScreenUpTo(context, drag.photo);
    drag.following = true;
}

// The screen copy shows the photo where the pointer takes it, with every
// later operation replayed over it.
void follow(CardContext& context, PhotoDrag& drag, QPointF at)
{
    if (!drag.following)
        startFollowing(context, drag);
    const PhotoInFrame& photo = photoOf(context, drag.photo);
    const QSizeF size = photo.source()->picture().size(), frame = photo.frame().size();
    drag.now = drag.from.movedBy(at - drag.start, size, frame);
    const QRectF part = drag.now.shownPart(size, frame);
    const QPointF topLeft = QPointF(part.x() * drag.scale.width(), part.y() * drag.scale.height()) - drag.phase;

    QImage screen = drag.below;
    {
        QPainter p(&screen);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setClipRect(photo.frame());
        p.drawImage(photo.frame().topLeft(), drag.screenSized,
                    QRect(QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))), photo.frame().size()));
    }
    previewOnScreen(context, screen, drag.photo);
}

// Ends a drag: both copies are drawn from the photo's source, and every later operation over it.
void finish(CardContext& context, PhotoDrag& drag)
{
    if (!drag.following)
        return;
    drag.following = false;
    context.card().setScreenOnly(false);
    if (drag.now == drag.from)
        redrawCard(context);
    else
        replaceOperation(context, drag.photo, photoOf(context, drag.photo).placed(drag.now));
    context.card().refresh();
    context.history().closeDrag(LeftButton);
}

}

bool frameOutlinesShow(const EditorState& state)
{
    return photoLayout(state.currentLayout) != nullptr;
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

void placePhoto(CardContext& context, std::shared_ptr<const PhotoSource> source)
{
    EditorState& state = context.state();
    const QRect frame(int(std::lround(state.frameX)), int(std::lround(state.frameY)), int(std::lround(state.frameWidth)),
                      int(std::lround(state.frameHeight)));
    addOperation(context, std::make_shared<PhotoInFrame>(std::move(source), frame, PhotoPlacement::placed(state.cropPhotos),
                                                         state.currentLayout));
}

bool pickFrameAt(CardContext& context, double x, double y)
{
    EditorState& state = context.state();
    const QVector<QRect> frames = layoutFrames(state.currentLayout);
    const int picked = pickFrame(frames, CardPhotos::paintOrder(state.document, state.currentLayout, frames), cardPixel(x, y));
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
    drag.photo = adjustablePhotoAt(context, x, y);
    drag.start = QPointF(x, y);
    if (drag.photo >= 0)
        drag.from = drag.now = photoOf(context, drag.photo).placement();
    return true;
}

bool photoMouseMove(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    state.pointerX = x;
    state.pointerY = y;
    if (!(button & LeftButton) || !state.photoDrag || state.photoDrag->photo < 0 || !frameOutlinesShow(state))
        return false;
    PhotoDrag& drag = *state.photoDrag;
    if (drag.following || QPointF(x, y) != drag.start)
        follow(context, drag, QPointF(x, y));
    return true;
}

bool photoMouseUp(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    if (button != LeftButton || !state.photoDrag)
        return false;
    const std::shared_ptr<PhotoDrag> drag = std::move(state.photoDrag);
    if (drag->following) {
        follow(context, *drag, QPointF(x, y));
        finish(context, *drag);
    } else {
        pickFrameAt(context, drag->start.x(), drag->start.y());
    }
    return true;
}

void endPhotoDrag(CardContext& context)
{
    if (const std::shared_ptr<PhotoDrag> drag = std::move(context.state().photoDrag))
        finish(context, *drag);
}

bool photoDoubleClick(CardContext& context, int button, double x, double y)
{
    const int photo = adjustablePhotoAt(context, x, y);
    if (button != LeftButton || photo < 0)
        return false;
    replace(context, photo, PhotoPlacement::placed(true));
    return true;
}

bool zoomPhotoAt(CardContext& context, int steps, double x, double y)
{
    EditorState& state = context.state();
    const int index = adjustablePhotoAt(context, x, y);
    if (index < 0 || state.photoDrag)
        return index >= 0;
    const PhotoInFrame& photo = photoOf(context, index);
    const QPointF at = QPointF(x, y) - QPointF(photo.frame().topLeft());
    // A series belongs to one photo: the key names its frame.
    const int series = 1 + photo.frame().x() * 1000 + photo.frame().y();
    replace(context, index, photo.placement().zoomedAround(steps, at, photo.source()->picture().size(), photo.frame().size()),
            series);
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
