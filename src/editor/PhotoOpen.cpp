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

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {
const char* const PhotoCaptionForm = QT_TRANSLATE_NOOP("Main", "%1 / %2 x %3 pixels / %4 Bytes");
}

QString photoCaption(const QString& fileName, int width, int height, qint64 bytes)
{
    // One pass, so that a "%" in the file name stays as it is.
    return QString::fromUtf8(PhotoCaptionForm)
        .arg(fileName, QString::number(width), QString::number(height), QString::number(bytes));
}

QString shownPhotoCaption(const QString& caption)
{
    static const QRegularExpression form(QStringLiteral("^(.*) / (\\d+) x (\\d+) pixels / (\\d+) Bytes$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch parts = form.match(caption);
    if (!parts.hasMatch())
        return caption;
    return QCoreApplication::translate("Main", PhotoCaptionForm)
        .arg(parts.captured(1), parts.captured(2), parts.captured(3), parts.captured(4));
}

QString cardOrPhotoFilter()
{
    const QStringList photos = photoFileFilter().split(QLatin1Char('|'));
    const QString cards = QStringLiteral("*.prentvel");
    return QStringLiteral("%1|%2;%3|%4|%2|")
               .arg(QCoreApplication::translate("Main", "Kaarten en foto's"), cards, photos.value(1),
                    QCoreApplication::translate("Main", "Kaarten (%1)").arg(cards))
        + photos.join(QLatin1Char('|'));
}

void FileOpen_Click(CardContext& context, const CardFileOpener& openCard)
{
    const QString path = Dialogs::openFileName(context.window(), QCoreApplication::translate("Main", "Open Foto / Kaart"),
                                               cardOrPhotoFilter(), Settings::photoFolder());
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
        Dialogs::showMessage(
            context.window(),
            QCoreApplication::translate("Main", "In 'Zelf Tekenen' worden geen foto's geladen. Kies eerst een foto-layout."),
            QCoreApplication::translate("Main", " Open Foto / Kaart"));
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
