#include "drawing/FotoLaden.h"

#include "app/Main.h"
#include "platform/Settings.h"
#include "editor/PhotoCrop.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PhotoFileFilter.h"
#include "platform/PhotoForCard.h"

#include <QAction>
#include <QFileInfo>
#include <cmath>

void FotoLaden(Main& main, double x1, double y1, double x2, double y2)
{
    const QString path = Dialogs::openFileName(&main, "Foto importeren", PhotoFileFilter, Settings::photoFolder());
    if (path.isEmpty())
        return;
    Settings::setPhotoFolder(QFileInfo(path).absolutePath());
    CardHistory::Change change(main.history);
    BusyPointer busy;
    main.state.photoFileName = path;
    const double width = x2 - x1;
    const double height = y2 - y1;
    const QSize target(std::isfinite(width) ? int(std::ceil(width)) : 0, std::isfinite(height) ? int(std::ceil(height)) : 0);
    const PictureLoadResult loaded = loadPhotoForCard(path, target);
    if (!loaded) {
        showPhotoLoadFailure(&main, path, loaded.reason());
        return;
    }
    main.BackPic = loaded->image;
    main.state.photoWidth = loaded->width;
    main.state.photoHeight = loaded->height;
    main.setPhotoCaption(QFileInfo(path).fileName() + " / " + QString::number(main.state.photoWidth)
                         + " x " + QString::number(main.state.photoHeight) + " pixels");
    const bool crop = main.LayoutBijsnijden->isChecked();
    main.card.paintPhoto(photoForFrame(main.BackPic, {width, height}, crop), QRectF(x1, y1, width, height));
    main.card.refresh();
    main.state.currentTool = 0;
}
