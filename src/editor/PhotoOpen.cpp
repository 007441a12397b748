#include "editor/PhotoOpen.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Settings.h"
#include "editor/CardLayouts.h"
#include "editor/PhotoCrop.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PhotoFileFilter.h"
#include "platform/PhotoForCard.h"
#include "platform/Rounding.h"

#include <QFileInfo>

const char* const PhotoFilter = PhotoFileFilter;

QString photoCaption(const QString& fileName, int width, int height, qint64 bytes)
{
    return QStringLiteral("%1 / %2 x %3 pixels / %4 Bytes").arg(fileName).arg(width).arg(height).arg(bytes);
}

void FileOpen_Click(CardContext& context)
{
    if (context.state().currentLayout == Layout::FreeDrawing)
        return;
    const QString path = Dialogs::openFileName(context.window(), QStringLiteral("Open Foto / Kaart"), QString::fromLatin1(PhotoFilter),
                                               Settings::photoFolder());
    if (path.isEmpty())
        return;
    Settings::setPhotoFolder(QFileInfo(path).absolutePath());
    openPhotoFile(context, path);
}

void openPhotoFile(CardContext& context, const QString& path)
{
    EditorState& state = context.state();
    if (state.currentLayout == Layout::FreeDrawing || path.isEmpty())
        return;

    CardHistory::Change change(context.history());
    BusyPointer busy;
    state.photoFileName = path;

    const bool paintsIntoFrame = photoLayout(state.currentLayout) != nullptr;
    // A large photo only needs decoding at the size of the frame it fills, on
    // the print copy.
    const QSize frameSize = paintsIntoFrame
        ? QSize(int(roundHalfEven(state.frameWidth)), int(roundHalfEven(state.frameHeight)))
        : QSize();
    const PictureLoadResult picture = loadPhotoForCard(path, frameSize);
    if (!picture || picture->image.isNull()) {
        showPhotoLoadFailure(context.window(), path, picture.reason());
        return;
    }

    QImage& photo = context.photoBuffer();
    photo = picture->image;
    state.photoWidth = picture->width;
    state.photoHeight = picture->height;
    const QFileInfo file(path);
    context.setPhotoCaption(photoCaption(file.fileName(), state.photoWidth, state.photoHeight, file.size()));

    if (!paintsIntoFrame)
        return;
    CardSurface& card = context.card();
    card.paintPhoto(photoForFrame(photo, {state.frameWidth, state.frameHeight}, state.cropPhotos),
                    QRectF(state.frameX, state.frameY, state.frameWidth, state.frameHeight));
    card.refresh();
    advanceFrame(state.currentLayout, state.frameX, state.frameY);
}
