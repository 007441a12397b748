#include "drawing/FotoLaden.h"

#include "drawing/ToolTable.h"
#include "editor/CardContext.h"
#include "editor/CardEditing.h"
#include "editor/EditorState.h"
#include "editor/PhotoOperations.h"
#include "editor/PhotoSource.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PhotoFileFilter.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

void FotoLaden(CardContext& context, double x1, double y1, double x2, double y2)
{
    const QString path = Dialogs::openFileName(context.window(), QCoreApplication::translate("Main", "Foto importeren"),
                                               photoFileFilter(), Settings::photoFolder());
    if (path.isEmpty())
        return;
    Settings::setPhotoFolder(QFileInfo(path).absolutePath());
    EditorState& state = context.state();
    BusyPointer busy;
    state.photoFileName = path;
    const double width = x2 - x1;
    const double height = y2 - y1;
    const QSize target(std::isfinite(width) ? int(std::ceil(width)) : 0, std::isfinite(height) ? int(std::ceil(height)) : 0);
    const bool crop = state.cropPhotos;
    const PhotoSource::Opened opened = PhotoSource::open(path, target, PhotoFit::into({width, height}, crop));
    if (!opened.source) {
        showPhotoLoadFailure(context.window(), path, opened.error);
        return;
    }
    context.photoBuffer() = opened.source->picture();
    state.photoWidth = opened.width;
    state.photoHeight = opened.height;
    context.setPhotoCaption(QFileInfo(path).fileName() + " / " + QString::number(state.photoWidth) + " x "
                            + QString::number(state.photoHeight) + " pixels");
    addOperation(context, std::make_shared<PhotoInRectangle>(opened.source, QRectF(x1, y1, width, height)));
    state.currentTool = DrawingTool::NoTool;
}
