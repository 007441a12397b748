#include "editor/PhotoOpen.h"

#include "app/Main.h"
#include "platform/Settings.h"
#include "editor/CardLayouts.h"
#include "editor/PhotoCrop.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PhotoFileFilter.h"
#include "platform/PhotoForCard.h"
#include "platform/Rounding.h"

#include <QAction>
#include <QFileInfo>

namespace {
constexpr int FreeDrawingLayout = 18;
}

const char* const PhotoFilter = PhotoFileFilter;

QString photoCaption(const QString& fileName, int width, int height, qint64 bytes)
{
    return QStringLiteral("%1 / %2 x %3 pixels / %4 Bytes").arg(fileName).arg(width).arg(height).arg(bytes);
}

void FileOpen_Click(Main& main)
{
    if (main.state.currentLayout == FreeDrawingLayout)
        return;
    const QString path = Dialogs::openFileName(&main, QStringLiteral("Open Foto / Kaart"), QString::fromLatin1(PhotoFilter),
                                               Settings::photoFolder());
    if (path.isEmpty())
        return;
    Settings::setPhotoFolder(QFileInfo(path).absolutePath());
    openPhotoFile(main, path);
}

void openPhotoFile(Main& main, const QString& path)
{
    EditorState& state = main.state;
    if (state.currentLayout == FreeDrawingLayout || path.isEmpty())
        return;

    CardHistory::Change change(main.history);
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
        showPhotoLoadFailure(&main, path, picture.reason());
        return;
    }

    main.BackPic = picture->image;
    state.photoWidth = picture->width;
    state.photoHeight = picture->height;
    const QFileInfo file(path);
    main.setPhotoCaption(photoCaption(file.fileName(), state.photoWidth, state.photoHeight, file.size()));

    if (!paintsIntoFrame)
        return;
    const QImage photo = photoForFrame(main.BackPic, {state.frameWidth, state.frameHeight}, main.LayoutBijsnijden->isChecked());
    main.card.paintPhoto(photo, QRectF(state.frameX, state.frameY, state.frameWidth, state.frameHeight));
    main.card.refresh();
    advanceFrame(state.currentLayout, state.frameX, state.frameY);
}
