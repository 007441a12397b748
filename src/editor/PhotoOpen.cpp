#include "editor/PhotoOpen.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Settings.h"
#include "editor/CardLayouts.h"
#include "editor/PhotoAdjusting.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PhotoFileFilter.h"
#include "editor/CardPhotos.h"
#include "editor/PhotoSource.h"
#include "platform/Rounding.h"

#include <QFileInfo>
#include <QStringList>

const char* const PhotoFilter = PhotoFileFilter;

QString photoCaption(const QString& fileName, int width, int height, qint64 bytes)
{
    return QStringLiteral("%1 / %2 x %3 pixels / %4 Bytes").arg(fileName).arg(width).arg(height).arg(bytes);
}

QString cardOrPhotoFilter()
{
    const QStringList photos = QString::fromLatin1(PhotoFilter).split(QLatin1Char('|'));
    const QString cards = QStringLiteral("*.prentvel");
    return QStringLiteral("Kaarten en foto's|%1;%2|Kaarten (%1)|%1|").arg(cards, photos.value(1)) + photos.join(QLatin1Char('|'));
}

void FileOpen_Click(CardContext& context, const CardFileOpener& openCard)
{
    const QString path = Dialogs::openFileName(context.window(), QStringLiteral("Open Foto / Kaart"), cardOrPhotoFilter(),
                                               Settings::photoFolder());
    if (path.isEmpty())
        return;
    Settings::setPhotoFolder(QFileInfo(path).absolutePath());
    if (openCard && openCard(path))
        return;
    openPhotoFile(context, path);
}

void openPhotoFile(CardContext& context, const QString& path)
{
    EditorState& state = context.state();
    if (path.isEmpty())
        return;
    if (state.currentLayout == Layout::FreeDrawing) {
        Dialogs::showMessage(context.window(),
                             QStringLiteral("In 'Zelf Tekenen' worden geen foto's geladen. Kies eerst een foto-layout."),
                             QStringLiteral(" Open Foto / Kaart"));
        return;
    }

    BusyPointer busy;
    state.photoFileName = path;

    const bool paintsIntoFrame = photoLayout(state.currentLayout) != nullptr;
    const QSize screenFrame(int(roundHalfEven(state.frameWidth)), int(roundHalfEven(state.frameHeight)));
    // A large photo is decoded at the smallest size the decoder reaches
    // quickly that still covers the print frame, and kept at most twice the
    // print frame (keptSource): the detail a zoomed photo still shows.
    const QSize decodeFrame = paintsIntoFrame ? screenFrame : QSize();
    const PhotoSource::Opened opened =
        PhotoSource::open(path, decodeFrame, paintsIntoFrame ? PhotoFit::keptFor(QSizeF(screenFrame)) : PhotoFit());
    if (!opened.source) {
        showPhotoLoadFailure(context.window(), path, opened.error);
        return;
    }

    context.photoBuffer() = opened.source->picture();
    state.photoWidth = opened.width;
    state.photoHeight = opened.height;
    const QFileInfo file(path);
    CardHistory::Change change(context.history());
    context.setPhotoCaption(photoCaption(file.fileName(), state.photoWidth, state.photoHeight, file.size()));

    if (!paintsIntoFrame)
        return;
    placePhoto(context, opened.source);
    advanceFrame(state.currentLayout, state.frameX, state.frameY);
    showFrameOutlines(context);
}

void dropPhotoFile(CardContext& context, const QString& path, double x, double y)
{
    if (photoLayout(context.state().currentLayout))
        pickFrameAt(context, x, y);
    openPhotoFile(context, path);
}
