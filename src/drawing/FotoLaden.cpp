#include "drawing/FotoLaden.h"

#include "drawing/ToolTable.h"
#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Settings.h"
#include "editor/PhotoCrop.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PhotoFileFilter.h"
#include "platform/PhotoForCard.h"

#include <QFileInfo>
#include <cmath>

void FotoLaden(CardContext& context, double x1, double y1, double x2, double y2)
{
    const QString path = Dialogs::openFileName(context.window(), "Foto importeren", PhotoFileFilter, Settings::photoFolder());
    if (path.isEmpty())
        return;
    Settings::setPhotoFolder(QFileInfo(path).absolutePath());
    EditorState& state = context.state();
    CardHistory::Change change(context.history());
    BusyPointer busy;
    state.photoFileName = path;
    const double width = x2 - x1;
    const double height = y2 - y1;
    const QSize target(std::isfinite(width) ? int(std::ceil(width)) : 0, std::isfinite(height) ? int(std::ceil(height)) : 0);
    const PictureLoadResult loaded = loadPhotoForCard(path, target);
    if (!loaded) {
        showPhotoLoadFailure(context.window(), path, loaded.reason());
        return;
    }
    QImage& photo = context.photoBuffer();
    photo = loaded->image;
    state.photoWidth = loaded->width;
    state.photoHeight = loaded->height;
    context.setPhotoCaption(QFileInfo(path).fileName() + " / " + QString::number(state.photoWidth) + " x "
                            + QString::number(state.photoHeight) + " pixels");
    CardSurface& card = context.card();
    card.paintPhoto(photoForFrame(photo, {width, height}, state.cropPhotos), QRectF(x1, y1, width, height));
    card.refresh();
    state.currentTool = DrawingTool::NoTool;
}
